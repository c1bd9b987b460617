#include "schedule_gui.h"

using namespace tirelou;
using namespace tirelou::test;

using ScheduleInEnglish = ScheduleGuiTest;

TEST_F(ScheduleInEnglish, DatesMonthFirstEnglishCategoriesAndLists) {
    useLanguage(English);
    open(screen::EnregisPrelev);
    ClickListItem(list(), 1);
    answer({u"power"_s, u"30"_s, u"2"_s});
    EXPECT_EQ(input(4)->text(), u"01/15/2026"_s);
    EXPECT_EQ(label(u"Prompt3"_s), u"Date (mm/dd/yyyy) "_s);
    PressEnter(input(4));
    click(1);
    EXPECT_EQ(month(), u"January"_s);
    EXPECT_EQ(entry(1).value(0), u"ENERGY"_s);
    click(2);
    EXPECT_EQ(gridRows(),
              (QStringList{u"TITLED|CATEGORY|GOING UP|REMAINING MONTHS"_s, u"MONTH OF  JANUARY|||"_s,
                           u"  POWER|  TAKING|30.00 €|2 Mois"_s, u"|||"_s, u"Total of Taking||30.00 €|"_s}));
    click(3);
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(label(u"Label6"_s), u"E=To Erase / M=To Modify / F=End"_s);
    answer({QString(), QString(), QString(), QString(), QString()});
    click(2); // the choice again, nothing written
    EXPECT_EQ(entry(1).value(3), Pair(u"30"_s, 30, u" 60"_s));
    answer({u"f"_s});
    EXPECT_EQ(currentName(), screen::VoirPrelev);

    open(screen::Prevision);
    click(1);
    click(3);
    ClickListItem(list(), 9);
    EXPECT_EQ(label(u"Label5"_s), u"HEALTH"_s);
    answer({u"glasses"_s, u"1234,5"_s, u"2"_s});
    EXPECT_EQ(label(u"Echo1"_s), u"Going up  1 234.50 £"_s);
    EXPECT_EQ(input(4)->text(), u"01/15/2026"_s);
    PressEnter(input(4));
    EXPECT_EQ(entry(2).value(3), Pair(u" 1234.5"_s, 30, u" 2469"_s));
    click(1);
    click(4);
    EXPECT_EQ(gridRows().value(2), u"  GLASSES|  FORECASTING|1 234.50 €|2 Mois"_s);
    EXPECT_EQ(gridRows().value(4), u"  Total Of Forecastings||1 234.50 €|"_s);
    click(5);
    ClickGridCell(grid(), 1, 1);
    answer({u"e"_s});
    EXPECT_EQ(label(u"Label5"_s), u"NOT OF MODIFICATION POSSIBLE EMPTY CATEGORY"_s);

    open(screen::EnregisReserve);
    EXPECT_EQ(label(u"Prompt3"_s), u"Date (mm/dd/yyyy) "_s);
    answer({u"10"_s, u"2"_s, QString()});
    EXPECT_EQ(label(u"Prompt2"_s), u"Remain to Cash "_s);
    click(1);
    EXPECT_EQ(column(field::Reserve).value(1), Pair(u"10"_s, 17, u" 20"_s));
    EXPECT_EQ(gridRows().value(2), u"Reserve|Taking|10.00 €|2 Mois"_s);
    EXPECT_EQ(gridRows().value(4), u"Total of Reserves||10.00 €|"_s);
    EXPECT_EQ(label(u"Label4"_s), u"Remain in Bank 1 000.00"_s);
}
