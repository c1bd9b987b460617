#include "data/numbers.h"

#include <gtest/gtest.h>

using namespace tirelou;

TEST(NumberText, SignPositionAndNoLeadingZero) {
    EXPECT_EQ(NumberText(12.5), QStringLiteral(" 12.5"));
    EXPECT_EQ(NumberText(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(NumberText(-0.5), QStringLiteral("-.5"));
    EXPECT_EQ(NumberText(0), QStringLiteral(" 0"));
    EXPECT_EQ(NumberText(-0.0), QStringLiteral(" 0"));
    EXPECT_EQ(NumberText(-30), QStringLiteral("-30"));
    EXPECT_EQ(NumberText(1e-5), QStringLiteral(" .00001"));
    EXPECT_EQ(NumberText(1e15), QStringLiteral(" 1000000000000000"));
}

TEST(NumberText, FifteenSignificantDigitsHideBinaryNoise) {
    EXPECT_EQ(NumberText(0.1 + 0.2), QStringLiteral(" .3"));
    EXPECT_EQ(NumberText(100 - 150 + 20), QStringLiteral("-30"));
    EXPECT_EQ(NumberText(1234.56 - 0.01), QStringLiteral(" 1234.55"));
    EXPECT_EQ(NumberText(123456789012345678.0), QStringLiteral(" 123456789012346000"));
}

TEST(NumberText, TrimmedAndPrintForms) {
    EXPECT_EQ(TrimmedNumberText(37.5), QStringLiteral("37.5"));
    EXPECT_EQ(TrimmedNumberText(-3), QStringLiteral("-3"));
    EXPECT_EQ(PrintNumberText(3), QStringLiteral(" 3 "));
    EXPECT_EQ(PrintNumberText(-2.25), QStringLiteral("-2.25 "));
}

TEST(NumberValue, LenientReading) {
    EXPECT_DOUBLE_EQ(NumberValue(u"12,50"), 12);
    EXPECT_DOUBLE_EQ(NumberValue(u"12.5                              37.5"), 12.537);
    EXPECT_DOUBLE_EQ(NumberValue(u" 1 2 3"), 123);
    EXPECT_DOUBLE_EQ(NumberValue(u"\t4\n2"), 42);
    EXPECT_DOUBLE_EQ(NumberValue(u"-.5"), -0.5);
    EXPECT_DOUBLE_EQ(NumberValue(u"- 5"), -5);
    EXPECT_DOUBLE_EQ(NumberValue(u"+7"), 7);
    EXPECT_DOUBLE_EQ(NumberValue(u"12.5.3"), 12.5);
    EXPECT_DOUBLE_EQ(NumberValue(u"1e3"), 1000);
    EXPECT_DOUBLE_EQ(NumberValue(u"1D2"), 100);
    EXPECT_DOUBLE_EQ(NumberValue(u"1.5e-1x"), 0.15);
    EXPECT_DOUBLE_EQ(NumberValue(u"1e"), 1);
    EXPECT_DOUBLE_EQ(NumberValue(u"3CARTE"), 3);
}

TEST(NumberValue, TextsWithoutANumberReadAsZero) {
    EXPECT_EQ(NumberValue(u""), 0);
    EXPECT_EQ(NumberValue(u"abc"), 0);
    EXPECT_EQ(NumberValue(u"."), 0);
    EXPECT_EQ(NumberValue(u"--5"), 0);
    EXPECT_EQ(NumberValue(u"é5"), 0);
    EXPECT_EQ(NumberValue(u"1e999"), 0);
}

TEST(AmountValue, CommaIsTheDecimalPoint) {
    EXPECT_DOUBLE_EQ(AmountValue(u"12,50"), 12.5);
    EXPECT_DOUBLE_EQ(AmountValue(u" 1234,5 "), 1234.5);
    EXPECT_DOUBLE_EQ(AmountValue(u"CARTE"), 0);
}

TEST(FormatNumber, AmountDisplay) {
    EXPECT_EQ(FormatAmount(1234567.891), QStringLiteral("1 234 567.89"));
    EXPECT_EQ(FormatAmount(1234.5), QStringLiteral("1 234.50"));
    EXPECT_EQ(FormatAmount(0), QStringLiteral("0.00"));
    EXPECT_EQ(FormatAmount(0.5), QStringLiteral("0.50"));
    EXPECT_EQ(FormatAmount(-1234.5), QStringLiteral("-1 234.50"));
    EXPECT_EQ(FormatAmount(-0.001), QStringLiteral("0.00"));
    EXPECT_EQ(FormatAmount(100), QStringLiteral("100.00"));
    EXPECT_EQ(FormatAmount(1000), QStringLiteral("1 000.00"));
    // more digits than the pattern holds all stand in front
    EXPECT_EQ(FormatAmount(1234567890123.4), QStringLiteral("1234 567 890 123.40"));
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(FormatAmount(0.005), QStringLiteral("0.01"));
    EXPECT_EQ(FormatAmount(2.675), QStringLiteral("2.68")); // 2.67499999... in binary
    EXPECT_EQ(FormatAmount(999.995), QStringLiteral("1 000.00"));
    EXPECT_EQ(FormatAmount(-2.675), QStringLiteral("-2.68"));
    EXPECT_EQ(FormatNumber(100 * 6.55957, u"### ### ##0.00"), QStringLiteral("655.96"));
    EXPECT_EQ(FormatNumber(100 * 1.52449, u"### ### ##0.00"), QStringLiteral("152.45"));
}

TEST(FormatNumber, OtherPatterns) {
    EXPECT_EQ(FormatNumber(5, u"### ### ### ##00.00"), QStringLiteral("05.00"));
    // separators stand where the pattern puts them
    EXPECT_EQ(FormatNumber(1250, u"### ### ### ##00.00"), QStringLiteral("1250.00"));
    EXPECT_EQ(FormatNumber(12500, u"### ### ### ##00.00"), QStringLiteral("1 2500.00"));
    EXPECT_EQ(FormatNumber(0.5, u"########.00"), QStringLiteral(".50"));
    EXPECT_EQ(FormatNumber(20, u"########.00"), QStringLiteral("20.00"));
    EXPECT_EQ(FormatNumber(4, u"####0"), QStringLiteral("4"));
    EXPECT_EQ(FormatNumber(3.5, u"####0"), QStringLiteral("4"));
    EXPECT_EQ(FormatNumber(0, u"####0"), QStringLiteral("0"));
}

TEST(Settle, DifferencesOfDecimalAmountsLoseTheirBinaryNoise) {
    EXPECT_EQ(NumberText(50.1 - 50), QStringLiteral(" .100000000000001")); // what the noise would write
    EXPECT_EQ(NumberText(Settle(50.1 - 50)), QStringLiteral(" .1"));
    EXPECT_EQ(NumberText(Settle(100.1 - 100)), QStringLiteral(" .1"));
    EXPECT_EQ(NumberText(Settle(100 - 100.1)), QStringLiteral("-.1"));
    EXPECT_EQ(NumberText(Settle(0.1 + 0.2 - 0.3)), QStringLiteral(" 0"));
    EXPECT_EQ(NumberText(Settle(1000000.2 - 1000000.1)), QStringLiteral(" .1"));
    EXPECT_EQ(NumberText(Settle(987654321.25 - 987654321)), QStringLiteral(" .25"));
    EXPECT_EQ(Settle(12.345), 12.345);
    EXPECT_EQ(Settle(123456789012.5), 123456789012.5);
    // A settled half stays within the 15 characters it is read back from.
    const QString pair = MakePair(QStringLiteral("50"), 20, NumberText(Settle(50.1 - 50)));
    EXPECT_DOUBLE_EQ(PairSecond(pair), 0.1);
}

TEST(FiniteAmount, RefusesWhatCannotBeWrittenBack) {
    EXPECT_EQ(FiniteAmount(12.5), 12.5);
    EXPECT_THROW(FiniteAmount(NumberValue(u"1E308") * 10), std::range_error);
}

TEST(AmountPair, EachHalfIsReadFromFifteenCharacters) {
    const QString entry = MakePair(QStringLiteral("12.5"), 30, NumberText(37.5));
    EXPECT_EQ(entry, QStringLiteral("12.5") + QString(30, QLatin1Char(' ')) + QStringLiteral(" 37.5"));
    EXPECT_DOUBLE_EQ(PairFirst(entry), 12.5);
    EXPECT_DOUBLE_EQ(PairSecond(entry), 37.5);

    const QString rollover = MakePair(QStringLiteral("50"), 20, QStringLiteral("150"));
    EXPECT_DOUBLE_EQ(PairFirst(rollover), 50);
    EXPECT_DOUBLE_EQ(PairSecond(rollover), 150);

    const QString commas = QStringLiteral("12,5") + QString(20, QLatin1Char(' ')) + QStringLiteral("37,5");
    EXPECT_DOUBLE_EQ(PairFirst(commas), 12.5);
    EXPECT_DOUBLE_EQ(PairSecond(commas), 37.5);
    EXPECT_EQ(PairSecondText(commas), QStringLiteral("37.5"));

    // A single number shorter than 15 characters is both halves.
    EXPECT_DOUBLE_EQ(PairFirst(u"80"), 80);
    EXPECT_DOUBLE_EQ(PairSecond(u"80"), 80);
    EXPECT_DOUBLE_EQ(PairSecond(u""), 0);
}
