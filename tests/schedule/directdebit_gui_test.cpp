#include "data/handover.h"
#include "schedule/schedule.h"
#include "schedule_gui.h"

using namespace tirelou;
using namespace tirelou::test;

namespace {

class DirectDebitGui : public ScheduleGuiTest {
protected:
    // Types a direct debit on the entry screen, up to the save.
    void typeDirectDebit(int category, const QString& label, const QString& amount, const QString& months) {
        ClickListItem(list(), category);
        Enter(input(QStringLiteral("Text1")), label);
        Enter(input(QStringLiteral("Text2")), amount);
        Enter(input(QStringLiteral("Text3")), months);
        PressEnter(input(QStringLiteral("Text4")));
    }
};

} // namespace

TEST_F(DirectDebitGui, EnteredFromTheHubListedModifiedAndErased) {
    open(screen::Prevision);
    click(2); // PRELEVEMENT
    ASSERT_EQ(currentName(), screen::VoirPrelev);
    EXPECT_EQ(current()->caption(), QStringLiteral("Voir Prelevement"));
    click(1);
    ASSERT_EQ(currentName(), screen::EnregisPrelev);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("1 000.00"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("Compte     1"));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    EXPECT_EQ(list()->count(), 10);
    EXPECT_EQ(HandOverReader(data.ctx(), handover::Lire).line(), QStringLiteral("PRELEVEMENT"));

    ClickListItem(list(), 1); // ENERGIE
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("La Rubrique Choisi est ENERGIE"));
    EXPECT_EQ(label(QStringLiteral("Prompt0")), QStringLiteral("Libelle   ou Fin"));
    EXPECT_EQ(HandOverReader(data.ctx(), handover::Lire).line(), QStringLiteral(" 1 "));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("edf"));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QStringLiteral("EDF"));
    EXPECT_EQ(label(QStringLiteral("Prompt0")), QStringLiteral("Libelle   "));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("12,5"));
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("12.50"));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("3"));
    EXPECT_EQ(label(QStringLiteral("Prompt2")), QStringLiteral("Reste à Regler "));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QStringLiteral("37.50"));
    EXPECT_EQ(input(QStringLiteral("Text4"))->text(), QStringLiteral("15/01/2026"));
    PressEnter(input(QStringLiteral("Text4")));
    EXPECT_EQ(label(QStringLiteral("Prompt3")), QStringLiteral("Date (jj/mm/aaaa)  "));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 3}));
    click(1);

    ASSERT_EQ(currentName(), screen::VoirPrelev);
    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r[1][field::Rubriques], QStringLiteral("ENERGIE"));
    EXPECT_EQ(r[1][field::Libelle], QStringLiteral("EDF"));
    EXPECT_EQ(r[1][field::Prix], QStringLiteral("12.5") + Blanks(30) + QStringLiteral(" 37.5"));
    EXPECT_EQ(r[1][field::Date], QStringLiteral("15/01/2026"));
    EXPECT_EQ(r[1][field::Poste], QStringLiteral("P"));
    EXPECT_EQ(r[1][field::Reste], QStringLiteral("0"));

    click(2); // the list
    EXPECT_EQ(visibleButtons(), (QList<int>{3, 4}));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("VOIR PRELEVEMENT"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("1 000.00"));
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("INTITULE|RUBRIQUE|MONTANT|MOIS RESTANTS"),
                           QStringLiteral("MOIS DE  JANVIER|||"),
                           QStringLiteral("  EDF|  PRELEVEMENT|12.50 €|3 Mois"), QStringLiteral("|||"),
                           QStringLiteral("Total des Prélèvements||12.50 €|")}));

    click(3);
    ASSERT_EQ(currentName(), screen::ModifPrel);
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("N°|Intitulé|Montant"), QStringLiteral(" 2|EDF|12.50")}));
    ClickGridCell(grid(), 1, 2);
    EXPECT_EQ(label(QStringLiteral("Current2")), QStringLiteral("3"));
    EXPECT_EQ(label(QStringLiteral("Current3")), QStringLiteral("37.50"));
    {
        HandOverReader ecrire(data.ctx(), handover::Ecrire);
        EXPECT_EQ(ecrire.line(), QStringLiteral("EDF"));
        EXPECT_EQ(ecrire.line(), QStringLiteral(" 0 "));
        EXPECT_EQ(ecrire.line(), QStringLiteral("Prelevement"));
        HandOverReader modif(data.ctx(), handover::Modif);
        EXPECT_EQ(modif.line(), QStringLiteral("EDF"));
        EXPECT_EQ(modif.line(), QStringLiteral(" 12.5 "));
        EXPECT_EQ(modif.line(), QStringLiteral("37.5"));
        EXPECT_EQ(modif.line(), QStringLiteral("15/01/2026"));
    }
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("Effacer / Modifier / Fin (E / M / F)"));
    EXPECT_EQ(input(QStringLiteral("Text1"))->text(), QStringLiteral("M"));
    PressEnter(input(QStringLiteral("Text1")));
    EXPECT_EQ(input(QStringLiteral("Text2"))->text(), QStringLiteral("EDF"));
    Enter(input(QStringLiteral("Text2")),
          QStringLiteral("edf gaz")); // the field's text is selected: typing replaces it
    EXPECT_EQ(input(QStringLiteral("Text3"))->text(), QStringLiteral("12.5"));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("20"));
    EXPECT_EQ(input(QStringLiteral("Text4"))->text(), QStringLiteral("3"));
    Enter(input(QStringLiteral("Text4")), QStringLiteral("6"));
    EXPECT_EQ(label(QStringLiteral("Echo3")), QStringLiteral("120.00"));
    PressEnter(input(QStringLiteral("Text5")));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 3}));
    click(1);
    r = rows();
    EXPECT_EQ(r[1][field::Libelle], QStringLiteral("EDF GAZ"));
    EXPECT_EQ(r[1][field::Prix], QStringLiteral("20.00") + Blanks(20) + QStringLiteral(" 120"));
    EXPECT_EQ(r[1][field::Date], QStringLiteral("15/01/2026"));
    EXPECT_EQ(grid()->rowTexts().value(1), QStringLiteral(" 2|EDF GAZ|20.00"));
    EXPECT_FALSE(shown(QStringLiteral("Text1")));

    ClickGridCell(grid(), 1, 0);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("e"));
    r = rows();
    ASSERT_EQ(r.size(), 2);
    for (const QString& f : EntryFields())
        EXPECT_EQ(r[1][f], QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(r[0][field::Libelle], QStringLiteral("LOYER"));
    EXPECT_EQ(grid()->rowCount(), 1);

    click(3);
    ASSERT_EQ(currentName(), screen::VoirPrelev);
    click(4);
    EXPECT_EQ(currentName(), screen::Prevision);
}

TEST_F(DirectDebitGui, FinLeavesAndTakeStartsAgainWithoutWriting) {
    open(screen::EnregisPrelev);
    ClickListItem(list(), 0);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("loyer"));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("5"));
    click(3); // leave is always there
    EXPECT_EQ(currentName(), screen::VoirPrelev);
    EXPECT_EQ(rows().size(), 1);

    open(screen::EnregisPrelev);
    typeDirectDebit(0, QStringLiteral("loyer"), QStringLiteral("5"), QStringLiteral("2"));
    click(2); // Reprendre: back to the category list, nothing kept
    EXPECT_TRUE(shown(QStringLiteral("List1")));
    EXPECT_FALSE(shown(QStringLiteral("Text1")));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
    ClickListItem(list(), 2);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("fin"));
    EXPECT_EQ(currentName(), screen::VoirPrelev);
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(DirectDebitGui, FreedRowIsReusedAndZeroAmountsStillList) {
    data.addRow(month(), Row{});
    open(screen::EnregisPrelev);
    typeDirectDebit(4, QStringLiteral("alarme"), QStringLiteral("abc"), QStringLiteral("3"));
    click(1);
    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 2); // the free row was taken
    EXPECT_EQ(r[1][field::Rubriques], QStringLiteral("MAISON"));
    EXPECT_EQ(r[1][field::Prix], QStringLiteral("0") + Blanks(30) + QStringLiteral(" 0"));

    click(2);
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("  ALARME|  PRELEVEMENT|0.00 €|"));
    EXPECT_EQ(grid()->rowTexts().value(4), QStringLiteral("Total des Prélèvements||0.00 €|"));
    click(3);
    EXPECT_EQ(grid()->rowCount(), 1); // nothing to change on a zero direct debit
}

TEST_F(DirectDebitGui, OneWithoutALabelIsChosenChangedAndErased) {
    open(screen::EnregisPrelev);
    typeDirectDebit(1, QString(), QStringLiteral("10"), QStringLiteral("2"));
    click(1);
    ASSERT_EQ(rows().size(), 2);
    EXPECT_EQ(rows()[1][field::Libelle], QString());

    click(3);
    ASSERT_EQ(currentName(), screen::ModifPrel);
    ClickGridCell(grid(), 1, 1);
    ASSERT_TRUE(shown(QStringLiteral("Text1")));
    EXPECT_EQ(label(QStringLiteral("Current1")), QStringLiteral("10.00"));
    PressEnter(input(QStringLiteral("Text1")));
    PressEnter(input(QStringLiteral("Text2")));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("15"));
    PressEnter(input(QStringLiteral("Text4")));
    PressEnter(input(QStringLiteral("Text5")));
    click(1);
    EXPECT_EQ(rows()[1][field::Prix], QStringLiteral("15.00") + Blanks(20) + QStringLiteral(" 30"));

    ClickGridCell(grid(), 1, 2);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("e"));
    const QList<Row> r = rows();
    for (const QString& f : EntryFields())
        EXPECT_EQ(r[1][f], QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(r[0][field::Libelle], QStringLiteral("LOYER"));
}

TEST_F(DirectDebitGui, AHandOverThatCannotBeWrittenStopsTheStep) {
    blockHandOver(handover::Lire);
    open(screen::EnregisPrelev);
    EXPECT_EQ(messages().size(), 1);
    ClickListItem(list(), 1);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_TRUE(shown(QStringLiteral("List1"))); // still choosing
    EXPECT_FALSE(shown(QStringLiteral("Text1")));
    unblockHandOver(handover::Lire);
    ClickListItem(list(), 1);
    EXPECT_TRUE(shown(QStringLiteral("Text1")));

    // A choice whose details cannot be handed over is dropped, the one before it too.
    data.addRow(month(), Row{{field::Rubriques, QStringLiteral("ENERGIE")},
                             {field::Libelle, QStringLiteral("EDF")},
                             {field::Prix, schedule::DirectDebitPrix(30, 2)},
                             {field::Poste, QStringLiteral("P")}});
    data.addRow(month(), Row{{field::Rubriques, QStringLiteral("ENERGIE")},
                             {field::Libelle, QStringLiteral("EAU")},
                             {field::Prix, schedule::DirectDebitPrix(12, 3)},
                             {field::Poste, QStringLiteral("P")}});
    open(screen::ModifPrel);
    ClickGridCell(grid(), 1, 1);
    ASSERT_TRUE(shown(QStringLiteral("Text1")));
    blockHandOver(handover::Modif);
    ClickGridCell(grid(), 2, 1);
    EXPECT_EQ(messages().size(), 3);
    EXPECT_FALSE(shown(QStringLiteral("Text1")));
    EXPECT_EQ(visibleButtons(), QList<int>{3});
}

TEST_F(DirectDebitGui, EmptyMonthShowsAZeroRemainder) {
    data.ctx().accountDb.exec(QStringLiteral("DELETE FROM Janvier"));
    open(screen::EnregisPrelev);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("0.00"));
    typeDirectDebit(1, QStringLiteral("edf"), QStringLiteral("10"), QStringLiteral("2"));
    click(1);
    ASSERT_EQ(rows().size(), 1);
    EXPECT_EQ(rows()[0][field::Reste], QStringLiteral("0"));
    click(2);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("0.00"));
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("  EDF|  PRELEVEMENT|10.00 €|2 Mois"));
}

class DirectDebitInEnglish : public ScheduleGuiTest {
protected:
    DirectDebitInEnglish() : ScheduleGuiTest(English) {}
};

TEST_F(DirectDebitInEnglish, CaptionsAndDateOrder) {
    open(screen::VoirPrelev);
    EXPECT_EQ(current()->caption(), QStringLiteral("To see Taking"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" Tirelou Familial "));
    EXPECT_EQ(toolbar()->caption(3), QStringLiteral("MODIFI. OF A TAKING"));
    click(1);
    EXPECT_EQ(current()->caption(), QStringLiteral("To record Taking"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("CHOICE OF THE CATEGORY FOR THE TAKING"));
    EXPECT_EQ(list()->item(6)->text(), QStringLiteral("TAKING"));
    ClickListItem(list(), 1);
    EXPECT_EQ(label(QStringLiteral("Prompt0")), QStringLiteral("Draw Thin either"));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("power"));
    EXPECT_EQ(label(QStringLiteral("Prompt1")), QStringLiteral("Going up  "));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("30"));
    EXPECT_EQ(label(QStringLiteral("Prompt2")), QStringLiteral("Number of Month"));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("2"));
    EXPECT_EQ(input(QStringLiteral("Text4"))->text(), QStringLiteral("01/15/2026"));
    EXPECT_EQ(label(QStringLiteral("Prompt3")), QStringLiteral("Date (mm/dd/yyyy) "));
    PressEnter(input(QStringLiteral("Text4")));
    click(1);
    ASSERT_EQ(rows().size(), 2);
    EXPECT_EQ(rows()[1][field::Rubriques], QStringLiteral("ENERGY"));
    EXPECT_EQ(month(), QStringLiteral("January"));

    click(2);
    EXPECT_EQ(grid()->rowTexts().value(0), QStringLiteral("TITLED|CATEGORY|GOING UP|REMAINING MONTHS"));
    EXPECT_EQ(grid()->rowTexts().value(1), QStringLiteral("MONTH OF  JANUARY|||"));
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("  POWER|  TAKING|30.00 €|2 Mois"));
    EXPECT_EQ(grid()->rowTexts().value(4), QStringLiteral("Total of Taking||30.00 €|"));

    click(3);
    EXPECT_EQ(current()->caption(), QStringLiteral("To modify Taking"));
    EXPECT_EQ(toolbar()->caption(1), QStringLiteral("To RECORD"));
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("E=To Erase / M=To Modify / F=End"));
    PressEnter(input(QStringLiteral("Text1")));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("Drawn"));
    PressEnter(input(QStringLiteral("Text2")));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("BRINGING UP THE REGULATION"));
    PressEnter(input(QStringLiteral("Text3")));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("NUMBER OF MONTH"));
    EXPECT_EQ(label(QStringLiteral("Caption2")), QStringLiteral("Number of Month"));
    PressEnter(input(QStringLiteral("Text4")));
    PressEnter(input(QStringLiteral("Text5")));
    click(2); // To REDO: the choice again, nothing written
    EXPECT_EQ(rows()[1][field::Prix], QStringLiteral("30") + Blanks(30) + QStringLiteral(" 60"));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("f"));
    EXPECT_EQ(currentName(), screen::VoirPrelev);
}
