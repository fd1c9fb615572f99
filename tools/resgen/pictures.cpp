#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QImage roundSymbol(int size, const QColor &light, const QColor &dark, int scale)
{
    QImage img = transparentImage(size, size, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.darker(115), 1.5));
    p.setBrush(verticalGradient(0, size, light, dark));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.end();
    return img;
}

QImage infoSign(int scale)
{
    QImage img = roundSymbol(67, QColor(0x5F, 0xD0, 0x6E), QColor(0x1E, 0x9A, 0x3A), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(33.5, 18.5), 4.5, 4.5);
    p.drawRoundedRect(QRectF(29.5, 27, 8, 25), 2.5, 2.5);
    p.end();
    return finishedImage(img);
}

QImage questionSign(int scale)
{
    QImage img = roundSymbol(70, QColor(0xFF, 0xD8, 0x4A), QColor(0xE8, 0xA3, 0x00), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(24.5, 26.0);
    hook.arcTo(QRectF(24.5, 14.0, 21.0, 22.0), 180.0, -230.0);
    hook.quadTo(35.0, 38.0, 35.0, 44.0);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(35.0, 54.5), 4.6, 4.6);
    p.end();
    return finishedImage(img);
}

QImage errorSign(int scale)
{
    QImage img = roundSymbol(68, QColor(0xFF, 0x6B, 0x6B), QColor(0xC8, 0x1E, 0x1E), scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 23), QPointF(45, 45));
    p.drawLine(QPointF(45, 23), QPointF(23, 45));
    p.end();
    return finishedImage(img);
}

QImage buttonPicture(const QColor &light, const QColor &dark, bool ok, int scale)
{
    QImage img = transparentImage(118, 120, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.darker(120), 2));
    p.setBrush(verticalGradient(4, 116, light, dark));
    p.drawRoundedRect(QRectF(5, 6, 108, 108), 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(8, 60, QColor(255, 255, 255, 110), QColor(255, 255, 255, 0)));
    p.drawRoundedRect(QRectF(10, 10, 98, 48), 18, 18);
    p.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (ok) {
        const QPointF tick[3] = {{33.0, 61.0}, {51.0, 79.0}, {86.0, 42.0}};
        p.drawPolyline(tick, 3);
    } else {
        p.drawLine(QPointF(39, 41), QPointF(79, 81));
        p.drawLine(QPointF(79, 41), QPointF(39, 81));
    }
    p.end();
    return finishedImage(img);
}

} // namespace

QVector<NamedImage> applicationPictures(int scale)
{
    return {
        {"msg_info.png", infoSign(scale)},
        {"msg_question.png", questionSign(scale)},
        {"msg_error.png", errorSign(scale)},
        {"btn_ok.png", buttonPicture(QColor(0x6C, 0xD8, 0x6C), QColor(0x1F, 0x93, 0x2F), true, scale)},
        {"btn_close.png", buttonPicture(QColor(0xFF, 0x7A, 0x6E), QColor(0xC0, 0x1E, 0x1E), false, scale)},
    };
}

QImage applicationIcon(int size)
{
    QImage img = transparentImage(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 128-unit grid, scaled to the size asked for.
    p.scale(size / 128.0, size / 128.0);
    // A rounded tile with a small window whose strips show skin colours.
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(4, 124, QColor(0x3A, 0x7B, 0xC8), QColor(0x1B, 0x3F, 0x73)));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 24, 24);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawRoundedRect(QRectF(20, 24, 88, 80), 8, 8);
    p.setBrush(QColor(0x00, 0xBB, 0x9E));
    QPainterPath title;
    title.addRoundedRect(QRectF(20, 24, 88, 20), 8, 8);
    title.addRect(QRectF(20, 34, 88, 10));
    p.drawPath(title.simplified());
    const QColor swatches[8] = {QColor(0x57, 0x59, 0x5B), QColor(0xB6, 0xB6, 0xB6), QColor(0x38, 0x64, 0x87),
                                QColor(0xC0, 0xDC, 0xF2), QColor(0x75, 0x54, 0x8B), QColor(0xF7, 0xAE, 0x13),
                                QColor(0x5D, 0xA2, 0xCB), QColor(0x26, 0x56, 0x87)};
    for (int i = 0; i < 8; ++i) {
        p.setBrush(swatches[i]);
        p.drawRoundedRect(QRectF(28 + (i % 4) * 19, 52 + (i / 4) * 24, 15, 18), 3, 3);
    }
    p.end();
    return finishedImage(img);
}
