#pragma once

#include "ui/screenbase.h"

class QComboBox;
class QPushButton;
class QLabel;

namespace tirelou::accounts {

// The choice of the language, remembered in "Langue.dat". Opened at the first start
// (before the splash) and from the login screen (which it opens again).
class Language final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Language(const ui::ScreenEnv& env);
    void load() override;

signals:
    // The language was chosen at the first start: the start-up goes on with the splash.
    void chosenAtStart();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onConfirm();

    QComboBox* combo1_;
    QPushButton* command1_;
    QLabel* label1_;
};

} // namespace tirelou::accounts
