#include "accounts/code.h"
#include "accounts/creer.h"
#include "accounts/language.h"
#include "accounts/menutirelou.h"
#include "accounts/motdepasse.h"
#include "accounts/supprime.h"
#include "ui/mainframe.h"
#include "ui/registration.h"
#include "ui/screennames.h"

namespace tirelou {

void RegisterAccountScreens(ui::ScreenRegistry& registry) {
    registry.add<accounts::Language>(screen::Language);
    registry.add<accounts::MotDePasse>(screen::MotDePasse);
    registry.add<accounts::Creer>(screen::Creer);
    registry.add<accounts::MenuTirelou>(screen::MenuTirelou);
    registry.add<accounts::Code>(screen::Code);
    registry.add<accounts::Supprime>(screen::Supprime);
}

} // namespace tirelou
