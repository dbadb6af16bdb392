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

    /// Fills the page's own date boxes the first time (today, hour 0); later
    /// calls keep what the user chose there. Then shows the chart of the
    /// chosen date. Done when the window opens and whenever the tool bar
    /// opens the page.
    void prepare();

    /// The page's own date (its minute is empty) and whether the chart uses
    /// it (单选框_自定义日期) rather than the naming date.
    BirthDate ownDate() const;
    /// Selects `date` in the page's own boxes (its minute is ignored) and
    /// recharts; false, changing nothing, when a part is not in the lists.
    bool setOwnDate(const BirthDate& date);
    bool usesOwnDate() const;
    void setUsesOwnDate(bool own);

    /// Computes the chart of the chosen birth moment and shows it on the
    /// page. Run by 查询, and by every change of the chosen date: a new
    /// naming date while 单选框1 is chosen, a change of the page's own boxes
    /// while 单选框_自定义日期 is, and a switch between the two.
    void runBirthChart();

    /// The text of 透明标签_起名日期, e.g. "2018年1月1日0时".
    QString namingDateLabel() const;

public Q_SLOTS:
    /// The naming date: what 单选框1 charts and what 透明标签_起名日期 shows
    /// (updated at once, and the chart with it while 单选框1 is chosen).
    void setNamingDate(const jm::gui::BirthDate& date);

private:
    std::unique_ptr<Ui::ChartPage> m_ui;
    BirthDate m_namingDate;
};

} // namespace jm::gui
