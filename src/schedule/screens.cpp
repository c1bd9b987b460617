#include "ui/mainframe.h"
#include "ui/registration.h"

namespace tirelou {

void RegisterScheduleScreens(ui::ScreenRegistry& registry) { (void)registry; }

} // namespace tirelou
