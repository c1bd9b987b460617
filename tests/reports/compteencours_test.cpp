#include "data/handover.h"
#include "reportstest.h"
#include "ui/screennames.h"

using namespace tirelou;
using namespace tirelou::test;

namespace {

class StatementScreen : public ReportScreens {
protected:
    StatementScreen() { standIn({screen::MoisConsulter, screen::Theme, screen::LireRubriques}); }
    // March: remainder carried 100, deposits 500, payments 320, a reserve balance of 30.
    void seed(const QString& table, const QString& house) {
        data.addRow(table, {{field::Reste, u"250"_s},
                            {field::MontPrecedent, u"100"_s},
                            {field::Depot, u"SALAIRE"_s},
                            {field::Montant, u"500"_s},
                            {field::Rubriques, house},
                            {field::Libelle, u"LOYER"_s},
                            {field::NumCheque, u"1234"_s},
                            {field::Prix, u"300"_s},
                            {field::Date, u"01/03/2026"_s},
                            {field::Poste, u"X"_s}});
        data.addRow(table, {{field::Reserve, Pair(u"30"_s, 20, u"70"_s)},
                            {field::Rubriques, house},
                            {field::Libelle, u"EDF"_s},
                            {field::NumCheque, u"PRELEVEMENT"_s},
                            {field::Prix, Pair(u"20"_s, 20, u"200"_s)},
                            {field::Date, u"02/03/2026"_s},
                            {field::Poste, u"P"_s}});
        data.addRow(table, {{field::Rubriques, house},
                            {field::Libelle, u"TOITURE"_s},
                            {field::NumCheque, u"PREVISION"_s},
                            {field::Prix, u"75"_s},
                            {field::Poste, u"R"_s}});
    }
};

} // namespace

TEST_F(StatementScreen, TheHubsStatementListsTheMonthAndPrintsItOnTwoPages) {
    loginTo(French);
    seed(u"Mars"_s, u"MAISON"_s);
    for (int i = 0; i < 60; ++i)
        data.addRow(u"Mars"_s, {{field::Rubriques, u"LOISIRS"_s},
                                {field::Libelle, u"SORTIE %1"_s.arg(i)},
                                {field::NumCheque, u"CARTE"_s},
                                {field::Prix, u"0"_s},
                                {field::Date, u"03/03/2026"_s},
                                {field::Poste, u"C"_s}});
    open(screen::MoisEnCours);
    clickToolbar(1);
    ASSERT_EQ(currentName(), screen::CompteEncours);
    EXPECT_EQ(current()->caption(), u"Voir Compte"_s);
    EXPECT_EQ(frame->caption(), u"TIRELOU"_s);
    EXPECT_EQ(label(u"Label1"_s), u"Tirelou Familial"_s);
    EXPECT_EQ(label(u"Label2"_s), u"Compte  7 Année 2026"_s);
    const QStringList rows = gridRows();
    ASSERT_GT(rows.size(), 20);
    EXPECT_EQ(rows.mid(0, 3),
              (QStringList{u"INTITULE|NUMERO PAIEMENT|DATE|MONTANT"_s, u"MOIS DE |Mars||"_s, u"|||"_s}));
    const qsizetype house = rows.indexOf(u"Rubrique MAISON|||"_s);
    ASSERT_GT(house, 0);
    EXPECT_EQ(rows.mid(house, 4),
              (QStringList{u"Rubrique MAISON|||"_s, u"LOYER      |1234      |01/03/2026      |300.00 €"_s,
                           u"EDF      |PRELEVEMENT      |02/03/2026      |20.00 €"_s,
                           u"Total Dépense de la Rubrique|||320.00 €"_s}));
    // the leisure outings cost nothing: listed, with no total line
    EXPECT_FALSE(rows.contains(u"Total Dépense de la Rubrique|||0.00 €"_s));
    EXPECT_EQ(rows.mid(rows.size() - 5),
              (QStringList{u"Rubrique Reserve|||30.00 €"_s,
                           u"Total Des Dépenses Generales|Du Mois de|Mars|350.00 €"_s,
                           u"Revenu du mois|||500.00 €"_s, u"Reste du Mois Precedent|||100.00 €"_s,
                           u"Reste sur le Compte|||250.00 €"_s}));

    clickToolbar(2);
    const QString pdf = pdfOfLastMessage();
    if (!pdf.isEmpty()) {
        EXPECT_EQ(messages().last().text,
                  u"Aucune imprimante n'est installée : le document est enregistré dans le fichier\n"_s +
                      data.path(u"Voir-Compte-20260315-180000.pdf"_s));
        const QStringList pages = printedPages(pdf);
        if (!pages.isEmpty()) {
            ASSERT_EQ(pages.size(), 2);
            for (const QString& page : pages)
                EXPECT_TRUE(page.trimmed().startsWith(u"INTITULE"_s)) << page.left(80).toStdString();
            const QString loyer = pages[0].split(u'\n').filter(u"LOYER"_s).value(0);
            // label, date, number, amount in that order across the page
            EXPECT_LT(loyer.indexOf(u"LOYER"_s), loyer.indexOf(u"01/03/2026"_s));
            EXPECT_LT(loyer.indexOf(u"01/03/2026"_s), loyer.indexOf(u"1234"_s));
            EXPECT_LT(loyer.indexOf(u"1234"_s), loyer.indexOf(u"300.00 €"_s));
            EXPECT_TRUE(pages[1].contains(u"SORTIE 59"_s));
            EXPECT_TRUE(pages[1].contains(u"Total Des Dépenses Generales Du Mois Mars"_s));
            EXPECT_FALSE(pages[1].contains(u"Rubrique Reserve"_s));
        }
    }
    clickToolbar(1);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(StatementScreen, AnArchivedMonthIsReadFromTheArchivesInEnglishAndAMissingYearIsExplained) {
    loginTo(English, [this] { seed(u"March"_s, u"HOUSE"_s); });
    data.ctx().currentMonth = 3;
    WriteHandOver(data.ctx(), handover::Encour, {u"ARCHIVE"_s, 3.0, u"2024"_s});
    WriteHandOver(data.ctx(), handover::Lire, {u"ARCHIVE"_s, 3.0, u"2024"_s});
    open(screen::CompteEncours);
    EXPECT_EQ(current()->caption(), u"To see Account"_s);
    EXPECT_EQ(label(u"Label2"_s), u"Account  7 Year 2024"_s);
    EXPECT_EQ(toolbar()->caption(1), u"To LEAVE"_s);
    EXPECT_EQ(toolbar()->caption(2), u"To PRINT"_s);
    const QStringList rows = gridRows();
    EXPECT_EQ(rows.value(0), u"TITLE|NUMBER PAYMENT|DATE|GOING UP"_s);
    EXPECT_TRUE(rows.contains(u"Total Expense of the Category|||320.00 €"_s));
    EXPECT_EQ(
        rows.mid(rows.size() - 4),
        (QStringList{u"Total Of the General Expenses|Of the Month of|March|350.00 €"_s,
                     u"Come back of the month|||500.00 €"_s, u"Remain of the Previous Month|||100.00 €"_s,
                     u"Remain on the Account|||250.00 €"_s}));
    EXPECT_TRUE(inArchives());
    clickToolbar(1);
    EXPECT_EQ(currentName(), screen::MoisConsulter);
    EXPECT_TRUE(inArchives()); // the consultation goes on with the archived year

    WriteHandOver(data.ctx(), handover::Lire, {u"ARCHIVE"_s, 3.0, u"2019"_s});
    open(screen::CompteEncours);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().text.startsWith(
        u"The account has no file for the year 2019: the file 72019.acd"_s));
    EXPECT_EQ(gridRows(), QStringList{u"TITLE|NUMBER PAYMENT|DATE|GOING UP"_s});
    EXPECT_FALSE(toolbar()->isButtonEnabled(2));
    EXPECT_TRUE(data.ctx().accountDb.isOpen());
}
