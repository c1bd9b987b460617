#include "data/handover.h"
#include "schedule/schedule.h"
#include "schedule_gui.h"

#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class ForecastGui : public ScheduleGuiTest {
protected:
    // A direct debit, which the forecast screens leave alone.
    ForecastGui() { addScheduled(u"P"_s, u"EDF"_s, schedule::DirectDebitPrix(30, 2)); }
    void startForecast(int category) {
        click(1);
        click(3);
        ClickListItem(list(), category);
    }
};

} // namespace

TEST_F(ForecastGui, EnteredListedModifiedAndErased) {
    open(screen::Prevision);
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6}));
    EXPECT_FALSE(shown(u"Label2"_s)); // no account lines yet
    EXPECT_FALSE(shown(u"Label3"_s));
    click(1);
    click(3);
    EXPECT_FALSE(toolbar()->isVisible()); // no toolbar while the entry runs
    ClickListItem(list(), 9);
    EXPECT_EQ(label(u"Label5"_s), u"SANTE"_s);
    EXPECT_TRUE(shown(u"Label2"_s)); // the account line comes with the category
    EXPECT_EQ(label(u"Label2"_s), u"Compte     1"_s);
    EXPECT_FALSE(shown(u"Label3"_s));
    answer({u" dentiste "_s, u"100"_s, u"4"_s});
    EXPECT_EQ(label(u"Echo2"_s), u"Reste à Regler 400.00 €"_s);
    EXPECT_EQ(input(4)->text(), u"15/01/2026"_s);
    PressEnter(input(4)); // saves at once

    EXPECT_EQ(entry(2), (QStringList{u"SANTE"_s, u"DENTISTE"_s, u"PREVISION"_s,
                                     Pair(u" 100"_s, 30, u" 400"_s), u"15/01/2026"_s, u"R"_s}));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6})); // back to the first state
    EXPECT_TRUE(toolbar()->isVisible());
    EXPECT_FALSE(shown(u"Label2"_s));
    startForecast(5);
    answer({u"cinema"_s, u"rien"_s, u"3"_s, u"x"_s});
    EXPECT_EQ(rows().value(3)[field::Prix], Pair(u" 0"_s, 30, u" 0"_s));

    click(1);
    click(4);
    EXPECT_EQ(visibleButtons(), (QList<int>{5, 7}));
    EXPECT_EQ(label(u"Label2"_s), u"Compte 1"_s);
    EXPECT_TRUE(shown(u"Label3"_s));
    EXPECT_EQ(label(u"Label3"_s), u"1 000.00 €"_s);
    EXPECT_EQ(gridRows(),
              (QStringList{u"INTITULE|RUBRIQUE|MONTANT|MOIS RESTANTS"_s, u"MOIS DE  JANVIER|||"_s,
                           u"  DENTISTE|  PREVISION|100.00 €|4 Mois"_s, u"  CINEMA|  PREVISION|0.00 €|"_s,
                           u"|||"_s, u"  Total Des Prévisions||100.00 €|"_s}));

    click(5);
    ASSERT_EQ(currentName(), screen::ModifPrevi);
    EXPECT_EQ(label(u"Label4"_s), u"1 000.00"_s);
    EXPECT_EQ(gridRows(),
              (QStringList{u"N°|Intitulé|Montant"_s, u" 3|DENTISTE|100.00"_s})); // not the zero one
    ClickGridCell(grid(), 1, 1);
    EXPECT_EQ(label(u"Current2"_s), u"4"_s);
    answer({u"modifier"_s, QString(), u"50"_s, u"3"_s, u"20/01/2026"_s});
    EXPECT_EQ(label(u"Echo4"_s), u"20/01/2026"_s);
    click(1);
    EXPECT_EQ(entry(2), (QStringList{u"SANTE"_s, u"DENTISTE"_s, u"PREVISION"_s, Pair(u"50"_s, 20, u" 150"_s),
                                     u"20/01/2026"_s, u"R"_s}));
    EXPECT_EQ(gridRows().value(1), u" 3|DENTISTE|50.00"_s);

    ClickGridCell(grid(), 1, 0);
    answer({u"E"_s});
    EXPECT_EQ(entry(2), QStringList(6, u"0"_s));
    EXPECT_EQ(rows()[1][field::Libelle], u"EDF"_s);
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s));
    EXPECT_EQ(label(u"Label5"_s), u"PAS DE MODIF POSSIBLE RUBRIQUE VIDE"_s);

    click(3);
    EXPECT_EQ(currentName(), screen::Prevision);
    click(6);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(ForecastGui, AnEmptyAnswerAbandonsTheEntry) {
    open(screen::Prevision);
    const QStringList answers{u"assurance"_s, u"20"_s, u"2"_s};
    for (int step = 1; step <= 4; ++step) {
        SCOPED_TRACE(step);
        startForecast(0);
        answer(answers.first(step - 1));
        input(step)->clear();
        answer({u"  "_s}, step);
        EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6}));
        EXPECT_FALSE(shown(u"Text%1"_s.arg(step)));
    }
    EXPECT_EQ(rows().size(), 2);

    click(1);
    click(3);
    QTest::keyClick(list(), Qt::Key_Escape); // Escape leaves the category list
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2, 6}));
    EXPECT_FALSE(shown(u"List1"_s));
}

TEST_F(ForecastGui, OneWithoutALabelIsChosenChangedAndErased) {
    addScheduled(u"R"_s, QString(), schedule::ForecastPrix(100, 4));
    open(screen::ModifPrevi);
    ClickGridCell(grid(), 1, 1);
    answer({u"z"_s});
    EXPECT_TRUE(shown(u"Text1"_s)); // another letter: the question stays
    answer({u"m"_s, QString(), u"50"_s, QString(), QString()});
    click(1);
    EXPECT_EQ(rows()[2][field::Prix], Pair(u"50"_s, 20, u" 200"_s));
    EXPECT_EQ(rows()[2][field::Libelle], QString());

    ClickGridCell(grid(), 1, 2);
    answer({u"e"_s});
    EXPECT_EQ(entry(2), QStringList(6, u"0"_s));
    EXPECT_EQ(rows()[1][field::Libelle], u"EDF"_s);
}

TEST_F(ForecastGui, AHandOverThatCannotBeWrittenStopsTheStep) {
    open(screen::Prevision);
    click(1);
    blockHandOver(handover::Ecrire);
    click(3);
    click(4);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_FALSE(shown(u"List1"_s));
    EXPECT_FALSE(shown(u"MSFlexGrid1"_s));
    EXPECT_EQ(visibleButtons(), (QList<int>{3, 4, 5, 7}));

    unblockHandOver(handover::Ecrire);
    blockHandOver(handover::Lire);
    click(3);
    ClickListItem(list(), 9);
    EXPECT_EQ(messages().size(), 3);
    EXPECT_TRUE(shown(u"List1"_s)); // the category is still to choose
    EXPECT_FALSE(shown(u"Text1"_s));
}
