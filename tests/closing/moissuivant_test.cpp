#include "closing/closingtest.h"
#include "data/workingcontext.h"
#include "support/guitest.h"
#include "ui/screenbase.h"
#include "ui/screennames.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class MoisSuivantTest : public GuiTest {
protected:
    WorkingContext& ctx() { return data.ctx(); }
    void start(int month, const QString& language = French) {
        data.login(data.addAccount(u"12345"_s, 2026, u"SECRET"_s, month), language);
    }
    ui::Grid* grid() const { return child<ui::Grid>(u"MSFlexGrid1"_s); }
    // The screen says nothing was changed, offers no list to print, and the files agree.
    void expectNothingChanged(const FolderSnapshot& before) {
        EXPECT_EQ(label(u"Label2"_s), u"RIEN N'A ÉTÉ MODIFIÉ"_s);
        EXPECT_FALSE(grid()->isVisible());
        EXPECT_FALSE(toolbar()->isButtonEnabled(2));
        EXPECT_EQ(SnapshotFolder(data.dir()), before);
    }
    // Leaving goes to the login screen, once the program has it.
    void expectLeavesForLogin() {
        clickToolbar(1);
        settle();
        if (registry.contains(screen::MotDePasse))
            EXPECT_EQ(currentName(), screen::MotDePasse);
        else
            EXPECT_EQ(messages().last().title, u"TIRELOU"_s); // "not available yet"
    }
};

} // namespace

TEST_F(MoisSuivantTest, RollsTheMonthOverShowsAndPrintsWhatWasCarried) {
    start(3);
    data.addRow(u"Mars"_s, Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 30, u" 90"_s),
                                {{field::Reste, u"1000"_s}, {field::Reserve, QString()}}));
    data.addRow(u"Mars"_s, Item(u"P"_s, u"EDF"_s, Pair(u"45,5"_s, 30, u" 45,5"_s))); // last month
    data.addRow(u"Mars"_s, Item(u"P"_s, u" "_s, Pair(u"99"_s, 30, u" 990"_s)));
    data.addRow(u"Mars"_s, Item(u"R"_s, u"VOYAGE"_s, Pair(u" 100"_s, 30, u" 400"_s)));
    data.addRow(u"Mars"_s, Item(u"C"_s, u"COURSES"_s, u"45"_s));
    data.addRow(u"Avril"_s, Item(u"C"_s, u"AVRIL 2025"_s, u"1"_s));
    ctx().clock.setNow(QDateTime(QDate(2026, 3, 31), QTime(18, 0)));

    open(screen::MoisSuivant);
    ASSERT_EQ(currentName(), screen::MoisSuivant);
    EXPECT_EQ(current()->caption(), u"Mois Suivant"_s);
    EXPECT_EQ(frame->caption(), u"TIRELOU"_s);
    EXPECT_EQ(label(u"Label1"_s), u" TIRELOU FAMILIAL "_s);
    EXPECT_EQ(label(u"Label2"_s), u"PATIENTEZ JE TRIE"_s);
    EXPECT_EQ(toolbar()->caption(1) + toolbar()->caption(2), u"QuitterImprimer"_s);
    // ended debits are listed, unlabelled ones are not
    EXPECT_EQ(
        grid()->rowTexts(),
        (QStringList{u"Avril|"_s, u"PRELEVEMENT|"_s, u"AXA  |30.00  €"_s, u"EDF  |45.50  €"_s,
                     u"Montant De La Réserve|0.00 €"_s, u"Montant Total du Prélèvement|75.50 €"_s,
                     u"PREVISION|"_s, u"VOYAGE  |100.00  €"_s, u"Montant Total De Prévision|100.00 €"_s}));
    EXPECT_EQ(data.rows(table::Mois).value(0).value(field::Encour), u"4"_s);

    // Without a printer the list goes to a PDF of the data folder, and the user is told where.
    clickToolbar(2);
    const QString pdf = data.path(u"Mois-Suivant-20260331-180000.pdf"_s);
    if (QFile::exists(pdf)) {
        EXPECT_EQ(messages().last().text,
                  u"Aucune imprimante n'est installée : la liste est enregistrée dans le fichier\n"_s + pdf);
        if (const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s); !tool.isEmpty()) {
            QProcess p;
            p.start(tool, {u"-layout"_s, pdf, u"-"_s});
            ASSERT_TRUE(p.waitForFinished());
            const QString page = QString::fromUtf8(p.readAllStandardOutput()).simplified();
            for (const QString& w :
                 {u"PRELEVEMENT AXA 30 € EDF 45.5 €"_s, u"Prélèvement 75.50 €"_s, u"VOYAGE 100 €"_s})
                EXPECT_TRUE(page.contains(w)) << page.toStdString();
        }
    }
    expectLeavesForLogin();
}

TEST_F(MoisSuivantTest, ClosesDecemberIntoTheNewYearFileAndSortsTheArchives) {
    start(12, English);
    data.addRow(u"December"_s, Item(u"P"_s, u"RENT"_s, Pair(u"700"_s, 30, u" 2100"_s),
                                    {{field::Reste, u"2500"_s}, {field::Reserve, u"25"_s}}));
    data.addRow(u"December"_s,
                Item(u"C"_s, u"GIFTS"_s, u"300"_s, {{field::Reserve, Pair(u"100"_s, 17, u" 500"_s)}}));
    data.addRow(u"December"_s, Item(u"R"_s, u"HOLIDAYS"_s, Pair(u"100"_s, 30, u" 300"_s)));
    QDir().mkpath(ctx().archiveDir());
    for (const QString& old : {u"12021.acd"_s, u"12022.acd"_s})
        QFile(ctx().archivePath(old)).open(QIODevice::WriteOnly);
    ctx().clock.setToday(QDate(2027, 1, 8));
    ctx().backupPath = u"b:\\TIRELOU"_s;
    ctx().scale.factor = 200;

    open(screen::MoisSuivant);
    EXPECT_EQ(current()->caption(), u"Following month"_s);
    EXPECT_EQ(label(u"Label1"_s), u" DOMESTIC TIRELOU "_s);
    EXPECT_EQ(label(u"Label2"_s), u"EXERCISE PATIENCE I SORT OUT YOUR ARCHIVES"_s);
    EXPECT_EQ(toolbar()->caption(1) + toolbar()->caption(2), u"To leaveTo print"_s);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, u"Insert The back-up disk in B:\\"_s);
    EXPECT_EQ(messages()[0].title, u"Archive"_s);

    EXPECT_EQ(SnapshotFolder(data.dir()).keys(),
              (QStringList{u"123452027.acd"_s, u"Archives/12022.acd"_s, u"Archives/123452026.acd"_s,
                           u"Base.xfr"_s, u"Langue.dat"_s}));
    EXPECT_EQ(data.rows(u"January"_s).value(0).value(field::Reste), u"1575"_s);
    EXPECT_EQ(data.rows(table::Mois).value(0).value(field::Encour), u"1"_s);
    EXPECT_EQ(grid()->rowTexts(),
              (QStringList{u"January|"_s, u"TAKING|"_s, u"RENT  |700.00  €"_s,
                           u"Bringing up The Reserve|125.00 €"_s, u"Total amount of the Taking|825.00 €"_s,
                           u"FORECASTING|"_s, u"HOLIDAYS  |100.00  €"_s,
                           u"Total amount Of Forecasting|100.00 €"_s}));
    // The month and the section titles are bold at the window's scale.
    for (int row : {0, 1, 5}) {
        const QFont title = grid()->item(row, 0)->font();
        EXPECT_TRUE(title.bold()) << row;
        EXPECT_NEAR(title.pointSizeF(), 2 * QApplication::font().pointSizeF(), 0.01) << row;
    }
    EXPECT_TRUE(toolbar()->isButtonEnabled(2));
}

TEST_F(MoisSuivantTest, AFailingMonthStepIsShownAndChangesNothing) {
    start(3);
    data.addRow(u"Mars"_s, Item(u"P"_s, u"AXA"_s, Pair(u"30"_s, 30, u" 90"_s), {{field::Reste, u"1000"_s}}));
    data.addRow(u"Avril"_s, Item(u"C"_s, u"AVRIL 2025"_s, u"1"_s));
    // April has lost a field: emptied first, it then refuses the carried row
    ctx().accountDb.exec(u"ALTER TABLE Avril DROP COLUMN Poste"_s);
    const FolderSnapshot before = SnapshotFolder(data.dir());

    open(screen::MoisSuivant);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].text.startsWith(u"L'opération n'a pas pu se faire, rien n'a été modifié :\n"_s))
        << messages()[0].text.toStdString();
    expectNothingChanged(before);
    EXPECT_EQ(data.rows(u"Avril"_s).value(0).value(field::Libelle), u"AVRIL 2025"_s);
    expectLeavesForLogin();
}

TEST_F(MoisSuivantTest, DecemberWaitsForTheNewYearThenAsksToLogInAgainIfItsFileDidNotReopen) {
    start(12);
    data.addRow(u"Decembre"_s, Item(u"P"_s, u"LOYER"_s, Pair(u"700"_s, 30, u" 2100"_s)));
    ctx().clock.setToday(QDate(2026, 12, 28));
    const FolderSnapshot before = SnapshotFolder(data.dir());
    open(screen::MoisSuivant);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text,
              u"L'année 2026 n'est pas terminée : son mois de décembre pourra être clôturé "
              u"à partir du 1er janvier 2027.\nRien n'a été modifié."_s);
    expectNothingChanged(before);

    ctx().clock.setToday(QDate(2027, 1, 8));
    ctx().backupPath = u"C:\\TIRELOU"_s; // a fixed disk: no disk to insert
    // a stray folder where the engine looks for the new file's journal
    ASSERT_TRUE(QDir().mkpath(data.path(u"123452027.acd-journal"_s)));
    open(screen::MoisSuivant);
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[1].text, u"L'année a été changée : reconnectez-vous pour continuer."_s);
    EXPECT_EQ(label(u"Label2"_s), u"PATIENTEZ JE TRIE VOS ARCHIVES"_s);
    EXPECT_EQ(SnapshotFolder(data.dir()).keys().filter(u".acd"_s),
              (QStringList{u"123452027.acd"_s, u"Archives/123452026.acd"_s}));
    EXPECT_EQ(grid()->rowTexts().mid(0, 3),
              (QStringList{u"Janvier|"_s, u"PRELEVEMENT|"_s, u"LOYER  |700.00  €"_s}));
    EXPECT_TRUE(toolbar()->isButtonEnabled(2));
    expectLeavesForLogin();

    // The new file was complete: it opens once the folder is gone.
    ASSERT_TRUE(QDir(data.path(u"123452027.acd-journal"_s)).removeRecursively());
    OpenAccountDb(ctx());
    EXPECT_EQ(data.rows(table::Mois).value(0).value(field::Encour), u"1"_s);
    EXPECT_EQ(data.rows(u"Janvier"_s).value(0).value(field::Prix), Pair(u"700"_s, 20, u"1400"_s));
}
