#include "data/handover.h"
#include "data/schema.h"
#include "month/overview.h"
#include "support/guitest.h"
#include "ui/screennames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

const QString Mars = u"Mars"_s;

// Account 1 in March 2026, on the 15th.
class MonthScreens : public GuiTest {
protected:
    MonthScreens() {
        standIn({screen::CompteEncours, screen::Theme, screen::LireRubriques, screen::Prevision,
                 screen::Mouvement, screen::Sauvegarde, screen::Reserve, screen::MenuTirelou});
        data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3), French);
        data.ctx().clock.setToday({2026, 3, 15});
    }

    // Remainder 100, a reserve of 50 with 200 still to build up, three rows in all.
    void seed() {
        data.addRow(Mars,
                    {{field::Reste, u"100"_s}, {field::MontPrecedent, u"80"_s}, {field::Reserve, u"25"_s}});
        data.addRow(Mars, {{field::Reserve, u"50"_s + QString(15, u' ') + u" 200"_s}});
        data.addRow(Mars, {{field::Reserve, u"01/03/2026"_s}});
    }

    ui::InputField* field(const QString& name) const { return child<ui::InputField>(name); }
    ui::ListBox* list() const { return child<ui::ListBox>(u"List1"_s); }
    ui::Grid* grid() const { return child<ui::Grid>(u"Grid1"_s); }
    void click(int button) {
        clickToolbar(button);
        settle(0);
    }
    // Replaces what a field holds, as a user selecting its text and typing over it; an empty
    // text keeps what is offered.
    void retype(const QString& name, const QString& text) {
        ui::InputField* f = field(name);
        ASSERT_NE(f, nullptr);
        if (text.isEmpty())
            return PressEnter(f);
        f->clear();
        Enter(f, text);
    }

    // One payment through the entry screen; an empty date keeps today's.
    void typePayment(int category, const QString& text, const QString& number, const QString& amount,
                     const QString& date = QString()) {
        ASSERT_EQ(currentName(), screen::EnregisUn);
        ClickListItem(list(), category);
        Enter(field(u"Text1"_s), text);
        Enter(field(u"Text2"_s), number);
        Enter(field(u"Text3"_s), amount);
        retype(u"Text4"_s, date);
        click(1);
    }
    void typeDeposit(const QString& text, const QString& amount) {
        ASSERT_EQ(currentName(), screen::BanqueUn);
        retype(u"Text1"_s, text);
        Enter(field(u"Text2"_s), amount);
        click(1);
    }
    void choosePayment(int category, int line) {
        ASSERT_EQ(currentName(), screen::ModifCheque);
        ClickListItem(list(), category);
        ASSERT_TRUE(shown(u"Grid1"_s));
        ClickGridCell(grid(), line, 0);
    }
    // Answers the correction screen's questions in turn: choice, label, amount, number, date.
    void answer(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i)
            retype(u"Text"_s + QString::number(i + 1), texts[i]);
    }

    // Each row's fields in table order, "|" between them: Rubriques|Libelle|NumCheque|Prix|
    // Date|Poste|Depot|Montant|Reste|MontPrecedent|Reserve.
    std::vector<std::string> lines(const QString& table = Mars) const {
        std::vector<std::string> out;
        for (const Row& row : data.rows(table)) {
            QStringList values;
            for (const QString& f : MonthFields())
                values << row.value(f);
            out.push_back(values.join(u'|').toStdString());
        }
        return out;
    }
};

TEST_F(MonthScreens, AMonthOfPaymentsDepositsAndCorrections) {
    seed();
    open(screen::MoisEnCours);
    EXPECT_EQ(label(u"Label2"_s), u"1   100.00 €"_s);

    click(5);
    typePayment(4, u"loyer d'avril, acompte"_s, u"1234567"_s, u"60,50"_s);
    EXPECT_EQ(label(u"Label3"_s), u"39.50 €"_s);
    EXPECT_TRUE(shown(u"List1"_s));
    typePayment(1, u"edf"_s, u"carte"_s, u"80"_s, u"16/03/2026"_s); // the reserve covers
    EXPECT_EQ(label(u"Label3"_s), u"0.00 €"_s);
    typePayment(5, u"cinema"_s, u"1235"_s, u"20"_s); // past the last row; the reserve runs out
    EXPECT_EQ(label(u"Label3"_s), u"-10.50 €"_s);

    click(4);
    ASSERT_EQ(currentName(), screen::MoisEnCours);
    EXPECT_EQ(label(u"Label2"_s), u"1   -10.50 €"_s);
    click(4);
    typeDeposit(u"salaire"_s, u"1500,25"_s);
    EXPECT_EQ(label(u"Label3"_s), u"1 489.75 €"_s);
    // Refaire writes nothing and offers the label again.
    retype(u"Text1"_s, u"prime"_s);
    Enter(field(u"Text2"_s), u"12,5"_s);
    EXPECT_EQ(label(u"Echo1"_s), u"12.50  €"_s);
    click(2);
    typeDeposit(QString(), u"-40"_s); // the label offered, a withdrawal
    PressEnter(field(u"Text1"_s));
    Enter(field(u"Text2"_s), u" "_s); // an empty amount gives up
    ASSERT_EQ(currentName(), screen::MoisEnCours);

    click(7);
    choosePayment(4, 1);
    answer({QString(), u"loyer d'avril, solde"_s, u"75"_s, QString(), QString()});
    click(1);
    // Found again by its new label, and erased.
    choosePayment(4, 1);
    retype(u"Text1"_s, u"e"_s);
    EXPECT_TRUE(shown(u"List1"_s));
    click(3);
    EXPECT_EQ(label(u"Label2"_s), u"1   1 510.25 €"_s);

    click(5);
    typePayment(9, u"pharmacie"_s, u"carte"_s, u"3,5"_s); // into the erased payment's row

    EXPECT_EQ(lines(),
              (std::vector<std::string>{
                  "SANTE|PHARMACIE|CARTE|3.5|15/03/2026|C|SALAIRE|1500.25|1506.75|80|25",
                  "ENERGIE|EDF|CARTE|80|16/03/2026|C|DEPOS|-40|0|0|0" + std::string(15, ' ') + " 209.5",
                  "0|0|0|0|0|0|0|0|0|0|01/03/2026",
                  "LOISIRS|CINEMA|1235|20|15/03/2026|X|0|0|0|0|0",
              }));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(MonthScreens, CorrectionScreenOffersTheClickedPaymentAndGivesBackItsAmount) {
    seed();
    data.addRow(Mars, {{field::Rubriques, u"ENERGIE"_s},
                       {field::Libelle, u"EDF"_s},
                       {field::NumCheque, u"PRELEVEMENT"_s},
                       {field::Prix, u"40                    120"_s},
                       {field::Poste, u"P"_s}});
    open(screen::EnregisUn);
    typePayment(4, u"eau"_s, u"11"_s, u"10"_s);
    typePayment(4, u"eau"_s, u"12"_s, u"20"_s);
    open(screen::ModifCheque);

    // A category holding only a direct debit has nothing to offer.
    ClickListItem(list(), 1);
    EXPECT_TRUE(shown(u"List1"_s));
    EXPECT_FALSE(shown(u"Grid1"_s));

    ClickListItem(list(), 4);
    EXPECT_EQ(label(u"Label4"_s), u"70.00  € "_s);
    EXPECT_EQ(grid()->rowTexts(),
              QStringList({u"Intitulé|N°|Montant"_s, u"EAU|1|10.00 € "_s, u"EAU|2|20.00 € "_s}));
    ClickGridCell(grid(), 0, 1); // the heading
    EXPECT_TRUE(shown(u"Grid1"_s));
    ClickGridCell(grid(), 2, 0);
    retype(u"Text1"_s, u"f"_s);
    EXPECT_TRUE(shown(u"List1"_s));

    // An unknown answer leaves only the way out.
    choosePayment(4, 2);
    retype(u"Text1"_s, u"x"_s);
    for (const QString& name : {u"Text1"_s, u"Text2"_s, u"List1"_s, u"Grid1"_s})
        EXPECT_FALSE(shown(name)) << name.toStdString();
    EXPECT_FALSE(toolbar()->isButtonVisible(1));
    click(3);
    ASSERT_EQ(currentName(), screen::MoisEnCours);

    // The clicked payment is offered field by field; Reprendre goes back with nothing saved.
    click(7);
    choosePayment(4, 2);
    retype(u"Text1"_s, u"modif"_s); // only the first letter counts
    QStringList offered;
    for (const QString& name : {u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s}) {
        offered << field(name)->text();
        PressEnter(field(name));
    }
    EXPECT_EQ(offered, QStringList({u"EAU"_s, u"20"_s, u"12"_s, u"15/03/2026"_s}));
    click(2);
    EXPECT_TRUE(shown(u"Grid1"_s));
    EXPECT_EQ(lines().at(0).substr(0, 17), "MAISON|EAU|11|10|");
    // The first payment of its label is the one changed.
    ClickGridCell(grid(), 2, 0);
    answer({QString(), QString(), u"15"_s, u"carte"_s, u"14/03/2026"_s});
    click(1);
    EXPECT_EQ(lines().at(0), "MAISON|EAU|CARTE|15|14/03/2026|X|0|0|65|80|25");

    // Erasing the clicked payment of 20 frees the first of its label, of 15, and gives back 20.
    choosePayment(4, 2);
    retype(u"Text1"_s, u"e"_s);
    const std::vector<std::string> rows = lines();
    EXPECT_EQ(rows.at(0), "0|0|0|0|0|0|0|0|85|80|25");
    EXPECT_EQ(rows.at(1).substr(0, 29), "MAISON|EAU|12|20|15/03/2026|X");
    EXPECT_EQ(rows.at(3).substr(0, 24), "ENERGIE|EDF|PRELEVEMENT|");
}

TEST_F(MonthScreens, PaymentEntryGoesOneFieldAtATimeAndRedoKeepsTheFields) {
    seed();
    open(screen::EnregisUn);
    ClickListItem(list(), 2);
    EXPECT_EQ(label(u"Label4"_s), u"HABILLEMENT"_s);
    const QString steps[][2] = {
        {u"veste"_s, u"VESTE"_s}, {u"carte"_s, u"CARTE"_s}, {u"1234,5"_s, u"1 234.50 €"_s}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(field(u"Text%1"_s.arg(i + 2))->isVisible());
        EXPECT_FALSE(toolbar()->isButtonVisible(1));
        Enter(field(u"Text%1"_s.arg(i + 1)), steps[i][0]);
        EXPECT_EQ(label(u"Echo%1"_s.arg(i)), steps[i][1]);
    }
    EXPECT_EQ(field(u"Text4"_s)->text(), u"15/03/2026"_s);
    PressEnter(field(u"Text4"_s));
    EXPECT_TRUE(toolbar()->isButtonVisible(1));

    // Refaire writes nothing and brings each field back as it was left.
    click(2);
    EXPECT_EQ(label(u"Echo0"_s), QString());
    EXPECT_FALSE(toolbar()->isButtonVisible(1));
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Rubriques), u"0"_s);
    ASSERT_EQ(QStringList({field(u"Text1"_s)->text(), field(u"Text2"_s)->text(), field(u"Text3"_s)->text()}),
              QStringList({u"VESTE"_s, u"CARTE"_s, u"1234.5"_s}));
    PressEnter(field(u"Text1"_s));
    PressEnter(field(u"Text2"_s));
    retype(u"Text3"_s, u"12,5"_s);
    PressEnter(field(u"Text4"_s));
    click(1);
    EXPECT_EQ(lines().at(0), "HABILLEMENT|VESTE|CARTE|12.5|15/03/2026|C|0|0|87.5|80|25");

    // An empty field gives up and goes back to the hub.
    ClickListItem(list(), 2);
    Enter(field(u"Text1"_s), u"  "_s);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
    EXPECT_EQ(data.rows(Mars).at(1).value(field::Rubriques), u"0"_s);
}

TEST_F(MonthScreens, APaymentIsRecordedAndChosenAgainWithTheKeyboardAlone) {
    seed();
    open(screen::EnregisUn);
    // Each key goes where the focus is, as it would for a user who never takes the mouse.
    const auto key = [](Qt::Key k) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k);
    };
    const auto type = [&](const QString& text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        Type(target, text);
        key(Qt::Key_Return);
    };
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == list(); }));
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    const int category = list()->currentRow();
    ASSERT_GE(category, 0);
    const QString name = list()->itemText(category);
    EXPECT_EQ(label(u"Label4"_s), name);
    type(u"veste"_s);
    type(u"carte"_s);
    type(u"30"_s);
    key(Qt::Key_Return); // today's date kept; the focus is then on the button that records
    key(Qt::Key_Return);
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Libelle), u"VESTE"_s);
    EXPECT_EQ(data.rows(Mars).at(0).value(field::Rubriques), name);

    click(4);
    ASSERT_EQ(currentName(), screen::MoisEnCours);
    click(7);
    ASSERT_EQ(currentName(), screen::ModifCheque);
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == list(); }));
    for (int i = 0; i < 20 && list()->currentRow() != category; ++i)
        key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_TRUE(shown(u"Grid1"_s));
    ASSERT_EQ(QApplication::focusWidget(), grid());
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_TRUE(shown(u"Text1"_s));
    EXPECT_EQ(grid()->selectedItems().size(), 1);
}

TEST_F(MonthScreens, AHugeBalanceNeverHidesTheAccountNumber) {
    data.addRow(Mars, {{field::Reste, u"-1e308"_s}});
    frame->resize(800, 600);
    open(screen::EnregisUn);
    settle();
    QLabel* account = child<QLabel>(u"Label2"_s);
    ASSERT_NE(account, nullptr);
    EXPECT_GE(account->width(), account->fontMetrics().horizontalAdvance(account->text()));
    EXPECT_LE(frame->width(), 800);
}

TEST_F(MonthScreens, HubShowsTheMonthInTheLanguageReadFirst) {
    data.addRow(Mars, {{field::Reste, u"-1234,5"_s}});
    open(screen::MoisEnCours);
    EXPECT_EQ(current()->caption(), u"Mois En Cours"_s);
    EXPECT_EQ(label(u"Label2"_s), u"1   -1 234.50 €"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Mars"_s);
    EXPECT_EQ(label(u"Label4"_s), HubDateLine({2026, 3, 15}, true));
    click(11);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().at(0).text, u"-8097.79"_s);
    EXPECT_EQ(messages().at(0).title, u"Montant en €"_s);

    data.setLanguage(English);
    open(screen::MoisEnCours);
    EXPECT_EQ(current()->caption(), u"Month in progress"_s);
    EXPECT_EQ(label(u"Label2"_s), u"1   0.00 €"_s); // the English March is empty
    EXPECT_EQ(label(u"Label3"_s), u"March"_s);
    click(4);
    EXPECT_EQ(field(u"Text1"_s)->text(), u"DEPOSIT"_s);
    click(3);
    // A payment typed in English goes to the English month, its date month first.
    click(5);
    EXPECT_EQ(current()->caption(), u"Record Payment"_s);
    typePayment(7, u"fuel"_s, u"88"_s, u"25"_s);
    EXPECT_EQ(lines(u"March"_s), std::vector<std::string>{"CAR|FUEL|88|25|03/15/2026|X|0|0|-25|0|0"});

    // The language chosen since is read before the month is: table and captions agree.
    WriteHandOver(data.ctx(), handover::Langue, {French});
    open(screen::MoisEnCours);
    EXPECT_EQ(current()->caption(), u"Mois En Cours"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Mars"_s);
    EXPECT_EQ(label(u"Label2"_s), u"1   -1 234.50 €"_s);
}

TEST_F(MonthScreens, HubMonthNameAndWordsStandOneBlankApart) {
    data.ctx().scale.factor = 150;
    for (const QString& language : {French, English}) {
        data.setLanguage(language);
        open(screen::MoisEnCours);
        settle(0);
        const QLabel* name = child<QLabel>(u"Label3"_s);
        const QLabel* words = child<QLabel>(u"Label5"_s);
        ASSERT_TRUE(name && words);
        // What each text takes in a bare label of the same font; the rest of the span is the gap.
        const auto bare = [](const QLabel* l) {
            QLabel probe(l->text());
            probe.setFont(l->font());
            return probe.sizeHint().width();
        };
        const int gap = words->geometry().right() + 1 - name->geometry().left() - bare(name) - bare(words);
        EXPECT_EQ(gap, QFontMetrics(words->font()).horizontalAdvance(u' ')) << language.toStdString();
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
    const auto leaveWith = [this](const QString& date) {
        if (!date.isNull()) {
            QFile f(data.path(handover::Sauve));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write((u"/media/cle/\r\n/data/\r\n"_s + date + u"\r\n"_s).toUtf8());
        }
        open(screen::MoisEnCours);
        click(10);
        return currentName();
    };
    EXPECT_EQ(leaveWith(QString()), screen::MenuTirelou); // never saved
    EXPECT_EQ(leaveWith(u"06/03/2026"_s), screen::MenuTirelou);
    EXPECT_EQ(leaveWith(u"05/03/2026"_s), screen::Sauvegarde);
    data.setLanguage(English);
    EXPECT_EQ(leaveWith(u"03/05/2026"_s), screen::Sauvegarde);
    EXPECT_TRUE(messages().isEmpty());
}

} // namespace

TEST_F(MonthScreens, AHandOverFileThatCannotBeWrittenStopsTheStep) {
    seed();
    // A folder where "Lire.xfr" should go: nothing can be written there.
    QFile::remove(data.path(handover::Lire));
    ASSERT_TRUE(QDir().mkdir(data.path(handover::Lire)));

    open(screen::MoisEnCours); // the month still opens, and the user is told
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(label(u"Label2"_s).contains(u"100.00 €"_s));

    open(screen::EnregisUn);
    ClickListItem(list(), 4);
    EXPECT_EQ(messages().size(), 2);
    EXPECT_TRUE(list()->isVisible()); // still choosing: no category was handed over
    EXPECT_FALSE(field(u"Text1"_s)->isVisible());

    open(screen::ModifCheque);
    ClickListItem(list(), 4);
    EXPECT_EQ(messages().size(), 3);
    EXPECT_TRUE(list()->isVisible());
}
