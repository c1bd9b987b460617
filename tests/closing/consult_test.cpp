#include "closing/closingtest.h"
#include "closing/consult.h"
#include "data/routines.h"

using namespace tirelou;
using namespace tirelou::test;

TEST(ConsultTest, ViewsOneCategoryOfAMonth) {
    TestData data;
    data.login(data.addAccount(u"12345"_s, 2026, u"SECRET"_s, 3));
    LoadMonth(data.ctx(), u"Mars"_s);
    CategoryView empty = ViewCategory(data.ctx().month, u"MAISON"_s);
    EXPECT_TRUE(empty.noRows);
    EXPECT_DOUBLE_EQ(empty.total, 0);

    data.addRow(u"Mars"_s, Item(u"C"_s, u"COURSES"_s, u"45,5"_s));
    data.addRow(u"Mars"_s,
                Item(u"P"_s, u"EDF"_s, Pair(u"30"_s, 30, u"90"_s), {{field::Rubriques, u"  MAISON "_s}}));
    data.addRow(u"Mars"_s, Item(u"C"_s, u" "_s, u"99"_s));                                     // no label
    data.addRow(u"Mars"_s, Item(u"C"_s, u"BAL"_s, u"7"_s, {{field::Rubriques, u"Maison"_s}})); // other case
    data.addRow(u"Mars"_s, Item(u"C"_s, u"PNEUS"_s, u"80"_s, {{field::Rubriques, u"AUTO"_s}}));
    data.addRow(u"Mars"_s, {});
    LoadMonth(data.ctx(), u"Mars"_s);

    const CategoryView view = ViewCategory(data.ctx().month, u"MAISON"_s);
    EXPECT_FALSE(view.noRows);
    ASSERT_EQ(view.entries.size(), 2u);
    EXPECT_EQ(view.entries[0].label, u"COURSES"_s);
    EXPECT_EQ(view.entries[1].label, u"EDF"_s);
    EXPECT_DOUBLE_EQ(view.entries[1].amount, 30); // the monthly amount, not what remains
    EXPECT_DOUBLE_EQ(view.total, 75.5);

    const CategoryView none = ViewCategory(data.ctx().month, u"SANTE"_s);
    EXPECT_FALSE(none.noRows);
    EXPECT_TRUE(none.entries.empty());
}
