#include "accounts/screenlook.h"

#include <QLabel>

namespace tirelou::accounts {
namespace {

void SetSize(QLabel* label, qreal points, bool bold) {
    QFont f = label->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    label->setFont(f);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

} // namespace

void SetTitleFont(QLabel* label) {
    SetSize(label, 20, true);
    label->setAlignment(Qt::AlignCenter);
}

void SetPromptFont(QLabel* label) {
    SetSize(label, 11, true);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(360);
}

void SetLineFont(QLabel* label) {
    SetSize(label, 12, true);
    label->setAlignment(Qt::AlignCenter);
}

} // namespace tirelou::accounts
