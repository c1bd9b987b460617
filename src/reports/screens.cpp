#include "reports/theme.h"
#include "reports/voirdouze.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterReportScreens(ui::ScreenRegistry& registry) {
    registry.add<reports::VoirDouze>(screen::VoirDouze);
    registry.add<reports::Theme>(screen::Theme);
    registry.add<reports::MoisThem>(screen::MoisThem);
}

} // namespace tirelou
