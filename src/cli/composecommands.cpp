// list and compose: the catalogue, and a skin's style sheet as Save writes it.
#include "commands.h"
#include "skinsource.h"

#include "colorroles.h"
#include "qtversion.h"
#include "builtinskins.h"
#include "contrast.h"
#include "skinfile.h"

#include <QFile>
#include <QTextStream>

int runList(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists every built-in skin, one a line, in tab-separated columns:\n"
        "  1      style name, as --skin takes it\n"
        "  2      display name, as the window's menu shows it (\"-\" if none)\n"
        "  3      kind: template form, classic form, or composed from catalogue colours\n"
        "  4-11   the eight colours it paints, in role order: text, panel, border, normal gradient start and\n"
        "         end, dark gradient start and end, highlight\n"
        "  12     the colour of its button text: the text colour, except in classic-form skins, which paint\n"
        "         their buttons' text in a colour of their own\n"
        "  13     only where it applies: a warning that its text cannot be read"));
    if (!parseArguments(parser, arguments))
        return 1;
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("list takes no arguments"));

    QTextStream out(stdout);
    QtVersion::writeUtf8(out);
    for (const BuiltInSkin &skin : builtInSkins()) {
        const QString buttonText = skin.painted.value(ButtonTextColor, skin.painted.value(0));
        const QString warning = unreadableTextWarning(skin);
        out << skin.styleName << '\t' << (skin.displayName.isEmpty() ? QStringLiteral("-") : skin.displayName) << '\t'
            << skinKindText(skin.kind) << '\t' << skin.painted.mid(0, ButtonTextColor).join(QLatin1Char('\t')) << '\t'
            << buttonText << (warning.isEmpty() ? QString() : QLatin1Char('\t') + warning) << '\n';
    }
    return 0;
}

int runCompose(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the style sheet of a skin composed from the template: UTF-8, CR LF, with its colour trailer."));
    addSkinSourceOptions(parser);
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("The skin file to write (replaced atomically); standard output if absent."),
                      QStringLiteral("file.css")});
    if (!parseOptions(parser, arguments))
        return 1;

    QString error;
    const std::optional<SkinSource> skin = skinSource(parser, &error);
    if (!skin)
        return fail(error);

    const QString sheet = composeBuiltInTemplate(skin->colors);
    if (!parser.isSet(QStringLiteral("output"))) {
        QFile out;
        const QByteArray bytes = skinFileBytes(sheet);
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return fail(QStringLiteral("cannot write to standard output"));
        return 0;
    }
    const QString fileName = parser.value(QStringLiteral("output"));
    if (!writeSkinFile(fileName, sheet, &error))
        return fail(QStringLiteral("cannot write %1: %2").arg(fileName, error));
    return 0;
}
