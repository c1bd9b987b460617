#pragma once

#include <QString>

namespace tirelou::ui {

// One text of a screen in both languages. Screens keep their texts in one table of these.
struct Caption {
    const char16_t* fr;
    const char16_t* en;

    QString french() const { return QString::fromUtf16(fr); }
    QString english() const { return QString::fromUtf16(en); }
    QString in(bool french) const { return french ? this->french() : english(); }
};

} // namespace tirelou::ui
