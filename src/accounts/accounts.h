#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The rules of the account-level screens: the account list, the login, making a new
// account, and what the main menu reads and writes. Qt Core only; the screens call these.
namespace tirelou {

class WorkingContext;

// ---- Account list

// One row of an account grid: the file and the account number read from its name.
struct AccountEntry {
    QString file;
    QString number;
};

// Re-reads the "*.acd" files of the data folder into `ctx.accountFiles` (entry 0 is grid
// row 1) and returns them with their account numbers, in the same order.
QList<AccountEntry> LoadAccountList(WorkingContext& ctx);

// ---- Password attempts

// The login and the account deletion allow three wrong passwords; the count is kept in
// `ctx.modeCode` and restarted by the screen.
enum class Attempt {
    Refused,    // another try is allowed
    RefusedLast // the third refusal since the count restarted: the program ends
};

// Restarts the count of wrong passwords.
void RestartAttempts(WorkingContext& ctx);

// Counts one more wrong password.
Attempt CountRefusal(WorkingContext& ctx);

// ---- Login

// Opens the file of grid row `row` (from 1) as the account database and returns the
// account number held by its user row; nothing when the file has no user row (a file whose
// creation was never finished). Throws DbError, the database closed, when the file cannot
// be opened (not an account file, or gone since the list was read).
std::optional<QString> PickAccount(WorkingContext& ctx, int row);

enum class LoginOutcome {
    Accepted,    // the working context now holds the account, its month and month table
    Refused,     // wrong account or password; another try is allowed
    RefusedLast, // the third refusal since the screen was reset: the program ends
    DamagedMonth // right password, but the account's current month is missing or not 1 to 12
};

// Checks the typed password of `account` against the open account database. Failed
// attempts are counted in `ctx.modeCode` and survive a change of account. On acceptance
// the month in memory is emptied: it belonged to the previous account.
LoginOutcome TryLogin(WorkingContext& ctx, const QString& account, const QString& typedPassword);

// Takes the working context onto the account of the open account database, as a right
// password does: its number, its current month and month table; the month in memory is
// emptied, since it belonged to the previous account. False, with nothing changed, when the
// account's current month is missing or not 1 to 12.
bool EnterAccount(WorkingContext& ctx, const QString& number);

// ---- Password change

// Whether `typed` (trimmed) is the password of the open account database.
bool CheckOldPassword(WorkingContext& ctx, const QString& typed);

// Stores `password` (trimmed, encoded; it may be empty) as the open account's password,
// then enters the account as a login does (see EnterAccount, whose result it returns; the
// new password is kept either way).
bool ChangePassword(WorkingContext& ctx, const QString& password);

// ---- Account deletion

// Opens the file of grid row `row` (from 1) to be deleted: it becomes `ctx.consultFile`
// and its account number `ctx.chosenAccount`, which is returned; nothing when the file has
// no user row. Throws DbError, the database closed, when the file cannot be opened.
std::optional<QString> PickAccountToDelete(WorkingContext& ctx, int row);

enum class DeletionOutcome {
    Deleted,     // the account's file of the current year is gone
    Refused,     // wrong password; another try is allowed
    RefusedLast, // the third wrong password: the program ends
    NotRemoved   // right password, but the file could not be removed; it is left whole
};

// Checks `typed` against the password of `ctx.chosenAccount` (each try counted, see
// CountRefusal) and, when right, closes the account database and removes `ctx.consultFile`
// from the data folder, `onDeleting` called first. The account's archived years are not
// touched.
DeletionOutcome DeleteAccount(WorkingContext& ctx, const QString& typed,
                              const std::function<void()>& onDeleting = {});

// ---- Account creation

enum class NewAccountRefusal {
    None,
    EmptyNumber,        // nothing typed
    ForbiddenCharacter, // a character a file name cannot hold
    Exists              // the account already has a file for this year: it is never replaced
};

// Characters an account number cannot hold, since it becomes part of a file name.
const QString& ForbiddenAccountCharacters();

// Whether `number` (trimmed) can become a new account of the current year.
NewAccountRefusal CheckNewAccountNumber(const WorkingContext& ctx, const QString& number);

enum class CreationStage { FrenchCategories, EnglishCategories };

// Builds the new account's file of the current year from the template, with the default
// categories of both languages and month 1, under a temporary name that the account lists
// never show; `ctx.accountFile` becomes the file's final name and `ctx.targetDb` stays open
// on it until StoreAccountUser or AbandonNewAccount. Nothing is built when refused.
// Throws DbError when the template cannot be copied or the file refuses a write.
NewAccountRefusal BuildAccountDatabase(WorkingContext& ctx, const QString& number,
                                       const std::function<void(CreationStage)>& onStage = {});

// Stores the user row (account number, encoded password) in the file being built and
// gives it its final name, so the account appears whole or not at all. Refused with
// Exists (and the new file dropped) when a file of that name appeared meanwhile.
NewAccountRefusal StoreAccountUser(WorkingContext& ctx, const QString& number, const QString& password);

// Drops a new account whose password was never given. Harmless when none is pending.
void AbandonNewAccount(WorkingContext& ctx);

// Whether a new account's file is being built.
bool NewAccountPending(const WorkingContext& ctx);

// The ten categories every new account starts with, in order.
const QStringList& DefaultCategories(bool french);

// ---- Main menu

// Today's line of the main menu: "dddd dd mmmm yyyy" with the locale's names, upper case.
QString MenuDateLine(const QDate& day, const QLocale& locale);

// Reads `Reste` of the first row of the month in hand into `ctx.month.remainderText`;
// a missing table or an empty month leaves it as it was.
void ReadRemainder(WorkingContext& ctx);

// The account line: account number, three blanks, the remainder as an amount and the
// currency sign of the language.
QString AccountLine(const WorkingContext& ctx);

// A month number typed in a menu dialogue: the integer part of the number read from it,
// when it is a month (1 to 12).
std::optional<int> TypedMonth(const QString& typed);

// Takes the account back to `month`: `Mois`.`Encour` is rewritten. The working month is
// not changed; it takes effect at the next login.
void SetCurrentMonth(WorkingContext& ctx, int month);

// "Encour" for the current-month screens.
void WriteCurrentMonthHandOver(const WorkingContext& ctx);

// "Encour" for the month consultation: an archived year ("ARCHIVE", month, year; an empty
// year means last year) or a month of the current year ("CONSULT", month, current month).
void WriteConsultHandOver(const WorkingContext& ctx, int month, bool archive, const QString& yearText);

// Last year by the working clock, as the consult dialogue presets it.
QString LastYearText(const WorkingContext& ctx);

// The remainder converted into francs, as the converter shows it: "655.96  Fr." with
// `decimalPoint` "." ("655,96  Fr." with ",").
QString FrancsText(const QString& remainderText, bool french, const QString& decimalPoint);

// Closes the account database (leaving the account for the login or the password change).
void CloseAccountDb(WorkingContext& ctx);

} // namespace tirelou
