#pragma once

class QLabel;

// Type sizes shared by the account screens, as designed (the window scaling enlarges them).
namespace tirelou::accounts {

void SetTitleFont(QLabel* label);
void SetPromptFont(QLabel* label);
void SetLineFont(QLabel* label);

} // namespace tirelou::accounts
