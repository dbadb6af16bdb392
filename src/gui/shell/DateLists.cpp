#include "shell/DateLists.h"

#include <QComboBox>

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

void refillComboBox(QComboBox* box, const QStringList& items, const QString& selected)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(items);
    const int index = box->findText(selected);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace jm::gui
