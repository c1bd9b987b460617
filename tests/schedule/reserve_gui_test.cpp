#include "data/handover.h"
#include "schedule_gui.h"

using namespace tirelou;
using namespace tirelou::test;

using ReserveGui = ScheduleGuiTest;

TEST_F(ReserveGui, CreatedShownAndReplaced) {
    open(screen::Reserve);
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s)); // no reserve yet, nor a bank line
    EXPECT_FALSE(shown(u"Label4"_s));
    click(1);
    ASSERT_EQ(currentName(), screen::EnregisReserve);
    EXPECT_EQ(label(u"Label5"_s), u"1 000.00"_s);
    EXPECT_EQ(visibleButtons(), QList<int>{3});

    answer({u"12,5"_s});
    EXPECT_EQ(label(u"Echo1"_s), u"12.50"_s);
    EXPECT_EQ(input(2)->text(), QString()); // no months to offer yet
    answer({u"3,7"_s}, 2);
    EXPECT_EQ(label(u"Echo2"_s), u"37.50"_s); // whole months on the screen
    EXPECT_EQ(input(3)->text(), u"01/15/2026"_s);
    PressEnter(input(3));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 3}));
    click(2); // from the amount again
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    answer({u"12,5"_s, u"3"_s, QString()});
    click(1);

    ASSERT_EQ(currentName(), screen::Reserve);
    EXPECT_EQ(column(field::Reserve),
              (QStringList{u"12.5"_s, Pair(u"12.5"_s, 17, u" 37.5"_s), u"01/15/2026"_s}));
    EXPECT_EQ(rows()[0][field::Reste], u"1000"_s);
    EXPECT_EQ(gridRows(), (QStringList{u"INTITULE|RUBRIQUE|MONTANT|MOIS RESTANTS"_s, u"MOIS DE  JANVIER|||"_s,
                                       u"Reserve|Prélèvement|12.50 €|3 Mois"_s, u"|||"_s,
                                       u"Total des Réserves||12.50 €|"_s}));
    EXPECT_TRUE(shown(u"Label4"_s));
    EXPECT_EQ(label(u"Label4"_s), u"Reste en Banque 1 000.00"_s);

    // The entry offers the running reserve, then a new one replaces it.
    click(1);
    EXPECT_EQ(label(u"Echo1"_s), u"12.5"_s);
    EXPECT_EQ(label(u"Echo2"_s), u"3"_s);
    EXPECT_EQ(label(u"Echo3"_s), u"01/15/2026"_s);
    answer({u"40"_s});
    EXPECT_EQ(input(2)->text(), u"3"_s);
    answer({QString(), u"02/01/2026"_s}, 2);
    click(1);
    const QList<Row> replaced = rows();
    EXPECT_EQ(column(field::Reserve), (QStringList{u"40"_s, Pair(u"40"_s, 17, u" 120"_s), u"02/01/2026"_s}));
    EXPECT_EQ(gridRows().value(2), u"Reserve|Prélèvement|40.00 €|3 Mois"_s);

    click(1);
    click(3); // leaves without saving
    EXPECT_EQ(currentName(), screen::Reserve);
    EXPECT_EQ(rows(), replaced);
    click(2);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(ReserveGui, ZeroAmountOnAnEmptyMonthHasNoMonths) {
    data.ctx().accountDb.exec(u"DELETE FROM Janvier"_s);
    open(screen::EnregisReserve);
    EXPECT_EQ(label(u"Label5"_s), u"0.00"_s);
    answer({u"0"_s, u"4"_s, QString()});
    click(1);
    EXPECT_EQ(column(field::Reserve), (QStringList{u"0"_s, Pair(u"0"_s, 17, u" 0"_s), u"01/15/2026"_s}));
    EXPECT_EQ(rows()[0][field::Reste], u"0"_s);
    EXPECT_EQ(gridRows().value(2), u"Reserve|Prélèvement|0.00 €|"_s);
    click(1);
    EXPECT_EQ(label(u"Echo2"_s), QString());
}

TEST_F(ReserveGui, FailuresAreReportedAndTheScreensStillLoad) {
    data.ctx().scale.factor = 150;
    data.ctx().accountDb.exec(u"DROP TABLE Janvier"_s);
    open(screen::Reserve);
    EXPECT_EQ(messages().size(), 1);
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s));
    EXPECT_FALSE(shown(u"Label4"_s));
    EXPECT_EQ(grid()->columnWidth(1), 3600 / 15); // laid out at the working scale all the same

    // An entry whose hand-over cannot be written can only be left.
    blockHandOver(handover::Lire);
    click(1);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_FALSE(shown(u"Text1"_s));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    click(3);
    EXPECT_EQ(currentName(), screen::Reserve);
    click(2);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}
