#include "ui/mainframe.h"
#include "ui/registration.h"

namespace tirelou {

void RegisterMonthScreens(ui::ScreenRegistry& registry) { (void)registry; }

} // namespace tirelou
