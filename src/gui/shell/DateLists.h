#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace jm::gui {

/// First and last year of the birth-date boxes. The lists run to the end of
/// the calendar's range so that a child born this year can be entered.
inline constexpr int kFirstYear = 1970;
inline constexpr int kLastYear = 2048;

/// The texts chosen in a set of birth-date boxes (the mode page's date of
/// the child to be named).
struct BirthDate {
    QString year;
    QString month;
    QString day;
    QString hour;
    QString minute;
};

/// The value lists of the date boxes, each built from one comma-separated
/// constant text: years "1970" to "2048", months "1" to "12", days "1" to
/// "31", hours "0" to "23", minutes "0" to "59".
QStringList yearItems();
QStringList monthItems();
QStringList dayItems();
QStringList hourItems();
QStringList minuteItems();

/// Empties `box`, fills it with `items` and selects the item with the text
/// `selected` (the first item when there is none).
void refillComboBox(QComboBox* box, const QStringList& items, const QString& selected);

} // namespace jm::gui
