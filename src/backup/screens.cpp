#include "ui/mainframe.h"
#include "ui/registration.h"

namespace tirelou {

void RegisterBackupScreens(ui::ScreenRegistry& registry) {
    (void)registry;
}

} // namespace tirelou
