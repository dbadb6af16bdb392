#pragma once

#include "generate/GenerationRequest.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QPushButton;
namespace Ui {
class SuperLuckyPage;
}

namespace jm::gui {

class RunStatus;

class NameListModel;

/// The super-lucky page 超吉模式 (页面_超吉模式): the element filters, 生成,
/// 暂停/继续, 导出 and the list of a super-lucky run, whose model belongs to
/// the generation side. Window thread only.
///
/// The four filter groups each have a switch and five element boxes (金 木
/// 水 火 土). The two position switches and the two all-character switches
/// exclude each other; a group's element boxes are enabled while its switch
/// is on. Disabling a box leaves it checked.
class SuperLuckyPage : public QWidget {
    Q_OBJECT
public:
    enum Group { SecondCharacter, ThirdCharacter, AllMustHave, NoneMayHave };

    /// `list` is the super-lucky result list; it must outlive the page.
    explicit SuperLuckyPage(NameListModel& list, QWidget* parent = nullptr);
    ~SuperLuckyPage() override;

    /// The page's run line: progress, status text, 取消 and export enabling.
    RunStatus& runStatus() { return *m_runStatus; }

    /// Applies the rule of a click on 选择框_所有字必带五行 once, for its
    /// current state (the mode page does this when it shows the page).
    void applyMustHaveRule() { applyRule(AllMustHave); }

    /// Reads the four filters into `request`.
    void fillRequest(GenerationRequest& request) const;

    QPushButton* exportButton() const;

public Q_SLOTS:
    /// 开始起名 started the list over for a new surname.
    void restartList(jm::GenerationMode mode);
    /// Any run starts: the pause caption reads 暂停 again; a super-lucky run
    /// locks 生成 until it ends and 暂停 until it lists its first name.
    void onRunStarted(jm::GenerationMode mode);
    void onFirstListed(jm::GenerationMode mode);
    /// A super-lucky run ended: 暂停 is locked again (nothing to pause).
    void onRunFinished(jm::GenerationMode mode);

Q_SIGNALS:
    /// 生成 was clicked.
    void generateClicked();
    /// 暂停 (`pause` true) or 继续 (false) was clicked; the page has already
    /// turned its caption and the export button.
    void pauseToggled(bool pause);
    /// A name of the list was double-clicked.
    void nameDoubleClicked(const QModelIndex& index);

private:
    struct FilterBoxes {
        QCheckBox* toggle = nullptr;
        std::array<QCheckBox*, 5> elements {};
    };

    void applyRule(Group group);
    ElementFilterGroup read(Group group) const;
    void togglePause();

    std::unique_ptr<Ui::SuperLuckyPage> m_ui;
    RunStatus* m_runStatus = nullptr;
    std::array<FilterBoxes, 4> m_groups;
};

} // namespace jm::gui
