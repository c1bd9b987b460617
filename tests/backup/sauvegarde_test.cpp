#include "backup/backup.h"
#include "data/handover.h"
#include "data/schema.h"
#include "support/guitest.h"
#include "ui/screennames.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Account 1 on 9 March 2026; a home folder holding a removable disk "cle".
class SauvegardeTest : public GuiTest {
protected:
    SauvegardeTest() {
        data.login(data.addAccount(u"1"_s, 2026, u"SECRET"_s, 3), French);
        ctx().clock.setToday({2026, 3, 9});
        ctx().homeDir = home.path();
        disk = home.filePath(u"cle"_s);
        QDir().mkpath(disk + u"/Tirelou"_s);
        QDir().mkpath(disk + u"/Photos"_s);
        ctx().volumes = std::vector<Volume>{{u"/"_s, u"système"_s, false}, {disk, u"CLE"_s, true}};
    }
    WorkingContext& ctx() { return data.ctx(); }
    ui::InputField* text1() const { return child<ui::InputField>(u"Text1"_s); }
    QString info() const { return child<QPlainTextEdit>(u"Text2"_s)->toPlainText(); }
    ui::ListBox* list(const QString& name) const { return child<ui::ListBox>(name); }
    bool shown(const QString& name) const { return child<QWidget>(name)->isVisible(); }
    // Which of the toolbar's four buttons can be pressed.
    QString enabled() const {
        QString out;
        for (int b : {1, 3, 5, 7})
            out += toolbar()->isButtonEnabled(b) ? u'1' : u'0';
        return out;
    }
    void replaceFolder(const QString& folder) {
        QTest::keyClick(text1(), Qt::Key_A, Qt::ControlModifier);
        Enter(text1(), folder);
    }

    QTemporaryDir home;
    QString disk;
};

TEST_F(SauvegardeTest, BacksUpToAChosenDiskCleansLeavesComesBackAndRestores) {
    open(screen::Sauvegarde);
    ASSERT_EQ(currentName(), screen::Sauvegarde);
    EXPECT_FALSE(ctx().accountDb.isOpen());
    EXPECT_EQ(current()->caption(), u"Sauvegarde"_s);
    EXPECT_EQ(toolbar()->caption(1) + u'|' + toolbar()->caption(3) + u'|' + toolbar()->caption(5) + u'|' +
                  toolbar()->caption(7),
              u"Sauvegarde|Restaurer|Nettoie Archives|Quitter"_s);
    const QString fallback = WithSlash(home.filePath(u"Orvane/Tirelou"_s));
    EXPECT_EQ(info(), u"PREMIERE SAUVEGARDE 09/03/2026\n\n Chemin "_s + fallback);
    EXPECT_EQ(text1()->text(), fallback);
    EXPECT_TRUE(QFile::exists(data.path(handover::Sauve)));
    EXPECT_EQ(enabled(), u"1111"_s);
    EXPECT_TRUE(shown(u"Dir1"_s) && shown(u"Text2"_s));
    EXPECT_FALSE(shown(u"Drive1"_s) || shown(u"Command1"_s) || shown(u"Command2"_s) || shown(u"Frame1"_s));

    clickToolbar(1);
    EXPECT_EQ(enabled(), u"0000"_s);
    EXPECT_TRUE(shown(u"Drive1"_s) && shown(u"Dir1"_s) && shown(u"Command1"_s));
    EXPECT_EQ(child<QPushButton>(u"Command1"_s)->text(), u"Ecrire la sauvegarde"_s);
    EXPECT_EQ(list(u"Drive1"_s)->itemText(1), disk + u"  (CLE)"_s);
    ClickListItem(list(u"Drive1"_s), 1);
    EXPECT_EQ(list(u"Dir1"_s)->itemText(2), u"Tirelou"_s); // after ".." and "Photos"
    ClickListItem(list(u"Dir1"_s), 2);
    const QString target = WithSlash(disk + u"/Tirelou"_s);
    EXPECT_EQ(text1()->text(), target);
    QTest::mouseClick(child<QPushButton>(u"Command1"_s), Qt::LeftButton);

    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(info(), u"DERNIERE SAUVEGARDE 09/03/2026\n\n Chemin  "_s + target);
    EXPECT_EQ(enabled(), u"1111"_s);
    EXPECT_FALSE(shown(u"Drive1"_s) || shown(u"Command1"_s) || shown(u"Frame1"_s));
    EXPECT_EQ(ctx().backupPath, target);
    const QByteArray saved = ReadFile(target + u"12026.acd"_s);
    EXPECT_EQ(saved, ReadFile(data.path(u"12026.acd"_s)));

    // The backup's old archives go; leaving goes to the login.
    QFile(target + u"Archives/12020.acd"_s).open(QIODevice::WriteOnly);
    clickToolbar(5);
    EXPECT_FALSE(QFile::exists(target + u"Archives/12020.acd"_s));
    EXPECT_EQ(enabled(), u"1111"_s);
    clickToolbar(7);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    open(screen::Sauvegarde);

    // A payment made since, then the restore from the folder the settings name.
    OpenAccountDb(ctx());
    data.addRow(u"Mars"_s, {{field::Libelle, u"LOYER"_s}});
    ctx().accountDb.close();
    clickToolbar(3);
    EXPECT_TRUE(shown(u"Drive1"_s) && shown(u"Command2"_s));
    EXPECT_FALSE(shown(u"Command1"_s));
    EXPECT_EQ(list(u"Drive1"_s)->currentRow(), 1);
    EXPECT_EQ(child<QPushButton>(u"Command2"_s)->text(), u"Lire la sauvegarde"_s);
    QTest::mouseClick(child<QPushButton>(u"Command2"_s), Qt::LeftButton);
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(ReadFile(data.path(u"12026.acd"_s)), saved);
}

TEST_F(SauvegardeTest, InEnglishTheKeyboardRefusesTheDataFolderSavesCleansAndRestores) {
    data.setLanguage(English);
    QFile sauve(data.path(handover::Sauve));
    ASSERT_TRUE(sauve.open(QIODevice::WriteOnly));
    sauve.write((disk + u"/Tirelou\r\n/ailleurs/\r\n02/01/2026\r\n"_s).toUtf8());
    sauve.close();
    // The hub's reminder: the last backup is more than ten days old.
    open(screen::MoisEnCours);
    clickToolbar(10);
    settle();
    ASSERT_EQ(currentName(), screen::Sauvegarde);
    EXPECT_EQ(current()->caption(), u"Safeguard"_s);
    EXPECT_EQ(toolbar()->caption(1) + u'|' + toolbar()->caption(3) + u'|' + toolbar()->caption(5) + u'|' +
                  toolbar()->caption(7),
              u"Safeguard|To restore|Clean Archives|To leave"_s);
    const QString target = WithSlash(disk + u"/Tirelou"_s);
    EXPECT_EQ(info(), u"LAST SAFEGUARD 02/01/2026\n\n Path  "_s + target);
    EXPECT_EQ(text1()->text(), target);
    EXPECT_EQ(text1()->accessibleName(), u"Path"_s);
    EXPECT_EQ(list(u"Dir1"_s)->accessibleName(), u"Folders"_s);

    // Into the data folder: refused, and the data stay.
    const QByteArray account = ReadFile(data.path(u"12026.acd"_s));
    replaceFolder(data.dir());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, u"The safeguard cannot be written to the accounts' own folder ("_s +
                                      WithSlash(data.dir()) +
                                      u").\nChoose another folder: nothing was deleted or copied."_s);
    EXPECT_EQ(ReadFile(data.path(u"12026.acd"_s)), account);
    EXPECT_FALSE(shown(u"Frame1"_s));

    // Enter in the folder field writes the backup, dated month first.
    QDir().mkpath(target + u"Archives"_s);
    for (const QString& old : {u"12019.acd"_s, u"12020.acd"_s, u"12021.acd"_s})
        QFile(target + u"Archives/"_s + old).open(QIODevice::WriteOnly);
    replaceFolder(target);
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(info(), u"LAST SAFEGUARD 03/09/2026\n\n Path  "_s + target);
    EXPECT_TRUE(ReadFile(target + u"Sauve.xfr"_s).endsWith("\r\n03/09/2026\r\n"));

    clickToolbar(5); // 2020 and earlier go
    EXPECT_EQ(QDir(target + u"Archives"_s).entryList(QDir::Files), QStringList{u"12021.acd"_s});
    EXPECT_EQ(enabled(), u"1111"_s);

    // A restore prepared reads the last backup, whatever the field held; then given up with
    // Escape. The lists answer the keyboard.
    Type(text1(), u"x"_s);
    clickToolbar(3);
    EXPECT_EQ(text1()->text(), target);
    EXPECT_EQ(child<QPushButton>(u"Command2"_s)->text(), u"To read the safeguard"_s);
    ui::ListBox* drives = list(u"Drive1"_s);
    drives->setFocus();
    QTest::keyClick(drives, Qt::Key_Up);
    QTest::keyClick(drives, Qt::Key_Return);
    EXPECT_EQ(
        list(u"Dir1"_s)->itemText(0),
        QDir(u"/"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase).value(0));
    QTest::keyClick(text1(), Qt::Key_Escape);
    EXPECT_EQ(enabled(), u"1111"_s);
    EXPECT_FALSE(shown(u"Drive1"_s) || shown(u"Command2"_s));

    // Enter in the field of a prepared restore restores; the login follows.
    QFile::remove(data.path(u"Langue.dat"_s));
    clickToolbar(3);
    PressEnter(text1());
    settle();
    EXPECT_EQ(currentName(), screen::MotDePasse);
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(ReadFile(data.path(u"Langue.dat"_s)), ReadFile(target + u"Langue.dat"_s));
}

} // namespace
