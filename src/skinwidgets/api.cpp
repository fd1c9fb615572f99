// The public interface of the widgets library (VantuSkin/widgets.h).
#include <VantuSkin/widgets.h>

#include "coverage.h"
#include "coverageimages.h"
#include "resourcedata.h"
#include "skinapply.h"
#include "skinfollower.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QResource>
#include <QStyle>
#include <QWidget>

namespace {

// The sheet with the coverage layer, its images drawn in the skin's colours
// and registered as resources of their own under a new root each time (so
// that no cached image of an earlier skin is taken for one of this skin);
// the previous skin's images are let go. A sheet that has the layer already,
// or whose colours are not known, stays as it is.
QString withCoverageLayer(const QString &sheet)
{
    static QByteArray registered;
    static QString registeredRoot;
    static int count = 0;
    const std::optional<SkinColours> colours = sheetColours(sheet);
    if (!colours || withoutCoverage(sheet) != sheet)
        return sheet;
    // Images at double size only for a screen that uses them; stored
    // uncompressed, since they are read back at once from memory.
    QVector<QPair<QString, QByteArray>> files;
    for (const NamedImage &image : coverageImages(*colours, qApp->devicePixelRatio() > 1)) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.image.save(&buffer, "PNG", 100);
        files.append({image.name, bytes});
    }
    const QByteArray data = resourceData(files);
    const QString root = QStringLiteral("/vantuskin-coverage/%1").arg(++count);
    if (!QResource::registerResource(reinterpret_cast<const uchar *>(data.constData()), root))
        return sheet;
    if (!registered.isEmpty())
        QResource::unregisterResource(reinterpret_cast<const uchar *>(registered.constData()), registeredRoot);
    registered = data;
    registeredRoot = root;
    return appendCoverage(sheet, coverageBlock(*colours, QLatin1Char(':') + root + QLatin1Char('/')));
}

} // namespace

namespace VantuSkin {

void applySkin(const QString &sheet, Coverage coverage)
{
    QApplication::setPalette(sheet.isEmpty() ? QApplication::style()->standardPalette() : skinPalette(sheet));
    restyleApplication(coverage == Coverage::Added && !sheet.isEmpty() ? withCoverageLayer(sheet) : sheet);
}

void showSkinned(QWidget *window, const QString &sheet, Coverage coverage)
{
    VantuSkin::applySkin(sheet, coverage);
    window->show();
}

bool followSkin(const QString &nameOrFile)
{
    static QPointer<SkinFollower> follower;
    delete follower;
    const QString builtIn = nameOrFile.isEmpty() ? QString() : builtInSkin(nameOrFile);
    if (!builtIn.isEmpty()) {
        VantuSkin::applySkin(builtIn);
        return true;
    }
    const QString fileName = nameOrFile.isEmpty() ? userSkinFile() : nameOrFile;
    QString problem;
    const QString sheet = readWholeSkin(fileName, &problem);
    // No skin recorded yet is no fault: the program starts in flat white
    // and takes the first one recorded.
    const bool taken = !sheet.isNull() || (nameOrFile.isEmpty() && !QFileInfo::exists(fileName));
    if (!taken)
        warnSkin(QStringLiteral("\"%1\" is neither a built-in skin nor a skin file (%2); starting in flat white")
                     .arg(QDir::toNativeSeparators(fileName), problem));
    VantuSkin::applySkin(sheet.isNull() ? builtInSkin(QStringLiteral("flatwhite")) : sheet);
    follower = new SkinFollower(fileName, sheet, qApp);
    return taken;
}

} // namespace VantuSkin
