#include "month/banqueun.h"
#include "month/compteencours.h"
#include "month/enregisun.h"
#include "month/modifcheque.h"
#include "month/moisencours.h"
#include "month/mouvement.h"
#include "month/transfert.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterMonthScreens(ui::ScreenRegistry& registry) {
    registry.add<month::MoisEnCours>(screen::MoisEnCours);
    registry.add<month::EnregisUn>(screen::EnregisUn);
    registry.add<month::BanqueUn>(screen::BanqueUn);
    registry.add<month::CompteEncours>(screen::CompteEncours);
    registry.add<month::ModifCheque>(screen::ModifCheque);
    registry.add<month::Mouvement>(screen::Mouvement);
    registry.add<month::Transfert>(screen::Transfert);
}

} // namespace tirelou
