#include "accounts/startup.h"
#include "closing/recovery.h"
#include "data/datadir.h"
#include "data/folderlock.h"
#include "data/schema.h"
#include "data/workingcontext.h"
#include "ui/application.h"
#include "ui/mainframe.h"
#include "ui/messagebox.h"
#include "ui/registration.h"

#include <QDir>

int main(int argc, char** argv) {
    tirelou::ui::Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tirelou"));

    const QString dataDir =
        tirelou::ResolveDataDir(QCoreApplication::arguments(), qEnvironmentVariable("TIRELOU_DATA_DIR"));
    const auto cannotUse = [&dataDir] {
        tirelou::ui::MessageBox::show(nullptr, QStringLiteral("Cannot use the data folder %1").arg(dataDir),
                                      QStringLiteral("Tirelou"), tirelou::ui::MessageIcon::Stop);
        return 1;
    };
    if (!QDir().mkpath(dataDir))
        return cannotUse();
    // Held until the program ends. A second copy on the same folder leaves at once; an
    // interrupted year change is finished or undone before anyone logs in.
    tirelou::FolderLock lock(dataDir);
    const tirelou::FolderCheck check = tirelou::TakeDataFolder(dataDir, lock);
    if (!check.message.isEmpty())
        tirelou::ui::MessageBox::show(nullptr, check.message, QStringLiteral("TIRELOU"),
                                      check.busy ? tirelou::ui::MessageIcon::Stop
                                                 : tirelou::ui::MessageIcon::Information);
    if (check.busy)
        return 1;
    if (!tirelou::EnsureTemplate(dataDir))
        return cannotUse();

    tirelou::WorkingContext ctx(dataDir);
    tirelou::ui::ScreenRegistry registry;
    tirelou::RegisterAllScreens(registry);

    tirelou::ui::MainFrame frame(ctx, registry);
    QObject::connect(&frame, &tirelou::ui::MainFrame::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // The background, the splash (the language first on the very first run), then the
    // frame with the login screen.
    auto* startUp = new tirelou::accounts::StartUp(ctx, frame);
    startUp->begin();
    return app.exec();
}
