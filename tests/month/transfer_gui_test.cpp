#include "data/handover.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screennames.h"

#include <QScreen>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

const QString Mars = u"Mars"_s;
const QString March = u"March"_s;

// Account 1 in March 2026: remainder 500 with a reserve, then entries of both languages.
class TransferScreens : public GuiTest {
protected:
    TransferScreens() {
        standIn({screen::MenuTirelou});
        data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3), French);
        data.ctx().clock.setToday({2026, 3, 15});
        for (const QString& table : {Mars, March}) {
            data.addRow(table, {{field::Reste, u"500"_s}, {field::Reserve, u"20"_s}});
            data.addRow(table, {{field::Reserve, Pair(u"40"_s, 15, u" 160"_s)}});
        }
        entry(Mars, u"maison"_s, u"PEINTURE"_s, u"111"_s, u"30"_s);
        entry(Mars, u"MAISON"_s, u"PEINTURE"_s, u"222"_s, u"45,5"_s);
        entry(Mars, u"LOISIRS"_s, u"CINEMA"_s, u"CARTE"_s, u"9"_s, u"C"_s);
        entry(March, u"HOUSE"_s, u"RENT"_s, u"777"_s, u"650"_s);
        entry(March, u"HOUSE"_s, u"INSURANCE"_s, u"PRELEVEMENT"_s, Pair(u"1234.5"_s, 20, u"9876.5"_s),
              u"P"_s);
    }
    void entry(const QString& table, const QString& category, const QString& label, const QString& number,
               const QString& price, const QString& kind = u"X"_s) {
        data.addRow(table, {{field::Rubriques, category},
                            {field::Libelle, label},
                            {field::NumCheque, number},
                            {field::Prix, price},
                            {field::Date, u"05/03/2026"_s},
                            {field::Poste, kind}});
    }
    ui::ListBox* list() const { return child<ui::ListBox>(u"List1"_s); }
    ui::Grid* grid() const { return child<ui::Grid>(u"Grid1"_s); }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->itemText(i);
        return out;
    }
    QStringList categories(const QString& table) {
        QStringList out;
        for (const Row& r : data.rows(table))
            out << r.value(field::Rubriques);
        return out;
    }
    void key(QWidget* w, Qt::Key k) {
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString() << " has no focus";
        QTest::keyClick(w, k);
        settle(0);
    }
};

TEST_F(TransferScreens, FrenchClicksMoveTheFirstEntryOfTheLabelAndLeaveTheBalance) {
    open(screen::MoisEnCours);
    const QString account = label(u"Label2"_s);
    clickToolbar(8);
    settle(0);
    ASSERT_EQ(currentName(), screen::Mouvement);
    EXPECT_EQ(current()->caption(), u"Transfert Paiement"_s);
    EXPECT_EQ(label(u"Label1"_s), u" Tirelou Familial "_s);
    EXPECT_EQ(label(u"Label2"_s), u"Choisir la Rubrique de Départ"_s);
    EXPECT_EQ(items(), DefaultFrenchCategories());
    EXPECT_EQ(visibleButtons(), QList<int>{1});
    EXPECT_EQ(toolbarCaptions(), u"QUITTER|RETOUR"_s);
    EXPECT_FALSE(shown(u"Grid1"_s));

    ClickListItem(list(), 4); // MAISON: both spellings of it are listed
    EXPECT_EQ(handOver(handover::Lire), u"MAISON"_s);
    EXPECT_FALSE(shown(u"List1"_s));
    EXPECT_EQ(label(u"Label3"_s), u"Rubrique de Départ MAISON"_s);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"Intitulé|N°|N° Cheque|Montant"_s, u"PEINTURE|1|111|30.00"_s,
                                               u"PEINTURE|2|222|45.50"_s}));
    EXPECT_EQ(visibleButtons(), (QList<int>{1, 2}));

    ClickGridCell(grid(), 0, 0); // the heading chooses nothing
    EXPECT_EQ(currentName(), screen::Mouvement);
    ClickGridCell(grid(), 2, 3);
    settle(0);
    ASSERT_EQ(currentName(), screen::Transfert);
    EXPECT_EQ(handOver(handover::Lire), u"MAISON|PEINTURE"_s);
    EXPECT_EQ(current()->caption(), u"Transfert de Paiement"_s);
    EXPECT_EQ(label(u"Label2"_s), u"Vers Quelle Rubrique Le Transfert"_s);
    EXPECT_EQ(items(), DefaultFrenchCategories());
    EXPECT_EQ(toolbarCaptions(), u"RETOUR"_s);

    ClickListItem(list(), 5); // LOISIRS
    settle(0);
    ASSERT_EQ(currentName(), screen::Mouvement);
    EXPECT_EQ(handOver(handover::Ecrire), u"LOISIRS| 5 "_s);
    // Whichever line was clicked, the first of the label in record order moved.
    EXPECT_EQ(categories(Mars), (QStringList{u"0"_s, u"0"_s, u"LOISIRS"_s, u"MAISON"_s, u"LOISIRS"_s}));
    EXPECT_EQ(categories(March).last(), u"HOUSE"_s);
    EXPECT_TRUE(messages().isEmpty());

    // Back in its first state: the arrival lists the entry.
    ClickListItem(list(), 5);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"Intitulé|N°|N° Cheque|Montant"_s, u"PEINTURE|1|111|30.00"_s,
                                               u"CINEMA|2|CARTE|9.00"_s}));
    clickToolbar(1);
    settle(0);
    ASSERT_EQ(currentName(), screen::MoisEnCours);
    EXPECT_EQ(label(u"Label2"_s), account);
    EXPECT_EQ(data.rows(Mars)[0].value(field::Reste), u"500"_s);
    EXPECT_EQ(data.rows(Mars)[1].value(field::Reserve), Pair(u"40"_s, 15, u" 160"_s));
}

TEST_F(TransferScreens, EnglishKeyboardOnlyWithArrowsAndEnter) {
    data.setLanguage(English);
    open(screen::Mouvement);
    EXPECT_EQ(current()->caption(), u"Transfer Payment"_s);
    EXPECT_EQ(label(u"Label1"_s), u" Domestic Tirelou "_s);
    EXPECT_EQ(label(u"Label2"_s), u"To choose the Category of Departure"_s);
    EXPECT_EQ(toolbarCaptions(), u"To LEAVE|RETURN"_s);
    EXPECT_EQ(items(), DefaultEnglishCategories());

    key(list(), Qt::Key_Home);
    for (int i = 0; i < 4; ++i)
        key(list(), Qt::Key_Down);
    key(list(), Qt::Key_Return); // HOUSE
    EXPECT_EQ(label(u"Label3"_s), u"Category of Departure HOUSE"_s);
    // A direct debit is offered with its monthly amount.
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"Titled|N°|N° Check|Going up"_s, u"RENT|1|777|650.00"_s,
                                               u"INSURANCE|2|PRELEVEMENT|1 234.50"_s}));
    key(grid(), Qt::Key_Down);
    key(grid(), Qt::Key_Return);
    ASSERT_EQ(currentName(), screen::Transfert);
    EXPECT_EQ(handOver(handover::Lire), u"HOUSE|INSURANCE"_s);
    EXPECT_EQ(current()->caption(), u"Transfer of Payment"_s);
    EXPECT_EQ(label(u"Label2"_s), u"Toward What Category The Transfer"_s);
    EXPECT_EQ(toolbarCaptions(), u"RETURN"_s);

    key(list(), Qt::Key_End); // HEALTH
    key(list(), Qt::Key_Return);
    ASSERT_EQ(currentName(), screen::Mouvement);
    EXPECT_EQ(handOver(handover::Ecrire), u"HEALTH| 9 "_s);
    const QList<Row> rows = data.rows(March);
    EXPECT_EQ(rows[3].value(field::Rubriques), u"HEALTH"_s);
    EXPECT_EQ(rows[3].value(field::Prix), Pair(u"1234.5"_s, 20, u"9876.5"_s));
    EXPECT_EQ(rows[2].value(field::Rubriques), u"HOUSE"_s);
    EXPECT_EQ(categories(Mars), (QStringList{u"0"_s, u"0"_s, u"maison"_s, u"MAISON"_s, u"LOISIRS"_s}));
}

TEST_F(TransferScreens, EmptyCategorySaysSoAndReturnGoesBackToTheList) {
    for (const QString& language : {French, English}) {
        data.setLanguage(language);
        open(screen::Mouvement);
        ClickListItem(list(), 9); // SANTE / HEALTH: nothing recorded
        EXPECT_EQ(label(u"Label3"_s), language == French ? u"Rubrique de Départ SANTE RUBRIQUE VIDE"_s
                                                         : u"Category of Departure HEALTH EMPTY CATEGORY"_s);
        EXPECT_EQ(grid()->rowCount(), 1);
        clickToolbar(2);
        settle(0);
        EXPECT_TRUE(shown(u"List1"_s));
        EXPECT_FALSE(shown(u"Grid1"_s));
        EXPECT_FALSE(shown(u"Label3"_s));
        EXPECT_EQ(visibleButtons(), QList<int>{1});
    }
}

TEST_F(TransferScreens, ReturnAndVanishedEntryChangeNothing) {
    open(screen::Mouvement);
    ClickListItem(list(), 5);
    ClickGridCell(grid(), 1, 0);
    settle(0);
    ASSERT_EQ(currentName(), screen::Transfert);
    const QList<Row> before = data.rows(Mars);
    clickToolbar(1);
    settle(0);
    ASSERT_EQ(currentName(), screen::Mouvement);
    EXPECT_EQ(data.rows(Mars), before);

    // The entry is relabelled elsewhere between the two screens.
    ClickListItem(list(), 5);
    ClickGridCell(grid(), 1, 0);
    settle(0);
    ASSERT_EQ(currentName(), screen::Transfert);
    {
        RecordSet rs;
        rs.open(data.ctx().accountDb, Mars);
        rs.moveTo(4);
        rs.edit();
        rs.setValue(field::Libelle, u"THEATRE"_s);
        rs.update();
    }
    const QList<Row> erased = data.rows(Mars);
    ClickListItem(list(), 0);
    settle(0);
    ASSERT_EQ(currentName(), screen::Mouvement);
    EXPECT_EQ(data.rows(Mars), erased);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, u"Ce paiement n'existe plus dans sa rubrique : rien n'a été transféré."_s);
}

TEST_F(TransferScreens, LongTextsDoNotWidenTheFrame) {
    frame->resize(800, 600);
    const QString longName = QString(u'W').repeated(80);
    entry(Mars, longName, QString(u'L').repeated(90), u"1"_s, u"123456789012"_s);
    {
        RecordSet rs;
        rs.open(data.ctx().accountDb, table::Rubriques);
        rs.addNew();
        rs.setValue(field::Rubrique, longName);
        rs.update();
    }
    open(screen::Mouvement);
    ClickListItem(list(), 10);
    settle();
    const int limit = std::min(frame->screen()->availableGeometry().width(), 800);
    EXPECT_LE(frame->width(), limit);
    ClickGridCell(grid(), 1, 0);
    settle();
    ASSERT_EQ(currentName(), screen::Transfert);
    EXPECT_LE(frame->width(), limit);
}

} // namespace
