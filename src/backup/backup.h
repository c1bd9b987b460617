#pragma once

#include "data/workingcontext.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// Copying the data files to a backup folder and back, and cleaning old archives there.
// A copy is written under a temporary name, checked against its source (size and content
// hash) and only then renamed into place, so no file is ever left half written.
namespace tirelou {

// ---- Places

// A folder text always ends with "/".
QString WithSlash(const QString& folder);
// The user's home folder ("~" and relative folder texts are read from there).
QString HomeDir(const WorkingContext& ctx);
// A folder as typed, made absolute and ending with "/"; empty when nothing was typed.
QString BackupFolder(const WorkingContext& ctx, const QString& typed);
// The mounted volumes, removable disks included.
std::vector<Volume> MountedVolumes(const WorkingContext& ctx);
// The volume whose root leads to `folder` most closely, if any.
std::optional<Volume> VolumeOf(const std::vector<Volume>& volumes, const QString& folder);
// `folder` when it exists, else the nearest folder above it that does.
QString ExistingFolder(const QString& folder);
// The folders inside `folder`, in alphabetical order.
QStringList SubFolders(const QString& folder);

// ---- Settings ("Sauve.xfr": backup folder, data folder, date of the last backup)

struct BackupSettings {
    bool existed = false; // false: the file was missing and has just been made
    QString backupDir;    // ending with "/"
    QString dataDir;      // ending with "/"
    QString lastDate;
};

// "Orvane/Tirelou" in the home folder.
QString DefaultBackupDir(const WorkingContext& ctx);
// Today as the settings hold it: "dd/mm/yyyy" in French, "mm/dd/yyyy" otherwise.
QString BackupDateText(const WorkingContext& ctx);
// Writes the settings whole with today's date. Throws FileError.
void WriteBackupSettings(const WorkingContext& ctx, const QString& backupDir);
// Reads the settings; a missing file is made with the defaults (kept in memory even when
// it cannot be written).
BackupSettings LoadBackupSettings(const WorkingContext& ctx);
// What the screen's information box says about the last backup.
QString BackupInfoText(const BackupSettings& settings, bool french);

// ---- Copies

// Why a copy between the data folder and another folder is refused: either way one side
// would overwrite or empty the other.
// A restore is refused too when the folder holds no file at all.
enum class Refusal { None, NoFolder, SameAsData, InsideData, AboveData, NoBackupThere };
Refusal CheckBackupFolder(const QString& dataDir, const QString& backupDir);

// Called before each file with its name ("Archives/..." for an archive), the number of
// files done and the number in all; once more at the end with an empty name.
using CopyProgress = std::function<void(const QString& name, int done, int total)>;

struct CopyReport {
    Refusal refusal = Refusal::None;
    int total = 0;
    QStringList copied;
    QStringList failed; // not copied, or the copy did not match its source
    bool ok() const { return refusal == Refusal::None && failed.isEmpty(); }
};

// The files a backup takes from the data folder: "*.Xfr;*.acd;*.dat" (in any case), then
// every file of its "Archives" folder, each list in alphabetical order.
QStringList BackupFiles(const QString& dataDir);

// Writes the settings, empties the backup folder of its files, makes it with its
// "Archives" folder, and copies the backup files there. Errors do not stop it; they
// are reported.
CopyReport WriteBackup(WorkingContext& ctx, const QString& backupDir, const CopyProgress& progress = {});

// Copies every file of the backup folder and of its "Archives" folder into the data
// folder, then writes the settings. The account database is closed first.
CopyReport RestoreBackup(WorkingContext& ctx, const QString& backupDir, const CopyProgress& progress = {});

struct CleanReport {
    int total = 0; // files in the folder
    QStringList deleted;
    QStringList failed;
};

// Deletes from the backup's "Archives" folder the archives six years old or more (the
// years the year change would purge too).
CleanReport CleanArchives(const WorkingContext& ctx, const QString& backupDir,
                          const CopyProgress& progress = {});

// The disk the user must put in before the year change sorts the archives, when the last
// backup went to a removable disk; empty otherwise.
QString BackupDiskDrive(const WorkingContext& ctx);

} // namespace tirelou
