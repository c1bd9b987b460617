#include "data/workingcontext.h"
#include "reports/report.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tirelou;
using namespace Qt::StringLiterals;

namespace {

struct Line {
    QString category, label, number, price, date, kind;
};

// A month as LoadMonth leaves it, from its entry rows.
LoadedMonth Month(const std::vector<Line>& lines, double deposits = 0, double previous = 0,
                  const QString& reserve = QString()) {
    LoadedMonth m;
    for (const Line& l : lines) {
        m.entryCategory << l.category;
        m.entryLabel << l.label;
        m.entryNumber << l.number;
        m.entryPrice << l.price;
        m.entryDate << l.date;
        m.entryKind << l.kind;
    }
    m.monthRowCount = static_cast<int>(lines.size());
    for (QStringList* list :
         {&m.entryCategory, &m.entryLabel, &m.entryNumber, &m.entryPrice, &m.entryDate, &m.entryKind})
        *list << QString();
    m.depositTotal = deposits;
    m.previousAmount = previous;
    m.reserveTexts[1] = reserve;
    return m;
}

// The screen rows as "kind:text|second|third|amount".
std::vector<std::string> Screen(const Report& r) {
    std::vector<std::string> out;
    for (const ReportRow& row : r.rows) {
        if (row.show == Show::Paper)
            continue;
        const char* kind[] = {"H", "E", "T", "R", "B"};
        QString s = QString::fromLatin1(kind[static_cast<int>(row.kind)]) + u':' + row.text + u'|' +
                    row.second + u'|' + row.third + u'|' +
                    (row.amount ? ReportAmount(*row.amount) : QString());
        out.push_back(s.toStdString());
    }
    return out;
}

const QString Debit = u"40"_s + QString(20, u' ') + u"400"_s; // a direct debit: 40 a month, 400 to go

} // namespace

TEST(Statement, RowsAndTotalsFollowTheCategoriesAndLeaveForecastsOut) {
    const LoadedMonth m = Month(
        {
            {u"MAISON"_s, u"LOYER"_s, u"1234"_s, u"250"_s, u"01/03/2026"_s, u"X"_s},
            {u"AUTO"_s, u"ESSENCE"_s, u"CARTE"_s, u"30,5"_s, u"02/03/2026"_s, u"C"_s},
            {u"MAISON"_s, u"EDF"_s, u"PRELEVEMENT"_s, Debit, u"03/03/2026"_s, u"P"_s},
            {u"MAISON"_s, u"TOITURE"_s, u"PREVISION"_s, u"100"_s, u"03/03/2026"_s, u"R"_s},
            {u"MAISON"_s, u""_s, u"9"_s, u"999"_s, u"04/03/2026"_s, u"X"_s},
            {u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s},
            {u"LOISIRS"_s, u"REMBOURSEMENT"_s, u"CARTE"_s, u"-20"_s, u"05/03/2026"_s, u"C"_s},
        },
        500, 100, u"30"_s + QString(20, u' ') + u"70"_s);
    const StatementInput in{
        m, {u"MAISON"_s, u"AUTO"_s, u"VIDE"_s, u"LOISIRS"_s, QString()}, u"Mars"_s, u"7"_s, u"2026"_s, true};
    const Report r = BuildStatement(in);
    EXPECT_EQ(r.heading, u"Compte  7 Année 2026"_s);
    EXPECT_EQ(Screen(r), (std::vector<std::string>{
                             "H:MOIS DE |Mars||",
                             "B:|||",
                             "H:Rubrique MAISON|||",
                             "E:LOYER|1234|01/03/2026|250.00 €",
                             "E:EDF|PRELEVEMENT|03/03/2026|40.00 €",
                             "T:Total Dépense de la Rubrique|||290.00 €",
                             "H:Rubrique AUTO|||",
                             "E:ESSENCE|CARTE|02/03/2026|30.50 €",
                             "T:Total Dépense de la Rubrique|||30.50 €",
                             "H:Rubrique VIDE|||",
                             "H:Rubrique LOISIRS|||",
                             "E:REMBOURSEMENT|CARTE|05/03/2026|-20.00 €",
                             "T:Rubrique Reserve|||30.00 €",
                             "T:Total Des Dépenses Generales|Du Mois de|Mars|330.50 €",
                             "T:Revenu du mois|||500.00 €",
                             "T:Reste du Mois Precedent|||100.00 €",
                             "T:Reste sur le Compte|||269.50 €",
                         }));
    const StatementTotals t = ComputeStatement(m, in.categories);
    EXPECT_DOUBLE_EQ(t.expenses, 300.5);
    EXPECT_DOUBLE_EQ(t.generalExpenses, 330.5);
    EXPECT_DOUBLE_EQ(t.remainder, 269.5);
}

TEST(Statement, RemainderIsPreviousPlusIncomeLessExpensesAndReserve) {
    const LoadedMonth m = Month({{u"MAISON"_s, u"COURSES"_s, u"CARTE"_s, u"320"_s, u"01/03/2026"_s, u"C"_s}},
                                500, 100, u"30"_s);
    const StatementInput in{m, {u"MAISON"_s}, u"March"_s, u"7"_s, u"2026"_s, false};
    const Report r = BuildStatement(in);
    EXPECT_EQ(Screen(r).back(), "T:Remain on the Account|||250.00 €");
    EXPECT_EQ(r.columnNames, (QStringList{u"TITLE"_s, u"NUMBER PAYMENT"_s, u"DATE"_s, u"GOING UP"_s}));
}

TEST(StatementPaper, EntriesStandAtTheirColumnsAndALongMonthTakesASecondPageWithHeadings) {
    std::vector<Line> lines;
    for (int i = 0; i < 70; ++i)
        lines.push_back({u"MAISON"_s, u"ACHAT %1"_s.arg(i), u"CARTE"_s, u"1"_s, u"01/03/2026"_s, u"C"_s});
    const LoadedMonth m = Month(lines);
    const Report r = BuildStatement({m, {u"MAISON"_s}, u"Mars"_s, u"7"_s, u"2026"_s, true});
    const QString text = PrintReport(r, StatementPaper(true), u"Releve"_s).plainText();
    const QStringList pages = text.split(u'\f');
    ASSERT_EQ(pages.size(), 2);
    const QString headings = u"    INTITULE"_s + QString(22, u' ') + u"DATE"_s + QString(21, u' ') +
                             u"NUMERO PAIEMENT"_s + QString(20, u' ') + u"MONTANT"_s;
    EXPECT_TRUE(pages[0].startsWith(headings + u"\n\n"_s));
    EXPECT_TRUE(pages[1].startsWith(headings + u"\n\n\n"_s)) << pages[1].left(200).toStdString();
    // counter: 2, +2 for the account line, +2 for the category: the 56th entry fills the page
    EXPECT_TRUE(pages[0].contains(u"ACHAT 55 "_s));
    EXPECT_FALSE(pages[0].contains(u"ACHAT 56 "_s));
    const QString entry = pages[1].split(u'\n').filter(u"ACHAT 56 "_s).value(0);
    EXPECT_EQ(entry, u"    ACHAT 56"_s + QString(22, u' ') + u"01/03/2026"_s + QString(15, u' ') +
                         u"CARTE"_s + QString(30, u' ') + u"1.00 €"_s);
    EXPECT_TRUE(pages[0].contains(u"Compte  7 Année 2026 MOIS DE  Mars"_s));
    EXPECT_TRUE(pages[1].contains(u"    Total Des Dépenses Generales Du Mois Mars"_s));
    EXPECT_FALSE(text.contains(u"Rubrique Reserve"_s));
}

TEST(PrintDocument, ATextReachingTheNextColumnPushesItOnAsATabStopDoes) {
    PrintDocument doc;
    doc.line({{5, QString(70, u'L')}, {60, u"12.00 €"_s}});
    EXPECT_EQ(doc.plainText(), u"    "_s + QString(70, u'L') + u" 12.00 €\n"_s);
}

TEST(YearViews, TotalsCountDirectDebitsMonthlyAndLeaveForecastsOut) {
    YearMonths y;
    y.monthTables = {u"Janvier"_s, u"Fevrier"_s};
    y.months.push_back(Month({{u"MAISON"_s, u"EDF"_s, u"PRELEVEMENT"_s, Debit, u"03/01/2026"_s, u"P"_s},
                              {u"MAISON"_s, u"TOIT"_s, u"PREVISION"_s, u"75"_s, u"03/01/2026"_s, u"R"_s},
                              {u"EPAVE"_s, u"VIEUX"_s, u"1"_s, u"5"_s, u"03/01/2026"_s, u"X"_s}},
                             1000, 50));
    y.months.push_back(
        Month({{u" MAISON "_s, u"GAZ"_s, u"CARTE"_s, u"10"_s, u"04/02/2026"_s, u"C"_s}}, 0, 960));
    const YearInput in{y, {u"MAISON"_s, u"AUTO"_s, QString()}, u"7"_s, u"2026"_s, true};
    YearTotals t;
    const Report totals = BuildYearTotals(in, &t);
    EXPECT_DOUBLE_EQ(t.expenses, 40); // the padded category is not matched exactly; EPAVE is not listed
    EXPECT_DOUBLE_EQ(t.income, 1000);
    EXPECT_DOUBLE_EQ(t.remainder, 960 + 1000 - 40);
    const std::vector<std::string> rows = Screen(totals);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 6),
              (std::vector<std::string>{"H:MOIS DE  Janvier|||", "H:Rubrique MAISON|||",
                                        "E:EDF|PRELEVEMENT|03/01/2026|40.00 €",
                                        "T:Total Dépense de la Rubrique|||40.00 €", "H:Rubrique AUTO|||",
                                        "T:Total Dépense de la Rubrique|||0.00 €"}));
    EXPECT_EQ(rows.back(), "T:Reste sur le Compte|||1 920.00 €");

    double yearTotal = 0;
    const Report category = BuildYearCategory(in, u"MAISON"_s, &yearTotal);
    EXPECT_DOUBLE_EQ(yearTotal, 50); // trimmed here: GAZ counts
    EXPECT_EQ(category.heading, u"Rubrique MAISON Compte 7 Année 2026"_s);
    EXPECT_EQ(Screen(category).back(), "T:Total Des Dépenses Generales|Pour L'Année 2026||50.00 €");
    EXPECT_EQ(Screen(category)[0], "H:MOIS DE  JANVIER|||");
}
