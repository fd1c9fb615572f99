// gallery: the program's own window rendered in each skin, with an index.
#include "commands.h"
#include "reportedskins.h"

#include "colorroles.h"
#include "contrastrepair.h"
#include "coverage.h"
#include "bundlewriter.h"
#include "census.h"
#include "censuswindow.h"
#include "skinpalette.h"
#include "skinreport.h"
#include "uiform.h"
#include "zavocreator.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

#include <iterator>
#include <memory>
#include <vector>

namespace {

// Image file names: the editor panel, then the ten preview pages in tab order.
const char *const pageNames[] = {"00-editor", "01-widgets", "02-table", "03-navigation", "04-tree", "05-calendar",
                                 "06-tabs", "07-devices", "08-iconfont", "09-ui", "10-video"};
constexpr int pageCount = int(std::size(pageNames)) - 1;

// The sheet's images drawn in the skin's colours, written to `folder`, and
// the sheet pointing at them.
std::optional<QString> recoloredSheet(const QString &sheet, const QStringList &colors, const QString &folder,
                                      QString *error)
{
    const auto images = bundleImages({QString(), sheet, colors, std::nullopt, {}}, true, error);
    if (!images)
        return std::nullopt;
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(folder));
        return std::nullopt;
    }
    for (const auto &image : *images) {
        QFile file(folder + QLatin1Char('/') + image.first);
        if (!file.open(QIODevice::WriteOnly) || file.write(image.second) != image.second.size() || !file.flush()) {
            *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
            return std::nullopt;
        }
    }
    return rewriteUrlsToFolder(sheet, folder);
}

// Renders one skin into `folder` at the size the window opens at in it,
// with its images recoloured into `imageFolder` unless that is empty; the
// section lists what was written.
bool renderSkin(ZavoCreator &window, QSize formSize, const ReportedSkin &skin, const QString &folder,
                const QString &imageFolder, GallerySection *section, QString *error)
{
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    auto *editor = window.findChild<QTextEdit *>(QStringLiteral("txtMain"));
    if (!pages || !editor || pages->count() != pageCount) {
        *error = QStringLiteral("the window has not the editor and the %1 preview pages this gallery expects").arg(pageCount);
        return false;
    }
    QString sheet = skinSheet(skin.source);
    if (!imageFolder.isEmpty()) {
        const std::optional<QString> recolored = recoloredSheet(sheet, skin.colors, imageFolder, error);
        if (!recolored)
            return false;
        sheet = *recolored;
    }
    window.showSkin(skin.source.colors, sheet);
    // The calendar page shows one date, so that a gallery is the same from day to day.
    for (QCalendarWidget *calendar : window.findChildren<QCalendarWidget *>())
        calendar->setSelectedDate(CensusWindow::shownDate());
    // A skin's widgets may need more room than the form's size; the window
    // then opens larger, but it never shrinks back for the next skin.
    QCoreApplication::processEvents();
    window.resize(formSize);

    QString note = skin.note;
    if (!imageFolder.isEmpty())
        note += QLatin1String(note.isEmpty() ? "" : "; ") + QStringLiteral("indicators drawn in its colours");
    *section = {skin.source.name, note, skin.colors, {}, {}, {}, {}};
    for (int page = 0; page <= pageCount; ++page) {
        // The editor panel is shown with the skin's text, as Save shows it;
        // each page with the text view empty, as the menu leaves it.
        pages->setCurrentIndex(qMax(page - 1, 0));
        editor->setPlainText(page == 0 ? sheet : QString());
        QCoreApplication::processEvents();
        const QString name = QStringLiteral("%1/%2.png").arg(skin.source.name, QLatin1String(pageNames[page]));
        QImageWriter writer(folder + QLatin1Char('/') + name, "png");
        if (!writer.write(window.grab().toImage())) {
            *error = QStringLiteral("cannot write the image %1: %2").arg(name, writer.errorString());
            return false;
        }
        section->images << name;
        section->captions << (page == 0 ? QStringLiteral("编辑面板") : pages->tabText(page - 1));
    }
    return true;
}

// The colours the coverage layer of `skin` is drawn from.
std::optional<SkinColours> coverageColours(const ReportedSkin &skin, const QString &sheet, QString *error)
{
    std::optional<SkinColours> colours = sheetColours(sheet, skin.source.name);
    if (!colours)
        colours = skinColours(skin.colors);
    if (!colours)
        *error = QStringLiteral("cannot draw the coverage layer of %1").arg(skin.source.name);
    return colours;
}

// The census lines of a section and their summary.
void addCensus(GallerySection *section, const QVector<CensusCheck> &checks)
{
    int failed = 0, limited = 0;
    for (const CensusCheck &check : checks) {
        section->census.append({check.widget, check.check, check.figures, censusVerdict(check)});
        failed += !check.passed && !check.limited && check.outside.isEmpty();
        limited += check.limited;
    }
    section->censusSummary = censusSummary(checks.size(), failed, limited);
}

// Renders the census window in one skin with its full palette,
// as exported and as exported with --complete; the coverage images are
// written to `imageFolder`.
bool renderSample(CensusWindow &sample, const ReportedSkin &skin, const QString &sheet, const QString &folder,
                  const QString &imageFolder, GallerySection *section, QString *error)
{
    const std::optional<SkinColours> colours = coverageColours(skin, sheet, error);
    if (!colours)
        return false;
    if (!writeCoverageImages(*colours, imageFolder, error))
        return false;
    const QString complete = appendCoverage(sheet, coverageBlock(*colours, imageFolder + QLatin1Char('/')));
    sample.setPalette(skinPalette(*colours));
    const struct
    {
        const char *file;
        QString sheet;
        const char *caption;
    } pages[] = {{"11-application", sheet, "census window"},
                 {"12-application-complete", complete, "census window, --complete"}};
    for (const auto &page : pages) {
        sample.setStyleSheet(page.sheet);
        QCoreApplication::processEvents();
        const QString name = QStringLiteral("%1/%2.png").arg(skin.source.name, QLatin1String(page.file));
        if (!sample.grab().save(folder + QLatin1Char('/') + name, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(folder + QLatin1Char('/') + name));
            return false;
        }
        section->images << name;
        section->captions << QLatin1String(page.caption);
    }
    // The window with the complete sheet is the census's subject too.
    addCensus(section, takeCensus(sample, *colours));
    return true;
}

// Renders a user's form in one skin, as the window shows it (the skin
// applied to the whole program) and with the coverage layer whose images
// renderSample() wrote to `imageFolder`, and takes the census of the latter:
// a section of its own.
bool renderForm(const UiForm &form, const ReportedSkin &skin, const QString &sheet, const QString &folder,
                const QString &imageFolder, GallerySection *section, QString *error)
{
    const std::optional<SkinColours> colours = coverageColours(skin, sheet, error);
    if (!colours)
        return false;
    // The form inside a host that carries the skin, so that a sheet the
    // form sets on its own top widget stays.
    QWidget host;
    auto *layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    std::unique_ptr<QWidget> widgets = form.create(&host, error);
    if (!widgets)
        return false;
    QWidget *shown = widgets.release();
    shown->setWindowFlags(Qt::Widget);
    layout->addWidget(shown);
    host.resize(shown->size().expandedTo(shown->minimumSizeHint()));
    host.show();

    const QString base = QFileInfo(form.path()).completeBaseName();
    *section = {QStringLiteral("%1, %2").arg(form.fileName(), skin.source.name), skin.note, skin.colors, {}, {}, {}, {}};
    const struct
    {
        QString file;
        QString sheet;
        QString caption;
    } pages[] = {{base, QString(), QStringLiteral("%1 as the window shows it").arg(form.fileName())},
                 {base + QStringLiteral("-complete"), appendCoverage(sheet, coverageBlock(*colours, imageFolder + QLatin1Char('/'))),
                  QStringLiteral("%1, --complete").arg(form.fileName())}};
    for (const auto &page : pages) {
        host.setStyleSheet(page.sheet);
        host.setPalette(page.sheet.isEmpty() ? QPalette() : skinPalette(*colours));
        QCoreApplication::processEvents();
        const QString name = QStringLiteral("%1/form-%2.png").arg(skin.source.name, page.file);
        if (!host.grab().save(folder + QLatin1Char('/') + name, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(folder + QLatin1Char('/') + name));
            return false;
        }
        section->images << name;
        section->captions << page.caption;
    }
    addCensus(section, takeFormCensus(*shown, *colours));
    return true;
}

// Each skin followed by its repair, composed from the template.
QVector<ReportedSkin> withRepairs(const QVector<ReportedSkin> &skins)
{
    QVector<ReportedSkin> both;
    for (const ReportedSkin &skin : skins) {
        both << skin;
        const SkinRepair repair = repairSkin(skin.source.colors);
        QStringList moved;
        for (const ColourFix &fix : repair.fixes)
            moved << QStringLiteral("%1 %2 → %3").arg(QLatin1String(colorRoles.at(fix.role).key), fix.before, fix.after);
        const QString note = QStringLiteral("%1 repaired by lightness%2%3")
                                 .arg(skin.source.name, moved.isEmpty() ? QString() : QStringLiteral(": "),
                                      moved.join(QStringLiteral(", ")))
                             + (repair.complete ? QString() : QStringLiteral("; some pairs still fail"))
                             + (skin.source.builtIn && !repairBasisNote(*skin.source.builtIn).isEmpty()
                                    ? QStringLiteral(". ") + repairBasisNote(*skin.source.builtIn) : QString());
        both << ReportedSkin {{skin.source.name + QStringLiteral("-accessible"), repair.colors, QString()},
                              repair.colors, note};
    }
    return both;
}

} // namespace

int runGallery(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders the program's window in each skin: the editor panel and the ten preview pages as PNG images,\n"
        "with an index.html that shows the colours, the contrast table and the images."));
    addReportedSkinOptions(parser);
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")},
                      QStringLiteral("The gallery folder (new, or with --force an earlier gallery or bundle)."),
                      QStringLiteral("dir")});
    parser.addOption({QStringLiteral("force"), QStringLiteral("Replace an earlier gallery or bundle in DIR whole.")});
    parser.addOption({QStringLiteral("recolor"), QStringLiteral("Draw the check boxes, radio buttons, branch marks and "
                                                                "arrows in each skin's colours, as export does.")});
    parser.addOption({QStringLiteral("accessible"), QStringLiteral("Also render, beside each skin, its repair as "
                                                                   "audit --fix makes it (NAME-accessible).")});
    parser.addOption({QStringLiteral("ui"), QStringLiteral("Also render the Designer form FILE in each skin, in a "
                                                           "section of its own (may be given several times)."),
                      QStringLiteral("file")});
    if (!parseOptions(parser, arguments))
        return 1;
    if (!parser.isSet(QStringLiteral("output")))
        return fail(QStringLiteral("name the gallery folder with -o"));

    QString error;
    // The forms are read first: one that cannot be read stops the gallery.
    QStringList warnings;
    std::optional<std::vector<std::unique_ptr<UiForm>>> forms =
        openForms(parser.values(QStringLiteral("ui")), &warnings, &error);
    if (!forms)
        return fail(error);
    for (const QString &warning : qAsConst(warnings))
        QTextStream(stderr) << warning << '\n';
    std::optional<QVector<ReportedSkin>> skins = reportedSkins(parser, &error);
    if (!skins)
        return fail(error);
    if (parser.isSet(QStringLiteral("accessible")))
        skins = withRepairs(*skins);

    const QString shown = QDir::toNativeSeparators(parser.value(QStringLiteral("output")));
    // An earlier gallery is replaced whole, and only when asked, as by export.
    if (!mayWriteOutputFolder(parser.value(QStringLiteral("output")), parser.isSet(QStringLiteral("force")), &error))
        return fail(error);
    const QFileInfo target(QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(QStringLiteral("output")))));
    if (!target.absoluteDir().exists())
        return fail(QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(target.absolutePath())));
    // The gallery is built in a folder of ordinary permissions inside a
    // private one beside the target, which is removed with what is left.
    const QTemporaryDir spare(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral("-XXXXXX"));
    const QString built = spare.path() + QStringLiteral("/new");
    if (!spare.isValid() || !QDir().mkdir(built))
        return fail(QStringLiteral("cannot create a folder beside %1: %2").arg(shown, spare.errorString()));

    const QTemporaryDir images;
    const bool recolor = parser.isSet(QStringLiteral("recolor"));
    if (recolor && !images.isValid())
        return fail(QStringLiteral("cannot create a folder for the recoloured images: %1").arg(images.errorString()));

    QApplication::setFont(programFont());
    ZavoCreator window;
    const QSize formSize = window.size();
    window.show();
    CensusWindow sample;
    sample.show();
    QVector<GallerySection> sections;
    QTextStream progress(stderr);
    for (const ReportedSkin &skin : *skins) {
        progress << "skin " << sections.size() + 1 << " of " << skins->size() << ": " << skin.source.name << Qt::endl;
        GallerySection section;
        if (!QDir(built).mkdir(skin.source.name))
            error = QStringLiteral("cannot create a folder for %1").arg(skin.source.name);
        if (!error.isEmpty()
            || !renderSkin(window, formSize, skin, built, recolor ? images.filePath(skin.source.name) : QString(),
                           &section, &error)
            || !renderSample(sample, skin, skinSheet(skin.source), built,
                             spare.path() + QStringLiteral("/images/") + skin.source.name, &section, &error))
            return fail(QStringLiteral("%1; %2 is left as it was").arg(error, shown));
        sections << section;
        for (const std::unique_ptr<UiForm> &form : *forms) {
            if (!renderForm(*form, skin, skinSheet(skin.source), built,
                            spare.path() + QStringLiteral("/images/") + skin.source.name, &section, &error))
                return fail(QStringLiteral("%1; %2 is left as it was").arg(error, shown));
            sections << section;
        }
    }

    QFile index(built + QStringLiteral("/index.html"));
    const QByteArray html = galleryIndexHtml(sections).toUtf8();
    if (!index.open(QIODevice::WriteOnly) || index.write(html) != html.size() || !index.flush())
        return fail(QStringLiteral("cannot write the index: %1; %2 is left as it was").arg(index.errorString(), shown));
    index.close();
    if (!writeOutputMarker(built, QStringLiteral("vantuskin-cli gallery"), &error))
        return fail(QStringLiteral("%1; %2 is left as it was").arg(error, shown));
    if (!moveIntoPlace(built, target.absoluteFilePath(), spare.path(), &error))
        return fail(error);
    QTextStream(stdout) << outputFolderSummary(parser.value(QStringLiteral("output"))) << '\n';
    return 0;
}
