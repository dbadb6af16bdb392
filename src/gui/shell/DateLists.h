#pragma once

#include "settings/Settings.h"

#include <QString>
#include <QStringList>

#include <optional>

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

/// Today at 0:00 as the date boxes show it; the date boxes start here when
/// nothing is remembered.
BirthDate todayBirthDate();

/// A date as the settings file keeps it, and back. `storedMoment` gives
/// nothing when a part is not a number (a box left empty); a missing minute
/// reads as 0.
BirthDate birthDateOf(const StoredMoment& moment);
std::optional<StoredMoment> storedMomentOf(const BirthDate& date);

/// Selects the texts of `date` in the year, month, day, hour and (when
/// given) minute boxes. Changes nothing and returns false when one of the
/// texts is not an item of its box (a year outside the lists).
bool selectDate(
    QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour, QComboBox* minute, const BirthDate& date);

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
