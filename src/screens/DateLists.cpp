#include "screens/DateLists.h"

#include "storage/ProfileStore.h"

#include <QComboBox>
#include <QLineEdit>

namespace quillmere {

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;
constexpr int kDefaultYear = 1980;

void selectIfListed(QComboBox& list, const QString& text)
{
    const int index = list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list.setCurrentIndex(index);
}

} // namespace

void fillDateLists(const QLocale& locale, QComboBox& day, QComboBox& month, QComboBox& year)
{
    day.clear();
    for (int d = 1; d <= 31; ++d)
        day.addItem(QString::number(d));
    month.clear();
    for (int m = 1; m <= 12; ++m)
        month.addItem(locale.monthName(m, QLocale::LongFormat));
    year.clear();
    for (int y = kFirstYear; y <= kLastYear; ++y)
        year.addItem(QString::number(y));
    day.setCurrentIndex(0);
    month.setCurrentIndex(0);
    year.setCurrentIndex(kDefaultYear - kFirstYear);
}

bool prefillFromProfile(const AppFolder& folder, const QString& profile, QLineEdit& name, QComboBox& day,
                        QComboBox& month, QComboBox& year)
{
    const auto details = ProfileStore(folder).details(profile);
    if (!details.ok())
        return false;
    name.setText(details->personName);
    selectIfListed(month, details->month);
    selectIfListed(day, details->day);
    selectIfListed(year, details->year);
    return true;
}

} // namespace quillmere
