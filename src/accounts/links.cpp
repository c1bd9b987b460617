#include "accounts/links.h"

#include "data/workingcontext.h"
#include "ui/window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#ifndef TIRELOU_HELP_SUBDIR
#define TIRELOU_HELP_SUBDIR "share/tirelou/help"
#endif
#ifndef TIRELOU_BIN_SUBDIR
#define TIRELOU_BIN_SUBDIR "bin"
#endif

namespace tirelou::accounts {

namespace {

// The program's own copy, written to the data folder when no page is found on disk.
QString WriteOwnCopy(const WorkingContext& ctx, const QString& name) {
    QFile source(QStringLiteral(":/tirelou/help/") + name);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QString path = ctx.filePath(name);
    QSaveFile page(path);
    if (!page.open(QIODevice::WriteOnly) || page.write(source.readAll()) < 0 || !page.commit()) {
        // An older copy may still be there; it is better than nothing.
        if (!QFile::exists(path))
            return {};
    }
    return path;
}

} // namespace

QUrl MakerSite() {
    return QUrl(QStringLiteral("https://example.org/tirelou"));
}

QString HelpFileName(bool french) {
    return french ? QStringLiteral("Tirelou.html") : QStringLiteral("Tireloueng.html");
}

QStringList HelpFolders(const QString& programDir) {
    // The installed layout is found from the program's own place, so that a package
    // installed under another prefix still finds its pages.
    const QString binDepth =
        QDir(QStringLiteral("/") + QStringLiteral(TIRELOU_BIN_SUBDIR)).relativeFilePath(QStringLiteral("/"));
    const QDir dir(programDir);
    return {
        QDir::cleanPath(dir.filePath(binDepth + QStringLiteral("/") + QStringLiteral(TIRELOU_HELP_SUBDIR))),
        QDir::cleanPath(dir.filePath(QStringLiteral("help")))};
}

QString FindHelpPage(const QStringList& folders, bool french) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(HelpFileName(french));
        if (QFile::exists(path))
            return path;
    }
    return {};
}

QUrl HelpUrl(const QString& page, const QString& screenName) {
    QUrl url = QUrl::fromLocalFile(page);
    if (!screenName.isEmpty())
        url.setFragment(screenName);
    return url;
}

bool OpenHelp(const WorkingContext& ctx, QWidget* frame, const QString& screenName) {
    QString page = FindHelpPage(HelpFolders(QCoreApplication::applicationDirPath()), ctx.french());
    if (page.isEmpty())
        page = WriteOwnCopy(ctx, HelpFileName(ctx.french()));
    if (page.isEmpty())
        return false;
    ui::ReleaseTop(frame);
    return QDesktopServices::openUrl(HelpUrl(page, screenName));
}

bool OpenMakerSite(QWidget* frame) {
    ui::ReleaseTop(frame);
    return QDesktopServices::openUrl(MakerSite());
}

} // namespace tirelou::accounts
