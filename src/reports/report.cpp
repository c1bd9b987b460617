#include "reports/report.h"

#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"

namespace tirelou {
namespace {

// Picks the French or the English text.
struct Pick {
    bool french;
    QString operator()(const char16_t* fr, const char16_t* en) const {
        return QString::fromUtf16(french ? fr : en);
    }
};

ReportRow PaperHeading(const QString& text, int column, const QString& following = QString()) {
    ReportRow row = HeadingRow(text, following, Show::Paper);
    row.paperColumn = column;
    return row;
}

} // namespace

ReportRow HeadingRow(const QString& text, const QString& second, Show show) {
    ReportRow row;
    row.kind = RowKind::Heading;
    row.text = text;
    row.second = second;
    row.show = show;
    return row;
}

ReportRow EntryRow(const QString& label, const QString& number, const QString& date, double amount) {
    ReportRow row;
    row.kind = RowKind::Entry;
    row.text = label;
    row.second = number;
    row.third = date;
    row.amount = amount;
    return row;
}

ReportRow TotalRow(const QString& text, double amount, Show show) {
    ReportRow row;
    row.kind = RowKind::Total;
    row.text = text;
    row.amount = amount;
    row.show = show;
    return row;
}

ReportRow RuleRow() {
    ReportRow row;
    row.kind = RowKind::Rule;
    row.show = Show::Paper;
    return row;
}

ReportRow BlankRow(Show show) {
    ReportRow row;
    row.show = show;
    return row;
}

QString ReportAmount(double amount) {
    return FormatAmount(amount) + QStringLiteral(" €");
}

double EntryAmount(const QString& price) {
    return PairFirst(price);
}

bool CountsAsExpense(const LoadedMonth& month, int row) {
    return !month.entryLabel.value(row).trimmed().isEmpty() &&
           !month.entryKind.value(row).trimmed().endsWith(QLatin1Char('R'));
}

QStringList ReportColumnNames(bool french, bool titled) {
    if (french)
        return {QStringLiteral("INTITULE"), QStringLiteral("NUMERO PAIEMENT"), QStringLiteral("DATE"),
                QStringLiteral("MONTANT")};
    return {titled ? QStringLiteral("TITLED") : QStringLiteral("TITLE"), QStringLiteral("NUMBER PAYMENT"),
            QStringLiteral("DATE"), QStringLiteral("GOING UP")};
}

// ---- Paper

PrintDocument PrintReport(const Report& report, const PaperLayout& layout, const QString& title) {
    PrintDocument doc;
    doc.title = title;
    doc.fontFamily = QStringLiteral("Arial");
    doc.fontSize = 10;
    const auto headings = [&](int blanksAfter) {
        doc.line(layout.columnHeadings);
        doc.emptyLines(blanksAfter);
    };
    // A page the printer has to end by itself (its paper is shorter than the counter
    // allows) starts with the headings too.
    doc.runningHead.push_back({layout.columnHeadings, false});
    for (int i = 0; i < layout.blanksOnNewPage; ++i)
        doc.runningHead.push_back({});
    doc.emptyLines(layout.blanksBeforeHeadings);
    headings(layout.blanksAfterHeadings);

    int counter = layout.counterStart;
    for (const ReportRow& row : report.rows) {
        if (row.show == Show::Screen)
            continue;
        const QString text = row.paperText.isNull() ? row.text : row.paperText;
        switch (row.kind) {
        case RowKind::Heading: {
            std::vector<PrintCell> cells{{row.paperColumn, text}};
            if (!row.second.isEmpty())
                cells.push_back({row.paperColumn, row.second}); // right after the text
            doc.line(std::move(cells));
            counter += layout.headingWeight;
            break;
        }
        case RowKind::Entry:
            doc.line({{layout.labelColumn, row.text},
                      {layout.dateColumn, row.third},
                      {layout.numberColumn, row.second},
                      {layout.amountColumn, ReportAmount(row.amount.value_or(0))}});
            counter += layout.entryWeight;
            if (counter >= layout.pageFull) {
                doc.newPage();
                headings(layout.blanksOnNewPage);
                counter = layout.counterRestart;
            }
            break;
        case RowKind::Total:
            doc.line({{row.paperColumn, text}, {layout.amountColumn, ReportAmount(row.amount.value_or(0))}});
            counter += layout.totalWeight;
            break;
        case RowKind::Rule:
            doc.line({{layout.amountColumn, row.text.isEmpty() ? layout.rule : row.text}});
            break;
        case RowKind::Blank:
            doc.line();
            break;
        }
    }
    return doc;
}

// ---- The account statement

StatementTotals ComputeStatement(const LoadedMonth& month, const QStringList& categories) {
    StatementTotals t;
    for (const QString& category : categories) {
        if (category.isEmpty())
            continue;
        double total = 0;
        for (int i = 0; i < month.monthRowCount; ++i)
            if (month.entryCategory.value(i) == category && CountsAsExpense(month, i))
                total += EntryAmount(month.entryPrice.value(i));
        t.expenses += total;
    }
    t.reserveBalance = NumberValue(QStringView(month.reserveTexts[1]).left(15).trimmed());
    t.generalExpenses = t.expenses + t.reserveBalance;
    t.income = month.depositTotal;
    t.previous = month.previousAmount;
    t.remainder = t.previous + t.income - t.generalExpenses;
    return t;
}

QString StatementAccountLine(const QString& accountNumber, const QString& yearText, bool french) {
    const Pick pick{french};
    return pick(u"Compte  ", u"Account  ") + accountNumber + pick(u" Année ", u" Year ") + yearText;
}

Report BuildStatement(const StatementInput& in) {
    const Pick pick{in.french};
    const LoadedMonth& m = in.month;
    Report r;
    r.heading = StatementAccountLine(in.accountNumber, in.yearText, in.french);
    r.columnNames = ReportColumnNames(in.french);
    r.labelSuffix = QStringLiteral("      ");
    r.valueSuffix = QStringLiteral("      ");
    auto& rows = r.rows;

    rows.push_back(HeadingRow(pick(u"MOIS DE ", u"MONTH OF "), in.monthTable, Show::Screen));
    rows.push_back(BlankRow(Show::Screen));
    rows.push_back(BlankRow(Show::Paper));
    rows.push_back(PaperHeading(r.heading, 50, pick(u"MOIS DE  ", u"MONTH OF  ") + in.monthTable));
    rows.push_back(BlankRow(Show::Paper));

    for (const QString& category : in.categories) {
        if (category.isEmpty())
            continue;
        ReportRow heading = HeadingRow(pick(u"Rubrique ", u"Category ") + category);
        heading.paperText = category;
        heading.paperColumn = 50;
        rows.push_back(heading);
        rows.push_back(BlankRow(Show::Paper));
        double total = 0;
        for (int i = 0; i < m.monthRowCount; ++i) {
            if (m.entryCategory.value(i) != category || !CountsAsExpense(m, i))
                continue;
            const double amount = EntryAmount(m.entryPrice.value(i));
            rows.push_back(
                EntryRow(m.entryLabel.value(i), m.entryNumber.value(i), m.entryDate.value(i), amount));
            total += amount;
        }
        if (total > 0) {
            rows.push_back(RuleRow());
            rows.push_back(
                TotalRow(pick(u"Total Dépense de la Rubrique", u"Total Expense of the Category"), total));
            rows.push_back(BlankRow(Show::Paper));
        }
    }

    const StatementTotals t = ComputeStatement(m, in.categories);
    rows.push_back(TotalRow(pick(u"Rubrique Reserve", u"Category Reserve"), t.reserveBalance, Show::Screen));
    rows.push_back(BlankRow(Show::Paper));
    ReportRow general =
        TotalRow(pick(u"Total Des Dépenses Generales", u"Total Of the General Expenses"), t.generalExpenses);
    general.second = pick(u"Du Mois de", u"Of the Month of");
    general.third = in.monthTable;
    general.paperText =
        pick(u"Total Des Dépenses Generales Du Mois ", u"Total Of the General Expenses Of the Month ") +
        in.monthTable;
    rows.push_back(general);
    rows.push_back(BlankRow(Show::Paper));
    rows.push_back(TotalRow(pick(u"Revenu du mois", u"Come back of the month"), t.income));
    rows.push_back(BlankRow(Show::Paper));
    rows.push_back(TotalRow(pick(u"Reste du Mois Precedent", u"Remain of the Previous Month"), t.previous));
    rows.push_back(BlankRow(Show::Paper));
    rows.push_back(TotalRow(pick(u"Reste sur le Compte", u"Remain on the Account"), t.remainder));
    return r;
}

PaperLayout StatementPaper(bool french) {
    const Pick pick{french};
    PaperLayout p;
    p.columnHeadings = {{5, pick(u"INTITULE", u"TITLED")},
                        {35, QStringLiteral("DATE")},
                        {60, pick(u"NUMERO PAIEMENT", u"NUMBER PAYMENT")},
                        {95, pick(u"MONTANT", u"GOING UP")}};
    p.blanksBeforeHeadings = 0;
    p.blanksAfterHeadings = 1;
    p.blanksOnNewPage = 2;
    p.counterStart = 2;
    p.counterRestart = 2;
    p.pageFull = 62;
    p.headingWeight = 2;
    p.entryWeight = 1;
    p.totalWeight = 2;
    return p;
}

// ---- The twelve-month views

YearMonths LoadYear(WorkingContext& ctx) {
    YearMonths y;
    for (int n = 1; n <= 12; ++n) {
        MonthTableName(ctx, n);
        LoadMonth(ctx, ctx.monthTable);
        y.monthTables << ctx.monthTable;
        y.months.push_back(ctx.month);
    }
    return y;
}

Report BuildYearTotals(const YearInput& in, YearTotals* totals) {
    const Pick pick{in.french};
    Report r;
    r.heading =
        pick(u"Compte  ", u"Account  ") + in.accountNumber + pick(u" Année ", u" Year ") + in.yearText;
    r.columnNames = ReportColumnNames(in.french);
    r.labelSuffix = QStringLiteral("      ");
    auto& rows = r.rows;
    rows.push_back(PaperHeading(r.heading, 50));

    YearTotals t;
    double previous = 0;
    for (std::size_t n = 0; n < in.year.months.size(); ++n) {
        const LoadedMonth& m = in.year.months[n];
        ReportRow month = HeadingRow(pick(u"MOIS DE  ", u"MONTH OF  ") + in.year.monthTables.value(int(n)));
        month.paperColumn = 50;
        rows.push_back(month);
        double monthTotal = 0;
        for (const QString& category : in.categories) {
            if (category.isEmpty())
                continue;
            rows.push_back(HeadingRow(pick(u"Rubrique ", u"Category ") + category));
            double total = 0;
            for (int i = 0; i < m.monthRowCount; ++i) {
                if (m.entryCategory.value(i) != category || !CountsAsExpense(m, i))
                    continue;
                const double amount = EntryAmount(m.entryPrice.value(i));
                rows.push_back(
                    EntryRow(m.entryLabel.value(i), m.entryNumber.value(i), m.entryDate.value(i), amount));
                total += amount;
            }
            rows.push_back(RuleRow());
            rows.push_back(
                TotalRow(pick(u"Total Dépense de la Rubrique", u"Total Expense of the Category"), total));
            monthTotal += total;
        }
        rows.push_back(RuleRow());
        rows.push_back(TotalRow(pick(u"Total Des Dépenses", u"Total Of Expenses"), monthTotal));
        rows.push_back(BlankRow());
        t.expenses += monthTotal;
        t.income += m.depositTotal;
        previous = m.previousAmount;
    }
    t.remainder = previous + t.income - t.expenses;

    ReportRow rule = RuleRow();
    rule.text = QStringLiteral("-----------------");
    rows.push_back(rule);
    ReportRow general =
        TotalRow(pick(u"Total Des Dépenses Generales", u"Total Of the General Expenses"), t.expenses);
    general.second = pick(u"Pour L'Année ", u"For The year ") + in.yearText;
    general.paperText =
        pick(u"Total Des Dépenses Generales Pour L'Année ", u"Total Of the General Expenses For The year ") +
        in.yearText;
    rows.push_back(general);
    rows.push_back(
        TotalRow(pick(u"Total Des Revenus de L'année", u"Total Of Incomes of The year"), t.income));
    rows.push_back(TotalRow(pick(u"Reste sur le Compte", u"Remain on the Account"), t.remainder));
    if (totals)
        *totals = t;
    return r;
}

Report BuildYearCategory(const YearInput& in, const QString& category, double* yearTotal) {
    const Pick pick{in.french};
    Report r;
    r.heading = pick(u"Rubrique ", u"Category ") + category + pick(u" Compte ", u" Account ") +
                in.accountNumber + pick(u" Année ", u" Year ") + in.yearText;
    r.columnNames = ReportColumnNames(in.french);
    r.labelSuffix = QStringLiteral("      ");
    auto& rows = r.rows;
    rows.push_back(PaperHeading(r.heading, 30));

    const QString wanted = category.trimmed();
    double year = 0;
    for (std::size_t n = 0; n < in.year.months.size(); ++n) {
        const LoadedMonth& m = in.year.months[n];
        ReportRow month =
            HeadingRow(pick(u"MOIS DE  ", u"MONTH OF  ") + in.year.monthTables.value(int(n)).toUpper());
        month.paperColumn = 50;
        rows.push_back(month);
        double total = 0;
        for (int i = 0; i < m.monthRowCount; ++i) {
            if (m.entryCategory.value(i).trimmed() != wanted || !CountsAsExpense(m, i))
                continue;
            const double amount = EntryAmount(m.entryPrice.value(i));
            rows.push_back(
                EntryRow(m.entryLabel.value(i), m.entryNumber.value(i), m.entryDate.value(i), amount));
            total += amount;
        }
        rows.push_back(RuleRow());
        rows.push_back(TotalRow(
            pick(u"Total Des Dépenses de la Rubrique", u"Total Of Expenses of the Category"), total));
        rows.push_back(BlankRow());
        year += total;
    }
    ReportRow general =
        TotalRow(pick(u"Total Des Dépenses Generales", u"Total Of the General Expenses"), year);
    general.second = pick(u"Pour L'Année ", u"For The year ") + in.yearText;
    general.paperText =
        pick(u"Total Des Dépenses Generales Pour L'Année ", u"Total Of the General Expenses For The year ") +
        in.yearText;
    rows.push_back(general);
    if (yearTotal)
        *yearTotal = year;
    return r;
}

PaperLayout YearPaper(bool french) {
    const Pick pick{french};
    PaperLayout p;
    p.columnHeadings = {{5, pick(u"INTITULE", u"TITLED")},
                        {35, QStringLiteral("DATE")},
                        {60, pick(u"NUMERO PAIEMENT", u"NUMBER PAYMENT")},
                        {95, pick(u"MONTANT", u"GOING UP")}};
    p.blanksBeforeHeadings = 2;
    p.blanksAfterHeadings = 1;
    p.blanksOnNewPage = 1;
    p.counterStart = 4;
    p.counterRestart = 4;
    p.pageFull = 64;
    p.headingWeight = 0;
    p.entryWeight = 1;
    p.totalWeight = 0;
    return p;
}

} // namespace tirelou
