#include "reports/voirdouze.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterReportScreens(ui::ScreenRegistry& registry) {
    registry.add<reports::VoirDouze>(screen::VoirDouze);
}

} // namespace tirelou
