#include "skinpalette.h"

#include "contrast.h"

#include <algorithm>

QColor mixColors(const QColor &from, const QColor &to, double amount)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto mix = [amount](int x, int y) { return qRound(x + (y - x) * amount); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QColor readableOn(const QColor &color, const QColor &background, double ratio)
{
    if (contrastRatio(color, background) >= ratio)
        return color;
    const QColor pole = contrastRatio(Qt::black, background) > contrastRatio(Qt::white, background)
                            ? QColor(Qt::black) : QColor(Qt::white);
    // The smallest step towards the pole that reaches the ratio.
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 16; ++i) {
        const double middle = (low + high) / 2;
        (contrastRatio(mixColors(color, pole, middle), background) >= ratio ? high : low) = middle;
    }
    return mixColors(color, pole, high);
}

QPalette skinPalette(const QStringList &colors)
{
    QVector<QColor> c;
    for (const QString &name : colors)
        c.append(QColor(name));
    if (c.size() < 8 || std::any_of(c.cbegin(), c.cend(), [](const QColor &color) { return !color.isValid(); }))
        return QPalette();
    const QColor text = c[0], panel = c[1], normal = mixColors(c[3], c[4], 0.5), high = c[7];

    QPalette palette(normal, panel);
    const QColor highlight = readableOn(high, panel, 1.8);
    const QColor onHighlight = contrastRatio(Qt::black, highlight) > contrastRatio(Qt::white, highlight)
                                   ? QColor(Qt::black) : QColor(Qt::white);
    const QColor link = readableOn(high, panel, 4.5);
    const QColor disabled = readableOn(mixColors(text, panel, 0.5), panel, 3.0);

    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, panel);
        palette.setColor(group, QPalette::Base, panel);
        palette.setColor(group, QPalette::AlternateBase, mixColors(panel, c[3], 0.35));
        palette.setColor(group, QPalette::Button, normal);
        palette.setColor(group, QPalette::ToolTipBase, panel);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::WindowText, off ? disabled : text);
        palette.setColor(group, QPalette::Text, off ? disabled : text);
        palette.setColor(group, QPalette::ButtonText, off ? readableOn(mixColors(text, normal, 0.5), normal, 3.0) : text);
        palette.setColor(group, QPalette::BrightText, onHighlight);
        palette.setColor(group, QPalette::Highlight, off ? mixColors(highlight, panel, 0.5) : highlight);
        palette.setColor(group, QPalette::HighlightedText, onHighlight);
        palette.setColor(group, QPalette::Link, off ? disabled : link);
        palette.setColor(group, QPalette::LinkVisited, off ? disabled : readableOn(mixColors(link, text, 0.5), panel, 4.5));
        palette.setColor(group, QPalette::PlaceholderText, disabled);
    }
    return palette;
}
