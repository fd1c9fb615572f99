// resgen: writes the generated part of the resource tree (style sheets,
// skin files, images, icon) below the directory given on the command line,
// or, with --check, tells where that directory differs from what it writes.
#include "colorroles.h"
#include "drift.h"
#include "pictures.h"
#include "builtinskins.h"
#include "skincatalogue.h"
#include "skinimages.h"
#include "classicslots.h"
#include "stylerules.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

// Writes every generated file below `out`; the number of files that could
// not be written.
int generate(const QDir &out, QTextStream &err)
{
    int failures = 0;
    auto write = [&](const QString &relative, const QByteArray &bytes) {
        if (!writeFile(out.filePath(relative), bytes)) {
            err << "resgen: cannot write " << out.filePath(relative) << '\n';
            ++failures;
        }
    };

    // The built-in skins' names for vantuskin_add_skin(): style name, then
    // the display name if there is one, tab-separated.
    QByteArray names;
    for (const BuiltInSkin &skin : builtInSkins())
        names += (skin.styleName + (skin.displayName.isEmpty() ? QString() : QLatin1Char('\t') + skin.displayName))
                     .toUtf8() + '\n';
    write(QStringLiteral("skin-names.list"), names);

    // Style sheets.
    const QByteArray templ = templateText();
    write(QStringLiteral("qss/template.css"), templ);
    for (const SkinEntry &skin : templateFormSkins()) {
        TemplateVariant variant;
        if (skin.styleName == QLatin1String("psblack") || skin.styleName == QLatin1String("flatwhite"))
            variant.imageDir = skin.styleName;
        if (skin.styleName == QLatin1String("flatwhite")) {
            variant.editorSelectionBackground = QStringLiteral("#00BB9E");
            variant.editorSelectionColor = QStringLiteral("#FFFFFF");
        }
        const QByteArray base = variant.imageDir == QLatin1String("common") ? templ : templateText(variant);
        const Composition composed = composeSkin(QString::fromLatin1(base), skin.colors);
        write(QStringLiteral("qss/%1.css").arg(skin.styleName), composed.sheet.toLatin1());
    }
    for (const ClassicSkin &skin : classicSkins())
        write(QStringLiteral("qss/%1.css").arg(skin.style), classicText(skin.slotColours));

    // Image sets.
    const struct { const char *dir; IndicatorColours colours; } sets[] = {
        {"common", {QColor("#57595B"), QColor("#FFFFFF"), QColor("#B6B6B6")}},
        {"flatwhite", {QColor("#57595B"), QColor("#FFFFFF"), QColor("#B6B6B6")}},
        {"psblack", {QColor("#DCDCDC"), QColor("#444444"), QColor("#242424")}},
        {"lightblue", {QColor("#386487"), QColor("#EAF7FF"), QColor("#C0DCF2")}},
    };
    // Each image also as NAME@2x.png at double resolution, for scaled screens.
    for (int scale : {1, 2}) {
        auto file = [scale](const QString &folder, const QString &name) {
            return folder + (scale == 1 ? name : QFileInfo(name).completeBaseName() + QStringLiteral("@2x.png"));
        };
        for (const auto &set : sets)
            for (const NamedImage &img : indicatorSet(set.colours, scale))
                write(file(QStringLiteral("qss/%1/").arg(QLatin1String(set.dir)), img.name), pngBytes(img.image));
        for (const NamedImage &img : classicSet(scale))
            write(file(QStringLiteral("qss/classic/"), img.name), pngBytes(img.image));
        for (const NamedImage &img : applicationPictures(scale))
            write(file(QStringLiteral("image/"), img.name), pngBytes(img.image));
    }
    // Qt's "ico" writer: one 32-bit image in BMP form with its AND mask.
    QByteArray ico;
    QBuffer icoBuffer(&ico);
    icoBuffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&icoBuffer, "ico").write(applicationIcon()))
        ico.clear();
    write(QStringLiteral("main.ico"), ico);
    // The same icon for the desktop, drawn at each size of the hicolor theme.
    for (int size : hicolorIconSizes)
        write(QStringLiteral("icons/hicolor/%1x%1/apps/vantuskin.png").arg(size), pngBytes(applicationIcon(size)));
    return failures;
}

// Relative paths of the files below `root` that resgen is responsible for.
QStringList generatedFiles(const QString &root)
{
    const QDir base(QDir(root).absolutePath());
    QStringList files;
    QDirIterator it(base.path(), {"*.css", "*.png", "*.ico", "*.list"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << base.relativeFilePath(it.next());
    files.sort();
    return files;
}

// Writes the files into a temporary folder and prints, for each file of
// `committed` that differs from them, one line with the reason; the number
// of such lines.
int check(const QString &committed, QTextStream &out, QTextStream &err)
{
    QTemporaryDir fresh;
    if (!fresh.isValid() || generate(QDir(fresh.path()), err) != 0) {
        err << "resgen: cannot write the files to compare in a temporary folder\n";
        return 1;
    }
    const QStringList kept = generatedFiles(committed), drawn = generatedFiles(fresh.path());
    int drifts = 0;
    for (const QString &file : drawn) {
        const QString why = kept.contains(file)
            ? resourceDrift(QDir(committed).filePath(file), fresh.filePath(file), file)
            : file + QStringLiteral(" is missing");
        if (!why.isEmpty()) {
            out << why << '\n';
            ++drifts;
        }
    }
    for (const QString &file : kept) {
        if (!drawn.contains(file)) {
            out << file << " is not written by resgen any more\n";
            ++drifts;
        }
    }
    if (drifts > 0)
        out << "regenerate with: cmake --build "
            << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))
            << " --target regenerate_resources\n";
    return drifts;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes qss/, image/*.png, main.ico, icons/ and skin-names.list below DIR, or compares DIR with what it writes."));
    parser.addHelpOption();
    const QCommandLineOption checkOption(QStringLiteral("check"),
        QStringLiteral("Write nothing; list the files of DIR that differ from resgen's output and exit 1 if any."));
    parser.addOption(checkOption);
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The resource folder."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        err << "resgen: give one resource folder (see --help)\n";
        return 2;
    }
    const QString dir = parser.positionalArguments().constFirst();
    if (parser.isSet(checkOption))
        return check(dir, out, err) == 0 ? 0 : 1;
    return generate(QDir(dir), err) == 0 ? 0 : 1;
}
