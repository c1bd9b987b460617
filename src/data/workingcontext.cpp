#include "data/workingcontext.h"

#include "data/schema.h"

#include <QDir>

namespace tirelou {

WorkingContext::WorkingContext(QString dataDir) : dataDir_(QDir::cleanPath(std::move(dataDir))) {}

QString WorkingContext::filePath(const QString& name) const {
    return QDir(dataDir_).filePath(name);
}

QString WorkingContext::archiveDir() const {
    return filePath(ArchiveFolderName);
}

QString WorkingContext::archivePath(const QString& name) const {
    return QDir(archiveDir()).filePath(name);
}

void OpenAccountDb(WorkingContext& ctx) {
    ctx.workRs.close();
    ctx.accountDb.open(ctx.filePath(ctx.accountFile));
}

} // namespace tirelou
