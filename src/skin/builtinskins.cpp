#include "builtinskins.h"

#include "colorroles.h"
#include "skincatalogue.h"
#include "skincolours.h"

#include <algorithm>

namespace {

// The classic skins paint their own slot colours: text on the panel, button
// and header gradients, frames, the slider's mark, and the button text.
QStringList paintedClassic(const QString &style)
{
    const SkinColours c = *classicSkinColours(style);
    QStringList painted;
    for (const QColor &colour : {c.text, c.panel, c.border, c.button[0], c.button[1], c.hover[0], c.hover[1], c.high,
                                 c.buttonText})
        painted << colour.name().toUpper();
    return painted;
}

} // namespace

const QVector<BuiltInSkin> &builtInSkins()
{
    static const QVector<BuiltInSkin> skins = [] {
        QVector<BuiltInSkin> out;
        for (const SkinEntry &file : templateFormSkins()) {
            const SkinEntry *inMenu = findStyle(file.styleName);
            out.append({file.styleName, inMenu ? inMenu->displayName : QString(), SkinKind::TemplateForm, file.colors,
                        file.colors});
        }
        for (const QString &style : classicFormStyles())
            out.append({style, findStyle(style)->displayName, SkinKind::ClassicForm, findStyle(style)->colors,
                        paintedClassic(style)});
        for (const SkinEntry &entry : skinCatalogue()) {
            if (std::none_of(out.cbegin(), out.cend(), [&](const BuiltInSkin &s) { return s.styleName == entry.styleName; }))
                out.append({entry.styleName, entry.displayName, SkinKind::Composed, entry.colors, entry.colors});
        }
        std::sort(out.begin(), out.end(), [](const BuiltInSkin &a, const BuiltInSkin &b) { return a.styleName < b.styleName; });
        return out;
    }();
    return skins;
}

QStringList builtInSkinStyles()
{
    QStringList styles;
    for (const BuiltInSkin &skin : builtInSkins())
        styles << skin.styleName;
    return styles;
}

const BuiltInSkin *findBuiltInSkin(const QString &name)
{
    for (const BuiltInSkin &skin : builtInSkins()) {
        if (skin.styleName == name || (!skin.displayName.isEmpty() && skin.displayName == name))
            return &skin;
    }
    return nullptr;
}

QString builtInSkinSheet(const BuiltInSkin &skin)
{
    return skin.kind == SkinKind::Composed ? composeBuiltInTemplate(skin.colors)
                                           : readResourceText(QStringLiteral(":/qss/%1.css").arg(skin.styleName));
}

QString skinKindText(SkinKind kind)
{
    switch (kind) {
    case SkinKind::TemplateForm:
        return QStringLiteral("template form");
    case SkinKind::ClassicForm:
        return QStringLiteral("classic form");
    case SkinKind::Composed:
        break;
    }
    return QStringLiteral("composed from catalogue colours");
}

QString unreadableTextWarning(const BuiltInSkin &skin)
{
    if (QColor(skin.painted.value(0)) != QColor(skin.painted.value(1)))
        return QString();
    return QStringLiteral("%1's text colour equals its panel colour (%2, 1.00:1): its text cannot be read")
        .arg(skin.styleName, skin.painted.value(1));
}

QString repairBasisNote(const BuiltInSkin &skin)
{
    if (skin.kind != SkinKind::ClassicForm)
        return QString();
    QStringList changed;
    // The five backgrounds, in role order: the panel and both gradients.
    for (int role : {1, 3, 4, 5, 6}) {
        if (QColor(skin.painted.value(role)) != QColor(skin.colors.value(role)))
            changed << QStringLiteral("%1 %2 becomes %3")
                           .arg(QLatin1String(colorRoles.at(role).key), skin.painted.value(role), skin.colors.value(role));
    }
    return QStringLiteral("%1 is a classic-form skin: the repair starts from its catalogue colours, composed with the "
                          "template, not from the colours it paints%2%3")
        .arg(skin.styleName, changed.isEmpty() ? QString() : QStringLiteral(" (backgrounds: "),
             changed.join(QStringLiteral(", ")) + (changed.isEmpty() ? QString() : QStringLiteral(")")));
}
