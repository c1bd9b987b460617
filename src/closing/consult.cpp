#include "closing/consult.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "data/workingcontext.h"
#include "reports/yearfile.h"

namespace tirelou {

CategoryView ViewCategory(const LoadedMonth& month, const QString& category) {
    CategoryView view;
    view.noRows = month.monthRowCount == 0;
    const QString wanted = category.trimmed();
    for (int i = 0; i < month.monthRowCount && i < month.entryCategory.size(); ++i) {
        if (month.entryCategory[i].trimmed() != wanted || month.entryLabel[i].trimmed().isEmpty())
            continue;
        FoundEntry e{month.entryCategory[i], month.entryLabel[i], month.entryNumber[i], month.entryDate[i],
                     PairFirst(month.entryPrice[i])};
        view.total += e.amount;
        view.entries.push_back(std::move(e));
    }
    return view;
}

Report CategoryReport(const CategoryView& view, const QString& monthTable, const QString& category,
                      bool french) {
    Report r;
    r.columnNames = ReportColumnNames(french, true);
    r.labelSuffix = QStringLiteral("  ");
    r.rows.push_back(HeadingRow((french ? QStringLiteral("MOIS DE  ") : QStringLiteral("MONTH OF  ")) +
                                    monthTable.toUpper(),
                                category));
    r.rows.push_back(BlankRow());
    if (view.noRows) {
        ReportRow none =
            HeadingRow(french ? QStringLiteral(" PAS DE MOUVEMENT ") : QStringLiteral(" NOT OF MOVEMENT "),
                       french ? QStringLiteral(" POUR CETTE ") : QStringLiteral(" FOR THIS  "));
        none.third = french ? QStringLiteral(" RUBRIQUE ") : QStringLiteral(" CATEGORY ");
        r.rows.push_back(none);
    }
    for (const FoundEntry& e : view.entries)
        r.rows.push_back(EntryRow(e.label, e.number, e.date, e.amount));
    r.rows.push_back(TotalRow(
        french ? QStringLiteral("  Total Des Dépenses") : QStringLiteral("  Total Of Expenses"), view.total));
    return r;
}

int ConsultedMonth(const WorkingContext& ctx, const YearHandOver& encour) {
    if (encour.modeWord == mode::Encour)
        return ctx.currentMonth;
    const int month = static_cast<int>(encour.number);
    return month >= 1 && month <= 12 ? month : ctx.currentMonth;
}

Consultation OpenConsultedMonth(WorkingContext& ctx) {
    Consultation c;
    c.encour = ReadYearHandOver(ctx, handover::Encour);
    c.archive = IsArchiveMode(c.encour.modeWord);
    c.open = OpenHandedYear(ctx, c.encour);
    if (c.open == YearOpen::Missing)
        return c;
    c.yearText = ctx.yearText;
    ctx.currentMonth = ConsultedMonth(ctx, c.encour);
    MonthTableName(ctx, ctx.currentMonth);
    LoadCategories(ctx);
    LoadMonth(ctx, ctx.monthTable);
    return c;
}

void HandConsultationOver(const WorkingContext& ctx, const Consultation& c) {
    WriteYearHandOver(ctx, handover::Lire,
                      {c.encour.modeWord, static_cast<double>(ctx.currentMonth), c.yearText});
}

void EndConsultation(WorkingContext& ctx) {
    ReopenCurrentYear(ctx);
    RecordSet& rs = ctx.workRs;
    rs.open(ctx.accountDb, table::Mois);
    if (!rs.eof()) {
        const int month = static_cast<int>(NumberValue(rs.value(field::Encour)));
        if (month >= 1 && month <= 12)
            ctx.currentMonth = month;
    }
    CloseWorkRs(ctx);
    MonthTableName(ctx, ctx.currentMonth);
}

} // namespace tirelou
