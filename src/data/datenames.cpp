#include "data/datenames.h"

#include <array>

namespace tirelou {
namespace {
struct Names {
    const char16_t* french;
    const char16_t* english;
};
constexpr std::array<Names, 7> kDays{{{u"lundi", u"Monday"},
                                      {u"mardi", u"Tuesday"},
                                      {u"mercredi", u"Wednesday"},
                                      {u"jeudi", u"Thursday"},
                                      {u"vendredi", u"Friday"},
                                      {u"samedi", u"Saturday"},
                                      {u"dimanche", u"Sunday"}}};
constexpr std::array<Names, 12> kMonths{{{u"janvier", u"January"},
                                         {u"février", u"February"},
                                         {u"mars", u"March"},
                                         {u"avril", u"April"},
                                         {u"mai", u"May"},
                                         {u"juin", u"June"},
                                         {u"juillet", u"July"},
                                         {u"août", u"August"},
                                         {u"septembre", u"September"},
                                         {u"octobre", u"October"},
                                         {u"novembre", u"November"},
                                         {u"décembre", u"December"}}};

QString Pick(const Names& n, bool french) {
    return QString::fromUtf16(french ? n.french : n.english);
}
} // namespace

QString DayName(const QDate& day, bool french) {
    return day.isValid() ? Pick(kDays[static_cast<std::size_t>(day.dayOfWeek() - 1)], french) : QString();
}

QString MonthName(int month, bool french) {
    return month >= 1 && month <= 12 ? Pick(kMonths[static_cast<std::size_t>(month - 1)], french) : QString();
}

QString LongDateText(const QDate& day, bool french) {
    const QString dd = QStringLiteral("%1").arg(day.day(), 2, 10, QLatin1Char('0'));
    const QString year = QString::number(day.year());
    const QString dayName = DayName(day, french);
    const QString month = MonthName(day.month(), french);
    return french ? QStringList{dayName, dd, month, year}.join(QLatin1Char(' '))
                  : QStringList{month, dd, dayName, year}.join(QLatin1Char(' '));
}

} // namespace tirelou
