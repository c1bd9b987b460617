#pragma once

#include <QString>

// Looking back at another year: which year a screen was asked to show, opening that year's
// account file in place of the current one, and putting the current file back afterwards.
namespace tirelou {

class WorkingContext;

namespace mode {
inline const QString Encour = QStringLiteral("ENCOUR");     // the month in hand, current file
inline const QString Consult = QStringLiteral("CONSULT");   // another month of the current file
inline const QString Archive = QStringLiteral("ARCHIVE");   // a month or year of the archives
inline const QString Archives = QStringLiteral("ARCHIVES"); // the year search's word for it
} // namespace mode

// Whether a mode word means the archives ("ARCHIVE", or "ARCHIVES" of the year search).
bool IsArchiveMode(const QString& word);
// Whether the word is one the looking-back screens hand over.
bool IsKnownMode(const QString& word);

// The three items through which the screens say which year they look at: the mode word, a
// number (a month or a list index) and the year text.
struct YearHandOver {
    QString modeWord;
    double number = 0;
    QString yearText;
};

// Reads the three items of "Lire.xfr" or "Encour", item by item. A missing file or missing
// items give empty texts and 0.
YearHandOver ReadYearHandOver(const WorkingContext& ctx, const QString& file);
// Writes them (the year only when not empty). Throws FileError.
void WriteYearHandOver(const WorkingContext& ctx, const QString& file, const YearHandOver& values);

// The year of an account file name: the four characters before ".acd".
QString YearOfAccountFile(const QString& fileName);
// The year of the current file (the one logged into); today's year when its name holds none.
QString CurrentYearText(const WorkingContext& ctx);
// The account's file name for a year: the account number, the year, ".acd".
QString YearFileName(const WorkingContext& ctx, const QString& yearText);

enum class YearOpen {
    Opened,  // `accountDb` is the year's file; `yearText` and `consultFile` name it
    Missing, // no such file: the database in hand stays open and unchanged
};

// Opens the account's file of `yearText` as `accountDb`: from the archive folder, or from
// the data folder. The current file, when that is the one asked for, is simply kept. Throws
// DbError when the file exists but cannot be opened; the current file is then open again.
YearOpen OpenYear(WorkingContext& ctx, bool archive, const QString& yearText);

// The same, by a handed-over mode word: the archives for "ARCHIVE"/"ARCHIVES", the current
// file for any other word (the year text is then the current file's year).
YearOpen OpenHandedYear(WorkingContext& ctx, const YearHandOver& handed);

// Whether `accountDb` is the current file.
bool CurrentYearOpen(const WorkingContext& ctx);
// Makes the current file `accountDb` again when another year's file is open (or none).
// Throws DbError when it cannot be opened.
void ReopenCurrentYear(WorkingContext& ctx);

// How the answer to "current year or archive year" is read: its first character after any
// blanks, in upper case. With ArchiveOnA only "A" means the archives; with CurrentOnE
// anything but "E" does.
enum class YearAnswer { ArchiveOnA, CurrentOnE };
bool MeansArchive(const QString& answer, YearAnswer rule);

// What the user is told when the year's file is not there, in the working language.
QString MissingYearMessage(const WorkingContext& ctx, bool archive, const QString& yearText);

} // namespace tirelou
