#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

// What the hub of the month in hand computes: the hand-over files it leaves for the screens
// that follow, its date line, the converter, and the backup reminder on leaving.
namespace tirelou {

class WorkingContext;

// Marks the month in hand for the screens that follow ("Encour" and "Lire.xfr") and sets
// the year text from today. Throws FileError when a file cannot be written.
void MarkCurrentMonth(WorkingContext& ctx);

// Loads the month of `currentMonth` (its remainder with a decimal comma read as a point).
void LoadCurrentMonth(WorkingContext& ctx);

// The remainder as a number: "1234,5" reads as 1234.5.
double BalanceOf(QStringView remainderText);

// Today as the hub shows it, upper case, with the day and month names of the system:
// "JEUDI 05 MARS 2026" in French, "MARCH 05 THURSDAY 2026" in English.
QString HubDateLine(const QDate& today, bool french);

// The remainder converted between euros and the old currency (times 6.55957 in French,
// 1.52449 in English), kept to two decimals, in plain number form: " 655.96".
QString ConvertedBalance(QStringView remainderText, bool french);

// The day count used to date backups: (year - 1901) x 365.25 + the days before the month
// (a quarter day per year folded in from March on) + day.
double DayNumber(int day, int month, int year);

// A backup date read from its text: two numbers at characters 1-2 and 4-5, the year in the
// last four. The backup screen writes the day first in French and the month first in
// English; the other order is tried only when the working language's gives no real date.
struct DayMonthYear {
    int day = 0, month = 0, year = 0;
};
std::optional<DayMonthYear> ReadBackupDate(QStringView text, bool french);

// How many days the last backup counts for, the day of the backup included (a backup of
// today gives 1); nothing when the text is not a readable date.
std::optional<int> BackupAge(QStringView backupDate, const QDate& today, bool french);

// Whether leaving the month should lead to the backup screen: the date of the last backup
// ("Sauve.xfr", third line) counts more than ten days. A missing file or an unreadable
// date never asks for a backup.
bool BackupDue(const WorkingContext& ctx);

} // namespace tirelou
