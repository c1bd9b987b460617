#include "data/schema.h"
#include "month/transfer.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

const QString Mars = u"Mars"_s;
const QString March = u"March"_s;

// Account 1 in March: remainder 500, a reserve, then the entries each test gives.
class TransferTest : public ::testing::Test {
protected:
    TransferTest() { data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3)); }

    void seedFigures(const QString& table = Mars) {
        data.addRow(table,
                    {{field::Reste, u"500"_s}, {field::MontPrecedent, u"450"_s}, {field::Reserve, u"20"_s}});
        data.addRow(table, {{field::Reserve, Pair(u"40"_s, 15, u" 160"_s)}});
    }
    void entry(const QString& category, const QString& label, const QString& number, const QString& price,
               const QString& kind = u"X"_s, const QString& table = Mars) {
        data.addRow(table, {{field::Rubriques, category},
                            {field::Libelle, label},
                            {field::NumCheque, number},
                            {field::Prix, price},
                            {field::Date, u"05/03/2026"_s},
                            {field::Poste, kind}});
    }
    QStringList categories(const QString& table = Mars) {
        QStringList out;
        for (const Row& r : data.rows(table))
            out << r.value(field::Rubriques);
        return out;
    }

    TestData data;
};

TEST_F(TransferTest, GridListsTheCategoryWhateverTheCaseWithPositionsAndMonthlyAmounts) {
    seedFigures();
    entry(u"maison"_s, u"LOYER"_s, u"1234567"_s, u"650,5"_s);
    entry(u"LOISIRS"_s, u"CINEMA"_s, u"CARTE"_s, u"12"_s, u"C"_s);
    entry(u"Maison"_s, u"  "_s, u"0"_s, u"3"_s); // counted, not offered
    entry(u"MAISON"_s, u"ASSURANCE"_s, u"PRELEVEMENT"_s, Pair(u"1234.5"_s, 20, u"9876.5"_s), u"P"_s);

    int rows = 0;
    const QList<MoveLine> lines = CategoryEntries(data.ctx(), u"MAISON"_s, &rows);
    EXPECT_EQ(rows, 3);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].label, u"LOYER"_s);
    EXPECT_EQ(lines[0].position, 1);
    EXPECT_EQ(lines[0].number, u"1234567"_s);
    EXPECT_EQ(lines[0].amount, u"650.50"_s);
    // A direct debit shows its monthly amount, not what is left to pay.
    EXPECT_EQ(lines[1].label, u"ASSURANCE"_s);
    EXPECT_EQ(lines[1].position, 3);
    EXPECT_EQ(lines[1].amount, u"1 234.50"_s);

    EXPECT_TRUE(CategoryEntries(data.ctx(), u"VOYAGES"_s, &rows).isEmpty());
    EXPECT_EQ(rows, 0);
}

TEST_F(TransferTest, OnlyTheFirstEntryOfTheLabelChangesCategory) {
    seedFigures();
    entry(u"MAISON"_s, u"PEINTURE"_s, u"111"_s, u"30"_s);
    entry(u"MAISON"_s, u"PEINTURE"_s, u"222"_s, u"45"_s);
    const QList<Row> before = data.rows(Mars);

    ASSERT_TRUE(MoveEntry(data.ctx(), u"MAISON"_s, u"PEINTURE"_s, u"LOISIRS"_s));

    const QList<Row> after = data.rows(Mars);
    ASSERT_EQ(after.size(), before.size());
    for (int i = 0; i < after.size(); ++i) {
        Row expected = before[i];
        if (i == 2)
            expected[field::Rubriques] = u"LOISIRS"_s;
        EXPECT_EQ(after[i], expected) << "row " << i;
    }
    // The balance and the reserve are not the move's business.
    EXPECT_EQ(after[0].value(field::Reste), u"500"_s);
    EXPECT_EQ(after[1].value(field::Reserve), Pair(u"40"_s, 15, u" 160"_s));

    // The second one is found now that the first has gone.
    const QList<MoveLine> left = CategoryEntries(data.ctx(), u"MAISON"_s);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].number, u"222"_s);
    ASSERT_EQ(CategoryEntries(data.ctx(), u"LOISIRS"_s).size(), 1);
}

TEST_F(TransferTest, LowerCaseCategoryAndQuotedLabelAreFoundAndTakeTheListedName) {
    seedFigures();
    entry(u"énergie"_s, u"L'ELECTRICITE, HIVER"_s, u"CARTE"_s, u"80"_s, u"C"_s);
    entry(u"ENERGIE"_s, u"GAZ"_s, u"CARTE"_s, u"60"_s, u"C"_s);

    ASSERT_TRUE(MoveEntry(data.ctx(), u"ÉNERGIE"_s, u"L'ELECTRICITE, HIVER"_s, u"MAISON"_s));
    EXPECT_EQ(categories(), (QStringList{u"0"_s, u"0"_s, u"MAISON"_s, u"ENERGIE"_s}));
    EXPECT_EQ(data.rows(Mars)[2].value(field::Libelle), u"L'ELECTRICITE, HIVER"_s);
    // Its own category as the arrival: the row takes the listed spelling.
    ASSERT_TRUE(MoveEntry(data.ctx(), u"ENERGIE"_s, u"gaz"_s, u"ÉNERGIE"_s));
    EXPECT_EQ(categories().last(), u"ÉNERGIE"_s);
}

TEST_F(TransferTest, NoMatchingEntryChangesNothing) {
    seedFigures();
    entry(u"MAISON"_s, u"LOYER"_s, u"1"_s, u"650"_s);
    const QList<Row> before = data.rows(Mars);
    EXPECT_FALSE(MoveEntry(data.ctx(), u"MAISON"_s, u"LOYER D'AVRIL"_s, u"LOISIRS"_s));
    EXPECT_FALSE(MoveEntry(data.ctx(), u"LOISIRS"_s, u"LOYER"_s, u"MAISON"_s));
    EXPECT_EQ(data.rows(Mars), before);
}

TEST_F(TransferTest, EnglishWorksOnTheEnglishMonthOnly) {
    seedFigures();
    entry(u"HOUSE"_s, u"RENT"_s, u"1"_s, u"650"_s);
    seedFigures(March);
    entry(u"HOUSE"_s, u"RENT"_s, u"1"_s, u"650"_s, u"X"_s, March);
    data.ctx().language = u"English"_s;

    ASSERT_EQ(CategoryEntries(data.ctx(), u"HOUSE"_s).size(), 1);
    ASSERT_TRUE(MoveEntry(data.ctx(), u"HOUSE"_s, u"RENT"_s, u"LEISURES"_s));
    EXPECT_EQ(categories(March).last(), u"LEISURES"_s);
    EXPECT_EQ(categories(Mars).last(), u"HOUSE"_s);
}

} // namespace
