#include "shell/DateLists.h"

#include <QComboBox>
#include <QDate>

namespace jm::gui {
namespace {

// One comma-separated constant per list, built once.
QString numberList(int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts << QString::number(n);
    return texts.join(QLatin1Char(','));
}

QStringList split(const QString& constant)
{
    return constant.split(QLatin1Char(','));
}

} // namespace

QStringList yearItems()
{
    static const QString kYears = numberList(kFirstYear, kLastYear);
    return split(kYears);
}

QStringList monthItems()
{
    static const QString kMonths = numberList(1, 12);
    return split(kMonths);
}

QStringList dayItems()
{
    static const QString kDays = numberList(1, 31);
    return split(kDays);
}

QStringList hourItems()
{
    static const QString kHours = numberList(0, 23);
    return split(kHours);
}

QStringList minuteItems()
{
    static const QString kMinutes = numberList(0, 59);
    return split(kMinutes);
}

BirthDate todayBirthDate()
{
    const QDate today = QDate::currentDate();
    return { QString::number(today.year()), QString::number(today.month()), QString::number(today.day()),
        QStringLiteral("0"), QStringLiteral("0") };
}

BirthDate birthDateOf(const StoredMoment& m)
{
    return { QString::number(m.year), QString::number(m.month), QString::number(m.day), QString::number(m.hour),
        QString::number(m.minute) };
}

std::optional<StoredMoment> storedMomentOf(const BirthDate& date)
{
    bool ok[5] = {};
    const StoredMoment m { date.year.toInt(&ok[0]), date.month.toInt(&ok[1]), date.day.toInt(&ok[2]),
        date.hour.toInt(&ok[3]), date.minute.isEmpty() ? 0 : date.minute.toInt(&ok[4]) };
    if (date.minute.isEmpty()) ok[4] = true;
    for (const bool b : ok)
        if (!b) return std::nullopt;
    return m;
}

bool selectDate(
    QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour, QComboBox* minute, const BirthDate& date)
{
    const std::pair<QComboBox*, const QString*> parts[] = { { year, &date.year }, { month, &date.month },
        { day, &date.day }, { hour, &date.hour }, { minute, &date.minute } };
    int indexes[5] = {};
    for (int i = 0; i < 5; ++i) {
        if (!parts[i].first) continue;
        indexes[i] = parts[i].first->findText(*parts[i].second);
        if (indexes[i] < 0) return false;
    }
    for (int i = 0; i < 5; ++i)
        if (parts[i].first) parts[i].first->setCurrentIndex(indexes[i]);
    return true;
}

void refillComboBox(QComboBox* box, const QStringList& items, const QString& selected)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(items);
    const int index = box->findText(selected);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace jm::gui
