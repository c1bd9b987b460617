#pragma once

#include <QDateTime>
#include <optional>

namespace tirelou {

// Today's date and time for the bookkeeping. Tests set it; the program never does.
class Clock {
public:
    QDateTime now() const { return fixed_ ? *fixed_ : QDateTime::currentDateTime(); }
    QDate today() const { return now().date(); }

    void setNow(const QDateTime& when) { fixed_ = when; }
    void setToday(const QDate& day) { fixed_ = QDateTime(day, QTime(12, 0)); }
    void useSystemTime() { fixed_.reset(); }

private:
    std::optional<QDateTime> fixed_;
};

} // namespace tirelou
