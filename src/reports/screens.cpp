#include "ui/mainframe.h"
#include "ui/registration.h"

namespace tirelou {

void RegisterReportScreens(ui::ScreenRegistry& registry) {
    (void)registry;
}

} // namespace tirelou
