#pragma once

#include <QObject>

namespace Ui {
class MainWindow;
}

namespace jm {
class NameDatabase;
}

namespace jm::gui {

class MainWindow;
class MessageService;

/// The birth-chart page 生辰八字 of the main window.
class ChartPage : public QObject {
    Q_OBJECT
public:
    ChartPage(Ui::MainWindow& ui, MainWindow& window, NameDatabase& db, MessageService& messages);

    /// Computes the chart of the chosen birth moment and shows it on the
    /// page. Run by 查询 and once when the window opens.
    void runBirthChart();

private:
    Ui::MainWindow& m_ui;
    MainWindow& m_window;
    NameDatabase& m_db;
    MessageService& m_messages;
};

} // namespace jm::gui
