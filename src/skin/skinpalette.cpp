#include "skinpalette.h"

#include "contrast.h"


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

QPalette skinPalette(const SkinColours &c)
{
    const QColor button = mixColors(c.button[0], c.button[1], 0.5);
    const QColor alternate = mixColors(c.panel, c.button[0], 0.35);
    // A little above 4.5:1 and 3:1, so that antialiased edges still reach them.
    const double textRatio = 4.7;
    const double markRatio = 3.2;
    const QColor text = readableOn(c.text, c.panel, textRatio);
    const QColor buttonText = readableOn(c.buttonText, button, textRatio);

    QPalette palette(button, c.panel);
    // The selection stands out from plain and alternate rows alike.
    QColor highlight = readableOn(readableOn(c.high, c.panel, 1.8), alternate, 1.8);
    const QColor onHighlight = contrastRatio(Qt::black, highlight) > contrastRatio(Qt::white, highlight)
                                   ? QColor(Qt::black) : QColor(Qt::white);
    const QColor link = readableOn(c.high, c.panel, textRatio);
    const QColor visited = readableOn(mixColors(link, text, 0.5), c.panel, textRatio);
    const QColor disabled = readableOn(mixColors(text, c.panel, 0.5), c.panel, markRatio);
    const QColor disabledButton = readableOn(mixColors(buttonText, button, 0.5), button, markRatio);

    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, c.panel);
        palette.setColor(group, QPalette::Base, c.panel);
        palette.setColor(group, QPalette::AlternateBase, alternate);
        palette.setColor(group, QPalette::Button, button);
        palette.setColor(group, QPalette::ToolTipBase, c.panel);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::WindowText, off ? disabled : text);
        palette.setColor(group, QPalette::Text, off ? disabled : text);
        palette.setColor(group, QPalette::ButtonText, off ? disabledButton : buttonText);
        palette.setColor(group, QPalette::BrightText, onHighlight);
        palette.setColor(group, QPalette::Highlight, off ? mixColors(highlight, c.panel, 0.5) : highlight);
        palette.setColor(group, QPalette::HighlightedText, onHighlight);
        palette.setColor(group, QPalette::Link, off ? disabled : link);
        palette.setColor(group, QPalette::LinkVisited, off ? disabled : visited);
        palette.setColor(group, QPalette::PlaceholderText, disabled);
    }
    return palette;
}

QPalette skinPalette(const QStringList &colors)
{
    const std::optional<SkinColours> colours = skinColours(colors);
    return colours ? skinPalette(*colours) : QPalette();
}

QStringList paletteSource(const QPalette &palette)
{
    static const struct
    {
        QPalette::ColorRole role;
        const char *name;
    } roles[] = {
        {QPalette::Window, "Window"}, {QPalette::WindowText, "WindowText"}, {QPalette::Base, "Base"},
        {QPalette::AlternateBase, "AlternateBase"}, {QPalette::Text, "Text"}, {QPalette::Button, "Button"},
        {QPalette::ButtonText, "ButtonText"}, {QPalette::BrightText, "BrightText"},
        {QPalette::Highlight, "Highlight"}, {QPalette::HighlightedText, "HighlightedText"},
        {QPalette::ToolTipBase, "ToolTipBase"}, {QPalette::ToolTipText, "ToolTipText"},
        {QPalette::Link, "Link"}, {QPalette::LinkVisited, "LinkVisited"},
        {QPalette::PlaceholderText, "PlaceholderText"},
    };
    auto color = [](const QColor &c) { return QStringLiteral("QColor(\"%1\")").arg(c.name().toUpper()); };
    QStringList lines = {QStringLiteral("QPalette palette(%1, %2);")
                             .arg(color(palette.color(QPalette::Button)), color(palette.color(QPalette::Window)))};
    QStringList disabled;
    for (const auto &r : roles) {
        const QColor active = palette.color(QPalette::Active, r.role);
        lines << QStringLiteral("palette.setColor(QPalette::%1, %2);").arg(QLatin1String(r.name), color(active));
        const QColor off = palette.color(QPalette::Disabled, r.role);
        if (off != active)
            disabled << QStringLiteral("palette.setColor(QPalette::Disabled, QPalette::%1, %2);")
                            .arg(QLatin1String(r.name), color(off));
    }
    return lines + disabled;
}
