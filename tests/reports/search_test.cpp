#include "data/routines.h"
#include "data/schema.h"
#include "reports/search.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

Row Paid(const QString& category, const QString& label, const QString& number, const QString& price,
         const QString& date, const QString& kind = u"C"_s) {
    return {{field::Rubriques, category}, {field::Libelle, label}, {field::NumCheque, number},
            {field::Prix, price},         {field::Date, date},     {field::Poste, kind}};
}

// "label|number|date|amount" for each entry found, amounts to the cent.
QStringList Lines(const std::vector<FoundEntry>& found) {
    QStringList out;
    for (const FoundEntry& e : found)
        out << e.category + u'|' + e.label + u'|' + e.number + u'|' + e.date + u'|' +
                   QString::number(e.amount, 'f', 2);
    return out;
}

class SearchTest : public ::testing::Test {
protected:
    SearchTest() {
        data.login(data.addAccount(u"12345"_s, 2026, u"SECRET"_s, 3));
        data.addRow(u"Mars"_s, Paid(u"MAISON"_s, u"LOYER"_s, u"0001234"_s, u"12"_s, u"01/03/2026"_s, u"X"_s));
        data.addRow(u"Mars"_s, Paid(u"AUTO"_s, u"ESSENCE"_s, u"CARTE"_s, u"112.50"_s, u"12/03/2026"_s));
        data.addRow(u"Mars"_s, {}); // a free row: "0" everywhere
        data.addRow(u"Mars"_s,
                    Paid(u"MAISON"_s, u"MEUBLE MOI"_s, u"0001235"_s, u"1200"_s, u"15/04/2026"_s, u"X"_s));
        data.addRow(u"Mars"_s, Paid(u"LOISIRS"_s, u"ASSURANCE"_s, u"PRELEVEMENT"_s,
                                    u"12,5"_s + QString(30, u' ') + u"37.5"_s, u"20/03/2026"_s, u"P"_s));
        data.addRow(u"Mars"_s, Paid(u"DIVERS"_s, u"0"_s, u"CARTE"_s, u"12"_s, u"21/03/2026"_s));
        LoadMonth(data.ctx(), u"Mars"_s);
    }
    std::vector<FoundEntry> search(SearchKind kind, const QString& text) {
        return SearchMonth(data.ctx().month, kind, text);
    }
    TestData data;
};

} // namespace

TEST_F(SearchTest, MatchesEachKindAsTextContainment) {
    // Amounts are texts: "12" is in 12, 112.50, 1200 and in either half of a direct debit's pair,
    // which counts with its monthly amount. The row labelled "0" is never listed.
    EXPECT_EQ(
        Lines(search(SearchKind::Amount, u"12"_s)),
        (QStringList{u"MAISON|LOYER|0001234|01/03/2026|12.00"_s, u"AUTO|ESSENCE|CARTE|12/03/2026|112.50"_s,
                     u"MAISON|MEUBLE MOI|0001235|15/04/2026|1200.00"_s,
                     u"LOISIRS|ASSURANCE|PRELEVEMENT|20/03/2026|12.50"_s}));
    EXPECT_EQ(Lines(search(SearchKind::Amount, u"37"_s)).size(), 1);
    EXPECT_EQ(Lines(search(SearchKind::Date, u"/03/"_s)).size(), 3);
    EXPECT_EQ(Lines(search(SearchKind::Label, u"MOI"_s)),
              QStringList{u"MAISON|MEUBLE MOI|0001235|15/04/2026|1200.00"_s});
    EXPECT_EQ(Lines(search(SearchKind::Number, u"CARTE"_s)),
              QStringList{u"AUTO|ESSENCE|CARTE|12/03/2026|112.50"_s});
    // case-sensitive: the stored texts are upper case
    EXPECT_TRUE(search(SearchKind::Label, u"moi"_s).empty());
    // "0" is in every free row, yet none is listed
    EXPECT_EQ(search(SearchKind::Number, u"0"_s).size(), 2);
    EXPECT_DOUBLE_EQ(TotalOf(search(SearchKind::Amount, u"12"_s)), 12 + 112.5 + 1200 + 12.5);
}

TEST_F(SearchTest, SearchesTheTwelveMonthsWithOneTotal) {
    data.addRow(u"Janvier"_s, Paid(u"AUTO"_s, u"PNEUS"_s, u"CARTE"_s, u"80"_s, u"03/01/2026"_s));
    data.addRow(u"Decembre"_s, Paid(u"AUTO"_s, u"GARAGE"_s, u"CARTE"_s, u"20"_s, u"03/12/2026"_s));
    const YearFindings year = SearchYear(data.ctx(), SearchKind::Number, u"CARTE"_s);
    ASSERT_EQ(year.months.size(), 12u);
    EXPECT_EQ(year.months[0].monthTable, u"Janvier"_s);
    EXPECT_EQ(year.months[0].entries.size(), 1u);
    EXPECT_EQ(year.months[2].entries.size(), 1u); // the "0" label of March stays out
    EXPECT_EQ(year.months[11].monthTable, u"Decembre"_s);
    EXPECT_TRUE(year.months[5].entries.empty());
    EXPECT_DOUBLE_EQ(year.total, 80 + 112.5 + 20);
}

TEST_F(SearchTest, HandsTheRequestOverThroughLireXfr) {
    const SearchRequest r =
        HandSearchOver(data.ctx(), u"  meuble "_s, SearchKind::Label, YearSource{true, u"2025"_s});
    EXPECT_EQ(r.text, u"MEUBLE"_s);
    EXPECT_EQ(r.kind, SearchKind::Label);
    QFile f(data.path(u"Lire.xfr"_s));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "  MEUBLE \r\n3\r\nARCHIVES\r\n2025\r\n");
    // an item ends at a comma
    EXPECT_EQ(HandSearchOver(data.ctx(), u"12,5"_s, SearchKind::Amount).text, u"12"_s);
    EXPECT_EQ(SearchKindOf(u"5"_s), std::nullopt);
}
