#include "accounts/screenlook.h"

#include <QLabel>

namespace tirelou::accounts {
namespace {

void Centre(QLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

} // namespace

void SetTitleLook(QLabel* label) {
    Centre(label);
}

void SetPromptLook(QLabel* label) {
    Centre(label);
    label->setMinimumWidth(360);
}

void SetLineLook(QLabel* label) {
    Centre(label);
}

} // namespace tirelou::accounts
