#include "closing/moisconsulter.h"
#include "closing/moissuivant.h"
#include "closing/rubriquevoir.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterClosingScreens(ui::ScreenRegistry& registry) {
    registry.add<MoisSuivant>(screen::MoisSuivant);
    registry.add<MoisConsulter>(screen::MoisConsulter);
    registry.add<LireRubriques>(screen::LireRubriques);
    registry.add<RubriqueVoir>(screen::RubriqueVoir);
}

} // namespace tirelou
