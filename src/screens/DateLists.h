#pragma once

#include "storage/AppFolder.h"

#include <QLocale>

class QComboBox;
class QLineEdit;

namespace quillmere {

// Fills the three lists of a date of birth, "1" to "31", the locale's full month names and "1900" to "2050",
// and selects 1, the first month and 1980. The details panel's lists use the same locale, so a profile's month
// is always one of them.
void fillDateLists(const QLocale& locale, QComboBox& day, QComboBox& month, QComboBox& year);

// Fills the name box and the date lists from a profile's details file. A profile without a readable details file
// changes nothing; a stored value that is not an entry of its list leaves that list as it was. Returns whether the
// details file was read.
bool prefillFromProfile(const AppFolder& folder, const QString& profile, QLineEdit& name, QComboBox& day,
                        QComboBox& month, QComboBox& year);

} // namespace quillmere
