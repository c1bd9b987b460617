#include "schedule/modifscheduled.h"
#include "schedule/prelevement.h"
#include "schedule/prevision.h"
#include "schedule/reserve.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterScheduleScreens(ui::ScreenRegistry& registry) {
    registry.add<schedule::Prevision>(screen::Prevision);
    registry.add<schedule::ModifPrevi>(screen::ModifPrevi);
    registry.add<schedule::EnregisPrelev>(screen::EnregisPrelev);
    registry.add<schedule::VoirPrelev>(screen::VoirPrelev);
    registry.add<schedule::ModifPrel>(screen::ModifPrel);
    registry.add<schedule::Reserve>(screen::Reserve);
    registry.add<schedule::EnregisReserve>(screen::EnregisReserve);
}

} // namespace tirelou
