#include "accounts/startup.h"
#include "data/datadir.h"
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
    if (!QDir().mkpath(dataDir) || !tirelou::EnsureTemplate(dataDir)) {
        tirelou::ui::MessageBox::show(nullptr, QStringLiteral("Cannot use the data folder %1").arg(dataDir),
                                      QStringLiteral("Tirelou"), tirelou::ui::MessageIcon::Stop);
        return 1;
    }

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
