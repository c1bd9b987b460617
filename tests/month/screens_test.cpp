#include "data/handover.h"
#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screennames.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>

using namespace tirelou;
using namespace tirelou::test;

namespace {

const QString Mars = QStringLiteral("Mars");
const QString Blanks15(15, QLatin1Char(' '));

// Stands for the screens of other parts of the program that the month screens open.
class Elsewhere : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override {}
};

// Account 1 in March 2026, on the 15th: remainder 100, a reserve of 50 with 200 still to
// build up, three rows in all.
class MonthScreens : public GuiTest {
protected:
    MonthScreens() {
        for (const QString& name :
             {screen::CompteEncours, screen::Theme, screen::LireRubriques, screen::Prevision,
              screen::Mouvement, screen::Sauvegarde, screen::Reserve, screen::MenuTirelou})
            registry.add<Elsewhere>(name);
        data.login(data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("SECRET"), 3), French);
        data.ctx().clock.setToday(QDate(2026, 3, 15));
    }

    void seed() {
        data.addRow(Mars, {{field::Reste, QStringLiteral("100")},
                           {field::MontPrecedent, QStringLiteral("80")},
                           {field::Reserve, QStringLiteral("25")}});
        data.addRow(Mars, {{field::Reserve, QStringLiteral("50") + Blanks15 + QStringLiteral(" 200")}});
        data.addRow(Mars, {{field::Reserve, QStringLiteral("01/03/2026")}});
    }

    QString label(const QString& name) const {
        const QLabel* l = child<QLabel>(name);
        return l ? l->text() : QString();
    }
    bool shown(const QString& name) const {
        const QWidget* w = child<QWidget>(name);
        return w && w->isVisible();
    }
    ui::InputField* field(const QString& name) const { return child<ui::InputField>(name); }
    ui::ListBox* list() const { return child<ui::ListBox>(QStringLiteral("List1")); }
    ui::Grid* grid() const { return child<ui::Grid>(QStringLiteral("Grid1")); }
    void click(int button) {
        clickToolbar(button);
        settle(0);
    }
    // Replaces what a field holds, as a user selecting its text and typing over it.
    void retype(const QString& name, const QString& text) {
        ui::InputField* f = field(name);
        ASSERT_NE(f, nullptr);
        f->clear();
        Enter(f, text);
    }

    // One payment through the entry screen; an empty date keeps today's.
    void typePayment(int category, const QString& text, const QString& number, const QString& amount,
                     const QString& date = QString()) {
        ASSERT_EQ(currentName(), screen::EnregisUn);
        ClickListItem(list(), category);
        Enter(field(QStringLiteral("Text1")), text);
        Enter(field(QStringLiteral("Text2")), number);
        Enter(field(QStringLiteral("Text3")), amount);
        if (date.isEmpty())
            PressEnter(field(QStringLiteral("Text4")));
        else
            retype(QStringLiteral("Text4"), date);
        click(1);
    }
    void typeDeposit(const QString& text, const QString& amount) {
        ASSERT_EQ(currentName(), screen::BanqueUn);
        if (text.isEmpty())
            PressEnter(field(QStringLiteral("Text1")));
        else
            retype(QStringLiteral("Text1"), text);
        Enter(field(QStringLiteral("Text2")), amount);
        click(1);
    }
    // Clicks the payment at `line` of the category's grid.
    void choosePayment(int category, int line) {
        ASSERT_EQ(currentName(), screen::ModifCheque);
        ClickListItem(list(), category);
        ASSERT_TRUE(shown(QStringLiteral("Grid1")));
        ClickGridCell(grid(), line, 0);
    }

    static Row MonthRow(const QStringList& entry, const QString& depot, const QString& montant,
                        const QString& reste, const QString& previous, const QString& reserve) {
        Row r;
        for (int i = 0; i < 6; ++i)
            r.insert(EntryFields()[i], entry[i]);
        r.insert(field::Depot, depot);
        r.insert(field::Montant, montant);
        r.insert(field::Reste, reste);
        r.insert(field::MontPrecedent, previous);
        r.insert(field::Reserve, reserve);
        return r;
    }
};

TEST_F(MonthScreens, AMonthOfPaymentsDepositsAndCorrections) {
    seed();
    open(screen::MoisEnCours);
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("1   100.00 €"));

    click(5);
    // A label holding a quote and a comma, an amount with a decimal comma, today's date.
    typePayment(4, QStringLiteral("loyer d'avril, acompte"), QStringLiteral("1234567"),
                QStringLiteral("60,50"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("39.50 €"));
    EXPECT_TRUE(shown(QStringLiteral("List1")));
    // The remainder falls below zero: the reserve covers it.
    typePayment(1, QStringLiteral("edf"), QStringLiteral("carte"), QStringLiteral("80"),
                QStringLiteral("16/03/2026"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("0.00 €"));
    // The last row is never taken: this one gets a row of its own; the reserve runs out.
    typePayment(5, QStringLiteral("cinema"), QStringLiteral("1235"), QStringLiteral("20"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("-10.50 €"));

    click(4);
    ASSERT_EQ(currentName(), screen::MoisEnCours);
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("1   -10.50 €"));
    click(4);
    typeDeposit(QStringLiteral("salaire"), QStringLiteral("1500,25"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("1 489.75 €"));
    typeDeposit(QString(), QStringLiteral("-40")); // the label offered, a withdrawal
    click(3);

    click(7);
    choosePayment(4, 1);
    Enter(field(QStringLiteral("Text1")), QString()); // "M" is offered
    retype(QStringLiteral("Text2"), QStringLiteral("loyer d'avril, solde"));
    retype(QStringLiteral("Text3"), QStringLiteral("75"));
    PressEnter(field(QStringLiteral("Text4")));
    PressEnter(field(QStringLiteral("Text5")));
    click(1);
    // The corrected payment is found again by its new label, and erased.
    choosePayment(4, 1);
    EXPECT_EQ(grid()->rowTexts().value(0), QStringLiteral("Intitulé|N°|Montant"));
    retype(QStringLiteral("Text1"), QStringLiteral("e"));
    EXPECT_TRUE(shown(QStringLiteral("List1")));
    click(3);
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("1   1 510.25 €"));

    // The erased payment's row is the first free one again.
    click(5);
    typePayment(9, QStringLiteral("pharmacie"), QStringLiteral("carte"), QStringLiteral("3,5"));

    const QString reserveLeft = QStringLiteral("0") + Blanks15 + QStringLiteral(" 209.5");
    const QList<Row> expected{
        MonthRow({"SANTE", "PHARMACIE", "CARTE", "3.5", "15/03/2026", "C"}, "SALAIRE", "1500.25", "1506.75",
                 "80", "25"),
        MonthRow({"ENERGIE", "EDF", "CARTE", "80", "16/03/2026", "C"}, "DEPOS", "-40", "0", "0", reserveLeft),
        MonthRow({"0", "0", "0", "0", "0", "0"}, "0", "0", "0", "0", "01/03/2026"),
        MonthRow({"LOISIRS", "CINEMA", "1235", "20", "15/03/2026", "X"}, "0", "0", "0", "0", "0"),
    };
    const QList<Row> actual = data.rows(Mars);
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        for (const QString& f : MonthFields())
            EXPECT_EQ(actual[i].value(f), expected[i].value(f)) << "row " << i << " " << f.toStdString();
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MonthScreens, ModificationChoicesAndWhatIsListed) {
    seed();
    data.addRow(Mars, {{field::Rubriques, QStringLiteral("ENERGIE")},
                       {field::Libelle, QStringLiteral("EDF")},
                       {field::NumCheque, QStringLiteral("PRELEVEMENT")},
                       {field::Prix, QStringLiteral("40                    120")},
                       {field::Poste, QStringLiteral("P")}});
    open(screen::EnregisUn);
    typePayment(4, QStringLiteral("eau"), QStringLiteral("11"), QStringLiteral("10"));
    typePayment(4, QStringLiteral("eau"), QStringLiteral("12"), QStringLiteral("20"));
    open(screen::ModifCheque);
    EXPECT_EQ(list()->count(), 10);

    // A category holding only a direct debit has nothing to offer.
    ClickListItem(list(), 1);
    EXPECT_TRUE(shown(QStringLiteral("List1")));
    EXPECT_FALSE(shown(QStringLiteral("Grid1")));

    ClickListItem(list(), 4);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("70.00  € "));
    EXPECT_EQ(grid()->rowTexts(),
              QStringList({QStringLiteral("Intitulé|N°|Montant"), QStringLiteral("EAU|1|10.00 € "),
                           QStringLiteral("EAU|2|20.00 € ")}));
    ClickGridCell(grid(), 0, 1); // the heading
    EXPECT_TRUE(shown(QStringLiteral("Grid1")));

    ClickGridCell(grid(), 2, 0);
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("Modification Effacement Fin >>----------->"));
    EXPECT_EQ(label(QStringLiteral("Label6")), QStringLiteral("M / E / F"));
    retype(QStringLiteral("Text1"), QStringLiteral("f"));
    EXPECT_TRUE(shown(QStringLiteral("List1")));

    // An unknown answer leaves only the way out.
    choosePayment(4, 2);
    retype(QStringLiteral("Text1"), QStringLiteral("x"));
    for (const char* name : {"Text1", "Text2", "List1", "Grid1"})
        EXPECT_FALSE(shown(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(toolbar()->isButtonVisible(1));
    EXPECT_FALSE(toolbar()->isButtonVisible(2));
    click(3);
    ASSERT_EQ(currentName(), screen::MoisEnCours);

    // The second payment of the same label is clicked: the first one is the one changed.
    click(7);
    choosePayment(4, 2);
    PressEnter(field(QStringLiteral("Text1")));
    PressEnter(field(QStringLiteral("Text2")));
    retype(QStringLiteral("Text3"), QStringLiteral("0")); // an amount of 0 saves nothing
    PressEnter(field(QStringLiteral("Text4")));
    PressEnter(field(QStringLiteral("Text5")));
    click(1);
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Prix), QStringLiteral("10"));
    choosePayment(4, 2);
    PressEnter(field(QStringLiteral("Text1")));
    PressEnter(field(QStringLiteral("Text2")));
    retype(QStringLiteral("Text3"), QStringLiteral("15"));
    PressEnter(field(QStringLiteral("Text4")));
    PressEnter(field(QStringLiteral("Text5")));
    click(2); // back to the grid: nothing saved
    EXPECT_TRUE(shown(QStringLiteral("Grid1")));
    ClickGridCell(grid(), 2, 0);
    retype(QStringLiteral("Text1"), QStringLiteral("modif")); // only the first letter counts
    EXPECT_EQ(field(QStringLiteral("Text2"))->text(), QStringLiteral("EAU"));
    PressEnter(field(QStringLiteral("Text2")));
    EXPECT_EQ(field(QStringLiteral("Text3"))->text(), QStringLiteral("20"));
    retype(QStringLiteral("Text3"), QStringLiteral("15"));
    EXPECT_EQ(field(QStringLiteral("Text4"))->text(), QStringLiteral("12"));
    retype(QStringLiteral("Text4"), QStringLiteral("carte"));
    EXPECT_EQ(field(QStringLiteral("Text5"))->text(), QStringLiteral("15/03/2026"));
    retype(QStringLiteral("Text5"), QStringLiteral("14/03/2026"));
    click(1);
    const QList<Row> rows = data.rows(Mars);
    EXPECT_EQ(rows.at(0).value(field::Prix), QStringLiteral("15"));
    EXPECT_EQ(rows.at(0).value(field::NumCheque), QStringLiteral("CARTE"));
    EXPECT_EQ(rows.at(0).value(field::Poste), QStringLiteral("X")); // the kind stays
    EXPECT_EQ(rows.at(0).value(field::Date), QStringLiteral("14/03/2026"));
    EXPECT_EQ(rows.at(1).value(field::Prix), QStringLiteral("20"));
    EXPECT_EQ(rows.at(0).value(field::Reste), QStringLiteral("65"));
    EXPECT_EQ(rows.at(3).value(field::Prix), QStringLiteral("40                    120"));
}

TEST_F(MonthScreens, ErasingGivesBackTheChosenPaymentsAmount) {
    seed();
    open(screen::EnregisUn);
    typePayment(4, QStringLiteral("eau"), QStringLiteral("11"), QStringLiteral("10"));
    typePayment(4, QStringLiteral("eau"), QStringLiteral("12"), QStringLiteral("20"));
    open(screen::ModifCheque);
    choosePayment(4, 2);
    retype(QStringLiteral("Text1"), QStringLiteral("e"));
    EXPECT_TRUE(shown(QStringLiteral("List1")));
    const QList<Row> rows = data.rows(Mars);
    EXPECT_EQ(rows.at(0).value(field::Reste), QStringLiteral("90"));
    for (const QString& f : EntryFields()) // the row found by its label is the one freed
        EXPECT_EQ(rows.at(0).value(f), QStringLiteral("0")) << f.toStdString();
    EXPECT_EQ(rows.at(1).value(field::NumCheque), QStringLiteral("12"));
    EXPECT_EQ(rows.at(1).value(field::Prix), QStringLiteral("20"));
}

TEST_F(MonthScreens, PaymentEntryGoesOneFieldAtATime) {
    seed();
    open(screen::EnregisUn);
    EXPECT_EQ(current()->caption(), QStringLiteral("Enregistre Paiement"));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("Compte     1"));
    EXPECT_EQ(list()->count(), 10);
    EXPECT_TRUE(toolbar()->isButtonVisible(4));
    for (int b : {1, 2, 3, 5})
        EXPECT_FALSE(toolbar()->isButtonVisible(b)) << b;

    ClickListItem(list(), 2);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("HABILLEMENT"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("Libellé"));
    const auto visibleInputs = [this] {
        QStringList names;
        for (const char* n : {"Text1", "Text2", "Text3", "Text4"})
            if (field(QString::fromLatin1(n))->isVisible())
                names << QString::fromLatin1(n);
        return names;
    };
    EXPECT_EQ(visibleInputs(), QStringList{QStringLiteral("Text1")});
    Enter(field(QStringLiteral("Text1")), QStringLiteral("veste"));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QStringLiteral("VESTE"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("NUMERO OU CARTE"));
    Enter(field(QStringLiteral("Text2")), QStringLiteral("carte"));
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("CARTE"));
    Enter(field(QStringLiteral("Text3")), QStringLiteral("1234,5"));
    EXPECT_EQ(label(QStringLiteral("Echo2")), QStringLiteral("1 234.50 €"));
    EXPECT_EQ(visibleInputs(), QStringList{QStringLiteral("Text4")});
    EXPECT_EQ(field(QStringLiteral("Text4"))->text(), QStringLiteral("15/03/2026"));
    PressEnter(field(QStringLiteral("Text4")));
    EXPECT_EQ(label(QStringLiteral("Echo3")), QStringLiteral("15/03/2026"));
    EXPECT_TRUE(visibleInputs().isEmpty());
    EXPECT_TRUE(toolbar()->isButtonVisible(1));

    // Typing again keeps the category and what was typed, and writes nothing.
    click(2);
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("HABILLEMENT"));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QString());
    EXPECT_EQ(label(QStringLiteral("Echo2")), QString());
    EXPECT_FALSE(toolbar()->isButtonVisible(1));
    EXPECT_FALSE(toolbar()->isButtonVisible(2));
    EXPECT_EQ(visibleInputs(), QStringList{QStringLiteral("Text1")});
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Rubriques), QStringLiteral("0"));
    // Each field comes back as it was left, to be kept or corrected.
    ASSERT_EQ(field(QStringLiteral("Text1"))->text(), QStringLiteral("VESTE"));
    PressEnter(field(QStringLiteral("Text1")));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QStringLiteral("VESTE"));
    EXPECT_EQ(field(QStringLiteral("Text2"))->text(), QStringLiteral("CARTE"));
    PressEnter(field(QStringLiteral("Text2")));
    EXPECT_EQ(field(QStringLiteral("Text3"))->text(), QStringLiteral("1234.5"));
    retype(QStringLiteral("Text3"), QStringLiteral("12,5"));
    PressEnter(field(QStringLiteral("Text4")));
    click(1);
    const Row saved = data.rows(Mars).at(0);
    EXPECT_EQ(saved.value(field::Libelle), QStringLiteral("VESTE"));
    EXPECT_EQ(saved.value(field::NumCheque), QStringLiteral("CARTE"));
    EXPECT_EQ(saved.value(field::Prix), QStringLiteral("12.5"));
    EXPECT_EQ(saved.value(field::Reste), QStringLiteral("87.5"));

    // An empty field gives up and goes back to the hub.
    ClickListItem(list(), 2);
    Enter(field(QStringLiteral("Text1")), QStringLiteral("  "));
    EXPECT_EQ(currentName(), screen::MoisEnCours);
    EXPECT_EQ(data.rows(Mars).at(1).value(field::Rubriques), QStringLiteral("0"));
}

TEST_F(MonthScreens, EnglishEntryUsesTheEnglishMonth) {
    data.setLanguage(English);
    data.addRow(QStringLiteral("March"), {{field::Reste, QStringLiteral("10")}});
    data.addRow(QStringLiteral("March"), {});
    open(screen::EnregisUn);
    EXPECT_EQ(current()->caption(), QStringLiteral("Record Payment"));
    EXPECT_EQ(toolbar()->caption(4), QStringLiteral("To leave"));
    EXPECT_EQ(list()->itemText(0), QStringLiteral("INSURANCES"));
    ClickListItem(list(), 7);
    EXPECT_EQ(label(QStringLiteral("Heading1")), QStringLiteral("Number or Map"));
    Enter(field(QStringLiteral("Text1")), QStringLiteral("fuel"));
    Enter(field(QStringLiteral("Text2")), QStringLiteral("88"));
    Enter(field(QStringLiteral("Text3")), QStringLiteral("25"));
    EXPECT_EQ(field(QStringLiteral("Text4"))->text(), QStringLiteral("03/15/2026"));
    PressEnter(field(QStringLiteral("Text4")));
    click(1);
    const Row row = data.rows(QStringLiteral("March")).at(0);
    EXPECT_EQ(row.value(field::Rubriques), QStringLiteral("CAR"));
    EXPECT_EQ(row.value(field::Date), QStringLiteral("03/15/2026"));
    EXPECT_EQ(row.value(field::Reste), QStringLiteral("-15"));
    EXPECT_TRUE(data.rows(Mars).isEmpty());
}

TEST_F(MonthScreens, DepositScreenSteps) {
    seed();
    open(screen::BanqueUn);
    EXPECT_EQ(field(QStringLiteral("Text1"))->text(), QStringLiteral("DEPOS"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("100.00 €"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("INTITULE"));
    retype(QStringLiteral("Text1"), QStringLiteral("prime"));
    EXPECT_EQ(label(QStringLiteral("Label4")), QStringLiteral("MONTANT"));
    Enter(field(QStringLiteral("Text2")), QStringLiteral("12,5"));
    EXPECT_EQ(label(QStringLiteral("Echo0")), QStringLiteral("PRIME"));
    EXPECT_EQ(label(QStringLiteral("Echo1")), QStringLiteral("12.50  €"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("100.00  €"));
    EXPECT_FALSE(toolbar()->isButtonVisible(3));
    click(2); // typed again: nothing written
    EXPECT_EQ(field(QStringLiteral("Text1"))->text(), QStringLiteral("DEPOS"));
    EXPECT_TRUE(toolbar()->isButtonVisible(3));
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Depot), QStringLiteral("0"));

    PressEnter(field(QStringLiteral("Text1")));
    Enter(field(QStringLiteral("Text2")), QStringLiteral(" "));
    EXPECT_EQ(currentName(), screen::MoisEnCours);
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Reste), QStringLiteral("100"));

    data.setLanguage(English);
    open(screen::BanqueUn);
    EXPECT_EQ(current()->caption(), QStringLiteral("Entered / Exit"));
    EXPECT_EQ(field(QStringLiteral("Text1"))->text(), QStringLiteral("DEPOSIT"));
    EXPECT_EQ(toolbar()->caption(3), QStringLiteral("End"));
}

TEST_F(MonthScreens, HubShowsTheMonthInBothLanguages) {
    data.addRow(Mars, {{field::Reste, QStringLiteral("-1234,5")}});
    open(screen::MoisEnCours);
    EXPECT_EQ(frame->caption(), QStringLiteral("TIRELOU"));
    EXPECT_EQ(current()->caption(), QStringLiteral("Mois En Cours"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" TIRELOU FAMILIAL "));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("1   -1 234.50 €"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("Mars"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("Mois En Cours  "));
    EXPECT_TRUE(label(QStringLiteral("Label4")).endsWith(QStringLiteral(" 2026")));
    EXPECT_EQ(toolbar()->count(), 12);
    EXPECT_EQ(toolbar()->caption(5), QStringLiteral("ENREG. PAIEMENT"));

    QFile lire(data.path(handover::Lire));
    ASSERT_TRUE(lire.open(QIODevice::ReadOnly));
    EXPECT_EQ(lire.readAll(), QByteArray("ENCOUR\r\n 3 \r\n2026\r\n"));

    click(11);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().at(0).text, QStringLiteral("-8097.79"));
    EXPECT_EQ(messages().at(0).title, QStringLiteral("Montant en €"));
    EXPECT_EQ(currentName(), screen::MoisEnCours);

    data.setLanguage(English);
    open(screen::MoisEnCours);
    EXPECT_EQ(current()->caption(), QStringLiteral("Month in progress"));
    EXPECT_EQ(label(QStringLiteral("Label1")), QStringLiteral(" DOMESTIC TIRELOU "));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("1   0.00 €")); // the English March is empty
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("March"));
    EXPECT_EQ(label(QStringLiteral("Label5")), QStringLiteral("Month in progress  "));
    EXPECT_EQ(toolbar()->caption(1), QStringLiteral("To SEE ACCOUNT"));
    EXPECT_EQ(toolbar()->caption(12), QStringLiteral("RESERVE"));
    click(11);
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages().at(1).text, QStringLiteral(" 0"));
    EXPECT_EQ(messages().at(1).title, QStringLiteral("Going up in £"));

    // The language chosen since is read before the month is: table and captions agree.
    WriteHandOver(data.ctx(), handover::Langue, {French});
    open(screen::MoisEnCours);
    EXPECT_EQ(current()->caption(), QStringLiteral("Mois En Cours"));
    EXPECT_EQ(label(QStringLiteral("Label3")), QStringLiteral("Mars"));
    EXPECT_EQ(label(QStringLiteral("Label2")), QStringLiteral("1   -1 234.50 €"));
}

TEST_F(MonthScreens, HubMonthNameAndWordsStandOneBlankApart) {
    data.ctx().scale.factor = 150;
    for (const QString& language : {French, English}) {
        data.setLanguage(language);
        open(screen::MoisEnCours);
        settle(0);
        const QLabel* name = child<QLabel>(QStringLiteral("Label3"));
        const QLabel* words = child<QLabel>(QStringLiteral("Label5"));
        ASSERT_TRUE(name && words);
        // What each text takes in a bare label of the same font; the rest of the span is the gap.
        const auto bare = [](const QLabel* l) {
            QLabel probe(l->text());
            probe.setFont(l->font());
            return probe.sizeHint().width();
        };
        const int gap = words->geometry().right() + 1 - name->geometry().left() - bare(name) - bare(words);
        EXPECT_EQ(gap, QFontMetrics(words->font()).horizontalAdvance(QLatin1Char(' ')))
            << language.toStdString();
    }
}

TEST_F(MonthScreens, HubButtonsLeadToTheirScreens) {
    const QList<std::pair<int, QString>> targets{
        {1, screen::CompteEncours}, {2, screen::Theme},     {3, screen::LireRubriques},
        {4, screen::BanqueUn},      {5, screen::EnregisUn}, {6, screen::Prevision},
        {7, screen::ModifCheque},   {8, screen::Mouvement}, {9, screen::Sauvegarde},
        {12, screen::Reserve},
    };
    for (const auto& [button, name] : targets) {
        open(screen::MoisEnCours);
        click(button);
        EXPECT_EQ(currentName(), name) << "button " << button;
    }
}

TEST_F(MonthScreens, LeavingRemindsOfAnOldBackup) {
    const auto leaveWith = [this](const QString& sauve) {
        QFile::remove(data.path(handover::Sauve));
        if (!sauve.isNull()) {
            QFile f(data.path(handover::Sauve));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(sauve.toUtf8());
        }
        open(screen::MoisEnCours);
        click(10);
        return currentName();
    };
    EXPECT_EQ(leaveWith(QString()), screen::MenuTirelou);
    EXPECT_EQ(leaveWith(QStringLiteral("/media/cle/\r\n/data/\r\n06/03/2026\r\n")), screen::MenuTirelou);
    EXPECT_EQ(leaveWith(QStringLiteral("/media/cle/\r\n/data/\r\n05/03/2026\r\n")), screen::Sauvegarde);
    EXPECT_EQ(leaveWith(QStringLiteral("/media/cle/\r\n")), screen::MenuTirelou);
    EXPECT_EQ(leaveWith(QStringLiteral("/media/cle/\r\n/data/\r\nle 5 mars\r\n")), screen::MenuTirelou);
    // In English the backup screen writes the month first: the fifth and the sixth of March.
    data.setLanguage(English);
    EXPECT_EQ(leaveWith(QStringLiteral("/media/cle/\r\n/data/\r\n03/05/2026\r\n")), screen::Sauvegarde);
    EXPECT_EQ(leaveWith(QStringLiteral("/media/cle/\r\n/data/\r\n03/06/2026\r\n")), screen::MenuTirelou);
    EXPECT_TRUE(messages().isEmpty());
}

} // namespace
