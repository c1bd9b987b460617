#pragma once

#include <QLockFile>
#include <QString>

namespace tirelou {

// Keeps a second copy of the program off a data folder this one works on: two copies
// writing the same account files would undo each other's entries. The lock is a file of
// the folder, held while the object lives; one left behind by a program that was killed
// or crashed does not count.
class FolderLock final {
public:
    explicit FolderLock(const QString& dataDir);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the folder; false when another running program holds it (or the lock file
    // cannot be written).
    bool tryLock();
    bool isLocked() const { return file_.isLocked(); }
    // After a failed tryLock(): whether a running program holds the folder, rather than
    // the lock file being impossible to write.
    bool heldElsewhere() const { return file_.error() == QLockFile::LockFailedError; }
    void unlock() { file_.unlock(); }

    // The lock file's name in the data folder.
    static const QString& FileName();

private:
    QLockFile file_;
};

// What a second start on a busy folder says, in French and in English.
QString FolderBusyMessage(const QString& dataDir);
// What a start says when it cannot write its lock file in the folder.
QString FolderLockFailedMessage(const QString& dataDir);

} // namespace tirelou
