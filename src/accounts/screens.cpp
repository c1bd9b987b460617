#include "ui/mainframe.h"
#include "ui/registration.h"

namespace tirelou {

void RegisterAccountScreens(ui::ScreenRegistry& registry) { (void)registry; }

} // namespace tirelou
