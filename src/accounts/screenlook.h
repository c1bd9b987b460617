#pragma once

class QLabel;

// How the account screens place their labels (the type comes with the label's role).
namespace tirelou::accounts {

void SetTitleLook(QLabel* label);
void SetPromptLook(QLabel* label);
void SetLineLook(QLabel* label);

} // namespace tirelou::accounts
