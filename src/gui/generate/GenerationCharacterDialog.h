#pragma once

#include "generate/GenerationRequest.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace jm::gui {

class MessageService;

/// The dialog "设置辈份": no generation character, a fixed second character
/// (李"志"强) or a fixed third character (李志"强"). It opens with the kind of
/// `current` checked and both boxes empty. "确定" with the chosen kind's box
/// empty shows a warning and stays open; otherwise it reports the new setting
/// through `settingChosen` and closes. "取消" checks 不设置 and reports
/// `cancelled`; the caller then sets the setting to none.
class GenerationCharacterDialog : public QDialog {
    Q_OBJECT
public:
    GenerationCharacterDialog(const GenerationCharacterSetting& current, MessageService& messages, QWidget* owner);

Q_SIGNALS:
    void settingChosen(const jm::GenerationCharacterSetting& setting);
    void cancelled();

private:
    void confirm();
    void cancel();

    MessageService& m_messages;
    QRadioButton* m_none = nullptr;
    QRadioButton* m_second = nullptr;
    QRadioButton* m_third = nullptr;
    QLineEdit* m_secondText = nullptr;
    QLineEdit* m_thirdText = nullptr;
};

} // namespace jm::gui
