#include "month/payments.h"

#include "data/database.h"
#include "data/numbers.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"

namespace tirelou {
namespace {

const QString Zero = QStringLiteral("0");

// A sum or difference of amounts as it is written: without the binary noise of decimals,
// and refused when it is beyond what can be kept.
double Figure(double value) {
    return FiniteAmount(Settle(value));
}

// The running figures of the month: the remainder of the first row and the reserve text
// of the second, as stored. `rs` is open on the whole month table.
struct Figures {
    QString remainderText;
    QString reserveText;
};

Figures ReadFigures(RecordSet& rs) {
    Figures f;
    if (rs.recordCount() > 0) {
        rs.moveFirst();
        f.remainderText = rs.value(field::Reste);
    }
    if (rs.recordCount() > 1) {
        rs.moveTo(1);
        f.reserveText = rs.value(field::Reserve);
    }
    return f;
}

void WriteField(RecordSet& rs, int row, const QString& name, const QString& value) {
    rs.moveTo(row);
    rs.edit();
    rs.setValue(name, value);
    rs.update();
}

// Writes the remainder into the first row and, when the table has a second row, the
// reserve text into it. A table of a single row has no reserve text to keep.
void WriteFigures(RecordSet& rs, const QString& remainderText, const std::optional<QString>& reserveText) {
    if (rs.recordCount() > 0)
        WriteField(rs, 0, field::Reste, remainderText);
    if (reserveText && rs.recordCount() > 1)
        WriteField(rs, 1, field::Reserve, *reserveText);
}

// Keeps the loaded month in step with what was written, for the screens that show it.
void Remember(WorkingContext& ctx, const BookResult& result, bool reserveWritten) {
    ctx.month.remainderText = result.remainderText;
    if (reserveWritten)
        ctx.month.reserveTexts[1] = result.reserveText;
}

// The remainder and reserve once `amount` has been taken from the account.
std::pair<QString, QString> TakeFromAccount(const Figures& f, double amount) {
    const Cover cover =
        CoverShortfall(AmountValue(f.remainderText) - amount, amount, ReadReserve(f.reserveText));
    return {cover.remainderText, cover.reserveChanged ? ReserveText(cover.reserve) : f.reserveText};
}

// Moves to the first payment of an open category-and-label set; false when there is none.
bool FindPayment(RecordSet& rs) {
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        if (IsPaymentKind(rs.value(field::Poste)))
            return true;
    return false;
}

void OpenMonth(WorkingContext& ctx, RecordSet& rs, const Filters& filters = {}) {
    MonthTableName(ctx, ctx.currentMonth);
    rs.open(ctx.accountDb, ctx.monthTable, filters);
}

} // namespace

ReserveFigures ReadReserve(QStringView reserveText) {
    return {PairFirst(reserveText), PairSecond(reserveText)};
}

QString ReserveText(const ReserveFigures& reserve) {
    return MakePair(TrimmedNumberText(reserve.balance), 15, NumberText(reserve.toReserve));
}

Cover CoverShortfall(double newBalance, double amount, const ReserveFigures& reserve) {
    Cover c;
    c.reserve = reserve;
    newBalance = Figure(newBalance);
    if (newBalance >= 0 || reserve.balance <= 0) {
        c.remainderText = TrimmedNumberText(newBalance);
        return c;
    }
    c.reserveChanged = true;
    const double left = Figure(reserve.balance + newBalance);
    if (left >= 0) {
        c.remainderText = Zero;
        c.reserve.balance = left;
    } else {
        c.remainderText = NumberText(left);
        const double drawn = Figure(reserve.balance - amount);
        if (drawn < 0) {
            c.reserve.balance = 0;
            c.reserve.toReserve = Figure(reserve.toReserve + reserve.balance);
        } else {
            c.reserve.balance = drawn;
        }
    }
    return c;
}

QString StoredAmountText(const QString& typed) {
    QString s = typed.trimmed().toUpper();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

QString PaymentKind(const QString& number) {
    return number.trimmed().toUpper() == QLatin1String("CARTE") ? QStringLiteral("C") : QStringLiteral("X");
}

bool IsPaymentKind(const QString& poste) {
    const QString p = poste.trimmed().left(1);
    return p == QLatin1String("X") || p == QLatin1String("C");
}

BookResult RecordPayment(WorkingContext& ctx, const PaymentInput& in) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    OpenMonth(ctx, rs);
    const QString amountText = StoredAmountText(in.amountText);
    const Figures before = ReadFigures(rs);
    const auto [remainder, reserve] = TakeFromAccount(before, AmountValue(amountText));

    const QString number = in.number.trimmed().toUpper();
    const Entry entry{in.category,       in.label.trimmed().toUpper(), number, amountText,
                      in.date.trimmed(), PaymentKind(number)};
    BookResult result;
    result.row =
        PlaceEntry(rs, entry, /*skipLastRow=*/true,
                   {field::MontPrecedent, field::Depot, field::Montant, field::Reste, field::Reserve});
    result.remainderText = remainder;
    result.reserveText = reserve;
    WriteFigures(rs, remainder, reserve);
    tx.commit();
    Remember(ctx, result, rs.recordCount() > 1);
    return result;
}

QString DefaultDepositLabel(bool french) {
    return french ? QStringLiteral("DEPOS") : QStringLiteral("DEPOSIT");
}

BookResult RecordDeposit(WorkingContext& ctx, const QString& label, const QString& amountText) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    OpenMonth(ctx, rs);
    const QString amount = StoredAmountText(amountText);
    const Figures before = ReadFigures(rs);
    BookResult result;
    result.remainderText = TrimmedNumberText(Figure(AmountValue(before.remainderText) + AmountValue(amount)));
    result.reserveText = before.reserveText;
    QString depot = label.trimmed().toUpper();
    if (depot == Zero)
        depot = DefaultDepositLabel(ctx.french());

    for (int i = 0; i < rs.recordCount() && result.row < 0; ++i) {
        rs.moveTo(i);
        if (rs.value(field::Depot).trimmed() == Zero)
            result.row = i;
    }
    if (result.row >= 0) {
        rs.moveTo(result.row);
        rs.edit();
    } else {
        // No free slot: a row of its own keeps the deposit and the remainder in step.
        result.row = rs.recordCount();
        rs.addNew();
        for (const QString& f : MonthFields())
            rs.setValue(f, Zero);
    }
    rs.setValue(field::Montant, amount);
    rs.setValue(field::Depot, depot);
    rs.update();
    WriteFigures(rs, result.remainderText, std::nullopt);
    tx.commit();
    Remember(ctx, result, false);
    return result;
}

QList<CategoryRow> CategoryRows(WorkingContext& ctx, const QString& category) {
    RecordSet rs;
    OpenMonth(ctx, rs, {{field::Rubriques, category}});
    QList<CategoryRow> rows;
    int position = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        rows << CategoryRow{++position,
                            rs.value(field::Libelle),
                            rs.value(field::NumCheque),
                            rs.value(field::Prix),
                            rs.value(field::Date),
                            rs.value(field::Poste)};
    return rows;
}

QString PaymentAmountText(const QString& price) {
    QString s = price.left(15).trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

std::optional<BookResult> ModifyPayment(WorkingContext& ctx, const PaymentChange& change) {
    const QString amountText = StoredAmountText(change.amountText);
    const QString number = change.number.trimmed().toUpper();
    const double newAmount = AmountValue(amountText);
    if (newAmount == 0 || number.isEmpty())
        return std::nullopt;

    Transaction tx(ctx.accountDb);
    RecordSet payment;
    OpenMonth(ctx, payment, {{field::Rubriques, change.category}, {field::Libelle, change.label}});
    if (!FindPayment(payment))
        return std::nullopt;
    // The row changed is the one whose amount leaves the books, whichever row was clicked.
    const double former = AmountValue(PaymentAmountText(payment.value(field::Prix)));
    payment.edit();
    payment.setValue(field::Rubriques, change.category);
    payment.setValue(field::Libelle, change.newLabel.trimmed().toUpper());
    payment.setValue(field::NumCheque, number);
    payment.setValue(field::Prix, amountText);
    payment.setValue(field::Date, change.date.trimmed().toUpper());
    payment.update();

    RecordSet rs;
    OpenMonth(ctx, rs);
    const Figures before = ReadFigures(rs);
    const double raise = former - newAmount;
    BookResult result{before.remainderText, before.reserveText, -1};
    if (raise < 0)
        std::tie(result.remainderText, result.reserveText) = TakeFromAccount(before, -raise);
    else if (raise > 0)
        result.remainderText = TrimmedNumberText(Figure(AmountValue(before.remainderText) + raise));
    WriteFigures(rs, result.remainderText, result.reserveText);
    tx.commit();
    Remember(ctx, result, rs.recordCount() > 1);
    return result;
}

std::optional<BookResult> ErasePayment(WorkingContext& ctx, const QString& category, const QString& label,
                                       const QString& amountText) {
    Transaction tx(ctx.accountDb);
    RecordSet payment;
    OpenMonth(ctx, payment, {{field::Rubriques, category}, {field::Libelle, label}});
    if (!FindPayment(payment))
        return std::nullopt;
    payment.edit();
    WriteEntryFields(payment, Entry{Zero, Zero, Zero, Zero, Zero, Zero});
    payment.update();

    RecordSet rs;
    OpenMonth(ctx, rs);
    const Figures before = ReadFigures(rs);
    BookResult result{TrimmedNumberText(Figure(AmountValue(before.remainderText) + AmountValue(amountText))),
                      before.reserveText, -1};
    WriteFigures(rs, result.remainderText, std::nullopt);
    tx.commit();
    Remember(ctx, result, false);
    return result;
}

} // namespace tirelou
