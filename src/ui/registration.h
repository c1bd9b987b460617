#pragma once

namespace tirelou::ui {
class ScreenRegistry;
}

// Each subsystem registers its screens under their names.
namespace tirelou {

void RegisterAccountScreens(ui::ScreenRegistry& registry);
void RegisterMonthScreens(ui::ScreenRegistry& registry);
void RegisterScheduleScreens(ui::ScreenRegistry& registry);
void RegisterClosingScreens(ui::ScreenRegistry& registry);
void RegisterReportScreens(ui::ScreenRegistry& registry);
void RegisterBackupScreens(ui::ScreenRegistry& registry);

inline void RegisterAllScreens(ui::ScreenRegistry& registry) {
    RegisterAccountScreens(registry);
    RegisterMonthScreens(registry);
    RegisterScheduleScreens(registry);
    RegisterClosingScreens(registry);
    RegisterReportScreens(registry);
    RegisterBackupScreens(registry);
}

} // namespace tirelou
