#include "backup/backup.h"

#include "closing/rollover.h"
#include "data/errors.h"
#include "data/folderlock.h"
#include "data/handover.h"
#include "data/schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>
#include <filesystem>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tirelou {
namespace {

const QChar Slash = QLatin1Char('/');

// A path with its links and ".." resolved, also when its last folders do not exist yet.
QString Resolved(const QString& path) {
    QString existing = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QStringList rest;
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath() && !existing.isEmpty()) {
        rest.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    QString base = QFileInfo(existing).canonicalFilePath();
    if (base.isEmpty())
        base = existing;
    for (const QString& part : rest)
        base = QDir(base).filePath(part);
    return QDir::cleanPath(base);
}

bool Within(const QString& inner, const QString& outer) {
    return outer == QDir::rootPath() ? inner != outer : inner.startsWith(outer + Slash);
}

bool RemovableDevice(const QByteArray& device) {
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).fileName();
    if (name.isEmpty())
        return false;
    // A partition carries the flag of the disk it lies on.
    const QString sys = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sys.isEmpty())
        return false;
    for (const QString& flag : {sys + QStringLiteral("/removable"), sys + QStringLiteral("/../removable")}) {
        QFile f(flag);
        if (f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "1")
            return true;
    }
    return false;
}

QByteArray HashOf(QFile& file, qint64& size) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    size = 0;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        if (chunk.isEmpty())
            break;
        size += chunk.size();
        hash.addData(chunk);
    }
    return hash.result();
}

// Copies `from` to `to` through a hidden temporary file beside it, which must match the
// source before it takes the place of `to`. Returns false when anything went wrong, and
// then `to` is as it was.
bool CopyVerified(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QFileInfo target(to);
    const QString temp =
        target.dir().filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".part"));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 size = 0;
    bool ok = true;
    {
        QFile out(temp);
        ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        while (ok && !source.atEnd()) {
            const QByteArray chunk = source.read(1 << 20);
            if (chunk.isEmpty()) {
                ok = source.error() == QFileDevice::NoError;
                break;
            }
            hash.addData(chunk);
            size += chunk.size();
            ok = out.write(chunk) == chunk.size();
        }
        ok = ok && out.flush();
#ifdef Q_OS_UNIX
        ok = ok && ::fsync(out.handle()) == 0;
#endif
        out.close();
        ok = ok && out.error() == QFileDevice::NoError;
    }
    if (ok) {
        QFile written(temp);
        qint64 writtenSize = 0;
        ok = written.open(QIODevice::ReadOnly) && HashOf(written, writtenSize) == hash.result() &&
             writtenSize == size && size == source.size();
    }
    if (ok) {
        std::error_code error;
        std::filesystem::rename(temp.toStdU16String(), to.toStdU16String(), error);
        ok = !error;
    }
    if (!ok)
        QFile::remove(temp);
    return ok;
}

QStringList FilesOf(const QString& folder, const QStringList& patterns = {}) {
    return QDir(folder).entryList(patterns, QDir::Files, QDir::Name);
}

void CopyAll(const QString& fromDir, const QString& toDir, const QStringList& names, CopyReport& report,
             const CopyProgress& progress) {
    for (const QString& name : names) {
        if (progress)
            progress(name, static_cast<int>(report.copied.size() + report.failed.size()), report.total);
        if (CopyVerified(QDir(fromDir).filePath(name), QDir(toDir).filePath(name)))
            report.copied << name;
        else
            report.failed << name;
    }
}

QStringList WithArchives(const QStringList& top, const QString& dir) {
    QStringList names = top;
    for (const QString& a : FilesOf(QDir(dir).filePath(ArchiveFolderName)))
        names << ArchiveFolderName + Slash + a;
    return names;
}

} // namespace

// ---- Places

QString WithSlash(const QString& folder) {
    return folder.endsWith(Slash) ? folder : folder + Slash;
}

QString HomeDir(const WorkingContext& ctx) {
    return ctx.homeDir.isEmpty() ? QDir::homePath() : ctx.homeDir;
}

QString BackupFolder(const WorkingContext& ctx, const QString& typed) {
    QString text = QDir::fromNativeSeparators(typed.trimmed());
    if (text.isEmpty())
        return {};
    if (text == QLatin1String("~") || text.startsWith(QStringLiteral("~/")))
        text = HomeDir(ctx) + text.mid(1);
    else if (QDir::isRelativePath(text))
        text = QDir(HomeDir(ctx)).filePath(text);
    return WithSlash(QDir::cleanPath(text));
}

std::vector<Volume> MountedVolumes(const WorkingContext& ctx) {
    if (ctx.volumes)
        return *ctx.volumes;
    std::vector<Volume> out;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady())
            continue;
        const QString root = s.rootPath();
        const bool removable = root.startsWith(QStringLiteral("/media/")) ||
                               root.startsWith(QStringLiteral("/run/media/")) || RemovableDevice(s.device());
        out.push_back({root, s.displayName(), removable});
    }
    return out;
}

std::optional<Volume> VolumeOf(const std::vector<Volume>& volumes, const QString& folder) {
    const QString path = QDir::cleanPath(folder);
    std::optional<Volume> best;
    for (const Volume& v : volumes) {
        const QString root = QDir::cleanPath(v.rootPath);
        if ((path == root || Within(path, root)) &&
            (!best || root.size() > QDir::cleanPath(best->rootPath).size()))
            best = v;
    }
    return best;
}

QString ExistingFolder(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    while (!QFileInfo(path).isDir() && path != QDir::rootPath() && !path.isEmpty())
        path = QFileInfo(path).path();
    return path.isEmpty() ? QDir::rootPath() : path;
}

QStringList SubFolders(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

// ---- Settings

QString DefaultBackupDir(const WorkingContext& ctx) {
    return QDir(HomeDir(ctx)).filePath(QStringLiteral("Orvane/Tirelou"));
}

QString BackupDateText(const WorkingContext& ctx) {
    return ctx.clock.today().toString(ctx.french() ? QStringLiteral("dd/MM/yyyy")
                                                   : QStringLiteral("MM/dd/yyyy"));
}

void WriteBackupSettings(const WorkingContext& ctx, const QString& backupDir) {
    WriteHandOver(ctx, handover::Sauve, {backupDir, WithSlash(ctx.dataDir()), BackupDateText(ctx)});
}

BackupSettings LoadBackupSettings(const WorkingContext& ctx) {
    BackupSettings s;
    HandOverReader reader(ctx, handover::Sauve);
    if (reader.exists()) {
        s.existed = true;
        s.backupDir = WithSlash(reader.line());
        s.dataDir = WithSlash(reader.line());
        s.lastDate = reader.line();
        return s;
    }
    s.backupDir = WithSlash(DefaultBackupDir(ctx));
    s.dataDir = WithSlash(ctx.dataDir());
    s.lastDate = BackupDateText(ctx);
    try {
        WriteBackupSettings(ctx, DefaultBackupDir(ctx));
    } catch (const FileError&) {
        // Written again at the first backup.
    }
    return s;
}

QString BackupInfoText(const BackupSettings& settings, bool french) {
    const QString head =
        settings.existed
            ? (french ? QStringLiteral("DERNIERE SAUVEGARDE ") : QStringLiteral("LAST SAFEGUARD "))
            : (french ? QStringLiteral("PREMIERE SAUVEGARDE ") : QStringLiteral("FIRST SAFEGUARD "));
    const QString path = settings.existed ? (french ? QStringLiteral(" Chemin  ") : QStringLiteral(" Path  "))
                                          : (french ? QStringLiteral(" Chemin ") : QStringLiteral(" Path "));
    return head + settings.lastDate + QStringLiteral("\r\n\r\n") + path + settings.backupDir;
}

// ---- Copies

Refusal CheckBackupFolder(const QString& dataDir, const QString& backupDir) {
    if (backupDir.trimmed().isEmpty())
        return Refusal::NoFolder;
    const QString data = Resolved(dataDir);
    const QString other = Resolved(backupDir);
    if (other == data)
        return Refusal::SameAsData;
    if (Within(other, data))
        return Refusal::InsideData;
    if (Within(data, other))
        return Refusal::AboveData;
    return Refusal::None;
}

QStringList BackupFiles(const QString& dataDir) {
    const QStringList patterns{QStringLiteral("*.Xfr"), QStringLiteral("*.acd"), QStringLiteral("*.dat")};
    return WithArchives(FilesOf(dataDir, patterns), dataDir);
}

CopyReport WriteBackup(WorkingContext& ctx, const QString& backupDir, const CopyProgress& progress) {
    CopyReport report;
    report.refusal = CheckBackupFolder(ctx.dataDir(), backupDir);
    if (report.refusal != Refusal::None)
        return report;
    const QString dir = WithSlash(backupDir);
    ctx.workRs.close();
    ctx.accountDb.close();
    ctx.backupPath = dir;
    try {
        WriteBackupSettings(ctx, dir);
    } catch (const FileError&) {
        report.failed << handover::Sauve;
    }
    // The folder then holds this backup and nothing older beside it.
    for (const QString& name : FilesOf(dir))
        QFile::remove(dir + name);
    QDir().mkpath(dir + ArchiveFolderName);

    const QStringList names = BackupFiles(ctx.dataDir());
    report.total = static_cast<int>(names.size());
    CopyAll(ctx.dataDir(), dir, names, report, progress);
    if (progress)
        progress(QString(), report.total, report.total);
    return report;
}

CopyReport RestoreBackup(WorkingContext& ctx, const QString& backupDir, const CopyProgress& progress) {
    CopyReport report;
    report.refusal = CheckBackupFolder(ctx.dataDir(), backupDir);
    if (report.refusal != Refusal::None)
        return report;
    const QString dir = WithSlash(backupDir);
    QStringList names = WithArchives(FilesOf(dir), dir);
    // The running program's own lock is never taken from elsewhere.
    names.removeAll(FolderLock::FileName());
    if (names.isEmpty()) {
        report.refusal = Refusal::NoBackupThere;
        return report;
    }
    // The account files are replaced whole: nothing may hold them open.
    ctx.workRs.close();
    ctx.accountDb.close();
    QDir().mkpath(ctx.archiveDir());
    report.total = static_cast<int>(names.size());
    CopyAll(dir, ctx.dataDir(), names, report, progress);
    ctx.backupPath = dir;
    try {
        WriteBackupSettings(ctx, dir);
    } catch (const FileError&) {
        report.failed << handover::Sauve;
    }
    if (progress)
        progress(QString(), report.total, report.total);
    return report;
}

CleanReport CleanArchives(const WorkingContext& ctx, const QString& backupDir, const CopyProgress& progress) {
    CleanReport report;
    const QString folder = WithSlash(backupDir) + ArchiveFolderName + Slash;
    const QStringList names = FilesOf(folder);
    report.total = static_cast<int>(names.size());
    // Six years back and more is below the limit of the year change's purge.
    const QStringList listed = OutdatedArchives(folder, PurgeLimit(ctx.clock.today()));
    const QSet<QString> outdated(listed.begin(), listed.end());
    int done = 0;
    for (const QString& name : names) {
        if (outdated.contains(name)) {
            if (progress)
                progress(name, done, report.total);
            if (QFile::remove(folder + name))
                report.deleted << name;
            else
                report.failed << name;
        }
        ++done;
    }
    if (progress)
        progress(QString(), report.total, report.total);
    return report;
}

QString BackupDiskDrive(const WorkingContext& ctx) {
    QString path = ctx.backupPath;
    if (path.isEmpty()) {
        HandOverReader reader(ctx, handover::Sauve);
        path = reader.line();
    }
    if (path.isEmpty())
        return {};
    const QString drive = RemovableDiskDrive(path);
    if (!drive.isEmpty())
        return drive;
    const std::optional<Volume> volume = VolumeOf(MountedVolumes(ctx), QDir::fromNativeSeparators(path));
    return volume && volume->removable ? WithSlash(volume->rootPath) : QString();
}

} // namespace tirelou
