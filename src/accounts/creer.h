#pragma once

#include "accounts/accountgrid.h"

namespace tirelou::accounts {

// Account creation: a free row of the account grid is picked, the account number typed,
// the account's file built for the current year, then its password stored.
class Creer final : public AccountGridScreen {
    Q_OBJECT
public:
    explicit Creer(const ui::ScreenEnv& env);
    ~Creer() override;
    void load() override;

private:
    void reset();
    void onGridClicked(int row) override;
    void onFirstEntered() override;  // the account number, in text1_
    void onSecondEntered() override; // the password, in text2_
    void leave() override;
    void askNumberAgain();
    QString existsText(const QString& number) const;
};

} // namespace tirelou::accounts
