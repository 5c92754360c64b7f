#include "window/qt/qt_number_format.h"

#include <QLocale>
#include <QStringList>

namespace triangle {

namespace {

// Qt has no public accessor for the group sizes, so read them off a long number as the
// locale writes it: the group next to the decimal separator, then the one before it, which
// repeats (3 and 3 for most regions, 3 and 2 for Indian grouping).
std::vector<int> groupSizesOf(const QLocale& locale)
{
    QLocale grouping(locale);
    grouping.setNumberOptions(grouping.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QStringList groups =
        grouping.toString(qlonglong(1234567890123456789)).split(grouping.groupSeparator());
    if (groups.size() < 2 || grouping.groupSeparator().isEmpty())
        return {};
    std::vector<int> sizes{static_cast<int>(groups.at(groups.size() - 1).size())};
    if (groups.size() >= 3)
        sizes.push_back(static_cast<int>(groups.at(groups.size() - 2).size()));
    return sizes;
}

} // namespace

NumberFormat NumberFormatOf(const QLocale& locale)
{
    NumberFormat format;
    format.decimalSeparator = locale.decimalPoint().toStdString();
    format.negativeSign = locale.negativeSign().toStdString();
    format.groupSizes = groupSizesOf(locale);
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        format.groupSeparator.clear();
    else
        format.groupSeparator = locale.groupSeparator().toStdString();
    return format;
}

} // namespace triangle
