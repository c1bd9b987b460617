#include "month/overview.h"

#include "data/datenames.h"
#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"

#include <array>
#include <cmath>

namespace tirelou {

void MarkCurrentMonth(WorkingContext& ctx) {
    const QString mode = QStringLiteral("ENCOUR");
    WriteHandOver(ctx, handover::Encour, {mode});
    ctx.yearText = ctx.clock.today().toString(QStringLiteral("yyyy"));
    WriteHandOver(ctx, handover::Lire, {mode, static_cast<double>(ctx.currentMonth), ctx.yearText});
}

void LoadCurrentMonth(WorkingContext& ctx) {
    MonthTableName(ctx, ctx.currentMonth);
    ctx.loopIndex = 0;
    LoadMonth(ctx, ctx.monthTable);
    ctx.month.remainderText.replace(QLatin1Char(','), QLatin1Char('.'));
}

double BalanceOf(QStringView remainderText) {
    return AmountValue(remainderText);
}

QString HubDateLine(const QDate& today, bool french) {
    return LongDateText(today, french).toUpper();
}

QString ConvertedBalance(QStringView remainderText, bool french) {
    const double product = AmountValue(remainderText) * (french ? 6.55957 : 1.52449);
    return NumberText(NumberValue(FormatNumber(product, u"### ### ##0.00")));
}

double DayNumber(int day, int month, int year) {
    static constexpr std::array<double, 12> before{0,      31,     59.25,  90.25,  120.25, 151.25,
                                                   181.25, 212.25, 243.25, 273.25, 304.25, 334.25};
    return (year - 1901) * 365.25 + before[static_cast<std::size_t>(month - 1)] + day;
}

namespace {

// A number made of digits only, or nothing.
std::optional<int> Digits(QStringView text) {
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    return text.toInt();
}

std::optional<DayMonthYear> RealDate(int day, int month, int year) {
    if (!QDate(year, month, day).isValid())
        return std::nullopt;
    return DayMonthYear{day, month, year};
}

} // namespace

std::optional<DayMonthYear> ReadBackupDate(QStringView text, bool french) {
    const QStringView t = text.trimmed();
    if (t.size() < 10)
        return std::nullopt;
    const auto first = Digits(t.mid(0, 2));
    const auto second = Digits(t.mid(3, 2));
    const auto year = Digits(t.right(4));
    if (!first || !second || !year || *year < 1901)
        return std::nullopt;
    const auto dayFirst = RealDate(*first, *second, *year);
    const auto monthFirst = RealDate(*second, *first, *year);
    if (french)
        return dayFirst ? dayFirst : monthFirst;
    return monthFirst ? monthFirst : dayFirst;
}

std::optional<int> BackupAge(QStringView backupDate, const QDate& today, bool french) {
    const auto last = ReadBackupDate(backupDate, french);
    if (!last)
        return std::nullopt;
    const double elapsed = DayNumber(today.day(), today.month(), today.year()) -
                           DayNumber(last->day, last->month, last->year) + 1;
    return static_cast<int>(std::floor(elapsed));
}

bool BackupDue(const WorkingContext& ctx) {
    HandOverReader reader(ctx, handover::Sauve);
    if (!reader.exists())
        return false;
    reader.line();
    reader.line();
    const QString date = reader.line();
    if (!reader.ok())
        return false;
    const auto age = BackupAge(date, ctx.clock.today(), ctx.french());
    return age && *age > 10;
}

} // namespace tirelou
