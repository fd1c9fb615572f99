#ifndef CONTRASTREPAIR_H
#define CONTRASTREPAIR_H

#include "colorroles.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Contrast repair: the nearest colours that make a skin's pairs
// (skinContrastPairs()) readable, found by moving a colour's OKLCH lightness
// alone. Hue and chroma are kept; where a lightness cannot hold that chroma
// inside sRGB, the chroma is cut to the gamut's edge. Colours are the eight
// of a skin in role order; results are "#RRGGBB" in upper case.

// What moving one colour gives.
struct ColourFix
{
    int role = -1;
    QString before;
    QString after;              // equal to `before` when it already passed
    double lightnessBefore = 0; // OKLCH lightness, 0 to 1
    double lightnessAfter = 0;
    double worstBefore = 0;     // the lowest ratio among the colour's pairs
    double worstAfter = 0;
    bool meetsAll = true;       // every pair of the colour reaches its need
};

// The nearest colour for `role`, the seven others kept, at which every pair
// the role takes part in reaches its need; pairs with a colour that is not
// valid are left out. A colour that already passes, or that is not a
// colour, comes back as it is. When no lightness meets every pair, the one
// whose worst pair (its ratio over its need) is best, the nearest of equals;
// meetsAll then says so. Contrast depends on luminance alone, so the
// passing luminances are worked out first and the lightness found for the
// nearest of them; where rounding to eight bits lands just short, the
// lightness moves on by a fraction of a step.
ColourFix nearestReadable(const QStringList &colors, int role);

// The foregrounds that repairSkin() moves: text, border and highlight. The
// five backgrounds, panel and the four gradient stops, make a skin's look
// and are never moved.
bool isForegroundRole(int role);

struct SkinRepair
{
    QStringList colors;       // the repaired eight
    QVector<ColourFix> fixes; // one per foreground that failed, in role order
    bool complete = true;     // every pair of the repaired colours passes
};

// Moves each failing foreground of a skin to nearestReadable(); the
// foregrounds meet no pair with each other, so the order does not matter.
SkinRepair repairSkin(const QStringList &colors);

// One line for a fix, e.g. "moved BorderColor #B6B6B6 -> #949494 lightness
// -0.110, worst pair 2.02:1 -> 3.03:1"; it says so when no lightness meets
// every pair, and starts with "kept" when no other does better.
QString fixLine(const ColourFix &fix);

#endif // CONTRASTREPAIR_H
