#include "skinsource.h"

#include "colorroles.h"
#include "coverage.h"
#include "skinfile.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdlib>

namespace {

QString roleName(int role)
{
    return QLatin1String(colorRoles.at(role).key);
}

// The colours of a list in role order, or the reason they are not.
std::optional<QStringList> checkedColors(const QStringList &colors, const QString &from, QString *error)
{
    if (colors.size() != ColorRoleCount) {
        *error = QStringLiteral("%1 holds %2 colours; a skin needs %3, from %4 to %5")
                     .arg(from).arg(colors.size()).arg(ColorRoleCount)
                     .arg(roleName(0), roleName(ColorRoleCount - 1));
        return std::nullopt;
    }
    for (int role = 0; role < ColorRoleCount; ++role) {
        if (!isColorValue(colors.at(role))) {
            *error = QStringLiteral("%1: colour %2 (%3) \"%4\" is not \"#\" followed by six hexadecimal digits")
                         .arg(from).arg(role + 1).arg(roleName(role), colors.at(role));
            return std::nullopt;
        }
    }
    return colors;
}

} // namespace

int fail(const QString &message)
{
    QTextStream(stderr) << "vantuskin-cli: " << message << '\n';
    return 1;
}

QString skinSheet(const SkinSource &skin)
{
    return skin.builtInSheet.isEmpty() ? composeBuiltInTemplate(skin.colors) : skin.builtInSheet;
}

void addSkinSourceOptions(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("skin"), QStringLiteral("A built-in skin, by style name (psblack) or display name."),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("colors"),
                      QStringLiteral("Eight colours in role order, comma-separated: text, panel, border, normal "
                                     "start, normal end, dark start, dark end, highlight."),
                      QStringLiteral("c1,...,c8")});
    parser.addOption({QStringLiteral("from"), QStringLiteral("A saved skin file; its colour trailer gives the colours."),
                      QStringLiteral("file.css")});
}

std::optional<SkinSource> builtInSkin(const QString &name, QString *error)
{
    const BuiltInSkin *skin = findBuiltInSkin(name);
    if (!skin) {
        *error = QStringLiteral("unknown skin \"%1\"; the built-in skins are: %2")
                     .arg(name, builtInSkinStyles().join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return SkinSource {skin->styleName, skin->colors, builtInSkinSheet(*skin), skin};
}

std::optional<SkinSource> skinSource(const QCommandLineParser &parser, QString *error)
{
    const int given = int(parser.isSet(QStringLiteral("skin"))) + int(parser.isSet(QStringLiteral("colors")))
                      + int(parser.isSet(QStringLiteral("from")));
    if (given != 1) {
        *error = QStringLiteral("name the skin with exactly one of --skin, --colors or --from");
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("skin")))
        return builtInSkin(parser.value(QStringLiteral("skin")), error);

    if (parser.isSet(QStringLiteral("colors"))) {
        const auto colors = checkedColors(parser.value(QStringLiteral("colors")).split(QLatin1Char(',')),
                                          QStringLiteral("--colors"), error);
        if (!colors)
            return std::nullopt;
        return SkinSource {QStringLiteral("skin"), *colors, QString(), nullptr};
    }

    const QString fileName = parser.value(QStringLiteral("from"));
    QString text;
    QString reason;
    switch (readSkinFile(fileName, &text, &reason)) {
    case SkinFileRead::Ok:
        break;
    case SkinFileRead::CannotOpen:
        *error = QStringLiteral("cannot read %1: %2").arg(fileName, reason);
        return std::nullopt;
    case SkinFileRead::TooLarge:
        *error = QStringLiteral("%1 is larger than %2 MB; it is not a skin file").arg(fileName).arg(MaxSkinFileSize >> 20);
        return std::nullopt;
    }
    // A sheet exported with --complete: the trailer sits before the coverage layer.
    const std::optional<QStringList> trailer = parseColorTrailer(withoutCoverage(text));
    if (!trailer) {
        *error = QStringLiteral("%1 has no colour trailer (eight lines such as /*TextColor:#000000*/ at its end)")
                     .arg(fileName);
        return std::nullopt;
    }
    const auto colors = checkedColors(*trailer, fileName, error);
    if (!colors)
        return std::nullopt;
    return SkinSource {QFileInfo(fileName).completeBaseName(), *colors, QString(), nullptr};
}

namespace {
QString *helpSink = nullptr;
}

void collectHelpInto(QString *sink)
{
    helpSink = sink;
}

bool parseArguments(QCommandLineParser &parser, const QStringList &arguments)
{
    parser.addHelpOption();
    if (parser.parse(arguments) && !parser.isSet(QStringLiteral("help")))
        return true;
    if (parser.isSet(QStringLiteral("help"))) {
        // Qt's usage line names the program by the path it was started
        // with; the command's own name stands there instead.
        QString help = parser.helpText();
        help.replace(0, help.indexOf(QLatin1String(" [options]")),
                     QStringLiteral("Usage: ") + arguments.value(0));
        if (helpSink) {
            *helpSink += help;
            return false;
        }
        QTextStream(stdout) << help;
        std::exit(0);
    }
    fail(parser.errorText());
    return false;
}

bool parseOptions(QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parseArguments(parser, arguments))
        return false;
    if (parser.positionalArguments().isEmpty())
        return true;
    // arguments[0] is "vantuskin-cli COMMAND".
    const QString command = arguments.value(0).section(QLatin1Char(' '), -1);
    fail(QStringLiteral("%1 takes no arguments besides its options").arg(command));
    return false;
}
