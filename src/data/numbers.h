#pragma once

#include <QString>
#include <QStringView>

// Numbers are kept as texts in the account files. These are the few ways they are
// written and read back, shared by every screen.
namespace tirelou {

// Plain number form with its sign position: at most 15 significant digits, "." as the
// decimal point, no grouping, no zero before the point ("0.5" is " .5"), one leading
// blank when not negative and "-" when negative.
QString NumberText(double value);

// Plain number form without the leading blank of a non-negative number.
QString TrimmedNumberText(double value);

// The print form used in hand-over files: plain number form followed by one blank.
QString PrintNumberText(double value);

// Lenient reading: blanks, tabs and line feeds are dropped wherever they stand, then an
// optional sign, digits, one "." and an optional exponent are taken up to the first other
// character. A text with no number reads as 0. "12,50" reads as 12.
double NumberValue(QStringView text);

// How amounts typed or stored by the screens are read: every "," becomes "." first, so
// "12,50" reads as 12.5.
double AmountValue(QStringView text);

// Settles the result of adding or subtracting amounts typed in decimals: the binary noise
// of a difference such as 50.1 - 50 (0.10000000000000142) is rounded off, at the sixth
// decimal, which removes it for amounts up to a thousand million. Written out in full such
// noise would make a text longer than the 15 characters each half of an amount pair is read
// from.
double Settle(double value);

// Returns the amount, or throws std::range_error when it is beyond what can be kept (a sum
// of amounts typed as 1E308): written out it would no longer read back as itself.
double FiniteAmount(double value);

// Formats with a digit pattern such as "### ### ### ##0.00", "####0" or "########.00":
// "#" an optional digit, "0" a required digit, other characters (blanks) are group
// separators shown only between digits. Rounds half away from zero.
QString FormatNumber(double value, QStringView pattern);

// The amount display used on most screens: "### ### ### ##0.00".
QString FormatAmount(double value);

// Two numbers in one text (direct debits, forecasts, the reserve): the first is read from
// the first 15 characters, the second from the last 15, each trimmed and read as an amount.
double PairFirst(QStringView text);
double PairSecond(QStringView text);

// The first number, `blanks` blanks, then the second, exactly as given.
QString MakePair(const QString& first, int blanks, const QString& second);

// The amount-still-to-pay half of a pair as a text: the last 15 characters, trimmed,
// with "," turned into ".".
QString PairSecondText(QStringView text);

} // namespace tirelou
