#include "data/scaling.h"

#include <gtest/gtest.h>

using namespace tirelou;

TEST(Scaling, HeightFactorWithinTheRecognisedScreens) {
    EXPECT_EQ(HeightFactor(11520), 123); // 768 pixels
    EXPECT_EQ(Scaled(1000, 123), 1230);
    EXPECT_EQ(HeightFactor(9000), 96);
    EXPECT_EQ(HeightFactor(17000), 182);
    EXPECT_EQ(HeightFactor(8999), std::nullopt);
    EXPECT_EQ(HeightFactor(17001), std::nullopt);
    EXPECT_EQ(HeightFactor(11520.5), std::nullopt);
}

TEST(Scaling, OtherScreensGetAUsableFactorNotZero) {
    EXPECT_EQ(ScaleFactorFor(11520), 123);
    EXPECT_EQ(ScaleFactorFor(8999), 96);
    EXPECT_EQ(ScaleFactorFor(32400), 348); // 2160 pixels
    EXPECT_EQ(ScaleFactorFor(0), 50);
    EXPECT_EQ(ScaleFactorFor(1e9), 400);
}

TEST(Scaling, WidthFactorIsTheNearestInteger) {
    EXPECT_EQ(WidthFactor(15360), 128); // 127.8
    EXPECT_EQ(WidthFactor(12000), 100);
    EXPECT_EQ(WidthFactor(21000), 175);
    EXPECT_EQ(WidthFactor(11999), std::nullopt);
    EXPECT_EQ(WidthFactor(21001), std::nullopt);
}

TEST(Scaling, ControlsScaleInEveryDimension) {
    const ControlRecord scaled = ApplyScale({100, 200, 300, 1000, 8}, 123);
    EXPECT_DOUBLE_EQ(scaled.top, 123);
    EXPECT_DOUBLE_EQ(scaled.left, 246);
    EXPECT_DOUBLE_EQ(scaled.height, 369);
    EXPECT_DOUBLE_EQ(scaled.width, 1230);
    EXPECT_DOUBLE_EQ(scaled.fontSize, 9.84);
}
