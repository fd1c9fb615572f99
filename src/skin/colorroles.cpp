#include "colorroles.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

const std::array<ColorRole, ColorRoleCount> colorRoles = {{
    {"TextColor", "txtTextColor", "btnTextColor", "#C1"},
    {"PanelColor", "txtPanelColor", "btnPanelColor", "#C2"},
    {"BorderColor", "txtBorderColor", "btnBorderColor", "#C3"},
    {"NormalColorStart", "txtNormalColorStart", "btnNormalColorStart", "#C4"},
    {"NormalColorEnd", "txtNormalColorEnd", "btnNormalColorEnd", "#C5"},
    {"DarkColorStart", "txtDarkColorStart", "btnDarkColorStart", "#C6"},
    {"DarkColorEnd", "txtDarkColorEnd", "btnDarkColorEnd", "#C7"},
    {"HighColor", "txtHighColor", "btnHighColor", "#C8"},
}};

bool isColorValue(const QString &value)
{
    static const QRegularExpression color(QStringLiteral("\\A#[0-9A-Fa-f]{6}\\z"));
    return color.match(value).hasMatch();
}

bool allColorValues(const QStringList &values)
{
    return values.size() == ColorRoleCount && std::all_of(values.begin(), values.end(), isColorValue);
}

QString swatchStyleSheet(const QString &value)
{
    return QStringLiteral("QPushButton{background-color:%1}").arg(value);
}

Composition composeSkin(const QString &templateText, const QStringList &values)
{
    Composition result;
    result.complete = allColorValues(values);
    if (!result.complete)
        return result;

    // Each placeholder grows by four characters.
    result.sheet.reserve(templateText.size() + templateText.size() / 24);
    const QChar *text = templateText.constData();
    const int size = templateText.size();
    int copiedUpTo = 0;
    for (int at = 0; at + 2 < size; ++at) {
        if (text[at] != QLatin1Char('#') || text[at + 1] != QLatin1Char('C'))
            continue;
        const int role = text[at + 2].unicode() - '1';
        if (role < 0 || role >= ColorRoleCount)
            continue;
        result.sheet.append(text + copiedUpTo, at - copiedUpTo);
        result.sheet.append(values.at(role));
        copiedUpTo = at + 3;
        at += 2;
    }
    result.sheet.append(text + copiedUpTo, size - copiedUpTo);
    return result;
}

QString composeBuiltInTemplate(const QStringList &values)
{
    return composeSkin(readResourceText(QStringLiteral(":/qss/template.css")), values).sheet;
}

QColor skinPanelColor(const QString &sheet)
{
    QColor color;
    color.setNamedColor(sheet.mid(20, 7));
    return color;
}

QString decodeResourceText(const QByteArray &bytes)
{
    const int end = bytes.indexOf('\0');
    return QString::fromLatin1(bytes.constData(), end < 0 ? bytes.size() : end);
}

// The skin collection is compiled into this library. Naming its registration
// here, where every resource text is read, links it into each program that
// reads one; its static initialiser then registers it at start-up. A static
// library's unreferenced resource object would be dropped by the linker.
static void registerSkinResources()
{
    Q_INIT_RESOURCE(skins);
}

QString readResourceText(const QString &path, bool *opened)
{
    static const bool registered = (registerSkinResources(), true);
    Q_UNUSED(registered);
    QFile file(path);
    const bool ok = file.open(QIODevice::ReadOnly);
    if (opened)
        *opened = ok;
    return ok ? decodeResourceText(file.readAll()) : QString();
}

QString decodeSkinFileText(const QByteArray &bytes)
{
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
}

std::optional<QStringList> parseColorTrailer(const QString &fileText)
{
    if (!fileText.contains(QLatin1Char('#')))
        return std::nullopt;

    // "TextColor:(.*)" with "." matching line breaks too and a greedy star:
    // everything from the first key to the end of the text.
    const int start = fileText.indexOf(QLatin1String("TextColor:"));
    if (start < 0)
        return std::nullopt;

    QString trailer = fileText.mid(start);
    trailer.remove(QLatin1String("\r\n"));
    trailer.remove(QLatin1String("/*"));
    trailer.replace(QLatin1String("*/"), QLatin1String(","));
    for (const ColorRole &role : colorRoles)
        trailer.remove(QLatin1String(role.key) + QLatin1Char(':'));
    if (trailer.size() > 1)
        trailer.chop(1);

    const QStringList parts = trailer.split(QLatin1Char(','));
    if (parts.size() != ColorRoleCount)
        return std::nullopt;
    return parts;
}
