#include "chart/ChartPage.h"

#include "shell/MainWindow.h"
#include "ui_MainWindow.h"

namespace jm::gui {

ChartPage::ChartPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages)
    : QObject(&window)
    , m_ui(ui)
    , m_window(window)
    , m_db(db)
    , m_messages(messages)
{
    connect(ui.按钮_八字查询, &QPushButton::clicked, this, &ChartPage::runBirthChart);
}

void ChartPage::runBirthChart() { }

} // namespace jm::gui
