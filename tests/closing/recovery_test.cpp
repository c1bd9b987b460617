#include "closing/recovery.h"
#include "data/folderlock.h"
#include "data/schema.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace Qt::StringLiterals;

namespace {

// The files of a data folder and its archive folder ("Archives/..."), with their bytes.
using Files = QMap<QString, QByteArray>;

void Write(const QString& dir, const Files& files) {
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = QDir(dir).filePath(it.key());
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(it.value());
    }
}

Files Read(const QString& dir) {
    Files files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        files.insert(QDir(dir).relativeFilePath(f.fileName()), f.readAll());
    }
    return files;
}

QString Moves(const QList<RecoveryReport::YearMove>& moves) {
    QStringList out;
    for (const RecoveryReport::YearMove& m : moves)
        out << m.account + u'>' + QString::number(m.year);
    return out.join(u' ');
}

} // namespace

// Each state a year change of account 7 from 2026 to 2027 can be stopped in, and what the
// next start leaves: the change finished once the new year was decided, undone before.
TEST(Recovery, FinishesDecidedYearChangesAndUndoesTheOthers) {
    const Files closed{{u"72026.acd"_s, "old"},
                       {u"Archives/72026.acd"_s, "older copy"},
                       {u"Archives/12019.acd"_s, "outdated"},
                       {u"Archives/72025.acd"_s, "2025"}};
    const Files changed{
        {u"72027.acd"_s, "new"}, {u"Archives/72026.acd"_s, "old"}, {u"Archives/72025.acd"_s, "2025"}};
    struct Case {
        const char* stoppedAt;
        Files files;
        Files after;
        const char *finished, *undone;
    };
    const auto with = [](Files files, const Files& more, const QStringList& gone = {}) {
        for (const QString& name : gone)
            files.remove(name);
        files.insert(more);
        return files;
    };
    const Case cases[] = {
        {"new year being written",
         with(closed, {{u"72027.acd.part"_s, "ne"}, {u"72027.acd.part-journal"_s, "j"}}), closed, "",
         "7>2027"},
        {"archive copy being written",
         with(closed, {{u"72027.acd.part"_s, "new"}, {u"Archives/72026.acd.part"_s, "ol"}}), closed, "",
         "7>2027"},
        {"decided", with(closed, {{u"72027.acd.ready"_s, "new"}, {u"Archives/72026.acd.part"_s, "old"}}),
         changed, "7>2027", ""},
        {"purge and old file done",
         with(closed, {{u"72027.acd.ready"_s, "new"}, {u"Archives/72026.acd.part"_s, "old"}},
              {u"72026.acd"_s, u"Archives/12019.acd"_s, u"Archives/72026.acd"_s}),
         changed, "7>2027", ""},
        {"archived", with(changed, {{u"72027.acd.ready"_s, "new"}}, {u"72027.acd"_s}), changed, "7>2027", ""},
        // both years of an account side by side, and an outdated archive, are no stopped change
        {"nothing", with(closed, {{u"72027.acd"_s, "new"}}), with(closed, {{u"72027.acd"_s, "new"}}), "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stoppedAt);
        QTemporaryDir dir;
        ASSERT_NO_FATAL_FAILURE(Write(dir.path(), c.files));
        const RecoveryReport report = RecoverDataFolder(dir.path());
        EXPECT_EQ(Read(dir.path()), c.after);
        EXPECT_EQ(Moves(report.finished), QString::fromLatin1(c.finished));
        EXPECT_EQ(Moves(report.undone), QString::fromLatin1(c.undone));
        const bool purged =
            c.files.contains(u"Archives/12019.acd"_s) && !c.after.contains(u"Archives/12019.acd"_s);
        EXPECT_EQ(report.purged, purged ? QStringList{u"12019.acd"_s} : QStringList());
        EXPECT_TRUE(report.failed.isEmpty());
        EXPECT_EQ(RecoveryMessage(report).isEmpty(), !report.acted());
    }
}

TEST(Recovery, DropsUnfinishedCreationsAndLeftoverJournalsAndSaysAllInBothLanguages) {
    QTemporaryDir dir;
    // An account whose password was never stored, the template being written, the journal
    // of a file that is gone, and a stopped year change.
    Write(dir.path(), {{u"52027.acd.new"_s, "x"},
                       {u"Base.xfr.new"_s, "t"},
                       {u"92026.acd-journal"_s, "j"},
                       {u"Archives/42026.acd-journal"_s, "j"},
                       {u"72026.acd"_s, "old"},
                       {u"72027.acd.ready"_s, "new"},
                       {u"Archives/72026.acd.part"_s, "old"},
                       {u"82026.acd"_s, "8"},
                       {u"82027.acd.part"_s, "8 new"}});
    const RecoveryReport report = RecoverDataFolder(dir.path());
    EXPECT_EQ(Read(dir.path()),
              (Files{{u"72027.acd"_s, "new"}, {u"Archives/72026.acd"_s, "old"}, {u"82026.acd"_s, "8"}}));
    EXPECT_EQ(report.abandoned, QStringList{u"5"_s});
    EXPECT_EQ(RecoveryMessage(report),
              u"Compte 7 : le passage à l'année 2027 avait été interrompu ; il est terminé, l'année "
              u"précédente est aux archives.\n"
              u"Compte 8 : le passage à l'année 2027 avait été interrompu ; il est annulé, le compte reste "
              u"sur son année en cours. Relancez le mois suivant.\n"
              u"Compte 5 : sa création avait été interrompue ; elle est annulée, créez-le de nouveau.\n\n"
              u"Account 7: the move into the year 2027 had been interrupted; it is now complete, the year "
              u"before is in the archives.\n"
              u"Account 8: the move into the year 2027 had been interrupted; it is undone, the account "
              u"stays on its current year. Run the following month again.\n"
              u"Account 5: its creation had been interrupted; it is undone, create it again."_s);
}

// A second program on a folder says so and leaves it as it found it, leftovers included;
// the folder is free again once the first lets go.
TEST(FolderLock, ASecondProgramIsTurnedAwayWithoutTouchingTheFolder) {
    QTemporaryDir dir;
    FolderLock first(dir.path());
    EXPECT_EQ(TakeDataFolder(dir.path(), first).message, QString());
    const Files stopped{{u"72026.acd"_s, "old"}, {u"72027.acd.part"_s, "new"}};
    Write(dir.path(), stopped);

    FolderLock second(dir.path());
    const FolderCheck busy = TakeDataFolder(dir.path(), second);
    EXPECT_TRUE(busy.busy);
    EXPECT_TRUE(busy.message.contains(u"déjà ouvert"_s) && busy.message.contains(u"already open"_s) &&
                busy.message.contains(QDir::toNativeSeparators(dir.path())))
        << busy.message.toStdString();
    Files held = stopped;
    held.insert(FolderLock::FileName(), Read(dir.path()).value(FolderLock::FileName()));
    EXPECT_EQ(Read(dir.path()), held);

    first.unlock();
    const FolderCheck free = TakeDataFolder(dir.path(), second);
    EXPECT_FALSE(free.busy);
    EXPECT_TRUE(free.message.contains(u"Account 7"_s)) << free.message.toStdString();
    second.unlock();
    EXPECT_EQ(Read(dir.path()), (Files{{u"72026.acd"_s, "old"}}));
}
