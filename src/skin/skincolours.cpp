#include "skincolours.h"

#include "classicslots.h"

#include <QVector>

#include <algorithm>

std::optional<SkinColours> skinColours(const QStringList &colors)
{
    QVector<QColor> c;
    for (const QString &name : colors)
        c.append(QColor(name));
    if (c.size() != 8 || std::any_of(c.cbegin(), c.cend(), [](const QColor &color) { return !color.isValid(); }))
        return std::nullopt;
    // The template paints text, menus, headers and tabs in the text colour,
    // menus on the normal gradient's first stop.
    return SkinColours{c[0], c[1], c[2], {c[3], c[4]}, c[0], {c[5], c[6]}, c[0], c[3], c[7], false};
}

std::optional<SkinColours> classicSkinColours(const QString &style)
{
    const ClassicSkin *skin = findClassicSkin(style);
    if (!skin)
        return std::nullopt;
    auto k = [skin](int slot) { return QColor(skin->slotColours.at(slot - 1)); };
    // Labels in K10 on the panel K1; buttons and tool bars K6 on K4..K5,
    // hovered and headers on K8..K9; menus K11 on K12; the slider's filled
    // part K17 marks the value.
    return SkinColours{k(10), k(1), k(3), {k(4), k(5)}, k(6), {k(8), k(9)}, k(11), k(12), k(17), true};
}
