#include "accounts/links.h"

#include "data/workingcontext.h"
#include "ui/window.h"

#include <QDesktopServices>
#include <QFile>
#include <QSaveFile>

namespace tirelou::accounts {

QUrl MakerSite() {
    return QUrl(QStringLiteral("https://example.org/tirelou"));
}

QString HelpFileName(bool french) {
    return french ? QStringLiteral("Tirelou.html") : QStringLiteral("Tireloueng.html");
}

bool OpenHelp(const WorkingContext& ctx, QWidget* frame) {
    const QString name = HelpFileName(ctx.french());
    QFile source(QStringLiteral(":/tirelou/help/") + name);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QString path = ctx.filePath(name);
    QSaveFile page(path);
    if (!page.open(QIODevice::WriteOnly) || page.write(source.readAll()) < 0 || !page.commit()) {
        // An older copy may still be there; it is better than nothing.
        if (!QFile::exists(path))
            return false;
    }
    ui::ReleaseTop(frame);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool OpenMakerSite(QWidget* frame) {
    ui::ReleaseTop(frame);
    return QDesktopServices::openUrl(MakerSite());
}

} // namespace tirelou::accounts
