#include "data/handover.h"
#include "schedule_gui.h"

using namespace tirelou;
using namespace tirelou::test;

namespace {

class ReserveGui : public ScheduleGuiTest {
protected:
    void typeReserve(const QString& amount, const QString& months) {
        Enter(input(QStringLiteral("Text1")), amount);
        input(QStringLiteral("Text2"))->clear();
        Enter(input(QStringLiteral("Text2")), months);
        PressEnter(input(QStringLiteral("Text3")));
    }
};

} // namespace

TEST_F(ReserveGui, CreatedShownAndReplaced) {
    open(screen::Reserve);
    EXPECT_EQ(current()->caption(), QStringLiteral("Reserve"));
    EXPECT_FALSE(shown(QStringLiteral("MSFlexGrid1"))); // no reserve yet
    EXPECT_FALSE(shown(QStringLiteral("Label4")));
    click(1);
    ASSERT_EQ(currentName(), screen::EnregisReserve);
    EXPECT_EQ(HandOverReader(data.ctx(), handover::Lire).line(), QStringLiteral("Reserve"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("1 000.00"));
    EXPECT_EQ(label(QStringLiteral("Prompt1")), QStringLiteral("Montant de la reserve"));
    EXPECT_EQ(visibleButtons(), QList<int>{3});

    Enter(input(QStringLiteral("Text1")), QStringLiteral("12,5"));
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("12.50"));
    EXPECT_EQ(input(QStringLiteral("Text2"))->text(), QString()); // no months to offer yet
    Enter(input(QStringLiteral("Text2")), QStringLiteral("3,7"));
    EXPECT_EQ(label(QStringLiteral("Prompt2")), QStringLiteral("Reste à Encaisser "));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QStringLiteral("37.50")); // whole months on the screen
    EXPECT_EQ(input(QStringLiteral("Text3"))->text(), QStringLiteral("01/15/2026"));
    PressEnter(input(QStringLiteral("Text3")));
    EXPECT_EQ(label(QStringLiteral("Prompt3")), QStringLiteral("Date (jj/mm/yyyy)  "));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 3}));
    click(2); // Reprendre: from the amount again
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    typeReserve(QStringLiteral("12,5"), QStringLiteral("3"));
    click(1);

    ASSERT_EQ(currentName(), screen::Reserve);
    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[0][field::Reserve], QStringLiteral("12.5"));
    EXPECT_EQ(r[1][field::Reserve], QStringLiteral("12.5") + Blanks(17) + QStringLiteral(" 37.5"));
    EXPECT_EQ(r[2][field::Reserve], QStringLiteral("01/15/2026"));
    EXPECT_EQ(r[0][field::Reste], QStringLiteral("1000"));
    EXPECT_EQ(r[2][field::Rubriques], QStringLiteral("0"));
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("INTITULE|RUBRIQUE|MONTANT|MOIS RESTANTS"),
                           QStringLiteral("MOIS DE  JANVIER|||"),
                           QStringLiteral("Reserve|Prélèvement|12.50 €|3 Mois"), QStringLiteral("|||"),
                           QStringLiteral("Total des Réserves||12.50 €|")}));
    EXPECT_TRUE(shown(QStringLiteral("Label4")));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Reste en Banque 1 000.00"));

    // The entry offers the running reserve, then a new one replaces it.
    click(1);
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("12.5"));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QStringLiteral("3"));
    EXPECT_EQ(label(QStringLiteral("Echo3")), QStringLiteral("01/15/2026"));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("40"));
    EXPECT_EQ(input(QStringLiteral("Text2"))->text(), QStringLiteral("3"));
    PressEnter(input(QStringLiteral("Text2")));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("02/01/2026"));
    click(1);
    r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[1][field::Reserve], QStringLiteral("40") + Blanks(17) + QStringLiteral(" 120"));
    EXPECT_EQ(r[2][field::Reserve], QStringLiteral("02/01/2026"));
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("Reserve|Prélèvement|40.00 €|3 Mois"));

    click(1);
    click(3); // Quitter: nothing saved
    EXPECT_EQ(currentName(), screen::Reserve);
    EXPECT_EQ(rows(), r);
    click(2);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(ReserveGui, EmptyMonthAndZeroAmount) {
    data.ctx().accountDb.exec(QStringLiteral("DELETE FROM Janvier"));
    open(screen::EnregisReserve);
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("0.00"));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QString());
    typeReserve(QStringLiteral("0"), QStringLiteral("4"));
    click(1);
    ASSERT_EQ(rows().size(), 3);
    EXPECT_EQ(rows()[0][field::Reste], QStringLiteral("0"));
    // A reserve of nothing has no months to run: the cell stays empty.
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("Reserve|Prélèvement|0.00 €|"));
    click(1);
    EXPECT_EQ(label(QStringLiteral("Echo2")), QString());
}

TEST_F(ReserveGui, AnUnreadableMonthIsReportedAndTheViewStillLoads) {
    data.ctx().scale.factor = 150;
    data.ctx().accountDb.exec(QStringLiteral("DROP TABLE Janvier"));
    open(screen::Reserve);
    EXPECT_EQ(messages().size(), 1);
    EXPECT_FALSE(shown(QStringLiteral("MSFlexGrid1")));
    EXPECT_FALSE(shown(QStringLiteral("Label4")));
    EXPECT_EQ(grid()->columnWidth(1), 3600 / 15); // laid out at the working scale all the same
    click(2);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(ReserveGui, AnEntryWhoseHandOverCannotBeWrittenOnlyLeaves) {
    blockHandOver(handover::Lire);
    open(screen::EnregisReserve);
    EXPECT_EQ(messages().size(), 1);
    EXPECT_FALSE(shown(QStringLiteral("Text1")));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    click(3);
    EXPECT_EQ(currentName(), screen::Reserve);
}

class ReserveInEnglish : public ScheduleGuiTest {
protected:
    ReserveInEnglish() : ScheduleGuiTest(English) {}
};

TEST_F(ReserveInEnglish, Captions) {
    open(screen::Reserve);
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("To SEE RESERVE"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral(" Account     1"));
    EXPECT_EQ(toolbar()->caption(1), QStringLiteral("To CREATE RESERVE"));
    click(1);
    EXPECT_EQ(current()->caption(), QStringLiteral("To create a Reserve"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Reserve"));
    EXPECT_EQ(label(QStringLiteral("Prompt3")), QStringLiteral("Date (mm/dd/yyyy) "));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("10"));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("2"));
    EXPECT_EQ(label(QStringLiteral("Prompt2")), QStringLiteral("Remain to Cash "));
    PressEnter(input(QStringLiteral("Text3")));
    EXPECT_EQ(label(QStringLiteral("Prompt3")), QStringLiteral("Date (jj/mm/yyyy)  "));
    click(1);
    EXPECT_EQ(data.rows(QStringLiteral("January"))[1][field::Reserve],
              QStringLiteral("10") + Blanks(17) + QStringLiteral(" 20"));
    EXPECT_EQ(grid()->rowTexts().value(1), QStringLiteral("MONTH OF  JANUARY|||"));
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("Reserve|Taking|10.00 €|2 Mois"));
    EXPECT_EQ(grid()->rowTexts().value(4), QStringLiteral("Total of Reserves||10.00 €|"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("Remain in Bank 1 000.00"));
}
