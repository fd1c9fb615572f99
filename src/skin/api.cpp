// The public interface of the skin library (VantuSkin/skin.h) on top of its
// internal parts.
#include <VantuSkin/skin.h>

#include "colorroles.h"
#include "coverage.h"
#include "builtinskins.h"
#include "skinfile.h"
#include "skinpalette.h"

#include <algorithm>

namespace VantuSkin {

QStringList builtInSkinNames()
{
    return builtInSkinStyles();
}

QString builtInSkin(const QString &name)
{
    const BuiltInSkin *skin = findBuiltInSkin(name);
    return skin ? builtInSkinSheet(*skin) : QString();
}

QString composeSkin(const QStringList &colors)
{
    if (colors.size() != ColorRoleCount || !std::all_of(colors.cbegin(), colors.cend(), isColorValue))
        return QString();
    return composeBuiltInTemplate(colors);
}

QStringList skinColors(const QString &sheet)
{
    const std::optional<QStringList> colors = parseColorTrailer(withoutCoverage(sheet));
    if (!colors || !std::all_of(colors->cbegin(), colors->cend(), isColorValue))
        return QStringList();
    return *colors;
}

QPalette skinPalette(const QString &sheet)
{
    const std::optional<SkinColours> colours = sheetColours(sheet);
    return colours ? ::skinPalette(*colours) : QPalette(skinPanelColor(sheet));
}

QString readSkinFile(const QString &fileName, QString *errorText)
{
    QString text;
    switch (::readSkinFile(fileName, &text, errorText)) {
    case SkinFileRead::Ok:
        return text.isNull() ? QStringLiteral("") : text;
    case SkinFileRead::TooLarge:
        if (errorText)
            *errorText = QStringLiteral("larger than %1 MiB, too large for a skin").arg(MaxSkinFileSize >> 20);
        break;
    case SkinFileRead::CannotOpen:
        break;
    }
    return QString();
}

bool writeSkinFile(const QString &fileName, const QString &sheet, QString *errorText)
{
    return ::writeSkinFile(fileName, sheet, errorText);
}

} // namespace VantuSkin
