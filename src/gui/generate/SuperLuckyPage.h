#pragma once

#include "generate/GenerationRequest.h"

#include <QObject>

#include <array>

class QCheckBox;
namespace Ui {
class MainWindow;
}

namespace jm::gui {

/// The element filters of the super-lucky page and the option reader of the
/// super-lucky, combination and nickname modes.
///
/// The four filter groups each have a switch and five element boxes (金 木
/// 水 火 土). The two position switches and the two all-character switches
/// exclude each other; a group's element boxes are enabled while its switch
/// is on. Disabling a box leaves it checked.
class SuperLuckyPage : public QObject {
    Q_OBJECT
public:
    enum Group { SecondCharacter, ThirdCharacter, AllMustHave, NoneMayHave };

    SuperLuckyPage(Ui::MainWindow& ui, QObject* parent = nullptr);

    /// Applies the rule of a click on 选择框_所有字必带五行 once, for its
    /// current state (the mode page does this when it shows the page).
    void applyMustHaveRule() { applyRule(AllMustHave); }

    /// Reads the filters, the combination characters and the nickname
    /// pattern into `request`.
    void fillRequest(GenerationRequest& request) const;

private:
    struct FilterBoxes {
        QCheckBox* toggle = nullptr;
        std::array<QCheckBox*, 5> elements {};
    };

    void applyRule(Group group);
    ElementFilterGroup read(Group group) const;

    Ui::MainWindow& m_ui;
    std::array<FilterBoxes, 4> m_groups;
};

} // namespace jm::gui
