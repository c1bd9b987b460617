#pragma once

#include "accounts/accountgrid.h"

namespace tirelou::accounts {

// The password change: an account is picked on the grid, its old password typed, then the
// new one; the menu opens again on that account.
class Code final : public AccountGridScreen {
    Q_OBJECT
public:
    explicit Code(const ui::ScreenEnv& env);
    void load() override;

private:
    void reset();
    void onGridClicked(int row) override;
    void onFirstEntered() override;  // the old password, in text1_
    void onSecondEntered() override; // the new one, in text2_
};

} // namespace tirelou::accounts
