#include "data/scaling.h"

#include <algorithm>
#include <cmath>

namespace tirelou {
namespace {

bool WholeWithin(double v, double low, double high) {
    return v == std::floor(v) && v >= low && v <= high;
}

} // namespace

std::optional<int> HeightFactor(double screenHeightTwips) {
    if (!WholeWithin(screenHeightTwips, 9000, 17000))
        return std::nullopt;
    return static_cast<int>(screenHeightTwips / 93);
}

int ScaleFactorFor(double screenHeightTwips) {
    if (auto f = HeightFactor(screenHeightTwips))
        return *f;
    return std::clamp(static_cast<int>(screenHeightTwips / 93), 50, 400);
}

std::optional<int> WidthFactor(double screenWidthTwips) {
    if (!WholeWithin(screenWidthTwips, 12000, 21000))
        return std::nullopt;
    return static_cast<int>(std::lround(screenWidthTwips / 120.15));
}

int Scaled(double designed, int factor) {
    return static_cast<int>(std::lround(designed / 100.0 * factor));
}

ControlRecord ApplyScale(const ControlRecord& d, int factor) {
    const auto s = [factor](double v) { return v / 100.0 * factor; };
    return {s(d.top), s(d.left), s(d.height), s(d.width), s(d.fontSize)};
}

} // namespace tirelou
