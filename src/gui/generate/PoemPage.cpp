#include "generate/PoemPage.h"

#include "generate/GenerationRequest.h"
#include "generate/RunStatus.h"
#include "scoring/Pages.h"
#include "settings/Paths.h"
#include "shell/MessageService.h"
#include "shell/NameListModel.h"
#include "ui_PoemPage.h"

#include <QItemSelectionModel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QTreeView>

namespace jm::gui {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

void selectRow(QTreeView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

PoemCharacterBox::PoemCharacterBox(const QCheckBox& model, const QString& character, QWidget* parent)
    : QCheckBox(character, parent)
{
    setFont(model.font());
    setPalette(model.palette());
    setStyleSheet(model.styleSheet());
    setSizePolicy(model.sizePolicy());
    setCursor(model.cursor());
}

PoemPage::PoemPage(NameDatabase& db, MessageService& messages, NameListModel& nameList, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::PoemPage>())
    , m_db(db)
    , m_messages(messages)
{
    m_ui->setupUi(this);
    m_runStatus = new RunStatus(m_ui->进度条_诗词, m_ui->标签_诗词状态, m_ui->按钮_诗词取消, m_ui->按钮_诗词导出, this);
    Ui::PoemPage& ui = *m_ui;
    const QIcon rowIcon(QStringLiteral(":/icons/row.svg"));
    const auto list = [this, &rowIcon](QTreeView* view, QList<NameListModel::Column> columns) {
        auto* model = new NameListModel(std::move(columns), -1, this);
        model->setRowIcon(rowIcon);
        model->attachTo(view);
        return model;
    };
    m_poetList = list(ui.超级列表框_诗人列表, { { QStringLiteral("编号"), 50 }, { QStringLiteral("诗人"), 80 } });
    m_poemList = list(ui.超级列表框_诗词残, { { QStringLiteral("编号"), 50 }, { QStringLiteral("诗词标题"), 160 } });
    nameList.attachTo(ui.超级列表框_诗名列表);
    nameList.sortByHeaderOf(ui.超级列表框_诗名列表);
    connect(ui.按钮_诗词起名, &QPushButton::clicked, this, &PoemPage::generateClicked);
    connect(ui.超级列表框_诗名列表, &QTreeView::doubleClicked, this, &PoemPage::nameDoubleClicked);

    // Clicks, the keyboard and our own selectRow all move the current row;
    // the poems follow once the row has stayed put for a moment.
    m_poetSettle = new QTimer(this);
    m_poetSettle->setSingleShot(true);
    m_poetSettle->setInterval(kPoetSettleMs);
    connect(m_poetSettle, &QTimer::timeout, this, [this] {
        const QModelIndex current = m_ui->超级列表框_诗人列表->currentIndex();
        if (current.isValid()) listPoems(current.row());
    });
    connect(ui.超级列表框_诗人列表->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) {
            if (current.isValid()) m_poetSettle->start();
        });
    connect(ui.编辑框_搜索诗人, &QLineEdit::textChanged, this, &PoemPage::filterPoets);
    connect(ui.编辑框_搜索标题, &QLineEdit::textChanged, this, &PoemPage::filterPoems);
    connect(ui.超级列表框_诗词残->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) {
            if (current.isValid()) showPoem(current.row());
        });
    // A long poem needs more rows of boxes than the page is high: let the
    // group box grow inside a scroll area instead of cutting the boxes off.
    QGroupBox* group = ui.分组框_诗词字符;
    if (QLayout* layout = group->parentWidget()->layout()) {
        auto* scroll = new QScrollArea(group->parentWidget());
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        delete layout->replaceWidget(group, scroll);
        scroll->setWidget(group);
    }
    connect(ui.按钮2, &QPushButton::clicked, this, &PoemPage::usePoem);
    connect(ui.按钮3, &QPushButton::clicked, this, &PoemPage::checkAll);
    connect(ui.按钮4, &QPushButton::clicked, this, &PoemPage::clearAll);
    connect(ui.按钮6, &QPushButton::clicked, this, &PoemPage::invertAll);
}

PoemPage::~PoemPage() = default;

void PoemPage::openPage()
{
    fillPoetList();
    Q_EMIT showRequested();
}

void PoemPage::fillPoetList()
{
    m_allPoets = loadPoets(m_db);
    filterPoets();
}

void PoemPage::filterPoets()
{
    // One model reset for thousands of poets keeps the window responsive.
    // A poet keeps the number of the full list.
    const QString search = m_ui->编辑框_搜索诗人->text().trimmed();
    std::vector<ListRow> rows;
    rows.reserve(m_allPoets.size());
    for (std::size_t i = 0; i < m_allPoets.size(); ++i) {
        const QString poet = qs(m_allPoets[i]);
        if (search.isEmpty() || poet.contains(search)) rows.push_back({ { QString::number(i + 1), poet }, 0, {} });
    }
    m_poetList->clear();
    m_poetList->appendRows(std::move(rows));
    m_poetSettle->stop();
    if (m_poetList->rowCount() == 0) {
        // No poet matches: no poems either.
        m_allPoems.clear();
        filterPoems();
        return;
    }
    QTreeView* view = m_ui->超级列表框_诗人列表;
    // Refilling drops the current row, so selecting row 0 always lists its poems, at once.
    view->selectionModel()->clearCurrentIndex();
    selectRow(view, 0);
    m_poetSettle->stop();
    listPoems(0);
}

bool PoemPage::isPoetChangePending() const
{
    return m_poetSettle->isActive();
}

void PoemPage::listPoems(int poetRow)
{
    if (poetRow < 0 || poetRow >= m_poetList->rowCount()) return;
    const std::string poet = m_poetList->row(poetRow).cells.value(1).toStdString();
    m_allPoems = loadPoems(m_db, poet);
    filterPoems();
}

void PoemPage::filterPoems()
{
    const QString search = m_ui->编辑框_搜索标题->text().trimmed();
    std::vector<ListRow> rows;
    rows.reserve(m_allPoems.size());
    m_poemIds.clear();
    for (std::size_t i = 0; i < m_allPoems.size(); ++i) {
        const QString title = qs(m_allPoems[i].title);
        if (!search.isEmpty() && !title.contains(search)) continue;
        rows.push_back({ { QString::number(i + 1), title }, 0, {} });
        m_poemIds.push_back(m_allPoems[i].id);
    }
    m_poemList->clear();
    m_poemList->appendRows(std::move(rows));
    if (m_poemList->rowCount() == 0) return;
    QTreeView* view = m_ui->超级列表框_诗词残;
    view->selectionModel()->clearCurrentIndex();
    selectRow(view, 0);
}

void PoemPage::showPoem(int poemRow)
{
    if (poemRow < 0 || static_cast<std::size_t>(poemRow) >= m_poemIds.size()) return;
    Poem poem;
    if (auto found = loadPoem(m_db, m_poemIds[static_cast<std::size_t>(poemRow)]))
        poem = std::move(*found);
    else
        poem.title = m_poemList->row(poemRow).cells.value(1).toStdString();
    // The page shows the selected poet's name, as the heading always did.
    const int poetRow = selectedRow(m_ui->超级列表框_诗人列表);
    if (poetRow >= 0) poem.poet = m_poetList->row(poetRow).cells.value(1).toStdString();

    const std::string page = poemPage(poem);
    // The file is kept for the user; the view shows the text it was written from.
    if (const auto dir = ensureDataDirectory()) (void)writeGbkPage(pageFilePath(*dir, 0), page);
    m_ui->网页浏览框1->setHtml(qs(page));
}

void PoemPage::removeBoxes()
{
    for (PoemCharacterBox* box : m_boxes)
        delete box;
    m_boxes.clear();
}

void PoemPage::usePoem()
{
    removeBoxes();
    const long long id = selectedPoemId();
    const auto poem = id ? loadPoem(m_db, id) : std::nullopt;
    if (!poem) {
        m_messages.plain(window(), QString::fromUtf8(kMessageSelectPoem), MessageService::hintTitle());
        return;
    }
    QGroupBox* group = m_ui->分组框_诗词字符;
    const QCheckBox& model = *m_ui->选择框1;
    const QPoint origin = group->contentsRect().topLeft();
    const std::vector<std::string> characters = poemBoxCharacters(poem->content);
    const std::vector<bool> ticks = suitableDefaultTicks(m_db, *poem);
    m_boxes.reserve(characters.size());
    group->setUpdatesEnabled(false);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        auto* box = new PoemCharacterBox(model, qs(characters[i]), group);
        box->setChecked(ticks[i]);
        box->setGeometry(boxGeometry(static_cast<int>(i), origin));
        box->setVisible(true);
        m_boxes.push_back(box);
    }
    const int rows = (static_cast<int>(characters.size()) + kBoxesPerRow - 1) / kBoxesPerRow;
    group->setMinimumHeight(origin.y() + rows * kBoxStepY + group->contentsMargins().bottom() + kBoxStepY / 2);
    group->setUpdatesEnabled(true);
    m_ui->高级选择夹2->setCurrentIndex(1);
}

void PoemPage::checkAll()
{
    for (PoemCharacterBox* box : m_boxes)
        box->setChecked(true);
}

void PoemPage::clearAll()
{
    for (PoemCharacterBox* box : m_boxes)
        box->setChecked(false);
}

void PoemPage::invertAll()
{
    for (PoemCharacterBox* box : m_boxes)
        box->setChecked(!box->isChecked());
}

void PoemPage::showNameList()
{
    m_ui->高级选择夹2->setCurrentIndex(2);
}

void PoemPage::fillRequest(GenerationRequest& request) const
{
    request.poem.characters.clear();
    for (const PoemCharacterBox* box : m_boxes)
        if (box->isChecked()) request.poem.characters.push_back(box->text().toStdString());
}

long long PoemPage::selectedPoemId() const
{
    const int row = selectedRow(m_ui->超级列表框_诗词残);
    return row >= 0 && static_cast<std::size_t>(row) < m_poemIds.size() ? m_poemIds[static_cast<std::size_t>(row)] : 0;
}

QRect PoemPage::boxGeometry(int index, QPoint origin)
{
    return { origin.x() + (index % kBoxesPerRow) * kBoxStepX, origin.y() + (index / kBoxesPerRow) * kBoxStepY,
        kBoxWidth, kBoxHeight };
}

int PoemPage::selectedRow(const QTreeView* view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QPushButton* PoemPage::exportButton() const
{
    return m_ui->按钮_诗词导出;
}

} // namespace jm::gui
