#include "ui/mainframe.h"
#include "ui/registration.h"

namespace tirelou {

void RegisterClosingScreens(ui::ScreenRegistry& registry) { (void)registry; }

} // namespace tirelou
