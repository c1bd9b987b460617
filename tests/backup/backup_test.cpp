#include "backup/backup.h"
#include "data/handover.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under `dir`, hidden ones included, by its path inside it.
QMap<QString, QByteArray> Tree(const QString& dir) {
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out.insert(QDir(dir).relativeFilePath(path), ReadFile(path));
    }
    return out;
}

// An account with its data folder, a home folder and a backup folder beside it.
class BackupTest : public ::testing::Test {
protected:
    BackupTest() {
        ctx().homeDir = home.path();
        ctx().clock.setToday({2026, 3, 9});
        data.login(data.addAccount(u"1"_s, 2026));
        data.setLanguage(French);
        ctx().language = French;
        WriteFile(data.path(u"Lire.xfr"_s), "ENCOUR\r\n");
        WriteFile(data.path(u"Encour"_s), "ENCOUR\r\n"); // no extension: not part of a backup
        WriteFile(data.path(u"notes.txt"_s), "mine");
        WriteFile(ctx().archivePath(u"12025.acd"_s), "year 2025");
        WriteFile(ctx().archivePath(u"lisez.txt"_s), "archives folder note");
        ctx().accountDb.close();
    }
    WorkingContext& ctx() { return data.ctx(); }
    QString backupDir() const { return WithSlash(home.filePath(u"cle/Tirelou"_s)); }

    TestData data;
    QTemporaryDir home;
};

TEST_F(BackupTest, SettingsAreMadeOnFirstUseAndDatedInTheLanguagesOrder) {
    const QString fallback = WithSlash(home.filePath(u"Orvane/Tirelou"_s));
    BackupSettings first = LoadBackupSettings(ctx());
    EXPECT_FALSE(first.existed);
    EXPECT_EQ(BackupInfoText(first, true), u"PREMIERE SAUVEGARDE 09/03/2026\r\n\r\n Chemin "_s + fallback);
    EXPECT_EQ(BackupInfoText(first, false), u"FIRST SAFEGUARD 09/03/2026\r\n\r\n Path "_s + fallback);
    EXPECT_EQ(ReadFile(data.path(handover::Sauve)), (home.filePath(u"Orvane/Tirelou"_s) + u"\r\n"_s +
                                                     WithSlash(data.dir()) + u"\r\n09/03/2026\r\n"_s)
                                                        .toUtf8());

    ctx().language = English;
    WriteBackupSettings(ctx(), u"/media/cle"_s);
    const BackupSettings again = LoadBackupSettings(ctx());
    EXPECT_TRUE(again.existed);
    EXPECT_EQ(again.backupDir, u"/media/cle/"_s);
    EXPECT_EQ(BackupInfoText(again, false), u"LAST SAFEGUARD 03/09/2026\r\n\r\n Path  /media/cle/"_s);
    EXPECT_EQ(BackupInfoText(again, true), u"DERNIERE SAUVEGARDE 03/09/2026\r\n\r\n Chemin  /media/cle/"_s);

    // Folder texts as typed: "~" and relative texts start from the home folder.
    EXPECT_EQ(BackupFolder(ctx(), u" ~/cle "_s), WithSlash(home.filePath(u"cle"_s)));
    EXPECT_EQ(BackupFolder(ctx(), u"cle/../sauve"_s), WithSlash(home.filePath(u"sauve"_s)));
    EXPECT_EQ(BackupFolder(ctx(), u"/media/cle"_s), u"/media/cle/"_s);
    EXPECT_EQ(BackupFolder(ctx(), u"  "_s), QString());
}

TEST_F(BackupTest, TheDataFolderItsInsideAndWhatHoldsItAreRefusedAndNothingIsTouched) {
    const QString dir = data.dir();
    ASSERT_TRUE(QFile::link(dir, home.filePath(u"lien"_s)));
    const QList<std::pair<QString, Refusal>> cases{
        {dir, Refusal::SameAsData},
        {dir + u"/"_s, Refusal::SameAsData},
        {home.filePath(u"lien"_s), Refusal::SameAsData}, // the same folder through a link
        {dir + u"/Archives"_s, Refusal::InsideData},
        {dir + u"/pas/encore"_s, Refusal::InsideData},
        {dir + u"/.."_s, Refusal::AboveData},
        {u"/"_s, Refusal::AboveData},
        {u""_s, Refusal::NoFolder},
        {backupDir(), Refusal::None},
        {dir + u"-copie"_s, Refusal::None}, // a name that only starts like it
    };
    for (const auto& [folder, expected] : cases)
        EXPECT_EQ(CheckBackupFolder(dir, folder), expected) << folder.toStdString();

    const QMap<QString, QByteArray> before = Tree(dir);
    for (const QString& folder : {dir, dir + u"/Archives"_s, dir + u"/.."_s}) {
        EXPECT_NE(WriteBackup(ctx(), folder).refusal, Refusal::None);
        EXPECT_NE(RestoreBackup(ctx(), folder).refusal, Refusal::None);
    }
    EXPECT_EQ(RestoreBackup(ctx(), backupDir()).refusal, Refusal::NoBackupThere);
    EXPECT_EQ(Tree(dir), before);
    EXPECT_TRUE(ctx().backupPath.isEmpty());
}

TEST_F(BackupTest, ABackupRestoredGivesBackTheDataByteForByte) {
    WriteFile(backupDir() + u"ancien.acd"_s, "older backup"); // the folder's own files go first
    QStringList shown;
    const CopyReport saved =
        WriteBackup(ctx(), backupDir(), [&shown](const QString& name, int done, int total) {
            shown << u"%1 %2/%3"_s.arg(name).arg(done).arg(total);
        });
    ASSERT_TRUE(saved.ok()) << saved.failed.join(u' ').toStdString();
    const QStringList files{u"12026.acd"_s, u"Base.xfr"_s,           u"Langue.dat"_s,        u"Lire.xfr"_s,
                            u"Sauve.xfr"_s, u"Archives/12025.acd"_s, u"Archives/lisez.txt"_s};
    EXPECT_EQ(saved.copied, files);
    EXPECT_EQ(shown.first(), u"12026.acd 0/7"_s);
    EXPECT_EQ(shown.last(), u" 7/7"_s);
    EXPECT_EQ(ctx().backupPath, backupDir());
    EXPECT_EQ(ReadFile(data.path(handover::Sauve)),
              (backupDir() + u"\r\n"_s + WithSlash(data.dir()) + u"\r\n09/03/2026\r\n"_s).toUtf8());
    const QMap<QString, QByteArray> backup = Tree(backupDir());
    EXPECT_EQ(backup.keys(), (QStringList{u"12026.acd"_s, u"Archives/12025.acd"_s, u"Archives/lisez.txt"_s,
                                          u"Base.xfr"_s, u"Langue.dat"_s, u"Lire.xfr"_s, u"Sauve.xfr"_s}));
    for (const QString& name : files)
        EXPECT_EQ(backup.value(name), ReadFile(data.path(name))) << name.toStdString();
    EXPECT_FALSE(backup.contains(u"ancien.acd"_s));

    // The data change: a payment, an archive lost, a setting spoilt.
    OpenAccountDb(ctx());
    data.addRow(u"Mars"_s, {{field::Libelle, u"LOYER"_s}});
    ASSERT_TRUE(QFile::remove(ctx().archivePath(u"12025.acd"_s)));
    WriteFile(data.path(u"Langue.dat"_s), "English\r\n");

    const CopyReport restored = RestoreBackup(ctx(), backupDir());
    ASSERT_TRUE(restored.ok()) << restored.failed.join(u' ').toStdString();
    EXPECT_FALSE(ctx().accountDb.isOpen());
    const QMap<QString, QByteArray> after = Tree(data.dir());
    for (auto it = backup.begin(); it != backup.end(); ++it)
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    // What a backup never held stays as it was, and no temporary file is left behind.
    EXPECT_EQ(after.value(u"notes.txt"_s), "mine");
    EXPECT_EQ(after.value(u"Encour"_s), "ENCOUR\r\n");
    EXPECT_EQ(after.size(), backup.size() + 2);
    OpenAccountDb(ctx());
    EXPECT_TRUE(data.rows(u"Mars"_s).isEmpty());
}

TEST_F(BackupTest, AFileThatCannotBeCopiedIsReportedAndTheOthersStillGo) {
    // Folders where a copy should land: no file can take their place.
    ASSERT_TRUE(QDir().mkpath(backupDir() + u"Archives/12025.acd"_s));
    const CopyReport saved = WriteBackup(ctx(), backupDir());
    EXPECT_EQ(saved.failed, QStringList{u"Archives/12025.acd"_s});
    EXPECT_EQ(saved.copied.size(), 6);
    EXPECT_FALSE(saved.ok());

    ASSERT_TRUE(QDir().rmdir(backupDir() + u"Archives/12025.acd"_s));
    ASSERT_TRUE(WriteBackup(ctx(), backupDir()).ok());
    WriteFile(backupDir() + u"12026.acd"_s, "a newer account file");
    ASSERT_TRUE(QFile::remove(data.path(u"Lire.xfr"_s)));
    ASSERT_TRUE(QDir().mkdir(data.path(u"Lire.xfr"_s)));
    const CopyReport restored = RestoreBackup(ctx(), backupDir());
    EXPECT_EQ(restored.failed, QStringList{u"Lire.xfr"_s});
    EXPECT_EQ(ReadFile(data.path(u"12026.acd"_s)), "a newer account file");
    EXPECT_TRUE(QFileInfo(data.path(u"Lire.xfr"_s)).isDir());
    EXPECT_TRUE(QDir(data.dir()).entryList({u".*.part"_s}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(BackupTest, CleaningDeletesTheBackupsArchivesSixYearsOldAndMore) {
    ctx().clock.setToday({2009, 6, 1});
    const QString archives = backupDir() + u"Archives/"_s;
    for (const QString& name : {u"12002.acd"_s, u"12003.acd"_s, u"22003.acd"_s, u"12004.acd"_s,
                                u"12008.acd"_s, u"71e10.acd"_s, u"compte.acd"_s, u"notes.txt"_s})
        WriteFile(archives + name, "x");
    QStringList shown;
    const CleanReport report =
        CleanArchives(ctx(), backupDir(), [&shown](const QString& name, int done, int total) {
            shown << u"%1 %2/%3"_s.arg(name).arg(done).arg(total);
        });
    // A year too large for a year is no old year; a name without one reads as year 0.
    EXPECT_EQ(report.deleted, (QStringList{u"12002.acd"_s, u"12003.acd"_s, u"22003.acd"_s, u"compte.acd"_s}));
    EXPECT_EQ(QDir(archives).entryList(QDir::Files),
              (QStringList{u"12004.acd"_s, u"12008.acd"_s, u"71e10.acd"_s, u"notes.txt"_s}));
    EXPECT_EQ(shown, (QStringList{u"12002.acd 0/8"_s, u"12003.acd 1/8"_s, u"22003.acd 4/8"_s,
                                  u"compte.acd 6/8"_s, u" 8/8"_s}));
    EXPECT_TRUE(QFile::exists(ctx().archivePath(u"12025.acd"_s))); // the data folder's own are not touched
}

TEST(BackupPlaces, TheBackupDiskIsTheRemovableVolumeOfTheLastBackup) {
    TestData data;
    WorkingContext& ctx = data.ctx();
    ctx.volumes = std::vector<Volume>{{u"/"_s, u"système"_s, false},
                                      {u"/media/cle"_s, u"CLE"_s, true},
                                      {u"/media/cle/sous"_s, u"x"_s, false}};
    EXPECT_EQ(VolumeOf(*ctx.volumes, u"/media/cle/Tirelou/"_s)->name, u"CLE"_s);
    EXPECT_EQ(VolumeOf(*ctx.volumes, u"/media/clef"_s)->name, u"système"_s);
    EXPECT_EQ(VolumeOf(*ctx.volumes, u"/media/cle/sous/a"_s)->name, u"x"_s);

    EXPECT_EQ(BackupDiskDrive(ctx), QString()); // never backed up
    WriteFile(data.path(handover::Sauve), "/media/cle/Tirelou/\r\n/d/\r\n01/01/2026\r\n");
    EXPECT_EQ(BackupDiskDrive(ctx), u"/media/cle/"_s); // from the settings, after a restart
    for (const auto& [path, drive] : {std::pair{u"/home/moi/sauve/"_s, QString()},
                                      {u"/media/cle/sous/a/"_s, QString()},
                                      {u"b:\\TIRELOU"_s, u"B:\\"_s},
                                      {u"/media/cle"_s, u"/media/cle/"_s}}) {
        ctx.backupPath = path;
        EXPECT_EQ(BackupDiskDrive(ctx), drive) << path.toStdString();
    }
}

} // namespace
