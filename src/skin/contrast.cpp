#include "contrast.h"


#include <QtMath>

namespace {

double linear(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

double requiredRatio(ContrastNeed need)
{
    return need == ContrastNeed::Text ? 4.5 : 3.0;
}

const QVector<ContrastPair> &skinContrastPairs()
{
    enum { Text, Panel, Border, NormalStart, NormalEnd, DarkStart, DarkEnd, High };
    static const QVector<ContrastPair> pairs = {
        {Text, Panel, ContrastNeed::Text},
        {Text, NormalStart, ContrastNeed::Text},
        {Text, NormalEnd, ContrastNeed::Text},
        {Text, DarkStart, ContrastNeed::Text},
        {Text, DarkEnd, ContrastNeed::Text},
        {High, Panel, ContrastNeed::Mark},
        {High, DarkStart, ContrastNeed::Mark},
        {High, DarkEnd, ContrastNeed::Mark},
        {Border, Panel, ContrastNeed::Mark},
    };
    return pairs;
}

QVector<ContrastCheck> checkContrast(const QStringList &colors)
{
    QVector<ContrastCheck> checks;
    for (ContrastPair pair : skinContrastPairs()) {
        const bool onGradient = pair.background >= 3 && pair.background <= 6; // the normal and dark stops
        if (pair.foreground == 0 && onGradient && colors.size() > ButtonTextColor)
            pair.foreground = ButtonTextColor;
        const QColor fore(colors.value(pair.foreground));
        const QColor back(colors.value(pair.background));
        if (!fore.isValid() || !back.isValid())
            continue;
        const double ratio = contrastRatio(fore, back);
        checks.append({pair, ratio, ratio >= requiredRatio(pair.need)});
    }
    return checks;
}
