#pragma once

#include <optional>
#include <vector>

// Every window was laid out for one screen size; these factors stretch it to the screen
// in use. Sizes are in twips (1/1440 inch, 15 per pixel at 96 dots per inch).
namespace tirelou {

// The height factor in percent: the integer part of height / 93 for a whole-number height
// from 9000 to 17000 twips; nothing outside that range.
std::optional<int> HeightFactor(double screenHeightTwips);

// The height factor with a usable value for every screen: outside the recognised range the
// same formula, kept within 50 to 400 percent, rather than a factor that shrinks every
// window to nothing.
int ScaleFactorFor(double screenHeightTwips);

// The width factor: the nearest integer to width / 120.15 for a whole-number width from
// 12000 to 21000 twips; nothing outside.
std::optional<int> WidthFactor(double screenWidthTwips);

// (designed / 100) x factor, rounded to the nearest unit.
int Scaled(double designed, int factor);

// One control as designed: position, size and font size (a line keeps y1, x1, y2, x2 in
// the first four).
struct ControlRecord {
    double top = 0, left = 0, height = 0, width = 0, fontSize = 0;
};

// The control as scaled by `factor`.
ControlRecord ApplyScale(const ControlRecord& designed, int factor);

} // namespace tirelou
