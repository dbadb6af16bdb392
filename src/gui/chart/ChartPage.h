#pragma once

#include "shell/DateLists.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ChartPage;
}

namespace jm::gui {

/// The birth-chart page 生辰八字 (页面_生辰八字): the chart of either the
/// naming date (the mode page's birth date, handed in by the window) or a
/// date chosen in the page's own boxes. Window thread only.
class ChartPage : public QWidget {
    Q_OBJECT
public:
    explicit ChartPage(QWidget* parent = nullptr);
    ~ChartPage() override;

    /// Shows the naming date in 透明标签_起名日期 and refills the page's own
    /// date boxes (year 2013, the other boxes at their first item). Done
    /// when the window opens and whenever the tool bar opens the page.
    void prepare();

    /// Computes the chart of the chosen birth moment and shows it on the
    /// page. Run by 查询 and once when the window opens.
    void runBirthChart();

public Q_SLOTS:
    /// The naming date: what 单选框1 charts and what `prepare` shows.
    void setNamingDate(const jm::gui::BirthDate& date);

private:
    std::unique_ptr<Ui::ChartPage> m_ui;
    BirthDate m_namingDate;
};

} // namespace jm::gui
