#include "schedule/schedule.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"

namespace tirelou::schedule {
namespace {

const QString Zero = QStringLiteral("0");

// The typed amount with "," turned into ".", as the modified forecast and the reserve
// keep it.
QString AmountText(const QString& typed) {
    QString s = typed.trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

// Monthly amount x months, refused when it is beyond what can be written back.
double Total(double amount, double months) {
    return FiniteAmount(amount * months);
}

std::optional<double> MonthsLeft(double stillToPay, double monthly) {
    if (monthly == 0)
        return std::nullopt;
    return stillToPay / monthly;
}

ScheduledItem ItemFromPrice(int index, const QString& category, const QString& label, const QString& prix,
                            const QString& date) {
    ScheduledItem item;
    item.index = index;
    item.category = category;
    item.label = label;
    item.date = date;
    item.monthly = PairFirst(prix);
    item.stillToPayText = PairSecondText(prix);
    item.stillToPay = AmountValue(item.stillToPayText);
    item.monthsLeft = MonthsLeft(item.stillToPay, item.monthly);
    return item;
}

Entry NewEntry(const ScheduledInput& in, const QString& numCheque, const QString& prix, const QString& poste,
               const QString& date) {
    return Entry{in.category, in.label.trimmed().toUpper(), numCheque, prix, date, poste};
}

int Place(WorkingContext& ctx, const Entry& entry, const QStringList& zeroOnAppend) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable);
    const int row = PlaceEntry(rs, entry, /*skipLastRow=*/false, zeroOnAppend);
    tx.commit();
    return row;
}

void WriteEdit(RecordSet& rs, const QString& label, const QString& prix, const QString& date) {
    rs.edit();
    rs.setValue(field::Libelle, label);
    rs.setValue(field::Prix, prix);
    rs.setValue(field::Date, date);
    rs.update();
}

} // namespace

double TypedNumber(const QString& text) {
    return AmountValue(text.trimmed());
}

bool IsKind(const QString& poste, char16_t kind) {
    const QString t = poste.trimmed();
    return !t.isEmpty() && t.front() == QChar(kind);
}

QString DirectDebitPrix(double amount, double months) {
    return MakePair(TrimmedNumberText(amount), 30, NumberText(Total(amount, months)));
}

QString ModifiedDirectDebitPrix(double amount, double months) {
    QString first = FormatNumber(amount, u"########.00");
    first.replace(QLatin1Char(','), QLatin1Char('.'));
    return MakePair(first, 20, NumberText(Total(amount, months)));
}

QString ForecastPrix(double amount, double months) {
    return MakePair(NumberText(amount), 30, NumberText(Total(amount, months)));
}

QString ModifiedForecastPrix(const QString& amountText, double months) {
    const QString first = AmountText(amountText);
    return MakePair(first, 20, NumberText(Total(AmountValue(first), months)));
}

QString MonthsCell(std::optional<double> months) {
    if (!months)
        return QString();
    return FormatNumber(*months, u"####0") + QStringLiteral(" Mois");
}

QString RemainderDisplay(const QString& resteText) {
    return FormatAmount(AmountValue(resteText));
}

QString ReadRemainderText(WorkingContext& ctx) {
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable);
    return rs.recordCount() > 0 ? rs.value(field::Reste) : QString();
}

int AddDirectDebit(WorkingContext& ctx, const ScheduledInput& in) {
    const QString prix = DirectDebitPrix(TypedNumber(in.amountText), TypedNumber(in.monthsText));
    return Place(ctx, NewEntry(in, QStringLiteral("PRELEVEMENT"), prix, QStringLiteral("P"), in.date),
                 {field::Depot, field::Montant, field::Reste, field::MontPrecedent, field::Reserve});
}

int AddForecast(WorkingContext& ctx, const ScheduledInput& in) {
    const QString prix = ForecastPrix(TypedNumber(in.amountText), TypedNumber(in.monthsText));
    return Place(ctx, NewEntry(in, QStringLiteral("PREVISION"), prix, QStringLiteral("R"), in.date.trimmed()),
                 {field::Depot, field::Montant});
}

bool ModifyDirectDebit(WorkingContext& ctx, int debitIndex, const ScheduledEdit& edit) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable, {{field::Poste, QStringLiteral("P")}});
    if (debitIndex < 0 || debitIndex >= rs.recordCount())
        return false;
    rs.moveTo(debitIndex);
    WriteEdit(rs, edit.label.trimmed().toUpper(),
              ModifiedDirectDebitPrix(TypedNumber(edit.amountText), TypedNumber(edit.monthsText)),
              edit.date.trimmed());
    tx.commit();
    return true;
}

bool ModifyForecast(WorkingContext& ctx, int rowIndex, const ScheduledEdit& edit) {
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable);
    if (rowIndex < 0 || rowIndex >= rs.recordCount())
        return false;
    rs.moveTo(rowIndex);
    // The list that gave the index may be out of date: never overwrite another entry.
    if (IsFreeRow(rs) || !IsKind(rs.value(field::Poste), ForecastKind))
        return false;
    WriteEdit(rs, edit.label.trimmed().toUpper(),
              ModifiedForecastPrix(edit.amountText, TypedNumber(edit.monthsText)), edit.date.trimmed());
    tx.commit();
    return true;
}

bool EraseByLabel(WorkingContext& ctx, const QString& label) {
    const QString wanted = label.trimmed();
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable);
    for (; !rs.eof(); rs.moveNext()) {
        if (rs.value(field::Libelle).trimmed() != wanted)
            continue;
        rs.edit();
        WriteEntryFields(rs, Entry{Zero, Zero, Zero, Zero, Zero, Zero});
        rs.update();
        tx.commit();
        return true;
    }
    return false;
}

ScheduledList ListScheduled(const LoadedMonth& month, char16_t kind) {
    ScheduledList list;
    for (int i = 0; i < month.monthRowCount && i < month.entryKind.size(); ++i) {
        if (!IsKind(month.entryKind[i], kind))
            continue;
        ScheduledItem item = ItemFromPrice(i, month.entryCategory[i], month.entryLabel[i],
                                           month.entryPrice[i], month.entryDate[i]);
        list.total += item.monthly;
        list.items << item;
    }
    return list;
}

std::optional<ScheduledItem> ScheduledAt(const LoadedMonth& month, int index, char16_t kind) {
    if (index < 0 || index >= month.monthRowCount || index >= month.entryKind.size() ||
        !IsKind(month.entryKind[index], kind))
        return std::nullopt;
    return ItemFromPrice(index, month.entryCategory[index], month.entryLabel[index], month.entryPrice[index],
                         month.entryDate[index]);
}

std::optional<ScheduledItem> FindDirectDebit(WorkingContext& ctx, const QString& label) {
    const QString wanted = label.trimmed();
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable, {{field::Poste, QStringLiteral("P")}});
    std::optional<ScheduledItem> found;
    for (int i = 0; !rs.eof(); rs.moveNext(), ++i) {
        const QString stored = rs.value(field::Libelle).trimmed();
        if (stored == wanted)
            found = ItemFromPrice(i, rs.value(field::Rubriques).trimmed(), stored,
                                  rs.value(field::Prix).trimmed(), rs.value(field::Date).trimmed());
    }
    return found;
}

void WriteChosenItem(const WorkingContext& ctx, const ScheduledItem& item) {
    WriteHandOver(ctx, handover::Modif, {item.label, item.monthly, item.stillToPayText, item.date});
}

ChosenItem ReadChosenItem(const WorkingContext& ctx) {
    // Line by line: a label or a date holding a comma comes back whole.
    HandOverReader r(ctx, handover::Modif);
    ChosenItem c;
    c.label = r.line();
    c.monthly = NumberValue(r.line());
    c.stillToPayText = r.line();
    c.date = r.line();
    return c;
}

StoredReserve ReadReserve(WorkingContext& ctx) {
    StoredReserve s;
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable);
    QString texts[3];
    for (int r = 0; r < 3 && r < rs.recordCount(); ++r) {
        rs.moveTo(r);
        texts[r] = rs.value(field::Reserve);
        if (r == 0)
            s.remainderText = rs.value(field::Reste);
    }
    s.amountText = texts[0];
    s.date = texts[2];
    s.present = !texts[0].trimmed().isEmpty();
    s.monthly = AmountValue(texts[0].trimmed());
    s.reserved = PairFirst(texts[1]);
    s.stillToReserve = PairSecond(texts[1]);
    s.monthsLeft = MonthsLeft(s.stillToReserve, s.monthly);
    return s;
}

ReserveTexts ComposeReserve(const ReserveInput& in) {
    ReserveTexts t;
    t.row1 = AmountText(in.amountText);
    t.total = Total(TypedNumber(in.amountText), TypedNumber(in.monthsText));
    t.row2 = MakePair(t.row1, 17, NumberText(t.total));
    t.row3 = in.date;
    return t;
}

ReserveTexts SaveReserve(WorkingContext& ctx, const ReserveInput& in) {
    const ReserveTexts t = ComposeReserve(in);
    Transaction tx(ctx.accountDb);
    RecordSet rs;
    rs.open(ctx.accountDb, ctx.monthTable);
    const int count = rs.recordCount();
    const QString texts[3] = {t.row1, t.row2, t.row3};
    for (int r = 0; r < 3; ++r) {
        if (r < count) {
            rs.moveTo(r);
            rs.edit();
        } else {
            rs.addNew();
            for (const QString& f :
                 {field::Reste, field::Depot, field::Montant, field::Rubriques, field::Libelle,
                  field::NumCheque, field::Prix, field::Date, field::Poste})
                rs.setValue(f, Zero);
        }
        rs.setValue(field::Reserve, texts[r]);
        rs.update();
    }
    tx.commit();
    return t;
}

} // namespace tirelou::schedule
