#include "closing/categories.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

const QString Mars = u"Mars"_s;

// Account 1 with its ten default categories in both languages and one payment of March.
class CategoriesTest : public ::testing::Test {
protected:
    CategoriesTest() {
        data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3));
        data.addRow(Mars, {{field::Reste, u"100"_s}});
        data.addRow(Mars, {{field::Rubriques, French().at(4)},
                           {field::Libelle, u"LOYER"_s},
                           {field::NumCheque, u"12"_s},
                           {field::Prix, u"650"_s},
                           {field::Poste, u"X"_s}});
    }
    QStringList names(const QString& table) {
        QStringList out;
        for (const Row& r : data.rows(table))
            out << r.value(field::Rubrique);
        return out;
    }
    static QStringList French() { return DefaultFrenchCategories(); }
    static QStringList English() { return DefaultEnglishCategories(); }

    TestData data;
};

TEST_F(CategoriesTest, RenameStoresUpperCaseAtItsPositionAndLeavesTheMonthAlone) {
    const QList<Row> month = data.rows(Mars);
    ASSERT_EQ(RenameCategory(data.ctx(), 4, u"  logement "_s), CategoryChange::Done);
    QStringList expected = French();
    expected[4] = u"LOGEMENT"_s;
    EXPECT_EQ(names(table::Rubriques), expected);
    EXPECT_EQ(names(table::Rubriqueseng), English());
    // The payment keeps the name it was recorded under.
    EXPECT_EQ(data.rows(Mars), month);
    // The working list follows what was written.
    EXPECT_EQ(data.ctx().categoryList.at(4), u"LOGEMENT"_s);
}

TEST_F(CategoriesTest, AddKeepsTheCaseTypedAndAcceptsADuplicate) {
    ASSERT_EQ(AddCategory(data.ctx(), u"  Vacances d'été "_s), CategoryChange::Done);
    ASSERT_EQ(AddCategory(data.ctx(), French().at(0)), CategoryChange::Done);
    EXPECT_EQ(names(table::Rubriques), French() << u"Vacances d'été"_s << French().at(0));
    EXPECT_EQ(names(table::Rubriqueseng), English());
}

TEST_F(CategoriesTest, EraseRemovesTheRowAtItsIndexOnly) {
    const QList<Row> month = data.rows(Mars);
    ASSERT_EQ(EraseCategory(data.ctx(), 4), CategoryChange::Done);
    QStringList expected = French();
    expected.removeAt(4);
    EXPECT_EQ(names(table::Rubriques), expected);
    EXPECT_EQ(data.rows(Mars), month);

    // After a duplicate was added, erasing the second copy keeps the first.
    AddCategory(data.ctx(), expected.at(0));
    ASSERT_EQ(EraseCategory(data.ctx(), expected.size()), CategoryChange::Done);
    EXPECT_EQ(names(table::Rubriques), expected);
}

TEST_F(CategoriesTest, EmptyNamesAndMissingIndexesWriteNothing) {
    EXPECT_EQ(RenameCategory(data.ctx(), 2, u"   "_s), CategoryChange::EmptyName);
    EXPECT_EQ(AddCategory(data.ctx(), QString()), CategoryChange::EmptyName);
    EXPECT_EQ(AddCategory(data.ctx(), u" \t "_s), CategoryChange::EmptyName);
    EXPECT_EQ(RenameCategory(data.ctx(), 10, u"X"_s), CategoryChange::NoSuchCategory);
    EXPECT_EQ(RenameCategory(data.ctx(), -1, u"X"_s), CategoryChange::NoSuchCategory);
    EXPECT_EQ(EraseCategory(data.ctx(), 10), CategoryChange::NoSuchCategory);
    EXPECT_EQ(names(table::Rubriques), French());
    EXPECT_EQ(names(table::Rubriqueseng), English());
}

TEST_F(CategoriesTest, EnglishChangesOnlyTheEnglishList) {
    data.ctx().language = u"English"_s;
    ASSERT_EQ(RenameCategory(data.ctx(), 0, u"cover"_s), CategoryChange::Done);
    ASSERT_EQ(AddCategory(data.ctx(), u"Pets"_s), CategoryChange::Done);
    ASSERT_EQ(EraseCategory(data.ctx(), 1), CategoryChange::Done);
    QStringList expected = English();
    expected[0] = u"COVER"_s;
    expected.removeAt(1);
    expected << u"Pets"_s;
    EXPECT_EQ(names(table::Rubriqueseng), expected);
    EXPECT_EQ(names(table::Rubriques), French());
}

} // namespace
