#pragma once

#include "data/printdoc.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The looking-back reports (the account statement, the twelve-month views, a category of a
// month, search results) as typed rows, built from loaded months by plain functions. One
// grid filler shows them on screen (ui/reportgrid.h) and one writer lays them out on paper.
namespace tirelou {

class WorkingContext;
struct LoadedMonth;

enum class RowKind {
    Heading, // a title line: a month, a category, an account line
    Entry,   // one entry: label, number, date, amount
    Total,   // a text and an amount
    Rule,    // the line drawn above an amount on paper
    Blank,   // an empty line
};

// Where a row appears: some lines are only on screen, some only on paper.
enum class Show { Both, Screen, Paper };

// One row. On screen the four grid columns are `text`, `second`, `third` and the amount;
// for an entry they are the label, the number and the date. On paper an entry stands at
// the columns of the layout; a heading's or total's text stands at `paperColumn`, as
// `paperText` when that is set (paper and screen sometimes word it differently).
struct ReportRow {
    RowKind kind = RowKind::Blank;
    QString text;
    QString second;
    QString third;
    std::optional<double> amount;
    Show show = Show::Both;
    QString paperText;
    int paperColumn = 5;
    bool centred = false; // the text stands in the middle of its cell (search categories)
};

ReportRow HeadingRow(const QString& text, const QString& second = QString(), Show show = Show::Both);
ReportRow EntryRow(const QString& label, const QString& number, const QString& date, double amount);
ReportRow TotalRow(const QString& text, double amount, Show show = Show::Both);
ReportRow RuleRow();
ReportRow BlankRow(Show show = Show::Both);

struct Report {
    QString heading;         // the line above the grid (the twelve-month views' Label2)
    QStringList columnNames; // the grid's heading row, four names
    std::vector<ReportRow> rows;
    // On screen an entry's label, number and date are followed by these blanks.
    QString labelSuffix;
    QString valueSuffix;
    bool valuesRight = false; // number and date right-aligned (search results)
};

// Amounts on the screen and on paper: "### ### ### ##0.00 €".
QString ReportAmount(double amount);

// The amount an entry counts with: the first number of its price (read from its first 15
// characters, "," as ".") — the monthly amount of a direct debit or a forecast.
double EntryAmount(const QString& price);
// Whether an entry counts as an expense of these reports: a label, and not a forecast
// instalment (a kind ending in "R").
bool CountsAsExpense(const LoadedMonth& month, int row);

// ---- Paper

// How a report is laid out on paper: the column headings at the top of the first page and
// of every new page, the line counter that decides when a page is full, and what each row
// kind adds to it. A page is ended only after an entry line.
struct PaperLayout {
    std::vector<PrintCell> columnHeadings;
    int blanksBeforeHeadings = 0; // on the first page only
    int blanksAfterHeadings = 1;  // on the first page
    int blanksOnNewPage = 1;      // after the headings of a later page
    int counterStart = 2;
    int counterRestart = 2;
    int pageFull = 62;
    int headingWeight = 0, entryWeight = 1, totalWeight = 0;
    // Paper columns of an entry's texts.
    int labelColumn = 5, dateColumn = 35, numberColumn = 60, amountColumn = 95;
    QString rule = QStringLiteral("---------------");
};

// Lays the report's paper rows out as one print document.
PrintDocument PrintReport(const Report& report, const PaperLayout& layout, const QString& title);

// ---- The account statement of one month

struct StatementTotals {
    double expenses = 0;        // the categories' totals
    double reserveBalance = 0;  // the first number of the second reserve text
    double generalExpenses = 0; // expenses + reserve balance
    double income = 0;          // the deposits
    double previous = 0;        // the previous month's remainder
    double remainder = 0;       // previous + income - general expenses
};

StatementTotals ComputeStatement(const LoadedMonth& month, const QStringList& categories);

struct StatementInput {
    const LoadedMonth& month;
    QStringList categories; // the category list (an empty name is skipped)
    QString monthTable;
    QString accountNumber;
    QString yearText;
    bool french = true;
};

// The account line above the statement: "Compte  1 Année 2026".
QString StatementAccountLine(const QString& accountNumber, const QString& yearText, bool french);
Report BuildStatement(const StatementInput& in);
PaperLayout StatementPaper(bool french);

// ---- The twelve-month views of a year

// The months of a year as loaded, January first (twelve, fewer in tests).
struct YearMonths {
    QStringList monthTables;
    std::vector<LoadedMonth> months;
};

// Loads the twelve month tables of the open account file in the working language.
YearMonths LoadYear(WorkingContext& ctx);

struct YearInput {
    const YearMonths& year;
    QStringList categories;
    QString accountNumber;
    QString yearText;
    bool french = true;
};

struct YearTotals {
    double expenses = 0;
    double income = 0;
    double remainder = 0; // December's previous remainder + income - expenses
};

// Every month, category by category, with the year's totals.
Report BuildYearTotals(const YearInput& in, YearTotals* totals = nullptr);
// One category over the twelve months, with its year total.
Report BuildYearCategory(const YearInput& in, const QString& category, double* yearTotal = nullptr);
PaperLayout YearPaper(bool french);

// The four grid column names of the looking-back screens. The English label column is
// "TITLE" on the statement and the twelve-month view, "TITLED" elsewhere.
QStringList ReportColumnNames(bool french, bool titled = false);

} // namespace tirelou
