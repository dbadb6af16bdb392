#include "generate/SuperLuckyPage.h"

#include "generate/ResultPages.h"
#include "generate/RunStatus.h"
#include "shell/NameListModel.h"
#include "ui_SuperLuckyPage.h"

#include <QCheckBox>

namespace jm::gui {

SuperLuckyPage::SuperLuckyPage(NameListModel& list, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::SuperLuckyPage>())
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_超吉, m_ui->标签_超吉状态, m_ui->按钮_超吉取消, m_ui->按钮_超吉导出, this);
    Ui::SuperLuckyPage& ui = *m_ui;
    list.attachTo(ui.超级列表框_超吉起名);
    list.sortByHeaderOf(ui.超级列表框_超吉起名);
    m_groups[SecondCharacter]
        = { ui.选择框_第二个字五行限定, { ui.选择框_金0, ui.选择框_木0, ui.选择框_水0, ui.选择框_火0, ui.选择框_土0 } };
    m_groups[ThirdCharacter]
        = { ui.选择框_第三个字五行限定, { ui.选择框_金1, ui.选择框_木1, ui.选择框_水1, ui.选择框_火1, ui.选择框_土1 } };
    m_groups[AllMustHave]
        = { ui.选择框_所有字必带五行, { ui.选择框_金2, ui.选择框_木2, ui.选择框_水2, ui.选择框_火2, ui.选择框_土2 } };
    m_groups[NoneMayHave]
        = { ui.选择框_所有字不能带五行, { ui.选择框_金3, ui.选择框_木3, ui.选择框_水3, ui.选择框_火3, ui.选择框_土3 } };
    for (int g = 0; g < 4; ++g)
        connect(m_groups[static_cast<std::size_t>(g)].toggle, &QCheckBox::clicked, this,
            [this, g] { applyRule(static_cast<Group>(g)); });
    connect(ui.按钮_超吉生成, &QPushButton::clicked, this, &SuperLuckyPage::generateClicked);
    connect(ui.按钮_超吉暂停, &QPushButton::clicked, this, &SuperLuckyPage::togglePause);
    connect(ui.超级列表框_超吉起名, &QTreeView::doubleClicked, this, &SuperLuckyPage::nameDoubleClicked);
}

SuperLuckyPage::~SuperLuckyPage() = default;

QPushButton* SuperLuckyPage::exportButton() const
{
    return m_ui->按钮_超吉导出;
}

void SuperLuckyPage::applyRule(Group group)
{
    const bool position = group == SecondCharacter || group == ThirdCharacter;
    const FilterBoxes& own = m_groups[group];
    // The same-kind partner and the two switches of the other kind.
    const Group partner = position ? (group == SecondCharacter ? ThirdCharacter : SecondCharacter)
                                   : (group == AllMustHave ? NoneMayHave : AllMustHave);
    const std::array<Group, 2> others = position ? std::array<Group, 2> { AllMustHave, NoneMayHave }
                                                 : std::array<Group, 2> { SecondCharacter, ThirdCharacter };
    const bool on = own.toggle->isChecked();
    if (on) {
        for (Group other : others) {
            m_groups[other].toggle->setChecked(false);
            m_groups[other].toggle->setEnabled(false);
        }
    } else if (!m_groups[partner].toggle->isChecked()) {
        for (Group other : others)
            m_groups[other].toggle->setEnabled(true);
    }
    for (QCheckBox* box : own.elements)
        box->setEnabled(on);
}

ElementFilterGroup SuperLuckyPage::read(Group group) const
{
    const FilterBoxes& boxes = m_groups[group];
    ElementFilterGroup out;
    out.enabled = boxes.toggle->isChecked();
    // Captions of the checked boxes in box order, enabled or not.
    for (const QCheckBox* box : boxes.elements)
        if (box->isChecked()) out.elements += box->text().toStdString();
    return out;
}

void SuperLuckyPage::fillRequest(GenerationRequest& request) const
{
    request.superLucky.secondCharacter = read(SecondCharacter);
    request.superLucky.thirdCharacter = read(ThirdCharacter);
    request.superLucky.allMustHave = read(AllMustHave);
    request.superLucky.noneMayHave = read(NoneMayHave);
}

void SuperLuckyPage::restartList(GenerationMode mode)
{
    if (mode != GenerationMode::SuperLucky) return;
    m_ui->按钮_超吉暂停->setText(kPauseCaption);
    m_ui->按钮_超吉生成->setEnabled(true);
}

void SuperLuckyPage::onRunStarted(GenerationMode mode)
{
    // A new run is never paused, whatever the caption said before.
    m_ui->按钮_超吉暂停->setText(kPauseCaption);
    if (mode != GenerationMode::SuperLucky) return;
    m_ui->按钮_超吉生成->setEnabled(false);
    m_ui->按钮_超吉暂停->setEnabled(false);
}

void SuperLuckyPage::onFirstListed(GenerationMode mode)
{
    if (mode == GenerationMode::SuperLucky) m_ui->按钮_超吉暂停->setEnabled(true);
}

void SuperLuckyPage::onRunFinished(GenerationMode mode)
{
    if (mode != GenerationMode::SuperLucky) return;
    // Pausing needs a run; the run line has unlocked the export.
    m_ui->按钮_超吉暂停->setEnabled(false);
    m_ui->按钮_超吉暂停->setText(kPauseCaption);
    m_ui->按钮_超吉生成->setEnabled(true);
}

void SuperLuckyPage::togglePause()
{
    const bool pause = m_ui->按钮_超吉暂停->text() == kPauseCaption;
    m_ui->按钮_超吉导出->setEnabled(pause);
    m_ui->按钮_超吉暂停->setText(pause ? kResumeCaption : kPauseCaption);
    Q_EMIT pauseToggled(pause);
}

} // namespace jm::gui
