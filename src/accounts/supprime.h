#pragma once

#include "accounts/accountgrid.h"

namespace tirelou::accounts {

// Account deletion: an account is picked on the grid, the deletion confirmed, then its
// password typed; its file of the current year is removed and the login opens again.
class Supprime final : public AccountGridScreen {
    Q_OBJECT
public:
    explicit Supprime(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onGridClicked(int row) override;
    void onFirstEntered() override;  // the confirmation, in text1_
    void onSecondEntered() override; // the password, in text2_

    int row_ = 0;     // the picked row
    QString account_; // its account, as the grid shows it
};

} // namespace tirelou::accounts
