// audit: the contrast of the colour pairs a skin draws on top of each other.
#include "commands.h"
#include "reportedskins.h"

#include "colorroles.h"
#include "qtversion.h"
#include "contrast.h"
#include "contrastrepair.h"
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

void printAudit(QTextStream &out, const QString &name, const QStringList &colors, const QString &note)
{
    out << name << ": " << failingPairCount(colors) << " of " << checkContrast(colors).size() << " pairs fail"
        << (note.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(note)) << '\n';
    for (const QString &line : contrastTableLines(colors))
        out << "  " << line << '\n';
}

// The audit of the repaired colours, a line per moved colour and the eight
// repaired colours; returns the repaired colours.
QStringList printRepair(QTextStream &out, const ReportedSkin &skin)
{
    // Built-in skins are repaired through the eight colours they are listed
    // with, which the classic-form files do not record themselves.
    const SkinRepair repair = repairSkin(skin.source.colors);
    if (skin.source.builtIn && !repairBasisNote(*skin.source.builtIn).isEmpty())
        out << repairBasisNote(*skin.source.builtIn) << '\n';
    printAudit(out, skin.source.name, repair.colors,
               repair.complete ? QStringLiteral("repaired") : QStringLiteral("cannot be fully repaired"));
    for (const ColourFix &fix : repair.fixes)
        out << "  " << fixLine(fix) << '\n';
    out << "fixed: " << repair.colors.join(QLatin1Char(',')) << '\n';
    return repair.colors;
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
    parser.addOption({QStringLiteral("strict"), QStringLiteral("Exit with 1 if any pair fails (with --fix: after the "
                                                               "repair).")});
    parser.addOption({QStringLiteral("fix"),
                      QStringLiteral("Repair the skin: move the OKLCH lightness of each failing text, border and "
                                     "highlight colour to the nearest that meets its pairs, and audit the result. "
                                     "The last line of each skin is \"fixed: \" and its eight colours.")});
    if (!parseOptions(parser, arguments))
        return 1;

    QString error;
    const std::optional<QVector<ReportedSkin>> skins = reportedSkins(parser, &error);
    if (!skins)
        return fail(error);

    QTextStream out(stdout);
    QtVersion::writeUtf8(out);
    const bool fix = parser.isSet(QStringLiteral("fix"));
    int failingSkins = 0, failingPairs = 0, pairs = 0;
    for (const ReportedSkin &skin : *skins) {
        QStringList audited = skin.colors;
        if (fix)
            audited = printRepair(out, skin);
        else
            printAudit(out, skin.source.name, skin.colors, skin.note);
        const int failing = failingPairCount(audited);
        failingSkins += failing > 0;
        failingPairs += failing;
        pairs += checkContrast(audited).size();
    }
    if (skins->size() > 1)
        out << skins->size() << " skins audited" << (fix ? " after the repair" : "") << ": " << failingSkins
            << " fail, " << failingPairs << " of " << pairs << " pairs fail\n";
    return parser.isSet(QStringLiteral("strict")) && failingSkins > 0 ? 1 : 0;
}
