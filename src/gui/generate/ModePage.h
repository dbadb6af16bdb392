#pragma once

#include "generate/GenerationRequest.h"
#include "shell/DateLists.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ModePage;
}

namespace jm::gui {

/// The mode page 模式选择 (页面_模式选择): the child's surname, sex, name
/// length and birth date, the link to the generation character (辈份), the
/// seven mode options and 开始起名. It reads and shows its own controls
/// only; what its buttons start is wired by the window. Window thread only.
class ModePage : public QWidget {
    Q_OBJECT
public:
    explicit ModePage(QWidget* parent = nullptr);
    ~ModePage() override;

    /// 编辑框_姓氏.
    QString surname() const;
    void setSurname(const QString& surname);
    /// 组合框_性别: its index and its caption ("男", "女").
    int sexIndex() const;
    void setSexIndex(int index);
    QString sexText() const;
    /// 组合框_名字个数: its index, and the length it means (2 for "二字", else 1).
    int nameLengthIndex() const;
    void setNameLengthIndex(int index);
    int nameLength() const;
    /// The mode whose option is checked (classic when none of the others is).
    GenerationMode checkedMode() const;
    /// The caption of the checked mode option ("高分起名", ...), as the settings file keeps it.
    QString checkedModeCaption() const;
    /// Checks the mode option captioned `caption` and shows its hint; false,
    /// changing nothing, when no option has that caption.
    bool checkModeByCaption(const QString& caption);

    /// The birth date chosen in the date boxes.
    BirthDate birthDate() const;
    /// Fills the date boxes with their lists, today at 0:00 selected.
    void fillDateBoxes();
    /// Selects `date` in the date boxes; false, changing nothing, when a
    /// part of it is not in the lists.
    bool setBirthDate(const BirthDate& date);

    /// Emits `modeHintChanged` with the hint of `mode`.
    void showModeHint(GenerationMode mode);
    /// Colours the link 辈份: red while a generation character is set, grey otherwise.
    void markGenerationCharacter(bool set);

Q_SIGNALS:
    /// 开始起名 was clicked.
    void startClicked();
    /// The link 辈份 was clicked.
    void generationCharacterClicked();
    /// A date box changed; `date` is the whole date now chosen.
    void birthDateChanged(const jm::gui::BirthDate& date);
    /// A mode option was clicked (or `showModeHint` called): the status bar
    /// shows hint image `image` (0 to 6) with `text`.
    void modeHintChanged(int image, const QString& text);

private:
    std::unique_ptr<Ui::ModePage> m_ui;
};

} // namespace jm::gui
