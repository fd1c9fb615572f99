// export and check: a skin as a bundle for other Qt projects, and whether a
// sheet's images resolve.
#include "commands.h"
#include "skinsource.h"

#include "colorroles.h"
#include "contrastrepair.h"
#include "coverage.h"
#include "bundlewriter.h"
#include "skinfile.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// The repaired skin, composed from the template, with a README note of what
// the repair changed (and, for a classic-form skin, what it started from).
SkinBundle accessibleBundle(const QString &name, const SkinSource &skin)
{
    const SkinRepair repair = repairSkin(skin.colors);
    SkinBundle bundle {name, composeBuiltInTemplate(repair.colors), repair.colors, {}, {}};
    if (skin.builtIn && !repairBasisNote(*skin.builtIn).isEmpty())
        bundle.readmeNotes << repairBasisNote(*skin.builtIn);
    bundle.readmeNotes << (repair.complete ? QStringLiteral("Accessible: every colour pair this skin draws reaches WCAG 2 contrast")
                                           : QStringLiteral("Accessible as far as lightness goes: some colour pairs still miss WCAG 2"))
                       << QStringLiteral("(text 4.5:1, frames and the highlight 3:1). Only the OKLCH lightness of")
                       << (repair.fixes.isEmpty() ? QStringLiteral("a colour may move, and none needed to.")
                                                  : QStringLiteral("these colours moved, from the skin it was made from:"));
    for (const ColourFix &fix : repair.fixes)
        bundle.readmeNotes << QStringLiteral("  ") + fixLine(fix);
    return bundle;
}

} // namespace

int runExport(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a skin as a bundle a Qt project can use as it is: DIR/NAME.css, DIR/images/, DIR/NAME.qrc "
        "and DIR/README.txt with the lines that add and apply it."));
    addSkinSourceOptions(parser);
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The bundle's folder."),
         QStringLiteral("dir")},
        {QStringLiteral("name"),
         QStringLiteral("File name of the sheet and the .qrc (default: the style name, the file's base name, or "
                        "\"skin\" for --colors; with --accessible followed by \"-accessible\")."),
         QStringLiteral("name")},
        {QStringLiteral("prefix"), QStringLiteral("Resource prefix (default: /NAME)."), QStringLiteral("prefix")},
        {QStringLiteral("recolor"), QStringLiteral("Draw the images in the skin's colours (like all images, also as NAME@2x.png).")},
        {QStringLiteral("rcc"), QStringLiteral("Also write NAME.rcc with the rcc of the Qt this program runs on "
                                               "($VANTUSKIN_RCC overrides it).")},
        {QStringLiteral("force"), QStringLiteral("Replace an earlier bundle or gallery in DIR.")},
        {QStringLiteral("complete"), QStringLiteral("Append the coverage layer (disabled states, windows and docks, "
                                                    "tool bars, tab, view and header parts) and its images.")},
        {QStringLiteral("files"), QStringLiteral("Also write DIR/NAME.files.css, its url()s absolute paths to "
                                                 "DIR/images/, for program -stylesheet DIR/NAME.files.css.")},
        {QStringLiteral("qtct"), QStringLiteral("Also write DIR/NAME.qtct.conf, the skin's palette as a qt5ct/qt6ct "
                                                "colour scheme, and DIR/NAME.files.css for their style sheets.")},
        {QStringLiteral("accessible"), QStringLiteral("Write the repaired skin (as audit --fix repairs it), composed "
                                                      "from the template; README.txt lists what changed.")},
        {QStringLiteral("python"), QStringLiteral("Also write NAME.rcc (as --rcc) and NAME.py, a module whose apply() "
                                                  "sets the skin in a PyQt or PySide program. The default NAME "
                                                  "becomes a module name: \"-\" and \".\" turn into \"_\".")},
    });
    if (!parseOptions(parser, arguments))
        return 1;
    if (!parser.isSet(QStringLiteral("output")))
        return fail(QStringLiteral("export needs the bundle's folder: -o DIR"));

    QString error;
    const std::optional<SkinSource> skin = skinSource(parser, &error);
    if (!skin)
        return fail(error);
    // A repaired skin is another skin: its own name and resource prefix, so
    // that it can sit beside the plain one in a project. A default name
    // becomes a module name for --python.
    const bool accessible = parser.isSet(QStringLiteral("accessible"));
    const bool python = parser.isSet(QStringLiteral("python"));
    QString name = accessible ? skin->name + QStringLiteral("-accessible") : skin->name;
    if (parser.isSet(QStringLiteral("name")))
        name = parser.value(QStringLiteral("name"));
    else if (python)
        name = pythonModuleName(name);
    SkinBundle bundle {name, skinSheet(*skin), skin->colors, {}, {}};
    if (accessible)
        bundle = accessibleBundle(name, *skin);
    bundle.colours = sheetColours(bundle.sheet, skin->name);
    if (!bundle.colours)
        bundle.colours = skinColours(bundle.colors);

    BundleOptions options;
    options.prefix = parser.value(QStringLiteral("prefix"));
    options.recolor = parser.isSet(QStringLiteral("recolor"));
    options.force = parser.isSet(QStringLiteral("force"));
    options.complete = parser.isSet(QStringLiteral("complete"));
    options.files = parser.isSet(QStringLiteral("files"));
    options.qtct = parser.isSet(QStringLiteral("qtct"));
    if (options.qtct) {
        bundle.readmeNotes
            << QStringLiteral("For every Qt program of a desktop that qt6ct (or qt5ct) sets up: copy")
            << QStringLiteral("%1.qtct.conf into ~/.config/qt6ct/colors/ as %1.conf, link %1.files.css").arg(name)
            << QStringLiteral("as ~/.config/qt6ct/qss/%1.qss, and choose both in qt6ct.").arg(name);
    }
    options.python = python;
    if (python || parser.isSet(QStringLiteral("rcc"))) {
        options.rccProgram = qtRccProgram();
        if (!QFileInfo(options.rccProgram).isExecutable())
            return fail(QStringLiteral("Qt's rcc is not at \"%1\"; set VANTUSKIN_RCC to its path")
                            .arg(options.rccProgram));
    }
    const QString output = parser.value(QStringLiteral("output"));
    if (!writeSkinBundle(output, bundle, options, &error))
        return fail(error);
    QTextStream(stdout) << outputFolderSummary(output) << '\n';
    if (skin->builtIn && !unreadableTextWarning(*skin->builtIn).isEmpty())
        QTextStream(stderr) << "vantuskin-cli: warning: " << unreadableTextWarning(*skin->builtIn) << '\n';
    return 0;
}

int runCheck(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists each url() of a style sheet that does not resolve, against a .qrc, a .rcc or else the built-in "
        "resources; exits 1 if any does not."));
    parser.addPositionalArgument(QStringLiteral("file.css"), QStringLiteral("The style sheet."));
    parser.addOptions({
        {QStringLiteral("qrc"), QStringLiteral("Resolve against the files this .qrc lists."),
         QStringLiteral("file.qrc")},
        {QStringLiteral("rcc"), QStringLiteral("Resolve against this binary resource."), QStringLiteral("file.rcc")},
    });
    if (!parseArguments(parser, arguments))
        return 1;
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("check takes exactly one style sheet"));
    if (parser.isSet(QStringLiteral("qrc")) && parser.isSet(QStringLiteral("rcc")))
        return fail(QStringLiteral("give --qrc or --rcc, not both"));

    const QString fileName = parser.positionalArguments().constFirst();
    QString sheet;
    QString error;
    if (readSkinFile(fileName, &sheet, &error) != SkinFileRead::Ok)
        return fail(QStringLiteral("cannot read %1%2").arg(fileName, error.isEmpty() ? QString() : ": " + error));
    const ResourceSet set = parser.isSet(QStringLiteral("qrc"))   ? ResourceSet::Qrc
                            : parser.isSet(QStringLiteral("rcc")) ? ResourceSet::Rcc
                                                                  : ResourceSet::Linked;
    const auto missing = unresolvedUrls(sheet, set, parser.value(set == ResourceSet::Qrc ? "qrc" : "rcc"), &error);
    if (!missing)
        return fail(error);
    QTextStream out(stdout);
    for (const QString &url : *missing)
        out << url << '\n';
    const int found = sheetUrls(sheet).size();
    if (found == 0)
        out << fileName << ": no url() found\n";
    else if (missing->isEmpty())
        out << fileName << ": " << found << (found == 1 ? " url() found; it resolves\n" : " url()s found; all resolve\n");
    out.flush();
    if (missing->isEmpty())
        return 0;
    return fail(QStringLiteral("%1: %2 of %3 url()s do not resolve")
                    .arg(fileName).arg(missing->size()).arg(sheetUrls(sheet).size()));
}
