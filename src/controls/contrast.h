#pragma once
// Readability of a text colour on its ground: the contrast ratio of two colours
// by their relative luminance (sRGB, as in the accessibility guidelines for
// the web). 1 means equal luminance, 21 black on white.
#include <QColor>

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// The least ratio a text the program draws by default keeps to its ground.
inline constexpr double kReadableContrast = 4.5;
