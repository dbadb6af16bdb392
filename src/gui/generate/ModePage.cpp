#include "generate/ModePage.h"

#include "ui_ModePage.h"

#include <array>
#include <limits>
#include <utility>

namespace jm::gui {
namespace {

struct ModeHint {
    GenerationMode mode;
    int image;
    const char* text;
};

// Hint images 0 to 6 of the status bar belong to the seven modes.
constexpr ModeHint kModeHints[] = {
    { GenerationMode::HighScore, 1, "1-20秒内生成10000个90分以上的高分姓名" },
    { GenerationMode::SuperLucky, 6, "系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名" },
    { GenerationMode::Poem, 2, "使用近3000位诗人的数十万诗词进行组合起名" },
    { GenerationMode::Combination, 3, "使用您自定义的字进行组合起名" },
    { GenerationMode::Nickname, 4, "小名即为乳名,以好听为主,侧重好记好听顺口,评分不用考虑" },
    { GenerationMode::English, 5, "有了中文名之后,还应该给宝宝起个英文名字,向国际化接轨" },
    { GenerationMode::Classic, 0, "高速生成,以好听为主,不考虑名字的五行数理等因素" },
};

// The seven mode options and their modes.
std::array<std::pair<QRadioButton*, GenerationMode>, 7> modeOptions(const Ui::ModePage& ui)
{
    return { {
        { ui.单选框_高分起名, GenerationMode::HighScore },
        { ui.单选框_超吉起名, GenerationMode::SuperLucky },
        { ui.单选框_诗词起名, GenerationMode::Poem },
        { ui.单选框_组合起名, GenerationMode::Combination },
        { ui.单选框_起小名, GenerationMode::Nickname },
        { ui.单选框_起英文名, GenerationMode::English },
        { ui.单选框_经典起名, GenerationMode::Classic },
    } };
}

} // namespace

ModePage::ModePage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::ModePage>())
{
    m_ui->setupUi(this);
    // Kept whole in the settings file: the box may not cut what it restores.
    m_ui->编辑框_姓氏->setMaxLength(std::numeric_limits<int>::max());
    const std::pair<QRadioButton*, GenerationMode> options[] = {
        { m_ui->单选框_高分起名, GenerationMode::HighScore },
        { m_ui->单选框_超吉起名, GenerationMode::SuperLucky },
        { m_ui->单选框_诗词起名, GenerationMode::Poem },
        { m_ui->单选框_组合起名, GenerationMode::Combination },
        { m_ui->单选框_起小名, GenerationMode::Nickname },
        { m_ui->单选框_起英文名, GenerationMode::English },
        { m_ui->单选框_经典起名, GenerationMode::Classic },
    };
    for (const auto& [option, mode] : options)
        connect(option, &QRadioButton::clicked, this, [this, mode = mode] { showModeHint(mode); });
    connect(m_ui->按钮_起名, &QPushButton::clicked, this, &ModePage::startClicked);
    connect(m_ui->标签_设置辈份, &QLabel::linkActivated, this, &ModePage::generationCharacterClicked);
    for (QComboBox* box :
        { m_ui->组合框_年份, m_ui->组合框_月份, m_ui->组合框_日子, m_ui->组合框_时间, m_ui->组合框_分钟 })
        connect(box, &QComboBox::currentTextChanged, this, [this] { Q_EMIT birthDateChanged(birthDate()); });
}

ModePage::~ModePage() = default;

QString ModePage::surname() const
{
    return m_ui->编辑框_姓氏->text();
}

void ModePage::setSurname(const QString& surname)
{
    m_ui->编辑框_姓氏->setText(surname);
}

int ModePage::sexIndex() const
{
    return m_ui->组合框_性别->currentIndex();
}

void ModePage::setSexIndex(int index)
{
    m_ui->组合框_性别->setCurrentIndex(index);
}

QString ModePage::sexText() const
{
    return m_ui->组合框_性别->currentText();
}

int ModePage::nameLengthIndex() const
{
    return m_ui->组合框_名字个数->currentIndex();
}

void ModePage::setNameLengthIndex(int index)
{
    m_ui->组合框_名字个数->setCurrentIndex(index);
}

int ModePage::nameLength() const
{
    return m_ui->组合框_名字个数->currentText() == QStringLiteral("二字") ? 2 : 1;
}

GenerationMode ModePage::checkedMode() const
{
    const std::pair<const QRadioButton*, GenerationMode> options[] = {
        { m_ui->单选框_高分起名, GenerationMode::HighScore },
        { m_ui->单选框_超吉起名, GenerationMode::SuperLucky },
        { m_ui->单选框_诗词起名, GenerationMode::Poem },
        { m_ui->单选框_组合起名, GenerationMode::Combination },
        { m_ui->单选框_起小名, GenerationMode::Nickname },
        { m_ui->单选框_起英文名, GenerationMode::English },
    };
    for (const auto& [option, mode] : options)
        if (option->isChecked()) return mode;
    return GenerationMode::Classic;
}

BirthDate ModePage::birthDate() const
{
    return { m_ui->组合框_年份->currentText(), m_ui->组合框_月份->currentText(), m_ui->组合框_日子->currentText(),
        m_ui->组合框_时间->currentText(), m_ui->组合框_分钟->currentText() };
}

void ModePage::fillDateBoxes()
{
    const BirthDate today = todayBirthDate();
    refillComboBox(m_ui->组合框_年份, yearItems(), today.year);
    refillComboBox(m_ui->组合框_月份, monthItems(), today.month);
    refillComboBox(m_ui->组合框_日子, dayItems(), today.day);
    refillComboBox(m_ui->组合框_时间, hourItems(), today.hour);
    refillComboBox(m_ui->组合框_分钟, minuteItems(), today.minute);
}

bool ModePage::setBirthDate(const BirthDate& date)
{
    return selectDate(
        m_ui->组合框_年份, m_ui->组合框_月份, m_ui->组合框_日子, m_ui->组合框_时间, m_ui->组合框_分钟, date);
}

QString ModePage::checkedModeCaption() const
{
    for (const auto& [option, mode] : modeOptions(*m_ui))
        if (option->isChecked()) return option->text();
    return m_ui->单选框_经典起名->text();
}

bool ModePage::checkModeByCaption(const QString& caption)
{
    for (const auto& [option, mode] : modeOptions(*m_ui)) {
        if (option->text() != caption) continue;
        option->setChecked(true);
        showModeHint(mode);
        return true;
    }
    return false;
}

void ModePage::showModeHint(GenerationMode mode)
{
    for (const ModeHint& hint : kModeHints)
        if (hint.mode == mode) Q_EMIT modeHintChanged(hint.image, QString::fromUtf8(hint.text));
}

void ModePage::markGenerationCharacter(bool set)
{
    // The label is a link; its colour has to be given on the anchor itself.
    m_ui->标签_设置辈份->setText(QStringLiteral("<a href=\"辈份\" style=\"color:%1;\">辈份</a>")
                                     .arg(set ? QStringLiteral("#ff0000") : QStringLiteral("#606060")));
}

} // namespace jm::gui
