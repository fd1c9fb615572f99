#include "skinbundle.h"

#include "colorroles.h"
#include "skinpalette.h"

#include <QFileInfo>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QXmlStreamWriter>

namespace {

const QRegularExpression &urlPattern()
{
    static const QRegularExpression pattern(QStringLiteral("url\\(\\s*(['\"]?)(.*?)\\1\\s*\\)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString fileNameOf(const QString &url)
{
    return QFileInfo(url).fileName();
}

} // namespace

QStringList sheetUrls(const QString &sheet)
{
    QStringList urls;
    auto it = urlPattern().globalMatch(sheet);
    while (it.hasNext()) {
        const QString url = it.next().captured(2).trimmed();
        if (!urls.contains(url))
            urls << url;
    }
    return urls;
}

namespace {

QString pointUrls(const QString &original, const QString &root, bool quoted)
{
    // Folders of the built-in resources named outside url()s, in comments
    // say, point at the bundle's images too.
    static const QRegularExpression builtIn(QStringLiteral(":/qss/(?:[A-Za-z0-9_-]+/)*"));
    const QString sheet = QString(original).replace(builtIn, root);
    QString out;
    int last = 0;
    auto it = urlPattern().globalMatch(sheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString target = root + fileNameOf(m.captured(2).trimmed());
        out += QStringView(sheet).mid(last, m.capturedStart() - last);
        out += QStringLiteral("url(") + (quoted ? QLatin1Char('"') + target + QLatin1Char('"') : target)
               + QLatin1Char(')');
        last = m.capturedEnd();
    }
    out += QStringView(sheet).mid(last);
    return out;
}

} // namespace

QString rewriteUrls(const QString &sheet, const QString &prefix)
{
    return pointUrls(sheet, QLatin1Char(':') + (prefix == QLatin1String("/") ? QString() : prefix)
                                + QStringLiteral("/images/"), false);
}

QString rewriteUrlsToFolder(const QString &sheet, const QString &folder)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./-]*$"));
    const QString root = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return pointUrls(sheet, root, !plain.match(root).hasMatch());
}

QByteArray qrcText(const QString &prefix, const QStringList &files)
{
    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeDTD(QStringLiteral("<!DOCTYPE RCC>"));
    xml.writeStartElement(QStringLiteral("RCC"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    xml.writeStartElement(QStringLiteral("qresource"));
    xml.writeAttribute(QStringLiteral("prefix"), prefix);
    for (const QString &file : files)
        xml.writeTextElement(QStringLiteral("file"), file);
    xml.writeEndDocument();
    return text;
}

bool isBundleName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    return pattern.match(name).hasMatch();
}

QString bundleNameRule()
{
    return QStringLiteral("a letter, digit or \"_\" followed by letters, digits, \"_\", \"-\" and \".\"");
}

std::optional<QString> bundlePrefix(const QString &prefix)
{
    QString path = prefix.startsWith(QLatin1Char('/')) ? prefix.mid(1) : prefix;
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty())
        return QStringLiteral("/");
    for (const QString &part : path.split(QLatin1Char('/'))) {
        if (!isBundleName(part))
            return std::nullopt;
    }
    return QLatin1Char('/') + path;
}

bool isPythonModuleName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    static const QStringList keywords = QStringLiteral(
        "False None True and as assert async await break class continue def del elif else except finally for "
        "from global if import in is lambda nonlocal not or pass raise return try while with yield").split(' ');
    return pattern.match(name).hasMatch() && !keywords.contains(name);
}

QString pythonModuleNameRule()
{
    return QStringLiteral("letters, digits and \"_\", not starting with a digit, not a keyword");
}

QString pythonModuleName(const QString &name)
{
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9_]"));
    QString module = QString(name).replace(other, QStringLiteral("_"));
    if (module.isEmpty() || module.at(0).isDigit())
        module.prepend(QStringLiteral("skin_"));
    return isPythonModuleName(module) ? module : module + QLatin1Char('_');
}

QString pythonModule(const QString &name, const QString &sheetPath, const QPalette &palette)
{
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    QStringList rows;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole)
            continue;
        QString row = QStringLiteral("    (\"%1\"").arg(QLatin1String(roles.valueToKey(role)));
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            row += QStringLiteral(", \"%1\"").arg(palette.color(group, QPalette::ColorRole(role)).name().toUpper());
        rows << row + QStringLiteral("),");
    }
    return readResourceText(QStringLiteral(":/python/skinmodule.py.in"))
        .replace(QStringLiteral("@PALETTE@"), rows.join(QLatin1Char('\n')))
        .replace(QStringLiteral("@SHEET@"), sheetPath)
        .replace(QStringLiteral("@NAME@"), name);
}

QString bundleSheetPath(const QString &name, const QString &prefix)
{
    return QLatin1Char(':') + (prefix == QLatin1String("/") ? QString() : prefix) + QLatin1Char('/') + name
           + QStringLiteral(".css");
}

QString bundleReadme(const QString &folderName, const SkinBundle &bundle, const QString &prefix, bool withRcc,
                     bool withFiles, bool withPython)
{
    const QString sheetPath = bundleSheetPath(bundle.name, prefix);
    const int width = bundle.name.size() + (withFiles ? 11 : 5);
    QString text = QStringLiteral("%1: a skin for Qt Widgets applications, made by vantuskin-cli.\n\n");
    auto row = [&text, width](const QString &file, const char *what) {
        text += QStringLiteral("  %1  %2\n").arg(file, -width).arg(QLatin1String(what));
    };
    row(bundle.name + QStringLiteral(".css"), "the style sheet; its images are under :%2/images/");
    row(bundle.name + QStringLiteral(".qrc"), "the resource file that lists the sheet and its images");
    row(QStringLiteral("images/"), "the images the sheet refers to");
    if (withRcc)
        row(bundle.name + QStringLiteral(".rcc"), "the same resources, compiled for QResource::registerResource");
    if (withFiles)
        row(bundle.name + QStringLiteral(".files.css"), "the style sheet with the images' paths on disk");
    if (withPython)
        row(bundle.name + QStringLiteral(".py"), "the module that applies the skin in a Python program");
    text += QStringLiteral(
        "\nCopy this folder into your project as %3/ and add the resource file to\n"
        "your target (here myapp) in its CMakeLists.txt:\n\n"
        "    set_property(TARGET myapp PROPERTY AUTORCC ON)\n"
        "    target_sources(myapp PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/%3/%1.qrc)\n\n"
        "Then apply the skin once the QApplication exists: first %6,\n"
        "then the style sheet (includes: QApplication, QFile, QPalette):\n\n"
        "    QFile skin(QStringLiteral(\"%4\"));\n"
        "    if (skin.open(QIODevice::ReadOnly)) {\n"
        "%5"
        "        qApp->setStyleSheet(QString::fromUtf8(skin.readAll()));\n"
        "    }\n");
    QString paletteLines;
    if (bundle.colours) {
        for (const QString &line : paletteSource(skinPalette(*bundle.colours)))
            paletteLines += QStringLiteral("        ") + line + QLatin1Char('\n');
        paletteLines += QStringLiteral("        qApp->setPalette(palette);\n");
    } else {
        paletteLines = QStringLiteral("        qApp->setPalette(QPalette(QColor(QStringLiteral(\"%1\"))));\n")
                           .arg(skinPanelColor(bundle.sheet).name().toUpper());
    }
    if (withFiles)
        text += QStringLiteral("\nTo try the skin on any installed Qt program without building anything:\n\n"
                               "  program -stylesheet %3/%1.files.css\n\n"
                               "(with the palette left to the program, only the sheet applies; move the\n"
                               "folder and the paths in that file no longer resolve).\n");
    if (withRcc) {
        text += QStringLiteral("\nTo load %1.rcc at run time instead of compiling the .qrc in, call\n"
                               "QResource::registerResource(\"path/to/%1.rcc\") before these lines.\n");
    }
    if (withPython)
        text += QStringLiteral("\nIn a Python program (PyQt6, PyQt5, PySide6 or PySide2), copy %1.py and\n"
                               "%1.rcc beside it, or put this folder on sys.path, and once the\n"
                               "QApplication exists apply the skin's palette and style sheet:\n\n"
                               "    import %1\n"
                               "    %1.apply()\n");
    const QString paletteWords = bundle.colours ? QStringLiteral("the skin's full palette")
                                                : QStringLiteral("the palette from the panel colour");
    text = text.arg(bundle.name, prefix == QLatin1String("/") ? QString() : prefix, folderName, sheetPath,
                    paletteLines, paletteWords);
    if (!bundle.readmeNotes.isEmpty())
        text += QLatin1Char('\n') + bundle.readmeNotes.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return text;
}

QString qtctColorScheme(const QPalette &palette)
{
    // The roles qt5ct and qt6ct read: QPalette::NColorRoles of Qt 5.15.
    constexpr int roles = QPalette::PlaceholderText + 1;
    QString text = QStringLiteral("[ColorScheme]\n");
    const std::pair<QPalette::ColorGroup, const char *> groups[] = {
        {QPalette::Active, "active"}, {QPalette::Disabled, "disabled"}, {QPalette::Inactive, "inactive"}};
    for (const auto &group : groups) {
        QStringList colours;
        for (int role = 0; role < roles; ++role)
            colours << palette.color(group.first, QPalette::ColorRole(role)).name(QColor::HexArgb);
        text += QLatin1String(group.second) + QStringLiteral("_colors=") + colours.join(QStringLiteral(", "))
                + QLatin1Char('\n');
    }
    return text;
}
