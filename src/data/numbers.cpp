#include "data/numbers.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace tirelou {
namespace {

// A finite double as sign, significant digits and decimal exponent, rounded to 15
// significant digits so that binary noise (0.1 + 0.2) never shows.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int exponent = 0;   // value = 0.d1d2d3... x 10^exponent
};

Decimal ToDecimal(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0.0)
        return d;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, res.ptr);
    std::size_t pos = 0;
    if (s[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const auto e = s.find('e');
    for (std::size_t i = pos; i < e; ++i)
        if (s[i] != '.')
            d.digits += s[i];
    d.exponent = std::stoi(s.substr(e + 1)) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d = Decimal{};
    return d;
}

// Splits a decimal into its integer digits (no leading zeros) and exactly `places`
// fraction digits, rounding half away from zero.
void SplitRounded(const Decimal& d, int places, std::string& intPart, std::string& fracPart) {
    // value = 0.d1d2d3... x 10^exponent, so digit k (from 1) has place value 10^(exponent - k).
    const auto digitAt = [&d](int k) {
        return k >= 1 && k <= static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(k - 1)]
                                                                : '0';
    };
    std::string all; // every digit down to 10^-places, most significant first
    for (int k = 1; k <= d.exponent + places; ++k)
        all += digitAt(k);
    if (digitAt(d.exponent + places + 1) >= '5') {
        auto i = all.size();
        while (i > 0 && all[i - 1] == '9')
            all[--i] = '0';
        if (i > 0)
            ++all[i - 1];
        else
            all.insert(all.begin(), '1');
    }
    if (all.size() < static_cast<std::size_t>(places))
        all.insert(0, static_cast<std::size_t>(places) - all.size(), '0');
    intPart = all.substr(0, all.size() - static_cast<std::size_t>(places));
    fracPart = all.substr(all.size() - static_cast<std::size_t>(places));
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

} // namespace

QString NumberText(double value) {
    const Decimal d = ToDecimal(value);
    if (d.digits.empty())
        return QStringLiteral(" 0");
    std::string out(d.negative ? "-" : " ");
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-d.exponent), '0');
        out += d.digits;
    } else if (d.exponent >= n) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.exponent - n), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(d.exponent));
        out += '.';
        out += d.digits.substr(static_cast<std::size_t>(d.exponent));
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString TrimmedNumberText(double value) {
    QString s = NumberText(value);
    if (s.startsWith(QLatin1Char(' ')))
        s.remove(0, 1);
    return s;
}

QString PrintNumberText(double value) {
    return NumberText(value) + QLatin1Char(' ');
}

double NumberValue(QStringView text) {
    std::string s;
    s.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (c.unicode() > 127)
            break;
        s += static_cast<char>(c.unicode());
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string num;
    bool sawDigit = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num += s[i++];
        sawDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num += s[i++];
            sawDigit = true;
        }
    }
    if (!sawDigit)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
            exp += s[j++];
        if (j > firstDigit)
            num += exp;
    }
    if (num.front() == '.')
        num.insert(num.begin(), '0');
    double value = 0.0;
    const auto res = std::from_chars(num.data(), num.data() + num.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value))
        return 0.0; // an exponent too large for a double: no usable number
    return negative ? -value : value;
}

double Settle(double value) {
    if (!std::isfinite(value) || std::abs(value) >= 1e9)
        return value; // there the 15 digits written stop before any noise
    const double settled = std::round(value * 1e6) / 1e6;
    return settled == 0.0 ? 0.0 : settled; // never a negative zero
}

double FiniteAmount(double value) {
    if (!std::isfinite(value))
        throw std::range_error("amount too large to be kept");
    return value;
}

double AmountValue(QStringView text) {
    QString s = text.toString();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return NumberValue(s);
}

QString FormatNumber(double value, QStringView pattern) {
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    const QStringView intPattern = dot < 0 ? pattern : pattern.left(dot);
    const int places = dot < 0 ? 0 : static_cast<int>(pattern.size() - dot - 1);

    std::string intDigits, fracDigits;
    const Decimal d = ToDecimal(value);
    SplitRounded(d, places, intDigits, fracDigits);

    // Required integer digits: every placeholder from the first "0" on.
    int minDigits = 0;
    bool seenZero = false;
    for (QChar c : intPattern) {
        seenZero = seenZero || c == QLatin1Char('0');
        if (seenZero && (c == QLatin1Char('0') || c == QLatin1Char('#')))
            ++minDigits;
    }
    if (static_cast<int>(intDigits.size()) < minDigits)
        intDigits.insert(0, static_cast<std::size_t>(minDigits) - intDigits.size(), '0');

    // Fill the placeholders from the right; separators only between digits; digits
    // beyond the pattern all go in front.
    QString out;
    int remaining = static_cast<int>(intDigits.size());
    for (qsizetype i = intPattern.size() - 1; i >= 0 && remaining > 0; --i) {
        const QChar c = intPattern[i];
        if (c == QLatin1Char('#') || c == QLatin1Char('0'))
            out.prepend(QLatin1Char(intDigits[static_cast<std::size_t>(--remaining)]));
        else
            out.prepend(c);
    }
    if (remaining > 0)
        out.prepend(QString::fromLatin1(intDigits.data(), remaining));
    if (places > 0)
        out += QLatin1Char('.') + QString::fromLatin1(fracDigits.data(), places);

    const bool allZero = intDigits.find_first_not_of('0') == std::string::npos &&
                         fracDigits.find_first_not_of('0') == std::string::npos;
    if (d.negative && !allZero)
        out.prepend(QLatin1Char('-'));
    return out;
}

QString FormatAmount(double value) {
    return FormatNumber(value, u"### ### ### ##0.00");
}

double PairFirst(QStringView text) {
    return AmountValue(text.left(15).trimmed());
}

double PairSecond(QStringView text) {
    return AmountValue(PairSecondText(text));
}

QString PairSecondText(QStringView text) {
    QString s = text.right(15).trimmed().toString();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

QString MakePair(const QString& first, int blanks, const QString& second) {
    return first + QString(blanks, QLatin1Char(' ')) + second;
}

} // namespace tirelou
