#include "closing/recovery.h"

#include "closing/rollover.h"
#include "data/database.h"
#include "data/folderlock.h"
#include "data/schema.h"

#include <QDate>
#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tirelou {
namespace {

const QString JournalSuffix = QStringLiteral("-journal");

[[noreturn]] void Fail(const QString& what, const QString& path) {
    throw FileError(QStringLiteral("%1 %2").arg(what, QDir::toNativeSeparators(path)).toStdString());
}

void Remove(const QString& path) {
    if (QFile::exists(path) && !QFile::remove(path))
        Fail(QStringLiteral("Cannot remove"), path);
}

// A file and the engine journal that may lie beside it.
void RemoveWithJournal(const QString& path) {
    Remove(path);
    Remove(path + JournalSuffix);
}

QString ArchiveDirOf(const QString& dataDir) {
    return QDir(dataDir).filePath(ArchiveFolderName);
}

QStringList NamesEndingWith(const QString& dir, const QString& suffix) {
    return QDir(dir).entryList({QStringLiteral("*") + suffix}, QDir::Files | QDir::Hidden, QDir::Name);
}

// The archive copy being written for `account`, as the account file name it will take.
QStringList ArchiveCopiesOf(const QString& archiveDir, const QString& account) {
    QStringList names;
    for (const QString& part : NamesEndingWith(archiveDir, AccountFileSuffix + PartSuffix)) {
        const QString name = part.chopped(PartSuffix.size());
        if (AccountNumberOfFile(name) == account)
            names << name;
    }
    return names;
}

// An interrupted write leaves the engine's journal beside its file. Opening the file lets
// the engine undo the unfinished transaction from it; a journal still there afterwards
// holds nothing to undo, and one without its file belongs to nothing.
void SettleJournals(const QString& dir, RecoveryReport& report) {
    for (const QString& journal : NamesEndingWith(dir, JournalSuffix)) {
        const QString base = QDir(dir).filePath(journal.chopped(JournalSuffix.size()));
        const QString path = QDir(dir).filePath(journal);
        if (QFile::exists(base)) {
            try {
                Database db;
                db.open(base);
            } catch (const DbError&) {
                report.failed << journal; // kept: it may be all that can mend the file
                continue;
            }
        }
        if (QFile::exists(path) && !QFile::remove(path))
            report.failed << journal;
    }
}

} // namespace

bool SyncFile(const QString& path) {
#ifdef Q_OS_UNIX
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    return ::fsync(f.handle()) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}

bool SyncFolder(const QString& dir) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#else
    Q_UNUSED(dir);
    return true;
#endif
}

void WriteArchiveCopy(const QString& archiveDir, const QString& oldName, const QByteArray& bytes) {
    const QString path = QDir(archiveDir).filePath(oldName + PartSuffix);
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(bytes) != bytes.size() ||
        !copy.flush())
        Fail(QStringLiteral("Cannot write"), path);
    copy.close();
    if (!SyncFile(path))
        Fail(QStringLiteral("Cannot write"), path);
}

void FinishYearChange(const QString& dataDir, const QString& newName, QStringList& purged,
                      const std::function<void(std::string_view)>& reach) {
    const QDir data(dataDir);
    const QString archiveDir = ArchiveDirOf(dataDir);
    const QDir archive(archiveDir);
    const int newYear = YearOfFile(newName);
    // While its archive copy is being put in place, the closing year is named by it.
    for (const QString& oldName : ArchiveCopiesOf(archiveDir, AccountNumberOfFile(newName))) {
        // Listed before the old year comes in: the year just archived is never outdated,
        // nor is the older copy of it that it replaces.
        for (const QString& name : OutdatedArchives(archiveDir, PurgeLimit(QDate(newYear, 1, 1))))
            if (name != oldName && QFile::remove(archive.filePath(name)))
                purged << name;
        // The closing file goes once its copy stands whole in the archive folder.
        RemoveWithJournal(data.filePath(oldName));
        SyncFolder(dataDir);
        Remove(archive.filePath(oldName));
        if (!QFile::rename(archive.filePath(oldName + PartSuffix), archive.filePath(oldName)))
            Fail(QStringLiteral("Cannot rename"), archive.filePath(oldName + PartSuffix));
        SyncFolder(archiveDir);
    }
    if (reach)
        reach(step::OldFileArchived);
    const QString decided = data.filePath(newName + DecidedSuffix);
    if (QFile::exists(decided)) {
        if (!QFile::rename(decided, data.filePath(newName)))
            Fail(QStringLiteral("Cannot rename"), decided);
        SyncFolder(dataDir);
    }
}

void UndoYearChange(const QString& dataDir, const QString& account) {
    const QString archiveDir = ArchiveDirOf(dataDir);
    for (const QString& oldName : ArchiveCopiesOf(archiveDir, account))
        Remove(QDir(archiveDir).filePath(oldName + PartSuffix));
    for (const QString& part : NamesEndingWith(dataDir, AccountFileSuffix + PartSuffix))
        if (AccountNumberOfFile(part.chopped(PartSuffix.size())) == account)
            RemoveWithJournal(QDir(dataDir).filePath(part));
}

RecoveryReport RecoverDataFolder(const QString& dataDir) {
    RecoveryReport report;
    const QString archiveDir = ArchiveDirOf(dataDir);
    // Decided changes first: they need the archive copies that undoing would remove.
    for (const QString& decided : NamesEndingWith(dataDir, AccountFileSuffix + DecidedSuffix)) {
        const QString newName = decided.chopped(DecidedSuffix.size());
        try {
            FinishYearChange(dataDir, newName, report.purged);
            report.finished.push_back({AccountNumberOfFile(newName), YearOfFile(newName)});
        } catch (const FileError&) {
            report.failed << decided;
        }
    }
    for (const QString& part : NamesEndingWith(dataDir, AccountFileSuffix + PartSuffix)) {
        const QString newName = part.chopped(PartSuffix.size());
        try {
            UndoYearChange(dataDir, AccountNumberOfFile(newName));
            report.undone.push_back({AccountNumberOfFile(newName), YearOfFile(newName)});
        } catch (const FileError&) {
            report.failed << part;
        }
    }
    // An archive copy whose new year's file is gone was being undone: it goes too.
    for (const QString& part : NamesEndingWith(archiveDir, AccountFileSuffix + PartSuffix))
        if (!QFile::remove(QDir(archiveDir).filePath(part)))
            report.failed << ArchiveFolderName + QLatin1Char('/') + part;
    // An account being created is only made once its password is stored and it takes its
    // name; one stopped before is not an account yet.
    const QString creating = AccountFileSuffix + QStringLiteral(".new");
    for (const QString& temp : NamesEndingWith(dataDir, creating)) {
        try {
            RemoveWithJournal(QDir(dataDir).filePath(temp));
            report.abandoned << AccountNumberOfFile(temp.chopped(4));
        } catch (const FileError&) {
            report.failed << temp;
        }
    }
    // The template being written when the program stopped; the next start writes it again.
    try {
        RemoveWithJournal(QDir(dataDir).filePath(TemplateFileName + QStringLiteral(".new")));
    } catch (const FileError&) {
        report.failed << TemplateFileName + QStringLiteral(".new");
    }
    SettleJournals(dataDir, report);
    if (QDir(archiveDir).exists())
        SettleJournals(archiveDir, report);
    return report;
}

FolderCheck TakeDataFolder(const QString& dataDir, FolderLock& lock) {
    if (!lock.tryLock())
        return {true, lock.heldElsewhere() ? FolderBusyMessage(dataDir) : FolderLockFailedMessage(dataDir)};
    return {false, RecoveryMessage(RecoverDataFolder(dataDir))};
}

QString RecoveryMessage(const RecoveryReport& report) {
    if (!report.acted())
        return QString();
    QStringList fr, en;
    for (const RecoveryReport::YearMove& m : report.finished) {
        fr << QStringLiteral("Compte %1 : le passage à l'année %2 avait été interrompu ; il est terminé, "
                             "l'année précédente est aux archives.")
                  .arg(m.account)
                  .arg(m.year);
        en << QStringLiteral("Account %1: the move into the year %2 had been interrupted; it is now "
                             "complete, the year before is in the archives.")
                  .arg(m.account)
                  .arg(m.year);
    }
    for (const RecoveryReport::YearMove& m : report.undone) {
        fr << QStringLiteral("Compte %1 : le passage à l'année %2 avait été interrompu ; il est annulé, "
                             "le compte reste sur son année en cours. Relancez le mois suivant.")
                  .arg(m.account)
                  .arg(m.year);
        en << QStringLiteral("Account %1: the move into the year %2 had been interrupted; it is undone, "
                             "the account stays on its current year. Run the following month again.")
                  .arg(m.account)
                  .arg(m.year);
    }
    for (const QString& account : report.abandoned) {
        fr << QStringLiteral("Compte %1 : sa création avait été interrompue ; elle est annulée, "
                             "créez-le de nouveau.")
                  .arg(account);
        en << QStringLiteral("Account %1: its creation had been interrupted; it is undone, create it "
                             "again.")
                  .arg(account);
    }
    if (!report.failed.isEmpty()) {
        const QString files = report.failed.join(QStringLiteral(", "));
        fr << QStringLiteral("Ces fichiers n'ont pas pu être remis en ordre : %1. Ne les effacez pas ; "
                             "le programme réessaiera au prochain démarrage.")
                  .arg(files);
        en << QStringLiteral("These files could not be put in order: %1. Do not delete them; the "
                             "program will try again at the next start.")
                  .arg(files);
    }
    return fr.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + en.join(QLatin1Char('\n'));
}

} // namespace tirelou
