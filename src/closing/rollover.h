#pragma once

#include "data/errors.h"
#include "data/printdoc.h"
#include "data/routines.h"
#include "data/workingcontext.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

// Closing the month in hand: the direct debits and forecasts that still run go into the
// next month with one month less to pay, the opening remainder and the reserve move on,
// and in December the account moves into a new file for the new year while the old
// year goes to the archive folder.
namespace tirelou {

// ---- Carry-forward: pure computation over the closing month

enum class RowClass { NotCarried, Debit, Forecast };

// Direct debits ("P") and forecast instalments ("R") are processed when they have a
// label; everything else (payments, deposit-only rows, free rows) stays behind.
RowClass ClassifyRow(const QString& kind, const QString& label);

// A direct debit or forecast one month on.
struct AdvancedPair {
    double monthly = 0;   // the monthly amount
    double remaining = 0; // what remains to pay once this month is paid
    QString price;        // the rewritten amount pair
    bool ended() const { return remaining <= 0; }
};
AdvancedPair AdvancePair(const QString& price);

// The reserve one month on.
struct AdvancedReserve {
    std::array<QString, 3> texts; // the new month's three reserve texts
    double amount = 0;            // the amount reserved so far, 0 when no reserve runs
};
AdvancedReserve AdvanceReserve(const std::array<QString, 3>& reserveTexts);

// A direct debit or forecast as the closing lists show it.
struct ListedItem {
    QString label;
    QString amountText; // the monthly amount as plain number text
    double amount = 0;
};

// What closing a month hands to the next one.
struct CarryForward {
    std::vector<Entry> carried;        // rows of the new month in their old order, new amount pairs
    std::vector<ListedItem> debits;    // every direct debit processed, ended ones included
    std::vector<ListedItem> forecasts; // every forecast instalment processed
    double debitTotal = 0;             // the debits' monthly amounts plus the reserve amount
    double forecastTotal = 0;
    double reserveAmount = 0;
    QString previousText;                // the closing remainder as stored: the new MontPrecedent
    QString remainderText;               // the new opening remainder
    std::array<QString, 3> reserveTexts; // the new month's reserve texts
};

CarryForward ComputeCarryForward(const LoadedMonth& month);

// What the screen shows of a carry-forward: column 0 and column 1 of each grid row.
using GridLines = std::vector<std::pair<QString, QString>>;
GridLines CarriedItemsGrid(const CarryForward& carry, const QString& newMonthTable, bool french);

// The printed list of the carried items.
PrintDocument CarriedItemsPrintout(const CarryForward& carry, bool french);

// ---- Writing

// Points of a rollover at which a test may stop it, to prove nothing was changed.
namespace step {
inline constexpr std::string_view NextMonthEmptied = "next month emptied";
inline constexpr std::string_view RowsCarried = "rows carried";
inline constexpr std::string_view MonthValuesWritten = "month values written";
inline constexpr std::string_view MonthAdvanced = "month advanced";
inline constexpr std::string_view TemplateCopied = "template copied";
inline constexpr std::string_view AccountCopied = "account copied";
inline constexpr std::string_view NewFileBuilt = "new file built";
inline constexpr std::string_view OldFileCopied = "old file copied";
inline constexpr std::string_view NewFilePlaced = "new file placed";
inline constexpr std::string_view OldFileArchived = "old file archived";
} // namespace step

struct RolloverOptions {
    // Called at each named step; a test makes it throw to stop the work there.
    std::function<void(std::string_view)> checkpoint;

    void reach(std::string_view name) const {
        if (checkpoint)
            checkpoint(name);
    }
};

// Writes a carry-forward into `monthTable` (assumed empty) of `db`: the carried rows, the
// month values in the first three rows (appending rows as needed), and Mois.Encour. The
// caller holds the transaction. Returns the number of carried rows written.
int WriteCarryForward(Database& db, const QString& monthTable, const CarryForward& carry, int newMonth,
                      const RolloverOptions& options = {});

struct RolloverResult {
    enum class Outcome {
        Done,
        NotReopened,   // the year was changed, but the new file could not be opened again
        MonthUnknown,  // Mois.Encour holds no month 1-12: nothing done
        TooEarly,      // December closed before the new year began: nothing done
        NewFileExists, // the new year's file is there already: nothing done
    };
    Outcome outcome = Outcome::Done;
    bool changed() const { return outcome == Outcome::Done || outcome == Outcome::NotReopened; }
    bool yearChanged = false;
    int newMonth = 0;
    QString newMonthTable;
    int newYear = 0;      // the new year's number, also for the refusals
    QString newFile;      // year change: the new account file
    QString archivedFile; // year change: the old file, now in the archive folder
    QStringList purged;   // year change: the outdated archives deleted
    int writtenCount = 0; // carried rows written
    CarryForward carry;
};

// Closes the month in hand of the logged-in account (Mois.Encour of the open file): the
// month step, or the year change in December. All or nothing: on a refusal or a thrown
// error (DbError, FileError, std::range_error) the account's files are as they were.
RolloverResult RollOver(WorkingContext& ctx, const RolloverOptions& options = {});

// The month step alone: the next month's table is emptied and receives the carry-forward,
// Encour moves on, in one transaction.
RolloverResult CloseMonth(WorkingContext& ctx, const RolloverOptions& options = {});

// The year change alone: the new year's file and the old year's archive copy are built
// under temporary names; then the old file leaves the data folder, the archives outdated
// before it came are deleted and both take their names (the order is in recovery.h). A
// failure before both copies stand undoes the change; one after finishes it, here or at
// the next start. `ctx.accountDb` is left open on the new file (on the old one after a
// failure; closed when the outcome is NotReopened).
RolloverResult ChangeYear(WorkingContext& ctx, const RolloverOptions& options = {});

// ---- Archives

// Archived files of years below this go: five years back from today's year.
int PurgeLimit(const QDate& today);

// The "*.acd" files of `archiveDir` whose year (the 4 characters before ".acd", 0 when
// they are no number) is below `limit`.
QStringList OutdatedArchives(const QString& archiveDir, int limit);

// The drive ("A:\" or "B:\") the user must put the backup disk in, when the backup goes
// to a removable disk; empty otherwise.
QString RemovableDiskDrive(const QString& backupPath);

} // namespace tirelou
