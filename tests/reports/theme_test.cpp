#include "data/database.h"
#include "data/handover.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screenbase.h"
#include "ui/screennames.h"

#include <QDir>
#include <QFile>
#include <QLabel>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

class Elsewhere : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override {}
};

Row Paid(const QString& category, const QString& label, const QString& number, const QString& price,
         const QString& date, const QString& kind = u"C"_s) {
    return {{field::Rubriques, category}, {field::Libelle, label}, {field::NumCheque, number},
            {field::Prix, price},         {field::Date, date},     {field::Poste, kind}};
}

// Account 12345 in March 2026, with a few payments in March and one in December.
class SearchScreens : public GuiTest {
protected:
    SearchScreens() {
        for (const QString& name : {screen::MoisEnCours, screen::MoisConsulter, screen::MenuTirelou})
            registry.add<Elsewhere>(name);
        data.login(data.addAccount(u"12345"_s, 2026, u"SECRET"_s, 3));
        data.ctx().clock.setToday({2026, 3, 15});
    }
    // The month tables are those of the language the account is kept in.
    void seed(const QString& march = u"Mars"_s, const QString& december = u"Decembre"_s) {
        data.addRow(march, Paid(u"MAISON"_s, u"LOYER"_s, u"0001234"_s, u"12"_s, u"01/03/2026"_s, u"X"_s));
        data.addRow(march, Paid(u"AUTO"_s, u"ESSENCE"_s, u"CARTE"_s, u"112,50"_s, u"12/03/2026"_s));
        data.addRow(march, {});
        data.addRow(march, Paid(u"LOISIRS"_s, u"ASSURANCE"_s, u"PRELEVEMENT"_s,
                                u"12,5"_s + QString(30, u' ') + u"37.5"_s, u"20/03/2026"_s, u"P"_s));
        data.addRow(december, Paid(u"AUTO"_s, u"GARAGE"_s, u"CARTE"_s, u"1200"_s, u"03/12/2026"_s));
    }
    QString label(const QString& name) const { return child<QLabel>(name)->text(); }
    ui::Grid* grid() const { return child<ui::Grid>(u"MSFlexGrid1"_s); }
    ui::InputField* field() const { return child<ui::InputField>(u"Text1"_s); }
    QList<bool> visibleButtons() const {
        QList<bool> out;
        for (int i = 1; i <= 6; ++i)
            out << toolbar()->isButtonVisible(i);
        return out;
    }
    // The 2025 file, archived, with one car repair in February.
    void archive() {
        const QString name = data.addAccount(u"12345"_s, 2025, u"SECRET"_s, 12);
        Database db;
        db.open(data.path(name));
        RecordSet rs;
        rs.open(db, u"February"_s);
        rs.addNew();
        const Row row = Paid(u"CAR"_s, u"GARAGE"_s, u"CARTE"_s, u"320"_s, u"10/02/2025"_s);
        for (const QString& f : MonthFields())
            rs.setValue(f, row.value(f, u"0"_s));
        rs.update();
        db.close();
        QDir().mkpath(data.ctx().archiveDir());
        ASSERT_TRUE(QFile::rename(data.path(name), data.ctx().archivePath(name)));
    }
    QString captions() const {
        QStringList out;
        for (int i = 1; i <= 6; ++i)
            out << toolbar()->caption(i);
        return out.join(u'|');
    }
    // Answers the year question: the letter, then the year when one is asked for.
    void chooseYear(const QString& letter, const QString& year = QString()) {
        Enter(child<ui::InputField>(u"Text2"_s), letter);
        if (year.isNull())
            return;
        auto* f = child<ui::InputField>(u"Text3"_s);
        f->clear();
        Enter(f, year);
    }
    void writeEncour(const QString& mode) { WriteHandOver(data.ctx(), handover::Encour, {mode}); }
};

} // namespace

TEST_F(SearchScreens, ThemeSearchesTheMonthInHand) {
    seed();
    writeEncour(u"ENCOUR"_s);
    open(screen::Theme);
    ASSERT_EQ(currentName(), screen::Theme);
    EXPECT_EQ(current()->caption(), u"Voir Theme"_s);
    EXPECT_EQ(label(u"Label1"_s) + u'|' + label(u"Label2"_s) + u'|' + label(u"Label3"_s),
              u" Tirelou Familial |Thème de Recherche|COMPTE  12345"_s);
    EXPECT_EQ(captions(), u"PAR NUMERO|PAR DATE|PAR INTITULE|PAR MONTANT|SUITE|QUITTER"_s);
    EXPECT_EQ(visibleButtons(), (QList<bool>{true, true, true, true, false, true}));

    clickToolbar(4);
    EXPECT_EQ(label(u"Label4"_s) + u'|' + label(u"Label5"_s) + u'|' + field()->text(),
              u"Par Montant|524.14|0"_s);
    EXPECT_EQ(visibleButtons(), (QList<bool>{false, false, false, false, false, true}));
    Enter(field(), u"12"_s); // typing replaces the "0" offered
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"INTITULE|NUMERO PAIEMENT|DATE|MONTANT"_s, u"MAISON|||"_s,
                                               u"LOYER  |0001234|01/03/2026|12.00 €"_s, u"AUTO|||"_s,
                                               u"ESSENCE  |CARTE|12/03/2026|112.50 €"_s, u"LOISIRS|||"_s,
                                               u"ASSURANCE  |PRELEVEMENT|20/03/2026|12.50 €"_s, u"|||"_s,
                                               u"  Total Des Dépenses|||137.00 €"_s}));
    EXPECT_EQ(visibleButtons(), (QList<bool>{false, false, false, false, true, true}));

    // nothing found in the month in hand still gives the total
    clickToolbar(5);
    EXPECT_FALSE(grid()->isVisible());
    clickToolbar(3);
    Enter(field(), u"garage"_s);
    EXPECT_EQ(grid()->rowTexts().mid(1), (QStringList{u"|||"_s, u"  Total Des Dépenses|||0.00 €"_s}));
    clickToolbar(6);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}

TEST_F(SearchScreens, MoisThemSearchesAYearOfTheArchivesOrTheCurrentOne) {
    seed(u"March"_s, u"December"_s);
    archive();
    data.setLanguage(English);
    open(screen::MoisThem);
    ASSERT_EQ(currentName(), screen::MoisThem);
    EXPECT_EQ(current()->caption(), u"To see Theme"_s);
    EXPECT_EQ(label(u"Label3"_s), u"Account  12345"_s);
    EXPECT_EQ(captions(), u"NUMBER|DATE|TITLED|AMOUNT|FOLLOWING|To LEAVE"_s);
    EXPECT_EQ(label(u"Label6"_s), u"E = In progress  /  A = Archives"_s);
    EXPECT_EQ(visibleButtons(), (QList<bool>{false, false, false, false, false, true}));
    Enter(child<ui::InputField>(u"Text2"_s), u"a"_s);
    EXPECT_EQ(label(u"Label6"_s), u"YEAR OF THE ARCHIVE"_s);
    EXPECT_EQ(child<ui::InputField>(u"Text3"_s)->text(), u"2026"_s);
    child<ui::InputField>(u"Text3"_s)->clear();
    Enter(child<ui::InputField>(u"Text3"_s), u"2025"_s);
    EXPECT_EQ(visibleButtons(), (QList<bool>{true, true, true, true, false, true}));
    clickToolbar(3);
    Enter(field(), u"GARAGE"_s);
    QStringList rows = grid()->rowTexts();
    ASSERT_EQ(rows.size(), 1 + 12 + 2 + 2);
    EXPECT_EQ(rows.mid(1, 4), (QStringList{u"MONTH OF  JANUARY|||"_s, u"MONTH OF  FEBRUARY|||"_s, u"CAR|||"_s,
                                           u"GARAGE  |CARTE|10/02/2025|320.00 €"_s}));
    EXPECT_EQ(rows.last(), u"  Total Of Expenses|||320.00 €"_s);
    EXPECT_EQ(data.ctx().accountDb.path(), data.ctx().archivePath(u"123452025.acd"_s));
    QFile lire(data.path(u"Lire.xfr"_s));
    ASSERT_TRUE(lire.open(QIODevice::ReadOnly));
    EXPECT_EQ(lire.readAll(), "GARAGE\r\n3\r\nARCHIVES\r\n2025\r\n");

    // a year with no file is said and lists nothing; anything but E means the archives
    clickToolbar(5);
    chooseYear(u"x"_s, u"2019"_s);
    clickToolbar(3);
    Enter(field(), u"GARAGE"_s);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().text.contains(u"123452019.acd"_s));
    EXPECT_EQ(grid()->rowTexts().mid(1), (QStringList{u"|||"_s, u"  Total Of Expenses|||0.00 €"_s}));

    // the current year, every month searched
    clickToolbar(5);
    chooseYear(u"E"_s);
    clickToolbar(1);
    EXPECT_EQ(label(u"Label4"_s) + u'|' + label(u"Label5"_s), u"By Number of Payment|MAP or 0000 00 00"_s);
    Enter(field(), u"carte"_s);
    rows = grid()->rowTexts();
    ASSERT_EQ(rows.size(), 1 + 12 + 2 * 2 + 2);
    EXPECT_EQ(rows.mid(3, 4),
              (QStringList{u"MONTH OF  MARCH|||"_s, u"AUTO|||"_s, u"ESSENCE  |CARTE|12/03/2026|112.50 €"_s,
                           u"MONTH OF  APRIL|||"_s}));
    EXPECT_EQ(rows.mid(15), (QStringList{u"AUTO|||"_s, u"GARAGE  |CARTE|03/12/2026|1 200.00 €"_s, u"|||"_s,
                                         u"  Total Of Expenses|||1 312.50 €"_s}));
    clickToolbar(6);
    EXPECT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().accountDb.path(), data.ctx().filePath(u"123452026.acd"_s));
}
