// census: every widget a Qt program shows, rendered in a skin and checked
// from its pixels.
#include "commands.h"
#include "qtversion.h"
#include "reportedskins.h"

#include "bundlewriter.h"
#include "census.h"
#include "censuswindow.h"
#include "coverage.h"
#include "skinapply.h"
#include "skinpalette.h"
#include "coverageimages.h"
#include "skinimages.h"
#ifdef VANTUSKIN_FORMS
#include "uiform.h"
#endif

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>
#include <vector>

bool writeCoverageImages(const SkinColours &colours, const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    for (const NamedImage &image : coverageImages(colours)) {
        const QString path = QDir(folder).filePath(image.name);
        if (!image.image.save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
            return false;
        }
    }
    return true;
}

int runCensus(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders a window with every widget a Qt program shows in each skin and checks it from its pixels:\n"
        "text 4.5:1 on what lies behind it, disabled text 3:1 and unlike the enabled text, marks 3:1,\n"
        "indicator states unlike each other, no light toolkit surface under a dark panel, a progress bar's\n"
        "value 3:1 and its text 4.5:1 on every part, keyboard focus and checked buttons changing 3:1 in a line."));
    addReportedSkinOptions(parser);
    parser.addOptions({
        {QStringLiteral("complete"), QStringLiteral("Append the coverage layer, as export --complete does.")},
        {QStringLiteral("stylesheet-only"),
         QStringLiteral("Set no palette, as a program started with -stylesheet gets none.")},
        {QStringLiteral("strict"), QStringLiteral("Exit with 1 if any check fails.")},
        {QStringLiteral("images"), QStringLiteral("Also write each rendering checked to DIR/SKIN-WHAT.png (DIR: a new or empty folder, or one an earlier run wrote)."),
         QStringLiteral("dir")},
    });
#ifdef VANTUSKIN_FORMS
    parser.addOption({QStringLiteral("ui"), QStringLiteral("Check the widgets of the Designer form FILE instead of the "
                                                           "census window (may be given several times)."),
                      QStringLiteral("file")});
#endif
    if (!parseOptions(parser, arguments))
        return 1;
    QString error;
#ifdef VANTUSKIN_FORMS
    // The user's forms, read before anything is rendered: one that cannot
    // be read stops the command; a .qrc that cannot costs only its images.
    QStringList warnings;
    std::optional<std::vector<std::unique_ptr<UiForm>>> forms =
        openForms(parser.values(QStringLiteral("ui")), &warnings, &error);
    if (!forms)
        return fail(error);
    for (const QString &warning : qAsConst(warnings))
        QTextStream(stderr) << warning << '\n';
#endif
    const std::optional<QVector<ReportedSkin>> skins = reportedSkins(parser, &error);
    if (!skins)
        return fail(error);
    const QTemporaryDir images;
    if (!images.isValid())
        return fail(QStringLiteral("cannot create a folder for the coverage images: %1").arg(images.errorString()));

    // The renderings go into a folder of their own: a new or empty one, or
    // one an earlier run wrote; never among files this program did not make.
    const QString shots = parser.value(QStringLiteral("images"));
    if (!shots.isEmpty()) {
        if (!mayWriteOutputFolder(shots, true, &error))
            return fail(error);
        if (!QDir().mkpath(shots))
            return fail(QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(shots)));
        if (!writeOutputMarker(shots, QStringLiteral("vantuskin-cli census --images"), &error))
            return fail(error);
    }

    const bool complete = parser.isSet(QStringLiteral("complete"));
    const bool paletteOff = parser.isSet(QStringLiteral("stylesheet-only"));
    const QPalette standard = QApplication::style()->standardPalette();
    QTextStream out(stdout);
    QtVersion::writeUtf8(out);
    int checks = 0, failed = 0, limited = 0;
    for (const ReportedSkin &skin : *skins) {
        QString sheet = skinSheet(skin.source);
        std::optional<SkinColours> colours = sheetColours(sheet, skin.source.name);
        if (!colours)
            colours = skinColours(skin.colors);
        if (!colours)
            return fail(QStringLiteral("%1 has no colours to check against").arg(skin.source.name));
        if (complete) {
            const QString folder = images.filePath(skin.source.name) + QLatin1Char('/');
            if (!writeCoverageImages(*colours, folder, &error))
                return fail(error);
            sheet = appendCoverage(sheet, coverageBlock(*colours, folder));
        }
        applySkin(sheet, paletteOff ? standard : skinPalette(*colours));
        const auto saving = [&](const QString &prefix) {
            return shots.isEmpty() ? CensusShots() : [&, prefix](const QString &what, const QImage &image) {
                const QString path = QDir(shots).filePath(skin.source.name + QLatin1Char('-') + prefix + what + ".png");
                if (!image.save(path, "PNG"))
                    error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
            };
        };
        // Each check after the form it is of, if any.
        QVector<QPair<QString, CensusCheck>> found;
#ifdef VANTUSKIN_FORMS
        if (forms->empty())
#endif
        {
            // A new window for each skin: nothing of the one before stays.
            CensusWindow window;
            for (const CensusCheck &check : takeCensus(window, *colours, !paletteOff, saving(QString())))
                found.append({QString(), check});
        }
#ifdef VANTUSKIN_FORMS
        for (const std::unique_ptr<UiForm> &form : *forms) {
            const std::unique_ptr<QWidget> widgets = form->create(nullptr, &error);
            if (!widgets)
                return fail(error);
            const QString prefix = form->fileName() + QStringLiteral(": ");
            const QString base = QFileInfo(form->path()).completeBaseName() + QLatin1Char('-');
            for (const CensusCheck &check : takeFormCensus(*widgets, *colours, !paletteOff, saving(base)))
                found.append({prefix, check});
        }
#endif
        if (!error.isEmpty())
            return fail(error);
        for (const auto &[form, check] : found) {
            out << skin.source.name << ": " << form << censusLine(check) << '\n';
            ++checks;
            failed += !check.passed && !check.limited && check.outside.isEmpty();
            limited += check.limited;
        }
    }
    out << censusSummary(checks, failed, limited) << '\n';
    return parser.isSet(QStringLiteral("strict")) && failed > 0 ? 1 : 0;
}
