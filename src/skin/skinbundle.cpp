#include "skinbundle.h"

#include "colorroles.h"
#include "skinfile.h"
#include "coverageimages.h"
#include "skinimages.h"
#include "skinpalette.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
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

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

} // namespace

// The image files of a bundle for the sheet's url()s: file name and bytes,
// the built-in ones as they are or, recoloured, drawn in the skin's colours
// at single and double size.
std::optional<QVector<QPair<QString, QByteArray>>> bundleImages(const SkinBundle &bundle, bool recolor,
                                                                QString *error)
{
    const IndicatorColours colours = skinIndicatorColours(bundle.colors, skinPanelColor(bundle.sheet));
    QHash<QString, QString> urlOfFile;
    QVector<QPair<QString, QByteArray>> images;
    for (const QString &url : sheetUrls(bundle.sheet)) {
        const QString name = fileNameOf(url);
        if (urlOfFile.contains(name)) {
            *error = QStringLiteral("the sheet refers to two images named %1 (%2 and %3)")
                         .arg(name, urlOfFile.value(name), url);
            return std::nullopt;
        }
        urlOfFile.insert(name, url);
        if (!recolor) {
            QFile file(url);
            if (!file.open(QIODevice::ReadOnly)) {
                *error = QStringLiteral("the sheet refers to %1, which cannot be read").arg(url);
                return std::nullopt;
            }
            images.append({name, file.readAll()});
            continue;
        }
        const bool classic = QFileInfo(url).dir().dirName() == QLatin1String("classic");
        for (int scale : {1, 2}) {
            const QVector<NamedImage> set = classic ? classicSet(colours, scale) : indicatorSet(colours, scale);
            auto drawn = std::find_if(set.begin(), set.end(), [&](const NamedImage &i) { return i.name == name; });
            if (drawn == set.end()) {
                *error = QStringLiteral("the sheet refers to %1, which has no drawing to recolour").arg(url);
                return std::nullopt;
            }
            const QString file = scale == 1 ? name : QFileInfo(name).completeBaseName() + QStringLiteral("@2x.png");
            images.append({file, pngBytes(drawn->image)});
        }
    }
    return images;
}

// Puts the finished folder `ready` in place of `dir`; an existing `dir` is
// moved into `parking` first and moved back if that fails.
bool moveIntoPlace(const QString &ready, const QString &dir, const QString &parking, QString *error)
{
    const QString parked = parking + QStringLiteral("/old");
    const bool replacing = QFileInfo::exists(dir) || QFileInfo(dir).isSymLink();
    if (replacing && !QDir().rename(dir, parked)) {
        *error = QStringLiteral("cannot move the existing %1 aside").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    if (QDir().rename(ready, dir))
        return true;
    if (replacing)
        QDir().rename(parked, dir);
    *error = QStringLiteral("cannot rename the new folder to %1").arg(QDir::toNativeSeparators(dir));
    return false;
}

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
        out += sheet.midRef(last, m.capturedStart() - last);
        out += QStringLiteral("url(") + (quoted ? QLatin1Char('"') + target + QLatin1Char('"') : target)
               + QLatin1Char(')');
        last = m.capturedEnd();
    }
    return out + sheet.midRef(last);
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

QString bundleReadme(const QString &folderName, const SkinBundle &bundle, const QString &prefix, bool withRcc,
                     bool withFiles)
{
    const QString sheetPath = QLatin1Char(':') + (prefix == QLatin1String("/") ? QString() : prefix)
                              + QLatin1Char('/') + bundle.name + QStringLiteral(".css");
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
    const QString paletteWords = bundle.colours ? QStringLiteral("the skin's full palette")
                                                : QStringLiteral("the palette from the panel colour");
    return text.arg(bundle.name, prefix == QLatin1String("/") ? QString() : prefix, folderName, sheetPath,
                    paletteLines, paletteWords);
}

bool writeSkinBundle(const QString &dir, const SkinBundle &bundle, const BundleOptions &options, QString *error)
{
    if (!isBundleName(bundle.name)) {
        *error = QStringLiteral("the bundle name \"%1\" may hold only letters, digits, \"_\", \"-\" and \".\"; "
                                "give one with --name")
                     .arg(bundle.name);
        return false;
    }
    const std::optional<QString> prefix =
        bundlePrefix(options.prefix.isEmpty() ? QLatin1Char('/') + bundle.name : options.prefix);
    if (!prefix) {
        *error = QStringLiteral("the prefix \"%1\" is not \"/\" followed by names of letters, digits, \"_\", "
                                "\"-\" and \".\", separated by \"/\"").arg(options.prefix);
        return false;
    }
    const QFileInfo target(QDir::cleanPath(QDir(dir).absolutePath()));
    if ((target.exists() || target.isSymLink()) && !options.force) {
        *error = QStringLiteral("%1 already exists; give --force to replace it")
                     .arg(QDir::toNativeSeparators(dir));
        return false;
    }
    const QString parent = target.absolutePath();
    if (!QDir().mkpath(parent)) {
        *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(parent));
        return false;
    }
    QTemporaryDir work(parent + QStringLiteral("/.") + target.fileName() + QStringLiteral("-XXXXXX"));
    if (!work.isValid() || !QDir(work.path()).mkdir(QStringLiteral("images"))) {
        *error = QStringLiteral("cannot write in %1: %2").arg(QDir::toNativeSeparators(parent), work.errorString());
        return false;
    }

    auto images = bundleImages(bundle, options.recolor, error);
    if (!images)
        return false;
    QString sheet = rewriteUrls(bundle.sheet, *prefix);
    if (options.complete) {
        if (!bundle.colours) {
            *error = QStringLiteral("the coverage layer needs the skin's colours");
            return false;
        }
        const QString root = QLatin1Char(':') + (*prefix == QLatin1String("/") ? QString() : *prefix)
                             + QStringLiteral("/images/");
        sheet = appendCoverage(sheet, coverageBlock(*bundle.colours, root));
        for (const NamedImage &image : coverageImages(*bundle.colours))
            images->append({image.name, pngBytes(image.image)});
    }
    QStringList files {bundle.name + QStringLiteral(".css")};
    for (const auto &image : qAsConst(*images)) {
        files << QStringLiteral("images/") + image.first;
        if (!writeFile(work.filePath(files.last()), image.second, error))
            return false;
    }
    const QString base = work.filePath(bundle.name);
    const bool withRcc = !options.rccProgram.isEmpty();
    if (!writeFile(base + QStringLiteral(".css"), skinFileBytes(sheet), error)
        || !writeFile(base + QStringLiteral(".qrc"), qrcText(*prefix, files), error)
        || !writeFile(work.filePath(QStringLiteral("README.txt")),
                      bundleReadme(target.fileName(), bundle, *prefix, withRcc, options.files).toUtf8(), error))
        return false;
    // The paths are those of the folder once it is in place.
    if (options.files
        && !writeFile(base + QStringLiteral(".files.css"),
                      skinFileBytes(rewriteUrlsToFolder(sheet, target.filePath() + QStringLiteral("/images"))), error))
        return false;

    if (withRcc) {
        QProcess rcc;
        rcc.setWorkingDirectory(work.path());
        rcc.start(options.rccProgram, {QStringLiteral("--binary"), bundle.name + QStringLiteral(".qrc"),
                                       QStringLiteral("-o"), bundle.name + QStringLiteral(".rcc")});
        const bool ran = rcc.waitForFinished(120000);
        if (!ran || rcc.exitStatus() != QProcess::NormalExit || rcc.exitCode() != 0) {
            const QString output = QString::fromLocal8Bit(rcc.readAllStandardError()).trimmed();
            *error = QStringLiteral("Qt's rcc (%1) failed: %2")
                         .arg(options.rccProgram, output.isEmpty() ? rcc.errorString() : output);
            return false;
        }
    }

    QTemporaryDir parking(parent + QStringLiteral("/.") + target.fileName() + QStringLiteral("-old-XXXXXX"));
    if (!parking.isValid()) {
        *error = QStringLiteral("cannot write in %1: %2").arg(QDir::toNativeSeparators(parent), parking.errorString());
        return false;
    }
    QFile::setPermissions(work.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                           | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                           | QFileDevice::ReadOther | QFileDevice::ExeOther);
    if (!moveIntoPlace(work.path(), target.filePath(), parking.path(), error))
        return false;
    work.setAutoRemove(false);
    return true;
}

std::optional<QStringList> unresolvedUrls(const QString &sheet, ResourceSet set, const QString &file,
                                          QString *error)
{
    QSet<QString> listed;
    if (set == ResourceSet::Qrc) {
        QFile qrc(file);
        if (!qrc.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(file, qrc.errorString());
            return std::nullopt;
        }
        const QDir base = QFileInfo(file).absoluteDir();
        QXmlStreamReader xml(&qrc);
        QString prefix;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("qresource")) {
                prefix = xml.attributes().value(QStringLiteral("prefix")).toString();
            } else if (xml.name() == QLatin1String("file")) {
                const QString alias = xml.attributes().value(QStringLiteral("alias")).toString();
                const QString path = xml.readElementText().trimmed();
                if (QFileInfo(base.filePath(path)).isFile())
                    listed << QDir::cleanPath(QStringLiteral(":/") + prefix + QLatin1Char('/')
                                              + (alias.isEmpty() ? path : alias));
            }
        }
        if (xml.hasError()) {
            *error = QStringLiteral("%1 is not a resource file: %2 (line %3)")
                         .arg(file, xml.errorString()).arg(xml.lineNumber());
            return std::nullopt;
        }
    }
    static int registrations = 0;
    const QString root = QStringLiteral("/vantuskin-check-%1").arg(++registrations);
    if (set == ResourceSet::Rcc && !QResource::registerResource(file, root)) {
        *error = QStringLiteral("cannot read %1 as a binary resource file").arg(file);
        return std::nullopt;
    }

    QStringList missing;
    for (const QString &url : sheetUrls(sheet)) {
        const bool resource = url.startsWith(QLatin1Char(':'));
        bool found = false;
        if (set == ResourceSet::Linked)
            found = QFileInfo(url).isFile();
        else if (set == ResourceSet::Qrc)
            found = resource && listed.contains(QDir::cleanPath(url));
        else
            found = resource && QFileInfo(QLatin1Char(':') + root + QDir::cleanPath(url.mid(1))).isFile();
        if (!found)
            missing << url;
    }
    if (set == ResourceSet::Rcc)
        QResource::unregisterResource(file, root);
    return missing;
}
