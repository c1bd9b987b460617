#include "reports/theme.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterReportScreens(ui::ScreenRegistry& registry) {
    registry.add<reports::Theme>(screen::Theme);
    registry.add<reports::MoisThem>(screen::MoisThem);
}

} // namespace tirelou
