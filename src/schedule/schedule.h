#pragma once

#include <QList>
#include <QString>
#include <optional>

// Direct debits, forecasts and the month's reserve: how they are written into the month
// table, read back, changed and erased. Direct debits (Poste "P") and forecasts (Poste
// "R") are entry rows whose Prix holds two numbers, the monthly amount and what is still
// to pay; the reserve lives in the Reserve field of the first three rows.
namespace tirelou {

class WorkingContext;
struct LoadedMonth;

namespace schedule {

inline constexpr char16_t DirectDebitKind = u'P';
inline constexpr char16_t ForecastKind = u'R';

// How these screens read a typed number: trimmed, "," taken as ".", lenient; 0 when the
// text holds no number.
double TypedNumber(const QString& text);

// Whether a Poste text marks the given kind: its first character once trimmed.
bool IsKind(const QString& poste, char16_t kind);

// The Prix texts, one per writer. Each puts the monthly amount first and the total
// (monthly amount x months) last, far enough apart for both to be read back from the
// first and last 15 characters. A total too large to be kept throws std::range_error.
QString DirectDebitPrix(double amount, double months);
QString ModifiedDirectDebitPrix(double amount, double months);
QString ForecastPrix(double amount, double months);
QString ModifiedForecastPrix(const QString& amountText, double months);

// "7 Mois" for 7 months still to run; nothing when the count is unknown (a monthly
// amount of 0).
QString MonthsCell(std::optional<double> months);

// The month's remainder (Reste of the first row) as the screens show it.
QString RemainderDisplay(const QString& resteText);
// Reste of the first row of the month table in hand, as stored; empty when the table
// has no row.
QString ReadRemainderText(WorkingContext& ctx);

// ---- Writing

// A new direct debit or forecast, as typed.
struct ScheduledInput {
    QString category;
    QString label;
    QString amountText;
    QString monthsText;
    QString date;
};

// Records a direct debit in the first free row of the month table (a row is appended
// when there is none). Returns the row's index.
int AddDirectDebit(WorkingContext& ctx, const ScheduledInput& in);
// Records a forecast the same way.
int AddForecast(WorkingContext& ctx, const ScheduledInput& in);

// New values for a direct debit or forecast being changed, as typed.
struct ScheduledEdit {
    QString label;
    QString amountText;
    QString monthsText;
    QString date;
};

// Changes the direct debit at `debitIndex` among the rows whose Poste is "P" (from 0, in
// record order). What is still to pay starts again from amount x months. False when
// there is no such row; nothing is written then.
bool ModifyDirectDebit(WorkingContext& ctx, int debitIndex, const ScheduledEdit& edit);
// Changes the forecast at `rowIndex` of the month table. False when that row is no
// longer a forecast; nothing is written then.
bool ModifyForecast(WorkingContext& ctx, int rowIndex, const ScheduledEdit& edit);

// Frees the first row of the month table whose label is `label` (its six entry fields
// become "0"). False when no row carries that label.
bool EraseByLabel(WorkingContext& ctx, const QString& label);

// ---- Reading

// One direct debit or forecast as the lists show it.
struct ScheduledItem {
    int index = -1; // the row's position in the month table (or among the direct debits, see FindDirectDebit)
    QString category;
    QString label;
    QString date;
    QString stillToPayText; // the second number of Prix as stored
    double monthly = 0;
    double stillToPay = 0;
    std::optional<double> monthsLeft; // none when the monthly amount is 0
};

struct ScheduledList {
    QList<ScheduledItem> items;
    double total = 0; // sum of the monthly amounts
};

// The rows of the given kind of a loaded month, in record order, with the sum of their
// monthly amounts.
ScheduledList ListScheduled(const LoadedMonth& month, char16_t kind);
// The row at `index` of a loaded month when it is of the given kind.
std::optional<ScheduledItem> ScheduledAt(const LoadedMonth& month, int index, char16_t kind);
// The direct debit labelled `label`, its index counted among the rows whose Poste is
// "P"; the last one when several carry the label.
std::optional<ScheduledItem> FindDirectDebit(WorkingContext& ctx, const QString& label);

// "Modif.xfr" for the item being changed: label, monthly amount, what is still to pay,
// date.
void WriteChosenItem(const WorkingContext& ctx, const ScheduledItem& item);
struct ChosenItem {
    QString label;
    double monthly = 0;
    QString stillToPayText;
    QString date;
};
ChosenItem ReadChosenItem(const WorkingContext& ctx);

// ---- The reserve

// The reserve as the month table holds it in the Reserve field of its first three rows.
struct StoredReserve {
    bool present = false;             // the first Reserve text is not blank
    QString amountText;               // row 1 as stored
    QString date;                     // row 3 as stored
    double monthly = 0;               // row 1
    double reserved = 0;              // reserved so far: first half of row 2
    double stillToReserve = 0;        // second half of row 2
    std::optional<double> monthsLeft; // none when the monthly amount is 0
    QString remainderText;            // Reste of the first row
};

StoredReserve ReadReserve(WorkingContext& ctx);

struct ReserveInput {
    QString amountText;
    QString monthsText;
    QString date;
};

// The Reserve texts a save writes into rows 1, 2 and 3; a total too large to be kept
// throws std::range_error.
struct ReserveTexts {
    QString row1, row2, row3;
    double total = 0;
};
ReserveTexts ComposeReserve(const ReserveInput& in);

// Replaces the month's reserve: rows 1 to 3 of the month table receive the three texts,
// missing rows are appended with "0" in every other field, MontPrecedent left unset. All or
// nothing.
ReserveTexts SaveReserve(WorkingContext& ctx, const ReserveInput& in);

} // namespace schedule
} // namespace tirelou
