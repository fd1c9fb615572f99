#ifndef OKLCH_H
#define OKLCH_H

#include <QColor>

// A colour in OKLCH, the polar form of Björn Ottosson's OKLab: perceived
// lightness, chroma and hue, for sRGB colours.
struct Oklch
{
    double lightness = 0; // 0 (black) to 1 (white)
    double chroma = 0;    // 0 for greys; up to about 0.32 inside sRGB
    double hue = 0;       // degrees, 0 to 360; meaningless when chroma is 0
};

// The OKLCH coordinates of an sRGB colour.
Oklch toOklch(const QColor &color);

// The sRGB colour with that lightness and hue and the given chroma, or, where
// that chroma would leave sRGB, the largest chroma that stays inside it at
// that lightness and hue. Rounded to eight bits per channel. Lightness is
// clamped to 0 .. 1: 0 is black and 1 white, whatever the chroma.
QColor fromOklch(const Oklch &color);

// The relative luminance (linear sRGB, Rec. 709 weights) of fromOklch(color)
// before its rounding to eight bits: cheap, for searches along lightness.
double oklchLuminance(const Oklch &color);

#endif // OKLCH_H
