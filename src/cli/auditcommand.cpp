// audit: the contrast of the colour pairs a skin draws on top of each other.
#include "commands.h"
#include "reportedskins.h"

#include "colorroles.h"
#include "contrast.h"
#include "skinreport.h"

#include <QTextStream>

namespace {

ReportedSkin reported(const SkinSource &source)
{
    if (!source.builtIn)
        return {source, source.colors, QString()};
    QString note;
    if (source.builtIn->kind == SkinKind::ClassicForm)
        note = QStringLiteral("classic form: the colours it paints, with its button text");
    else if (source.builtIn->kind == SkinKind::Composed)
        note = skinKindText(SkinKind::Composed);
    const QString warning = unreadableTextWarning(*source.builtIn);
    if (!warning.isEmpty())
        note += QStringLiteral("; ") + warning;
    return {source, source.builtIn->painted, note};
}

} // namespace

void addReportedSkinOptions(QCommandLineParser &parser)
{
    addSkinSourceOptions(parser);
    parser.addOption({QStringLiteral("all"), QStringLiteral("All %1 built-in skins, as list shows them.").arg(builtInSkins().size())});
}

std::optional<QVector<ReportedSkin>> reportedSkins(const QCommandLineParser &parser, QString *error)
{
    QVector<ReportedSkin> skins;
    const bool one = parser.isSet(QStringLiteral("skin")) || parser.isSet(QStringLiteral("colors"))
                     || parser.isSet(QStringLiteral("from"));
    if (!one && !parser.isSet(QStringLiteral("all"))) {
        *error = QStringLiteral("name the skins with --all or one of --skin, --colors and --from");
        return std::nullopt;
    }
    if (!parser.isSet(QStringLiteral("all"))) {
        const std::optional<SkinSource> source = skinSource(parser, error);
        if (!source)
            return std::nullopt;
        skins << reported(*source);
        return skins;
    }
    if (one) {
        *error = QStringLiteral("--all names every built-in skin; leave out --skin, --colors and --from");
        return std::nullopt;
    }
    for (const QString &style : builtInSkinStyles()) {
        const std::optional<SkinSource> source = builtInSkin(style, error);
        if (!source)
            return std::nullopt;
        skins << reported(*source);
    }
    return skins;
}

int runAudit(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks the WCAG 2.x contrast of the colour pairs a skin draws on top of each other: text needs 4.5:1,\n"
        "marks such as frames and the highlight 3:1."));
    addReportedSkinOptions(parser);
    parser.addOption({QStringLiteral("strict"), QStringLiteral("Exit with 1 if any pair fails.")});
    if (!parseArguments(parser, arguments))
        return 1;
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("audit takes no arguments besides its options"));

    QString error;
    const std::optional<QVector<ReportedSkin>> skins = reportedSkins(parser, &error);
    if (!skins)
        return fail(error);

    QTextStream out(stdout);
    out.setCodec("UTF-8");
    int failing = 0;
    for (const ReportedSkin &skin : *skins) {
        const int skinFailing = failingPairCount(skin.colors);
        failing += skinFailing;
        out << skin.source.name << ": " << skinFailing << " of " << checkContrast(skin.colors).size()
            << " pairs fail" << (skin.note.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(skin.note)) << '\n';
        for (const QString &line : contrastTableLines(skin.colors))
            out << "  " << line << '\n';
    }
    return parser.isSet(QStringLiteral("strict")) && failing > 0 ? 1 : 0;
}
