#include "generate/GenerationCharacterDialog.h"

#include "shell/MessageService.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace jm::gui {
namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

} // namespace

GenerationCharacterDialog::GenerationCharacterDialog(
    const GenerationCharacterSetting& current, MessageService& messages, QWidget* owner)
    : QDialog(owner)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("设置辈份窗口"));
    setWindowTitle(QStringLiteral("设置辈份"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_none = named(new QRadioButton(QStringLiteral("不设置"), this), "单选框_不设置辈份");
    m_second = named(new QRadioButton(QStringLiteral("固定第二个字"), this), "单选框_设置第二个字");
    m_third = named(new QRadioButton(QStringLiteral("固定第三个字"), this), "单选框_设置第三个字");
    m_secondText = named(new QLineEdit(this), "编辑框_第二个字");
    m_thirdText = named(new QLineEdit(this), "编辑框_第三个字");
    m_secondText->setPlaceholderText(QStringLiteral("如 李\u201C志\u201D强"));
    m_thirdText->setPlaceholderText(QStringLiteral("如 李志\u201C强\u201D"));
    auto* notice = named(
        new QLabel(QStringLiteral("高分模式下建议不设置辈份,设置后生成名字较少,且很难取得高分"), this), "透明标签3");
    notice->setWordWrap(true);
    auto* ok = named(new QPushButton(QStringLiteral("确定"), this), "按钮_辈份确定");
    auto* cancelButton = named(new QPushButton(QStringLiteral("取消"), this), "按钮_辈份取消");
    ok->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(m_none, 0, 0, 1, 2);
    grid->addWidget(m_second, 1, 0);
    grid->addWidget(m_secondText, 1, 1);
    grid->addWidget(m_third, 2, 0);
    grid->addWidget(m_thirdText, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(notice);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    switch (current.kind) {
    case GenerationCharacterSetting::Kind::None:
        m_none->setChecked(true);
        break;
    case GenerationCharacterSetting::Kind::Second:
        m_second->setChecked(true);
        break;
    case GenerationCharacterSetting::Kind::Third:
        m_third->setChecked(true);
        break;
    }
    connect(ok, &QPushButton::clicked, this, &GenerationCharacterDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &GenerationCharacterDialog::cancel);
}

void GenerationCharacterDialog::confirm()
{
    GenerationCharacterSetting setting;
    if (m_second->isChecked()) {
        if (m_secondText->text().isEmpty()) {
            m_messages.warning(this, QStringLiteral("请输入所设定的第二个字"), MessageService::hintTitle());
            return;
        }
        setting.kind = GenerationCharacterSetting::Kind::Second;
        setting.secondCharacter = m_secondText->text().toStdString();
    } else if (m_third->isChecked()) {
        if (m_thirdText->text().isEmpty()) {
            m_messages.warning(this, QStringLiteral("请输入所设定的第三个字"), MessageService::hintTitle());
            return;
        }
        setting.kind = GenerationCharacterSetting::Kind::Third;
        setting.thirdCharacter = m_thirdText->text().toStdString();
    }
    Q_EMIT settingChosen(setting);
    accept();
}

void GenerationCharacterDialog::cancel()
{
    m_none->setChecked(true);
    Q_EMIT cancelled();
    reject();
}

} // namespace jm::gui
