#include "reports/search.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"

namespace tirelou {

std::optional<SearchKind> SearchKindOf(const QString& digit) {
    const QString d = digit.trimmed();
    if (d == QLatin1String("1"))
        return SearchKind::Number;
    if (d == QLatin1String("2"))
        return SearchKind::Date;
    if (d == QLatin1String("3"))
        return SearchKind::Label;
    if (d == QLatin1String("4"))
        return SearchKind::Amount;
    return std::nullopt;
}

namespace {

const QStringList& ColumnOf(const LoadedMonth& month, SearchKind kind) {
    switch (kind) {
    case SearchKind::Number:
        return month.entryNumber;
    case SearchKind::Date:
        return month.entryDate;
    case SearchKind::Amount:
        return month.entryPrice;
    case SearchKind::Label:
        break;
    }
    return month.entryLabel;
}

} // namespace

std::vector<FoundEntry> SearchMonth(const LoadedMonth& month, SearchKind kind, const QString& text) {
    std::vector<FoundEntry> found;
    const QStringList& column = ColumnOf(month, kind);
    const int rows = std::min<int>(month.monthRowCount, static_cast<int>(column.size()));
    for (int i = 0; i < rows; ++i) {
        // A row that does not match is dropped as if freed, and freed rows are never listed:
        // their label reads "0".
        if (!column[i].contains(text) || month.entryLabel[i].trimmed() == QLatin1String("0"))
            continue;
        found.push_back({month.entryCategory[i], month.entryLabel[i], month.entryNumber[i],
                         month.entryDate[i], PairFirst(month.entryPrice[i])});
    }
    return found;
}

double TotalOf(const std::vector<FoundEntry>& entries) {
    double total = 0;
    for (const FoundEntry& e : entries)
        total += e.amount;
    return total;
}

YearFindings SearchYear(WorkingContext& ctx, SearchKind kind, const QString& text) {
    YearFindings out;
    out.months.reserve(12);
    for (int m = 1; m <= 12; ++m) {
        MonthTableName(ctx, m);
        LoadMonth(ctx, ctx.monthTable);
        MonthFindings month{ctx.monthTable, SearchMonth(ctx.month, kind, text)};
        out.total += TotalOf(month.entries);
        out.months.push_back(std::move(month));
    }
    return out;
}

namespace {

Report SearchReport(bool french) {
    Report r;
    r.columnNames = ReportColumnNames(french, true);
    r.labelSuffix = QStringLiteral("  ");
    r.valuesRight = true;
    return r;
}

void AddFound(Report& r, const std::vector<FoundEntry>& found) {
    for (const FoundEntry& e : found) {
        ReportRow category = HeadingRow(e.category);
        category.centred = true;
        r.rows.push_back(category);
        r.rows.push_back(EntryRow(e.label, e.number, e.date, e.amount));
    }
}

void AddTotal(Report& r, double total, bool french) {
    r.rows.push_back(BlankRow());
    r.rows.push_back(TotalRow(
        french ? QStringLiteral("  Total Des Dépenses") : QStringLiteral("  Total Of Expenses"), total));
}

} // namespace

Report SearchMonthReport(const std::vector<FoundEntry>& found, bool french) {
    Report r = SearchReport(french);
    AddFound(r, found);
    AddTotal(r, TotalOf(found), french);
    return r;
}

Report SearchYearReport(const YearFindings& year, bool french) {
    Report r = SearchReport(french);
    for (const MonthFindings& m : year.months) {
        r.rows.push_back(HeadingRow((french ? QStringLiteral("MOIS DE  ") : QStringLiteral("MONTH OF  ")) +
                                    m.monthTable.toUpper()));
        AddFound(r, m.entries);
    }
    AddTotal(r, year.total, french);
    return r;
}

SearchRequest HandSearchOver(const WorkingContext& ctx, const QString& typed, SearchKind kind,
                             const std::optional<YearSource>& year) {
    std::vector<HandValue> lines{typed.toUpper(), QString::number(static_cast<int>(kind))};
    if (year) {
        lines.emplace_back(year->archive ? QStringLiteral("ARCHIVES") : QStringLiteral("ENCOUR"));
        lines.emplace_back(year->year);
    }
    WriteHandOver(ctx, handover::Lire, lines);
    HandOverReader in(ctx, handover::Lire);
    SearchRequest request;
    request.text = in.item().trimmed();
    request.kind = SearchKindOf(in.item()).value_or(kind);
    return request;
}

} // namespace tirelou
