#include "data/handover.h"
#include "schedule/schedule.h"
#include "schedule_gui.h"

using namespace tirelou;
using namespace tirelou::test;

using DirectDebitGui = ScheduleGuiTest;

TEST_F(DirectDebitGui, EnteredFromTheHubListedModifiedAndErased) {
    open(screen::Prevision);
    click(2);
    click(1);
    ASSERT_EQ(currentName(), screen::EnregisPrelev);
    EXPECT_EQ(label(u"Label4"_s), u"1 000.00"_s);
    ClickListItem(list(), 1);
    answer({u"edf"_s, u"12,5"_s, u"3"_s});
    EXPECT_EQ(label(u"Echo2"_s), u"37.50"_s);
    EXPECT_EQ(input(4)->text(), u"15/01/2026"_s);
    PressEnter(input(4));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 3}));
    click(1);
    ASSERT_EQ(currentName(), screen::VoirPrelev);
    EXPECT_EQ(entry(1), (QStringList{u"ENERGIE"_s, u"EDF"_s, u"PRELEVEMENT"_s,
                                     Pair(u"12.5"_s, 30, u" 37.5"_s), u"15/01/2026"_s, u"P"_s}));

    click(2);
    EXPECT_EQ(visibleButtons(), (QList<int>{3, 4}));
    EXPECT_EQ(label(u"Label4"_s), u"1 000.00"_s);
    EXPECT_EQ(gridRows(), (QStringList{u"INTITULE|RUBRIQUE|MONTANT|MOIS RESTANTS"_s, u"MOIS DE  JANVIER|||"_s,
                                       u"  EDF|  PRELEVEMENT|12.50 €|3 Mois"_s, u"|||"_s,
                                       u"Total des Prélèvements||12.50 €|"_s}));

    click(3);
    ASSERT_EQ(currentName(), screen::ModifPrel);
    EXPECT_EQ(gridRows(), (QStringList{u"N°|Intitulé|Montant"_s, u" 2|EDF|12.50"_s}));
    ClickGridCell(grid(), 1, 2);
    EXPECT_EQ(label(u"Current2"_s), u"3"_s);
    PressEnter(input(1)); // "M" is offered
    EXPECT_EQ(input(2)->text(), u"EDF"_s);
    answer({u"edf gaz"_s}, 2); // the offered text is selected: typing replaces it
    EXPECT_EQ(input(3)->text(), u"12.5"_s);
    answer({u"20"_s}, 3);
    EXPECT_EQ(input(4)->text(), u"3"_s);
    answer({u"6"_s, QString()}, 4);
    click(1);
    EXPECT_EQ(entry(1), (QStringList{u"ENERGIE"_s, u"EDF GAZ"_s, u"PRELEVEMENT"_s,
                                     Pair(u"20.00"_s, 20, u" 120"_s), u"15/01/2026"_s, u"P"_s}));
    EXPECT_EQ(gridRows().value(1), u" 2|EDF GAZ|20.00"_s);

    ClickGridCell(grid(), 1, 0);
    answer({u"e"_s});
    EXPECT_EQ(entry(1), QStringList(6, u"0"_s));
    EXPECT_EQ(grid()->rowCount(), 1);
    click(3);
    ASSERT_EQ(currentName(), screen::VoirPrelev);
    click(4);
    EXPECT_EQ(currentName(), screen::Prevision);
}

TEST_F(DirectDebitGui, LeaveFinAndTakeWriteNothing) {
    open(screen::EnregisPrelev);
    ClickListItem(list(), 0);
    answer({u"loyer"_s, u"5"_s});
    click(3);
    EXPECT_EQ(currentName(), screen::VoirPrelev);

    open(screen::EnregisPrelev);
    ClickListItem(list(), 0);
    answer({u"loyer"_s, u"5"_s, u"2"_s, QString()});
    click(2); // back to the category list
    EXPECT_TRUE(shown(u"List1"_s));
    EXPECT_FALSE(shown(u"Text1"_s));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    ClickListItem(list(), 2);
    answer({u"fin"_s});
    EXPECT_EQ(currentName(), screen::VoirPrelev);
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(DirectDebitGui, ZeroAmountOnAnEmptyMonthListsWithoutMonths) {
    data.ctx().accountDb.exec(u"DELETE FROM Janvier"_s);
    open(screen::EnregisPrelev);
    EXPECT_EQ(label(u"Label4"_s), u"0.00"_s);
    ClickListItem(list(), 4);
    answer({u"alarme"_s, u"abc"_s, u"3"_s, QString()});
    click(1);
    ASSERT_EQ(rows().size(), 1);
    EXPECT_EQ(rows()[0][field::Prix], Pair(u"0"_s, 30, u" 0"_s));

    click(2);
    EXPECT_EQ(label(u"Label4"_s), u"0.00"_s);
    EXPECT_EQ(gridRows().value(2), u"  ALARME|  PRELEVEMENT|0.00 €|"_s);
    EXPECT_EQ(gridRows().value(4), u"Total des Prélèvements||0.00 €|"_s);
    click(3);
    EXPECT_EQ(grid()->rowCount(), 1); // nothing to change on a zero direct debit
}

TEST_F(DirectDebitGui, OneWithoutALabelIsChosenChangedAndErased) {
    addScheduled(u"P"_s, QString(), schedule::DirectDebitPrix(10, 2));
    open(screen::ModifPrel);
    ClickGridCell(grid(), 1, 1);
    ASSERT_TRUE(shown(u"Text1"_s));
    EXPECT_EQ(label(u"Current1"_s), u"10.00"_s);
    answer({QString(), QString(), u"15"_s, QString(), QString()});
    click(1);
    EXPECT_EQ(rows()[1][field::Prix], Pair(u"15.00"_s, 20, u" 30"_s));

    ClickGridCell(grid(), 1, 2);
    answer({u"e"_s});
    EXPECT_EQ(entry(1), QStringList(6, u"0"_s));
    EXPECT_EQ(rows()[0][field::Libelle], u"LOYER"_s);
}

TEST_F(DirectDebitGui, AHandOverThatCannotBeWrittenStopsTheStep) {
    blockHandOver(handover::Lire);
    open(screen::EnregisPrelev);
    EXPECT_EQ(messages().size(), 1);
    ClickListItem(list(), 1);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_TRUE(shown(u"List1"_s)); // still choosing
    EXPECT_FALSE(shown(u"Text1"_s));
    unblockHandOver(handover::Lire);
    ClickListItem(list(), 1);
    EXPECT_TRUE(shown(u"Text1"_s));

    // A choice whose details cannot be handed over is dropped, the one before it too.
    addScheduled(u"P"_s, u"EDF"_s, schedule::DirectDebitPrix(30, 2));
    addScheduled(u"P"_s, u"EAU"_s, schedule::DirectDebitPrix(12, 3));
    open(screen::ModifPrel);
    ClickGridCell(grid(), 1, 1);
    ASSERT_TRUE(shown(u"Text1"_s));
    blockHandOver(handover::Modif);
    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(messages().size(), 3);
    EXPECT_FALSE(shown(u"Text1"_s));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
}
