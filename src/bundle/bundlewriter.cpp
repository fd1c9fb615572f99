#include "bundlewriter.h"

#include "colorroles.h"
#include "coverage.h"
#include "coverageimages.h"
#include "skinfile.h"
#include "skinimages.h"
#include "skinpalette.h"
#include "qtversion.h"

#include <VantuSkin/skin.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

// `folder` is `path` or lies below it.
bool isWithin(const QString &folder, const QString &path)
{
    return folder == path || path == QLatin1String("/") || folder.startsWith(path + QLatin1Char('/'));
}

} // namespace

const char OutputMarkerName[] = ".vantuskin-output";

bool mayWriteOutputFolder(const QString &dir, bool replace, QString *error)
{
    const QString shown = dir.isEmpty() ? QStringLiteral("\"\"") : QDir::toNativeSeparators(dir);
    const QFileInfo target(QDir::cleanPath(QDir::current().absoluteFilePath(dir)));
    const QString path = target.exists() ? target.canonicalFilePath() : target.absoluteFilePath();
    auto refuse = [&](const QString &why) {
        *error = QStringLiteral("refusing to write to %1: %2; nothing was changed").arg(shown, why);
        return false;
    };
    if (path == QDir::rootPath())
        return refuse(QStringLiteral("it is the root folder"));
    if (dir.isEmpty() || isWithin(QDir::current().canonicalPath(), path))
        return refuse(QStringLiteral("it is or holds the current folder"));
    if (isWithin(QDir::home().canonicalPath(), path))
        return refuse(QStringLiteral("it is or holds the home folder"));
    if (target.isSymLink())
        return refuse(QStringLiteral("it is a symbolic link"));
    if (!target.exists())
        return true;
    if (!target.isDir())
        return refuse(QStringLiteral("it is a file, not a folder"));
    const QDir folder(path);
    const bool ours = QFileInfo(folder.filePath(QLatin1String(OutputMarkerName))).isFile();
    if (!ours && !folder.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return refuse(QStringLiteral("the folder holds files this program did not write (it has no %1)")
                          .arg(QLatin1String(OutputMarkerName)));
    if (!replace)
        return refuse(QStringLiteral("it already exists; give --force to replace it"));
    return true;
}

QString outputFolderSummary(const QString &dir)
{
    const QDir folder(dir);
    QStringList parts = folder.entryList(QDir::Files, QDir::Name);
    const QStringList folders = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    int inside = 0;
    for (const QString &sub : folders) {
        QDirIterator it(folder.filePath(sub), QDir::Files, QDirIterator::Subdirectories);
        for (; it.hasNext(); ++inside)
            it.next();
    }
    if (folders.size() == 1)
        parts << QStringLiteral("%1/ (%2 files)").arg(folders.constFirst()).arg(inside);
    else if (folders.size() > 1)
        parts << QStringLiteral("%1 folders (%2 files)").arg(folders.size()).arg(inside);
    return QStringLiteral("wrote %1: %2").arg(QDir::toNativeSeparators(dir), parts.join(QStringLiteral(", ")));
}

bool writeOutputMarker(const QString &dir, const QString &what, QString *error)
{
    return writeFile(dir + QLatin1Char('/') + QLatin1String(OutputMarkerName),
                     QStringLiteral("Written by %1. A later run may replace this folder whole.\n").arg(what).toUtf8(),
                     error);
}

// The image files of a bundle for the sheet's url()s: file name and bytes,
// the built-in ones as they are or, recoloured, drawn in the skin's colours,
// each at single and double size (NAME@2x.png).
std::optional<QVector<QPair<QString, QByteArray>>> bundleImages(const SkinBundle &bundle, bool recolor,
                                                                QString *error)
{
    const IndicatorColours colours = skinIndicatorColours(bundle.colors, skinPanelColor(bundle.sheet));
    QHash<QString, QString> urlOfFile;
    QVector<QPair<QString, QByteArray>> images;
    for (const QString &url : sheetUrls(bundle.sheet)) {
        const QString name = QFileInfo(url).fileName();
        if (urlOfFile.contains(name)) {
            *error = QStringLiteral("the sheet refers to two images named %1 (%2 and %3)")
                         .arg(name, urlOfFile.value(name), url);
            return std::nullopt;
        }
        urlOfFile.insert(name, url);
        const QString doubled = QFileInfo(name).completeBaseName() + QStringLiteral("@2x.png");
        if (!recolor) {
            for (const QString &file : {name, doubled}) {
                const QString path = QFileInfo(url).path() + QLatin1Char('/') + file;
                QFile image(path);
                if (!image.open(QIODevice::ReadOnly)) {
                    *error = QStringLiteral("the sheet refers to %1, whose %2 cannot be read").arg(url, path);
                    return std::nullopt;
                }
                images.append({file, image.readAll()});
            }
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
            images.append({scale == 1 ? name : doubled, pngBytes(drawn->image)});
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

bool writeSkinBundle(const QString &dir, const SkinBundle &bundle, const BundleOptions &options, QString *error)
{
    if (!isBundleName(bundle.name)) {
        *error = QStringLiteral("\"%1\" cannot name a bundle; a name is %2 (give one with --name)")
                     .arg(bundle.name, bundleNameRule());
        return false;
    }
    if (options.python && !isPythonModuleName(bundle.name)) {
        *error = QStringLiteral("\"%1\" is not a Python module name (%2); give --name %3")
                     .arg(bundle.name, pythonModuleNameRule(), pythonModuleName(bundle.name));
        return false;
    }
    const std::optional<QString> prefix =
        bundlePrefix(options.prefix.isEmpty() ? QLatin1Char('/') + bundle.name : options.prefix);
    if (!prefix) {
        *error = QStringLiteral("the prefix \"%1\" is not names separated by \"/\" (the leading \"/\" may be left "
                                "out), each %2").arg(options.prefix, bundleNameRule());
        return false;
    }
    if (!mayWriteOutputFolder(dir, options.force, error))
        return false;
    const QFileInfo target(QDir::cleanPath(QDir::current().absoluteFilePath(dir)));
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
        for (const NamedImage &image : coverageImages(*bundle.colours)) {
            // One file per name: a .qrc that lists a file twice makes every
            // consumer's rcc warn.
            const auto same = [&image](const QPair<QString, QByteArray> &i) { return i.first == image.name; };
            if (std::any_of(images->cbegin(), images->cend(), same)) {
                *error = QStringLiteral("the coverage layer's image %1 has the name of one of the skin's").arg(image.name);
                return false;
            }
            images->append({image.name, pngBytes(image.image)});
        }
    }
    QStringList files {bundle.name + QStringLiteral(".css")};
    for (const auto &image : qAsConst(*images)) {
        files << QStringLiteral("images/") + image.first;
        if (!writeFile(work.filePath(files.last()), image.second, error))
            return false;
    }
    if (!writeOutputMarker(work.path(), QStringLiteral("vantuskin-cli export"), error))
        return false;
    const QString base = work.filePath(bundle.name);
    const bool withRcc = !options.rccProgram.isEmpty();
    if (!writeFile(base + QStringLiteral(".css"), skinFileBytes(sheet), error)
        || !writeFile(base + QStringLiteral(".qrc"), qrcText(*prefix, files), error)
        || !writeFile(work.filePath(QStringLiteral("README.txt")),
                      bundleReadme(target.fileName(), bundle, *prefix, withRcc, options.files, options.python).toUtf8(),
                      error))
        return false;
    if (options.python) {
        const QPalette palette = bundle.colours ? skinPalette(*bundle.colours)
                                                : QPalette(skinPanelColor(bundle.sheet));
        if (!writeFile(base + QStringLiteral(".py"),
                       pythonModule(bundle.name, bundleSheetPath(bundle.name, *prefix), palette).toUtf8(), error))
            return false;
    }
    if (options.qtct
        && !writeFile(base + QStringLiteral(".qtct.conf"),
                      qtctColorScheme(VantuSkin::skinPalette(bundle.sheet)).toUtf8(), error))
        return false;
    // The paths are those of the folder once it is in place.
    if ((options.files || options.qtct)
        && !writeFile(base + QStringLiteral(".files.css"),
                      skinFileBytes(rewriteUrlsToFolder(sheet, target.filePath() + QStringLiteral("/images"))), error))
        return false;

    if (withRcc && !compileBinaryResource(options.rccProgram, base + QStringLiteral(".qrc"),
                                          base + QStringLiteral(".rcc"), error))
        return false;

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

QString qtRccProgram()
{
    const QString fromEnvironment = qEnvironmentVariable("VANTUSKIN_RCC");
    return fromEnvironment.isEmpty() ? QtVersion::toolsFolder() + QStringLiteral("/rcc") : fromEnvironment;
}

bool compileBinaryResource(const QString &program, const QString &qrc, const QString &output, QString *error)
{
    QProcess rcc;
    rcc.setWorkingDirectory(QFileInfo(qrc).absolutePath());
    // Format 2 with zlib, which every Qt 5 and 6 reads, whatever
    // compression its build supports.
    rcc.start(program, {QStringLiteral("--binary"), QStringLiteral("--format-version"), QStringLiteral("2"),
                        QStringLiteral("--compress-algo"), QStringLiteral("zlib"), QFileInfo(qrc).absoluteFilePath(),
                        QStringLiteral("-o"), QFileInfo(output).absoluteFilePath()});
    const bool ran = rcc.waitForFinished(120000);
    const QString said = QString::fromLocal8Bit(rcc.readAllStandardError()).trimmed();
    if (!ran || rcc.exitStatus() != QProcess::NormalExit || rcc.exitCode() != 0) {
        *error = QStringLiteral("Qt's rcc (%1) failed: %2").arg(program, said.isEmpty() ? rcc.errorString() : said);
        return false;
    }
    // What rcc warns of reaches the user; it did write the file.
    if (!said.isEmpty())
        QTextStream(stderr) << "rcc: " << said << '\n';
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
