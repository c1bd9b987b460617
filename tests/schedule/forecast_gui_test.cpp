#include "data/handover.h"
#include "schedule/schedule.h"
#include "schedule_gui.h"

using namespace tirelou;
using namespace tirelou::test;

namespace {

class ForecastGui : public ScheduleGuiTest {
protected:
    ForecastGui() {
        // A direct debit, which the forecast screens leave alone.
        data.addRow(month(), Row{{field::Rubriques, QStringLiteral("ENERGIE")},
                                 {field::Libelle, QStringLiteral("EDF")},
                                 {field::NumCheque, QStringLiteral("PRELEVEMENT")},
                                 {field::Prix, schedule::DirectDebitPrix(30, 2)},
                                 {field::Poste, QStringLiteral("P")}});
    }
    void startForecast(int category) {
        click(1);
        click(3);
        ClickListItem(list(), category);
    }
};

} // namespace

TEST_F(ForecastGui, EnteredListedModifiedAndErased) {
    open(screen::Prevision);
    EXPECT_EQ(current()->caption(), QStringLiteral("Prevision / Prelevement"));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6}));
    EXPECT_FALSE(shown(QStringLiteral("Label2"))); // no account lines yet
    EXPECT_FALSE(shown(QStringLiteral("Label3")));
    click(1);
    EXPECT_EQ(current()->caption(), QStringLiteral("Prevision"));
    EXPECT_EQ(visibleButtons(), (QList<int>{3, 4, 5, 7}));
    click(3);
    EXPECT_EQ(HandOverReader(data.ctx(), handover::Ecrire).line(), QStringLiteral("ECRIRE"));
    EXPECT_TRUE(shown(QStringLiteral("List1")));
    EXPECT_EQ(visibleButtons(), QList<int>{7}); // only the way back while typing
    ClickListItem(list(), 9);                   // SANTE
    {
        HandOverReader lire(data.ctx(), handover::Lire);
        EXPECT_EQ(lire.line(), QStringLiteral("SANTE"));
        EXPECT_EQ(lire.line(), QStringLiteral(" 9 "));
    }
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("RUBRIQUE"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("SANTE"));
    EXPECT_TRUE(shown(QStringLiteral("Label2")));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("Compte     1"));
    EXPECT_FALSE(shown(QStringLiteral("Label3")));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("Libelle"));
    Enter(input(QStringLiteral("Text1")), QStringLiteral(" dentiste "));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QStringLiteral("Libelle   DENTISTE"));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("MONTANT DU REGLEMENT"));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("100"));
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("Montant  100.00 €"));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("4"));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QStringLiteral("Reste à Regler 400.00 €"));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("DATE (JJ/MM/AAAA)"));
    EXPECT_EQ(input(QStringLiteral("Text4"))->text(), QStringLiteral("15/01/2026"));
    PressEnter(input(QStringLiteral("Text4"))); // saves at once

    QList<Row> r = rows();
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[2][field::Rubriques], QStringLiteral("SANTE"));
    EXPECT_EQ(r[2][field::Libelle], QStringLiteral("DENTISTE"));
    EXPECT_EQ(r[2][field::NumCheque], QStringLiteral("PREVISION"));
    EXPECT_EQ(r[2][field::Prix], QStringLiteral(" 100") + Blanks(30) + QStringLiteral(" 400"));
    EXPECT_EQ(r[2][field::Date], QStringLiteral("15/01/2026"));
    EXPECT_EQ(r[2][field::Poste], QStringLiteral("R"));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6})); // back to the first state
    EXPECT_FALSE(shown(QStringLiteral("Text4")));
    EXPECT_FALSE(shown(QStringLiteral("Label2")));

    click(1);
    click(4);
    EXPECT_EQ(HandOverReader(data.ctx(), handover::Ecrire).line(), QStringLiteral("VOIR"));
    EXPECT_EQ(visibleButtons(), (QList<int>{5, 7}));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("Compte 1"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("1 000.00 €"));
    EXPECT_TRUE(shown(QStringLiteral("Label3")));
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("INTITULE|RUBRIQUE|MONTANT|MOIS RESTANTS"),
                           QStringLiteral("MOIS DE  JANVIER|||"),
                           QStringLiteral("  DENTISTE|  PREVISION|100.00 €|4 Mois"), QStringLiteral("|||"),
                           QStringLiteral("  Total Des Prévisions||100.00 €|")}));

    click(5);
    ASSERT_EQ(currentName(), screen::ModifPrevi);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("1 000.00"));
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{QStringLiteral("N°|Intitulé|Montant"), QStringLiteral(" 3|DENTISTE|100.00")}));
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(HandOverReader(data.ctx(), handover::Ecrire).line(), QStringLiteral(" 2 "));
    EXPECT_EQ(label(QStringLiteral("Current2")), QStringLiteral("4"));
    EXPECT_EQ(input(QStringLiteral("Text1"))->text(), QStringLiteral("M"));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("modifier"));
    PressEnter(input(QStringLiteral("Text2")));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("50"));
    EXPECT_EQ(input(QStringLiteral("Text4"))->text(), QStringLiteral("4"));
    Enter(input(QStringLiteral("Text4")), QStringLiteral("3"));
    Enter(input(QStringLiteral("Text5")), QStringLiteral("20/01/2026"));
    EXPECT_EQ(label(QStringLiteral("Echo4")), QStringLiteral("20/01/2026"));
    EXPECT_FALSE(shown(QStringLiteral("Label6"))); // the prompt is cleared after the date
    click(1);
    r = rows();
    EXPECT_EQ(r[2][field::Libelle], QStringLiteral("DENTISTE"));
    EXPECT_EQ(r[2][field::Prix], QStringLiteral("50") + Blanks(20) + QStringLiteral(" 150"));
    EXPECT_EQ(r[2][field::Date], QStringLiteral("20/01/2026"));
    EXPECT_EQ(grid()->rowTexts().value(1), QStringLiteral(" 3|DENTISTE|50.00"));

    ClickGridCell(grid(), 1, 0);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("E"));
    r = rows();
    for (const QString& f : EntryFields())
        EXPECT_EQ(r[2][f], QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(r[1][field::Libelle], QStringLiteral("EDF"));
    EXPECT_FALSE(shown(QStringLiteral("MSFlexGrid1")));
    EXPECT_TRUE(shown(QStringLiteral("Label5")));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("PAS DE MODIF POSSIBLE RUBRIQUE VIDE"));

    click(3);
    EXPECT_EQ(currentName(), screen::Prevision);
    click(6);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(ForecastGui, AnEmptyAnswerAbandonsTheEntry) {
    open(screen::Prevision);
    for (int step = 1; step <= 4; ++step) {
        startForecast(0);
        const QStringList answers{QStringLiteral("assurance"), QStringLiteral("20"), QStringLiteral("2")};
        for (int i = 1; i < step; ++i)
            Enter(input(QStringLiteral("Text%1").arg(i)), answers[i - 1]);
        ui::InputField* last = input(QStringLiteral("Text%1").arg(step));
        last->clear();
        Enter(last, QStringLiteral("  "));
        EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6})) << "step " << step;
        EXPECT_FALSE(shown(QStringLiteral("Text%1").arg(step)));
    }
    EXPECT_EQ(rows().size(), 2);

    // RETOUR leaves the category list too.
    click(1);
    click(3);
    click(7);
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6}));
    EXPECT_FALSE(shown(QStringLiteral("List1")));
}

TEST_F(ForecastGui, ZeroAmountForecastIsListedWithoutMonthsAndNotOffered) {
    open(screen::Prevision);
    startForecast(5);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("cinema"));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("rien"));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("3"));
    Enter(input(QStringLiteral("Text4")), QStringLiteral("x"));
    ASSERT_EQ(rows().size(), 3);
    EXPECT_EQ(rows()[2][field::Prix], QStringLiteral(" 0") + Blanks(30) + QStringLiteral(" 0"));
    click(1);
    click(4);
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("  CINEMA|  PREVISION|0.00 €|"));
    click(5);
    EXPECT_FALSE(shown(QStringLiteral("MSFlexGrid1")));
    EXPECT_TRUE(shown(QStringLiteral("Label5")));
    EXPECT_FALSE(shown(QStringLiteral("Text1"))); // no choice without an item
}

TEST_F(ForecastGui, FAndAnUnknownLetter) {
    data.addRow(month(), Row{{field::Rubriques, QStringLiteral("SANTE")},
                             {field::Libelle, QStringLiteral("DENTISTE")},
                             {field::Prix, schedule::ForecastPrix(100, 4)},
                             {field::Poste, QStringLiteral("R")}});
    open(screen::ModifPrevi);
    ClickGridCell(grid(), 1, 2);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("z"));
    EXPECT_TRUE(shown(QStringLiteral("Text1"))); // the question stays
    EXPECT_EQ(rows().size(), 3);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("f"));
    EXPECT_EQ(currentName(), screen::Prevision);
    EXPECT_EQ(rows()[2][field::Prix], schedule::ForecastPrix(100, 4));
}

TEST_F(ForecastGui, OneWithoutALabelIsChosenChangedAndErased) {
    data.addRow(month(), Row{{field::Rubriques, QStringLiteral("SANTE")},
                             {field::Libelle, QString()},
                             {field::NumCheque, QStringLiteral("PREVISION")},
                             {field::Prix, schedule::ForecastPrix(100, 4)},
                             {field::Poste, QStringLiteral("R")}});
    open(screen::ModifPrevi);
    ClickGridCell(grid(), 1, 1);
    ASSERT_TRUE(shown(QStringLiteral("Text1")));
    PressEnter(input(QStringLiteral("Text1")));
    PressEnter(input(QStringLiteral("Text2")));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("50"));
    PressEnter(input(QStringLiteral("Text4")));
    PressEnter(input(QStringLiteral("Text5")));
    click(1);
    EXPECT_EQ(rows()[2][field::Prix], QStringLiteral("50") + Blanks(20) + QStringLiteral(" 200"));
    EXPECT_EQ(rows()[2][field::Libelle], QString());

    ClickGridCell(grid(), 1, 2);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("e"));
    const QList<Row> r = rows();
    for (const QString& f : EntryFields())
        EXPECT_EQ(r[2][f], QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(r[1][field::Libelle], QStringLiteral("EDF"));
}

TEST_F(ForecastGui, AHandOverThatCannotBeWrittenStopsTheStep) {
    open(screen::Prevision);
    click(1);
    blockHandOver(handover::Ecrire);
    click(3);
    click(4);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_FALSE(shown(QStringLiteral("List1")));
    EXPECT_FALSE(shown(QStringLiteral("MSFlexGrid1")));
    EXPECT_EQ(visibleButtons(), (QList<int>{3, 4, 5, 7}));

    unblockHandOver(handover::Ecrire);
    blockHandOver(handover::Lire);
    click(3);
    ClickListItem(list(), 9);
    EXPECT_EQ(messages().size(), 3);
    EXPECT_TRUE(shown(QStringLiteral("List1"))); // the category is still to choose
    EXPECT_FALSE(shown(QStringLiteral("Text1")));
}

class ForecastInEnglish : public ScheduleGuiTest {
protected:
    ForecastInEnglish() : ScheduleGuiTest(English) {}
};

TEST_F(ForecastInEnglish, CaptionsAndPounds) {
    open(screen::Prevision);
    EXPECT_EQ(current()->caption(), QStringLiteral("Forecasting / Taking"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" Domestic Tirelou "));
    EXPECT_EQ(toolbar()->caption(5), QStringLiteral("MODIFI. FORECASTING"));
    EXPECT_EQ(toolbar()->caption(6), QStringLiteral("To LEAVE"));
    click(1);
    EXPECT_EQ(current()->caption(), QStringLiteral("Prevision"));
    click(3);
    ClickListItem(list(), 9);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("CATEGORY"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("HEALTH"));
    Enter(input(QStringLiteral("Text1")), QStringLiteral("glasses"));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QStringLiteral("Drawn   GLASSES"));
    Enter(input(QStringLiteral("Text2")), QStringLiteral("1234,5"));
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("Going up  1 234.50 £"));
    Enter(input(QStringLiteral("Text3")), QStringLiteral("2"));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QStringLiteral("Remain to Adjust 2 469.00 £"));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("DATE (MM/DD/YYYY)"));
    EXPECT_EQ(input(QStringLiteral("Text4"))->text(), QStringLiteral("01/15/2026"));
    PressEnter(input(QStringLiteral("Text4")));
    EXPECT_EQ(rows()[1][field::Prix], QStringLiteral(" 1234.5") + Blanks(30) + QStringLiteral(" 2469"));

    click(1);
    click(4);
    EXPECT_EQ(grid()->rowTexts().value(2), QStringLiteral("  GLASSES|  FORECASTING|1 234.50 €|2 Mois"));
    EXPECT_EQ(grid()->rowTexts().value(4), QStringLiteral("  Total Of Forecastings||1 234.50 €|"));
    click(5);
    EXPECT_EQ(current()->caption(), QStringLiteral("To modify Forecasting"));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("MODIFICATION OF FORECASTING"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral(" Account     1"));
    EXPECT_EQ(toolbar()->caption(3), QStringLiteral("RETURN"));
    ClickGridCell(grid(), 1, 1);
    Enter(input(QStringLiteral("Text1")), QStringLiteral("e"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("NOT OF MODIFICATION POSSIBLE EMPTY CATEGORY"));
    EXPECT_EQ(rows()[1][field::Rubriques], QStringLiteral("0"));
}
