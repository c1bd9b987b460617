#include "backup/sauvegarde.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterBackupScreens(ui::ScreenRegistry& registry) {
    registry.add<Sauvegarde>(screen::Sauvegarde);
}

} // namespace tirelou
