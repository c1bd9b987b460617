#include "data/folderlock.h"

#include <QDir>

namespace tirelou {

const QString& FolderLock::FileName() {
    static const QString name = QStringLiteral("Tirelou.lck");
    return name;
}

FolderLock::FolderLock(const QString& dataDir) : file_(QDir(dataDir).filePath(FileName())) {
    // Only a lock whose program is gone is stale: the program may run for days.
    file_.setStaleLockTime(0);
}

bool FolderLock::tryLock() {
    return file_.isLocked() || file_.tryLock(0);
}

QString FolderBusyMessage(const QString& dataDir) {
    const QString folder = QDir::toNativeSeparators(dataDir);
    return QStringLiteral("Le programme est déjà ouvert sur ce dossier de données :\n%1\n"
                          "Utilisez la fenêtre déjà ouverte, ou fermez-la avant de relancer.\n\n"
                          "The program is already open on this data folder:\n%1\n"
                          "Use the window already open, or close it before starting again.")
        .arg(folder);
}

QString FolderLockFailedMessage(const QString& dataDir) {
    const QString folder = QDir::toNativeSeparators(dataDir);
    return QStringLiteral("Le programme ne peut pas écrire dans le dossier de données :\n%1\n\n"
                          "The program cannot write in the data folder:\n%1")
        .arg(folder);
}

} // namespace tirelou
