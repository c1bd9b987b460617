#pragma once

#include <QDate>
#include <QString>

namespace tirelou {

// Day and month names of the working language, whatever the system's own language is.
QString DayName(const QDate& day, bool french);
QString MonthName(int month, bool french);
// "jeudi 05 mars 2026" (French) or "March 05 Thursday 2026" (English), before upper-casing.
QString LongDateText(const QDate& day, bool french);

} // namespace tirelou
