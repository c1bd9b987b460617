#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>

// A year change moves files about, and a crash (power cut, killed program) can stop it
// anywhere. Its files therefore go through names that tell how far it got:
//   1. the new year's file is written whole as "<new>.acd.part" in the data folder;
//   2. the closing file is copied whole as "<old>.acd.part" into the archive folder;
//   3. "<new>.acd.part" is renamed "<new>.acd.ready": from here on the change is decided;
//   4. the outdated archives are deleted;
//   5. the closing file leaves the data folder and its archive copy takes its final name;
//   6. "<new>.acd.ready" takes its final name.
// A change stopped before step 3 is undone at the next start, one stopped after it is
// finished, so the folder always ends up as it was before the change or after it.
namespace tirelou {

inline const QString PartSuffix = QStringLiteral(".part");
inline const QString DecidedSuffix = QStringLiteral(".ready");

// Flushes a written file, or a folder's names, to the disk; false when it cannot.
bool SyncFile(const QString& path);
bool SyncFolder(const QString& dir);

// Step 2: `bytes` (the closing file) written and flushed as "<oldName>.part" in
// `archiveDir`. Throws FileError.
void WriteArchiveCopy(const QString& archiveDir, const QString& oldName, const QByteArray& bytes);

// Steps 4 to 6 of the decided change to `newName` (the new year's file name). Each step
// is skipped when it was done, so running it again finishes a change stopped anywhere.
// `reach` is called once the old year is in the archive. The archives deleted are added to
// `purged`, also when it throws FileError.
void FinishYearChange(const QString& dataDir, const QString& newName, QStringList& purged,
                      const std::function<void(std::string_view)>& reach = {});

// Removes what an undecided change of `account` left: the archive copy being written,
// then the new year's file being written. Throws FileError.
void UndoYearChange(const QString& dataDir, const QString& account);

// What the start-up found and did.
struct RecoveryReport {
    struct YearMove {
        QString account;
        int year = 0; // the new year
    };
    QList<YearMove> finished; // changes completed: the new year is in place
    QList<YearMove> undone;   // changes undone: the account stays on its old year
    QStringList abandoned;    // accounts whose creation never finished: they are not made
    QStringList purged;       // outdated archives deleted while finishing
    QStringList failed;       // files that could not be put in order
    bool acted() const {
        return !finished.isEmpty() || !undone.isEmpty() || !abandoned.isEmpty() || !failed.isEmpty();
    }
};

// Puts the data folder in order before anyone logs in: finishes or undoes an interrupted
// year change, drops an account whose creation was interrupted ("<new>.acd.new") and the
// template being written, and settles what an interrupted database write left (the engine
// undoes an unfinished transaction when the file is next opened; the leftover journal goes).
RecoveryReport RecoverDataFolder(const QString& dataDir);

class FolderLock;

// The start's hold on the data folder, before the splash: the lock first, so that a second
// copy of the program touches nothing, then the recovery. `busy` when another program holds
// the folder (or the lock cannot be written): the start goes no further. `message` is what
// to tell the user in either case (empty when all is well).
struct FolderCheck {
    bool busy = false;
    QString message;
};
FolderCheck TakeDataFolder(const QString& dataDir, FolderLock& lock);

// One message in French and English saying what RecoverDataFolder did; empty when it did
// nothing worth telling.
QString RecoveryMessage(const RecoveryReport& report);

} // namespace tirelou
