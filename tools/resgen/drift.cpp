#include "drift.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPoint>
#include <QVector>

namespace {

// Every image in the file: one for a PNG, each size of an .ico.
QVector<QImage> decodedImages(const QString &path)
{
    QVector<QImage> images;
    QImageReader reader(path);
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        images << image;
    } while (reader.jumpToNextImage());
    return images;
}

int channelDifference(QRgb a, QRgb b)
{
    return qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))));
}

// Why `fresh` does not show what `kept` shows, or nothing.
QString imageDrift(const QImage &kept, const QImage &fresh)
{
    if (kept.size() != fresh.size() || kept.format() != fresh.format())
        return QStringLiteral("size or format %1x%2 (format %3) where resgen draws %4x%5 (format %6)")
            .arg(kept.width()).arg(kept.height()).arg(kept.format())
            .arg(fresh.width()).arg(fresh.height()).arg(fresh.format());
    // Premultiplied: what is composited on screen. A level's rounding in a
    // nearly transparent pixel is then a level, as it is on screen.
    const QImage a = kept.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = fresh.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPoint first(-1, -1);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *rb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = channelDifference(ra[x], rb[x]);
            if (d > driftTolerance && first.x() < 0)
                first = QPoint(x, y);
            largest = qMax(largest, d);
        }
    }
    if (first.x() < 0)
        return {};
    return QStringLiteral("pixel (%1, %2) is the first that differs by more than %3 levels; "
                          "the largest difference is %4 levels")
        .arg(first.x()).arg(first.y()).arg(driftTolerance).arg(largest);
}

} // namespace

QString resourceDrift(const QString &kept, const QString &fresh, const QString &name)
{
    if (!name.endsWith(QLatin1String(".png")) && !name.endsWith(QLatin1String(".ico"))) {
        QFile a(kept), b(fresh);
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
            return name + QStringLiteral(" cannot be read");
        return a.readAll() == b.readAll() ? QString() : name + QStringLiteral(" differs from resgen's output");
    }
    const QVector<QImage> a = decodedImages(kept), b = decodedImages(fresh);
    if (a.isEmpty() || a.size() != b.size())
        return QStringLiteral("%1 holds %2 images where resgen draws %3").arg(name).arg(a.size()).arg(b.size());
    for (int i = 0; i < a.size(); ++i) {
        const QString why = imageDrift(a[i], b[i]);
        if (!why.isEmpty())
            return QStringLiteral("%1 (image %2): %3").arg(name).arg(i + 1).arg(why);
    }
    return {};
}
