#ifndef CONTRAST_H
#define CONTRAST_H

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

// WCAG 2.x relative luminance of an sRGB colour: 0 for black, 1 for white.
// Each channel is linearised with the sRGB transfer curve (the straight part
// up to 0.03928), then weighted 0.2126, 0.7152, 0.0722. A plain 2.2 power
// in place of that curve, as some toolkits' luma uses, is no substitute: it
// puts #767676 on white at 4.496:1, below 4.5, where WCAG has 4.54:1.
double relativeLuminance(const QColor &color);

// WCAG 2.x contrast ratio (L1 + 0.05) / (L2 + 0.05) of the lighter over the
// darker colour: 1 (same luminance) to 21 (black on white); order free.
double contrastRatio(const QColor &a, const QColor &b);

// What a pair must reach: text 4.5:1 (WCAG 1.4.3), marks such as frames and
// indicators 3:1 (WCAG 1.4.11).
enum class ContrastNeed { Text, Mark };
double requiredRatio(ContrastNeed need);

// A pair of colour roles (indices in role order) that the template draws one
// on top of the other.
struct ContrastPair
{
    int foreground;
    int background;
    ContrastNeed need;
};

// Text on the panel and on each gradient stop; the highlight on the panel
// and on the dark stops; the border on the panel.
const QVector<ContrastPair> &skinContrastPairs();

struct ContrastCheck
{
    ContrastPair pair;
    double ratio;
    bool passes;
};

// The index of an optional ninth colour after the eight roles: the text on
// buttons, headers and tabs, for skins that paint it apart from the text
// colour (the classic-form ones). The text-on-gradient pairs then take it.
constexpr int ButtonTextColor = 8;

// Every pair of skinContrastPairs() for eight colours in role order (and
// the optional button text). Pairs with a colour that is not valid are
// left out.
QVector<ContrastCheck> checkContrast(const QStringList &colors);

#endif // CONTRAST_H
