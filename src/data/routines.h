#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QObject;

// The routines every screen calls, working on the working context.
namespace tirelou {

class WorkingContext;
class RecordSet;

// The month table of month n (1-12) in the working language; nothing for another n.
std::optional<QString> MonthTableFor(bool french, int n);
// Sets `monthTable` for month n; a number outside 1-12 leaves it unchanged.
void MonthTableName(WorkingContext& ctx, int n);

// Fills `categoryList` (with one empty slot at the end) and `categoryCount` from the
// category table of the working language.
void LoadCategories(WorkingContext& ctx);

// Closes the shared record set; closing a closed set is harmless.
void CloseWorkRs(WorkingContext& ctx);

// Loads a whole month table into `ctx.month`. Never fails: on a missing or empty table the
// failing steps are skipped and the counts stay 0.
void LoadMonth(WorkingContext& ctx, const QString& table);

// Sets the six entry columns at `loopIndex` to "0" (memory only).
void MarkRowFree(WorkingContext& ctx);

// Waits `ctx.pauseMs` while the window events go on, then runs `then`, unless `owner` was
// destroyed meanwhile. Measured on a monotonic clock, so midnight changes nothing.
void Pause(const WorkingContext& ctx, QObject* owner, std::function<void()> then);

// Passwords are stored with every character's code raised by 120; the typed text is
// trimmed first, the stored text is decoded whole.
QString EncodePassword(const QString& password);
QString DecodePassword(const QString& stored);

// The "*.acd" files of the data folder, in alphabetical order.
QStringList ListAccountFiles(const QString& dir);

// Today's date as the entry fields preset it: "dd/mm/yyyy" in French, "mm/dd/yyyy" otherwise.
QString TodayField(const WorkingContext& ctx);

// Whether a month row is free: its trimmed Rubriques is "0".
bool IsFreeRow(const RecordSet& rs);

// The six entry fields of a month row.
struct Entry {
    QString rubriques, libelle, numCheque, prix, date, poste;
};

// Writes the six entry fields into the current (edited or new) record, in entry order.
void WriteEntryFields(RecordSet& rs, const Entry& entry);

// How an entry finds its row: the first free row in record order (optionally never the
// last row); when there is none a row is appended, with "0" written first into
// `zeroOnAppend`. `rs` must be open on the whole month table. Returns the row index.
int PlaceEntry(RecordSet& rs, const Entry& entry, bool skipLastRow, const QStringList& zeroOnAppend);

} // namespace tirelou
