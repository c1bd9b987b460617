#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The bookkeeping of the month in hand: payments, deposits, their correction and erasure.
// Each function writes everything of one user action in one transaction: the row, the
// remainder of the first row and the reserve text of the second row stand or fall together.
// A refused write throws DbError, a figure too large to be kept std::range_error; the file
// is then left as it was.
namespace tirelou {

class WorkingContext;

// The reserve text of the second row: what the reserve holds now, and what the reserves
// still have to build up.
struct ReserveFigures {
    double balance = 0;
    double toReserve = 0;
};

// Reads the reserve text: the balance from its first 15 characters, the second figure from
// its last 15.
ReserveFigures ReadReserve(QStringView reserveText);

// The reserve balance trimmed, 15 blanks, then the second figure with its sign position.
QString ReserveText(const ReserveFigures& reserve);

// What becomes of the remainder and the reserve when `amount` is taken from the account
// and leaves `newBalance` (remainder less the amount).
struct Cover {
    QString remainderText;
    ReserveFigures reserve;
    bool reserveChanged = false;
};

// A shortfall is covered by the reserve while it holds anything: all of it when the
// reserve is large enough (remainder "0"), otherwise the remainder stays negative by what
// is left over and the reserve is drawn on (emptied when the amount exceeds it, the drawn
// part then being owed to the reserves again). Throws std::range_error when a figure is
// beyond what can be kept.
Cover CoverShortfall(double newBalance, double amount, const ReserveFigures& reserve);

// An amount as the screens store it: trimmed, upper case, every "," turned into ".".
QString StoredAmountText(const QString& typed);

// "C" for a card payment (the number is the word CARTE), "X" for any other payment.
QString PaymentKind(const QString& number);

// Whether an entry kind is a payment the user typed ("C" or "X"), as opposed to direct
// debits, forecasts and free rows.
bool IsPaymentKind(const QString& poste);

// The remainder and reserve texts after an action, as written to the month table.
struct BookResult {
    QString remainderText;
    QString reserveText;
    int row = -1; // the row written, from 0
};

struct PaymentInput {
    QString category, label, number, amountText, date;
};

// Records a payment of the month in hand in the first free row (never the last row) or a
// new row, lowers the remainder by its amount and lets the reserve cover a shortfall.
BookResult RecordPayment(WorkingContext& ctx, const PaymentInput& in);

// The label a deposit screen offers, and the one stored for a label of "0", which would
// otherwise leave the slot looking free: "DEPOS" in French, "DEPOSIT" in English.
QString DefaultDepositLabel(bool french);

// Records a deposit (a negative amount is a withdrawal) in the first free deposit slot,
// or a new row when there is none, and raises the remainder by its amount.
BookResult RecordDeposit(WorkingContext& ctx, const QString& label, const QString& amountText);

// One row of a category as the modification screen lists it.
struct CategoryRow {
    int position = 0; // in the category, from 1, counting every row of it
    QString label, number, price, date, kind;
};

// Every row of `category` in the month in hand, in record order.
QList<CategoryRow> CategoryRows(WorkingContext& ctx, const QString& category);

// The amount of a payment row: the first 15 characters of its price, trimmed, "," as ".".
QString PaymentAmountText(const QString& price);

struct PaymentChange {
    QString category;
    QString label; // the label stored now: the payment is the first of the category with it
    QString newLabel, amountText, number, date;
};

// Rewrites a payment and moves the remainder by (former amount - new amount); when that
// lowers it below zero the reserve covers the shortfall as for a new payment. Nothing is
// written when the new amount is 0, the number is empty, or no payment of the category
// holds the label.
std::optional<BookResult> ModifyPayment(WorkingContext& ctx, const PaymentChange& change);

// Frees the first payment of `category` holding `label` (its six entry fields become "0",
// the row stays) and gives `amountText`, the amount of the payment the user chose, back to
// the remainder. The reserve is not touched.
std::optional<BookResult> ErasePayment(WorkingContext& ctx, const QString& category, const QString& label,
                                       const QString& amountText);

} // namespace tirelou
