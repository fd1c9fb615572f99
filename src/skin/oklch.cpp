#include "oklch.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Vector = std::array<double, 3>;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double encoded(double channel)
{
    return channel <= 0.0031308 ? channel * 12.92 : 1.055 * std::pow(channel, 1 / 2.4) - 0.055;
}

// OKLab of linear sRGB, and back (the matrices of the OKLab definition).
Vector labOfLinear(const Vector &rgb)
{
    const double l = std::cbrt(0.4122214708 * rgb[0] + 0.5363325363 * rgb[1] + 0.0514459929 * rgb[2]);
    const double m = std::cbrt(0.2119034982 * rgb[0] + 0.6806995451 * rgb[1] + 0.1073969566 * rgb[2]);
    const double s = std::cbrt(0.0883024619 * rgb[0] + 0.2817188376 * rgb[1] + 0.6299787005 * rgb[2]);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

double cube(double x)
{
    return x * x * x;
}

Vector linearOfLab(const Vector &lab)
{
    const double l = cube(lab[0] + 0.3963377774 * lab[1] + 0.2158037573 * lab[2]);
    const double m = cube(lab[0] - 0.1055613458 * lab[1] - 0.0638541728 * lab[2]);
    const double s = cube(lab[0] - 0.0894841775 * lab[1] - 1.2914855480 * lab[2]);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

// Chroma along the hue's direction: (cos, sin) of the hue.
Vector linearOf(double lightness, double chroma, double cosHue, double sinHue)
{
    return linearOfLab({lightness, chroma * cosHue, chroma * sinHue});
}

bool insideSrgb(const Vector &rgb)
{
    constexpr double slack = 1e-7;
    return std::all_of(rgb.cbegin(), rgb.cend(), [](double c) { return c >= -slack && c <= 1 + slack; });
}

int eightBits(double linearChannel)
{
    return qBound(0, qRound(encoded(qBound(0.0, linearChannel, 1.0)) * 255), 255);
}

// Linear sRGB of an OKLCH colour, its chroma cut to the gamut's edge.
Vector clippedLinear(const Oklch &color)
{
    const double lightness = qBound(0.0, color.lightness, 1.0);
    const double radians = qDegreesToRadians(color.hue);
    const double cosHue = std::cos(radians);
    const double sinHue = std::sin(radians);
    const Vector rgb = linearOf(lightness, color.chroma, cosHue, sinHue);
    if (insideSrgb(rgb))
        return rgb;
    // The edge along the chroma axis, to well below one step of eight bits.
    double inside = 0;
    double outside = color.chroma;
    for (int i = 0; i < 16; ++i) {
        const double middle = (inside + outside) / 2;
        (insideSrgb(linearOf(lightness, middle, cosHue, sinHue)) ? inside : outside) = middle;
    }
    return linearOf(lightness, inside, cosHue, sinHue);
}

} // namespace

Oklch toOklch(const QColor &color)
{
    const QColor rgb = color.toRgb();
    const Vector lab = labOfLinear({linear(rgb.redF()), linear(rgb.greenF()), linear(rgb.blueF())});
    const double hue = qRadiansToDegrees(std::atan2(lab[2], lab[1]));
    return {lab[0], std::hypot(lab[1], lab[2]), hue < 0 ? hue + 360 : hue};
}

QColor fromOklch(const Oklch &color)
{
    const Vector rgb = clippedLinear(color);
    return QColor(eightBits(rgb[0]), eightBits(rgb[1]), eightBits(rgb[2]));
}

double oklchLuminance(const Oklch &color)
{
    const Vector rgb = clippedLinear(color);
    return 0.2126 * qBound(0.0, rgb[0], 1.0) + 0.7152 * qBound(0.0, rgb[1], 1.0) + 0.0722 * qBound(0.0, rgb[2], 1.0);
}
