#include "closing/closingtest.h"
#include "data/handover.h"
#include "month/overview.h"
#include "support/guitest.h"
#include "ui/screenbase.h"
#include "ui/screennames.h"

#include <QLabel>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class Elsewhere : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override {}
};

Row Paid(const QString& category, const QString& label, const QString& price, const QString& kind = u"C"_s) {
    return MonthRow({{field::Rubriques, category},
                     {field::Libelle, label},
                     {field::NumCheque, kind == u"P"_s ? u"PRELEVEMENT"_s : u"CARTE"_s},
                     {field::Prix, price},
                     {field::Date, u"05/01/2026"_s},
                     {field::Poste, kind}});
}

// Account 12345 kept in March 2026; its 2025 file in the archives.
class ConsultScreens : public GuiTest {
protected:
    ConsultScreens() {
        registry.add<Elsewhere>(screen::CompteEncours);
        current_ = data.addAccount(u"12345"_s, 2026, u"SECRET"_s, 3);
        data.ctx().clock.setToday({2026, 3, 15});
    }
    void start(const QString& language) {
        data.login(current_, language);
        const bool fr = language == French;
        data.addRow(
            fr ? u"Janvier"_s : u"January"_s,
            With(Paid(fr ? u"MAISON"_s : u"HOUSE"_s, u"LOYER"_s, u"450"_s), {{field::Reste, u"1234,5"_s}}));
        data.addRow(fr ? u"Janvier"_s : u"January"_s,
                    Paid(fr ? u"MAISON"_s : u"HOUSE"_s, u"EDF"_s, Pair(u"30"_s, 30, u"90"_s), u"P"_s));
        data.addRow(fr ? u"Mars"_s : u"March"_s,
                    With(Paid(u"SANTE"_s, u"MARS"_s, u"1"_s), {{field::Reste, u"10"_s}}));
    }
    // The archived year: February holds a car repair, on a remainder of 99.
    void archive(const QString& table, const QString& category) {
        const QString name = data.addAccount(u"12345"_s, 2025, u"SECRET"_s, 12);
        {
            Database db;
            db.open(data.path(name));
            RecordSet rs;
            rs.open(db, table);
            for (const Row& row : {With(Paid(category, u"GARAGE"_s, u"320"_s), {{field::Reste, u"99"_s}}),
                                   Paid(category, u"PNEUS"_s, u"80,25"_s)}) {
                rs.addNew();
                for (auto it = row.begin(); it != row.end(); ++it)
                    rs.setValue(it.key(), it.value());
                rs.update();
            }
        }
        QDir().mkpath(data.ctx().archiveDir());
        ASSERT_TRUE(QFile::rename(data.path(name), data.ctx().archivePath(name)));
    }
    // The account files, row by row: consulting never writes to them.
    FolderSnapshot files() const {
        FolderSnapshot all = SnapshotFolder(data.dir());
        for (auto it = all.begin(); it != all.end();)
            it = it.key().endsWith(u".acd"_s) ? std::next(it) : all.erase(it);
        return all;
    }
    // Through the main menu's consult dialogue.
    void consult(const QString& month, const QString& choice, const QString& year = QString()) {
        open(screen::MenuTirelou);
        clickToolbar(4);
        Enter(child<ui::InputField>(u"Text1"_s), month);
        Enter(child<ui::InputField>(u"Text2"_s), choice);
        if (!year.isNull()) {
            auto* f = child<ui::InputField>(u"Text3"_s);
            f->clear();
            Enter(f, year);
        }
        settle(0);
    }
    QString label(const QString& name) const { return child<QLabel>(name)->text(); }
    ui::Grid* grid() const { return child<ui::Grid>(u"MSFlexGrid1"_s); }
    ui::ListBox* list() const { return child<ui::ListBox>(u"List1"_s); }
    QStringList captions() const {
        QStringList out;
        for (int i = 1; i <= toolbar()->count(); ++i)
            out << toolbar()->caption(i);
        return out;
    }
    void click(int button) {
        clickToolbar(button);
        settle(0);
    }

    QString current_;
};

} // namespace

TEST_F(ConsultScreens, AMonthOfTheCurrentYearThroughTheMenu) {
    start(French);
    const FolderSnapshot before = files();
    consult(u"1"_s, u"E"_s);
    ASSERT_EQ(currentName(), screen::MoisConsulter);
    EXPECT_EQ(current()->caption(), u"Mois Consulté"_s);
    EXPECT_EQ(label(u"Label1"_s), u" TIRELOU FAMILIAL "_s);
    EXPECT_EQ(label(u"Label7"_s), u"Mois Consulter  Janvier  2026"_s);
    EXPECT_EQ(label(u"Label6"_s), HubDateLine({2026, 3, 15}, true)); // day names of the system
    EXPECT_EQ(label(u"Label8"_s), u"12345   1 234.50 €"_s);
    EXPECT_EQ(captions().join(u'|'), u"VOIR COMPTE|VOIR THEME|VOIR RUBRIQUES|QUITTER"_s);
    EXPECT_EQ(list()->itemText(4), u"MAISON"_s);

    // the category view of January, and back
    click(3);
    ASSERT_EQ(currentName(), screen::LireRubriques);
    EXPECT_EQ(current()->caption(), u"Voir Rubriques"_s);
    EXPECT_EQ(captions().join(u'|'), u"SUITE|QUITTER"_s);
    EXPECT_FALSE(grid()->isVisible());
    ClickListItem(list(), 4);
    EXPECT_EQ(label(u"Label2"_s) + u'|' + label(u"Label3"_s) + u'|' + label(u"Label4"_s),
              u"Compte 12345|Mois JANVIER|  Rubrique MAISON"_s);
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{u"INTITULE|NUMERO PAIEMENT|DATE|MONTANT"_s, u"MOIS DE  JANVIER|MAISON||"_s,
                           u"|||"_s, u"LOYER  |CARTE|05/01/2026|450.00 €"_s,
                           u"EDF  |PRELEVEMENT|05/01/2026|30.00 €"_s, u"  Total Des Dépenses|||480.00 €"_s}));
    HandOverReader lire(data.ctx(), handover::Lire);
    const QString chosen = lire.item();
    EXPECT_EQ(chosen + u'|' + lire.item(), u"MAISON|4 "_s);
    click(1);
    EXPECT_TRUE(list()->isVisible());
    EXPECT_FALSE(grid()->isVisible());
    click(2);
    ASSERT_EQ(currentName(), screen::MoisConsulter);

    click(1);
    EXPECT_EQ(currentName(), screen::CompteEncours);
    EXPECT_EQ(data.ctx().currentMonth, 1); // the statement shows the consulted month

    open(screen::MoisConsulter);
    click(4);
    ASSERT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().currentMonth, 3);
    EXPECT_EQ(label(u"Label3"_s), u"Mois En Cours Mars"_s);
    EXPECT_EQ(files(), before);
}

TEST_F(ConsultScreens, AnArchivedMonthInEnglish) {
    start(English);
    archive(u"February"_s, u"CAR"_s);
    const FolderSnapshot before = files();
    // a year with no file is said; the current file stays and only leaving is offered
    consult(u"1"_s, u"A"_s, u"2019"_s);
    ASSERT_EQ(currentName(), screen::MoisConsulter);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().last().text.contains(u"123452019.acd"_s));
    EXPECT_EQ(QList<bool>({toolbar()->isButtonVisible(1), toolbar()->isButtonVisible(3),
                           toolbar()->isButtonVisible(4)}),
              QList<bool>({false, false, true}));
    EXPECT_EQ(data.ctx().accountDb.path(), data.ctx().filePath(current_));
    click(4);

    consult(u"2"_s, u"a"_s, u"2025"_s);
    ASSERT_EQ(currentName(), screen::MoisConsulter);
    EXPECT_EQ(current()->caption(), u"Consulted month"_s);
    EXPECT_EQ(label(u"Label1"_s), u" DOMESTIC TIRELOU "_s);
    EXPECT_EQ(label(u"Label7"_s), u"Month to Consult  February  2025"_s);
    EXPECT_EQ(label(u"Label6"_s), HubDateLine({2026, 3, 15}, false));
    EXPECT_EQ(label(u"Label8"_s), u"12345   99.00 €"_s);
    EXPECT_EQ(captions().join(u'|'), u"To SEE ACCOUNT|To SEE THEME|To SEE CATEGORIES|To LEAVE"_s);
    EXPECT_EQ(data.ctx().accountDb.path(), data.ctx().archivePath(u"123452025.acd"_s));
    HandOverReader lire(data.ctx(), handover::Lire);
    QStringList lines;
    while (!lire.atEnd())
        lines << lire.line();
    EXPECT_EQ(lines.join(u'|'), u"ARCHIVE| 2 |2025"_s);

    click(3);
    ASSERT_EQ(current()->caption(), u"To see Categories"_s);
    EXPECT_EQ(captions().join(u'|'), u"FOLLOWING|To LEAVE"_s);
    ClickListItem(list(), 7);
    EXPECT_EQ(label(u"Label2"_s) + u'|' + label(u"Label3"_s) + u'|' + label(u"Label4"_s),
              u"Account 12345|Month FEBRUARY|  Category CAR"_s);
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{u"TITLED|NUMBER PAYMENT|DATE|GOING UP"_s, u"MONTH OF  FEBRUARY|CAR||"_s, u"|||"_s,
                           u"GARAGE  |CARTE|05/01/2026|320.00 €"_s, u"PNEUS  |CARTE|05/01/2026|80.25 €"_s,
                           u"  Total Of Expenses|||400.25 €"_s}));
    click(2);
    click(2);
    ASSERT_EQ(currentName(), screen::Theme);
    EXPECT_EQ(captions().join(u'|'), u"BY NUMBER|BY DATE|BY TITLED|BY AMOUNT|FOLLOWING|To LEAVE"_s);
    click(4);
    EXPECT_EQ(label(u"Label4"_s), u"By Amount"_s);
    Enter(child<ui::InputField>(u"Text1"_s), u"80"_s);
    EXPECT_EQ(grid()->rowTexts(), (QStringList{u"TITLED|NUMBER PAYMENT|DATE|GOING UP"_s, u"CAR|||"_s,
                                               u"PNEUS  |CARTE|05/01/2026|80.25 €"_s, u"|||"_s,
                                               u"  Total Of Expenses|||80.25 €"_s}));
    click(6);
    click(4);
    ASSERT_EQ(currentName(), screen::MenuTirelou);
    EXPECT_EQ(data.ctx().accountDb.path(), data.ctx().filePath(current_));
    EXPECT_EQ(data.ctx().currentMonth, 3);
    EXPECT_EQ(files(), before);
}

TEST_F(ConsultScreens, TheCategoriesOfTheMonthInHand) {
    start(French);
    WriteHandOver(data.ctx(), handover::Encour, {u"ENCOUR"_s});
    data.ctx().currentMonth = 5; // May has no row at all
    open(screen::LireRubriques);
    ClickListItem(list(), 0);
    EXPECT_EQ(
        grid()->rowTexts(),
        (QStringList{u"INTITULE|NUMERO PAIEMENT|DATE|MONTANT"_s, u"MOIS DE  MAI|ASSURANCES||"_s, u"|||"_s,
                     u" PAS DE MOUVEMENT | POUR CETTE | RUBRIQUE |"_s, u"  Total Des Dépenses|||0.00 €"_s}));
    click(2);
    EXPECT_EQ(currentName(), screen::MoisEnCours);
}
