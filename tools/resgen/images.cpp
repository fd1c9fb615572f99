#include "images.h"

#include <QBuffer>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace {

const QColor kDisabledFace(0xEE, 0xEE, 0xEE);
const QColor kDisabledFrame(0xD2, 0xD2, 0xD2);
const QColor kDisabledMark(0x96, 0x96, 0x98);

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage finished(const QImage &img)
{
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage triangle(const QColor &colour, const QPolygonF &points, int w = 20, int h = 20)
{
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(points);
    p.end();
    return finished(img);
}

QImage branchSign(const QColor &colour, bool plus)
{
    QImage img = blank(20, 20);
    QPainter p(&img);
    p.fillRect(QRect(3, 9, 14, 2), colour);
    if (plus)
        p.fillRect(QRect(9, 3, 2, 14), colour);
    p.end();
    return finished(img);
}

QImage monthArrow(const QColor &colour, bool left)
{
    QImage img = blank(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal tip = left ? 7.0 : 13.0;
    const qreal back = left ? 12.5 : 7.5;
    const QPointF line[3] = {{back, 4.5}, {tip, 10.0}, {back, 15.5}};
    p.drawPolyline(line, 3);
    p.end();
    return finished(img);
}

enum class Mark { None, Check, Partial };

QImage checkBox(const QColor &face, const QColor &frame, const QColor &mark, Mark kind)
{
    QImage img = blank(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawRoundedRect(QRectF(0, 0, 20, 20), 3, 3);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 2, 16, 16), 1.5, 1.5);
    if (kind == Mark::Check) {
        p.setPen(QPen(mark, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const QPointF tick[3] = {{5.0, 10.2}, {8.6, 13.8}, {15.0, 6.4}};
        p.drawPolyline(tick, 3);
    } else if (kind == Mark::Partial) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(6, 6, 8, 8), mark);
    }
    p.end();
    return finished(img);
}

QImage radioButton(const QColor &face, const QColor &frame, const QColor &mark, bool checked)
{
    QImage img = blank(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawEllipse(QRectF(0.5, 0.5, 19, 19));
    p.setBrush(face);
    p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
    if (checked) {
        p.setBrush(mark);
        p.drawEllipse(QRectF(5.5, 5.5, 9, 9));
    }
    p.end();
    return finished(img);
}

// An exact colour table when the image has at most 256 colours; otherwise
// the channels are rounded more coarsely until it fits.
QImage paletted(const QImage &source)
{
    const QImage src = source.convertToFormat(QImage::Format_ARGB32);
    for (int step = 1; step <= 64; step *= 2) {
        auto reduce = [step](QRgb c) -> QRgb {
            if (qAlpha(c) == 0)
                return 0;
            auto r = [step](int v) { return qMin(255, (v / step) * step + (step > 1 ? step / 2 : 0)); };
            return qRgba(r(qRed(c)), r(qGreen(c)), r(qBlue(c)), qAlpha(c) == 255 ? 255 : r(qAlpha(c)));
        };
        QVector<QRgb> table;
        QHash<QRgb, int> index;
        bool fits = true;
        for (int y = 0; y < src.height() && fits; ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            for (int x = 0; x < src.width(); ++x) {
                const QRgb c = reduce(line[x]);
                if (!index.contains(c)) {
                    if (table.size() == 256) {
                        fits = false;
                        break;
                    }
                    index.insert(c, table.size());
                    table << c;
                }
            }
        }
        if (!fits)
            continue;
        QImage out(src.size(), QImage::Format_Indexed8);
        out.setColorTable(table);
        for (int y = 0; y < src.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
            uchar *dst = out.scanLine(y);
            for (int x = 0; x < src.width(); ++x)
                dst[x] = uchar(index.value(reduce(line[x])));
        }
        return out;
    }
    return src.convertToFormat(QImage::Format_Indexed8);
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QImage classicCheckBox(bool checked)
{
    QImage img = blank(52, 52);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7A, 0x8A, 0x99));
    p.drawRoundedRect(QRectF(3, 3, 46, 46), 8, 8);
    p.setBrush(vertical(7, 45, QColor(0xFF, 0xFF, 0xFF), QColor(0xE3, 0xE9, 0xEF)));
    p.drawRoundedRect(QRectF(7, 7, 38, 38), 5, 5);
    if (checked) {
        p.setPen(QPen(QColor(0x2E, 0x9E, 0x3E), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const QPointF tick[3] = {{14.0, 26.5}, {22.5, 35.0}, {38.0, 17.0}};
        p.drawPolyline(tick, 3);
    }
    p.end();
    return paletted(img);
}

QImage classicRadio(bool selected)
{
    QImage img = blank(37, 37);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7A, 0x8A, 0x99));
    p.drawEllipse(QRectF(1.5, 1.5, 34, 34));
    p.setBrush(vertical(5, 32, QColor(0xFF, 0xFF, 0xFF), QColor(0xE3, 0xE9, 0xEF)));
    p.drawEllipse(QRectF(5, 5, 27, 27));
    if (selected) {
        QRadialGradient dot(QPointF(16.0, 16.0), 9.0);
        dot.setColorAt(0, QColor(0x5C, 0xD6, 0x5C));
        dot.setColorAt(1, QColor(0x1E, 0x9A, 0x2E));
        p.setBrush(dot);
        p.drawEllipse(QRectF(10, 10, 17, 17));
    }
    p.end();
    return paletted(img);
}

QImage roundSymbol(int size, const QColor &light, const QColor &dark)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.darker(115), 1.5));
    p.setBrush(vertical(0, size, light, dark));
    p.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    p.end();
    return img;
}

QImage infoSign()
{
    QImage img = roundSymbol(67, QColor(0x5F, 0xD0, 0x6E), QColor(0x1E, 0x9A, 0x3A));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(33.5, 18.5), 4.5, 4.5);
    p.drawRoundedRect(QRectF(29.5, 27, 8, 25), 2.5, 2.5);
    p.end();
    return finished(img);
}

QImage questionSign()
{
    QImage img = roundSymbol(70, QColor(0xFF, 0xD8, 0x4A), QColor(0xE8, 0xA3, 0x00));
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
    return finished(img);
}

QImage errorSign()
{
    QImage img = roundSymbol(68, QColor(0xFF, 0x6B, 0x6B), QColor(0xC8, 0x1E, 0x1E));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 23), QPointF(45, 45));
    p.drawLine(QPointF(45, 23), QPointF(23, 45));
    p.end();
    return finished(img);
}

QImage buttonPicture(const QColor &light, const QColor &dark, bool ok)
{
    QImage img = blank(118, 120);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.darker(120), 2));
    p.setBrush(vertical(4, 116, light, dark));
    p.drawRoundedRect(QRectF(5, 6, 108, 108), 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(8, 60, QColor(255, 255, 255, 110), QColor(255, 255, 255, 0)));
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
    return finished(img);
}

} // namespace

QVector<NamedImage> indicatorSet(const IndicatorColours &c)
{
    const QColor b = c.border;
    return {
        {"add_top.png", triangle(b, QPolygonF({{4, 13}, {16, 13}, {10, 7}}))},
        {"add_bottom.png", triangle(b, QPolygonF({{4, 7}, {16, 7}, {10, 13}}))},
        {"add_left.png", triangle(b, QPolygonF({{13, 4}, {13, 16}, {7, 10}}))},
        {"add_right.png", triangle(b, QPolygonF({{7, 4}, {7, 16}, {13, 10}}))},
        {"branch_open.png", branchSign(c.text, true)},
        {"branch_close.png", branchSign(c.text, false)},
        {"calendar_prevmonth.png", monthArrow(c.text, true)},
        {"calendar_nextmonth.png", monthArrow(c.text, false)},
        {"checkbox_unchecked.png", checkBox(c.panel, c.border, c.text, Mark::None)},
        {"checkbox_checked.png", checkBox(c.panel, c.border, c.text, Mark::Check)},
        {"checkbox_parcial.png", checkBox(c.panel, c.border, c.text, Mark::Partial)},
        {"checkbox_unchecked_disable.png", checkBox(kDisabledFace, kDisabledFrame, kDisabledMark, Mark::None)},
        {"checkbox_checked_disable.png", checkBox(kDisabledFace, kDisabledFrame, kDisabledMark, Mark::Check)},
        {"checkbox_parcial_disable.png", checkBox(kDisabledFace, kDisabledFrame, kDisabledMark, Mark::Partial)},
        {"radiobutton_unchecked.png", radioButton(c.panel, c.border, c.text, false)},
        {"radiobutton_checked.png", radioButton(c.panel, c.border, c.text, true)},
        {"radiobutton_unchecked_disable.png", radioButton(kDisabledFace, kDisabledFrame, kDisabledMark, false)},
        {"radiobutton_checked_disable.png", radioButton(kDisabledFace, kDisabledFrame, kDisabledMark, true)},
    };
}

QVector<NamedImage> classicSet()
{
    const QColor grey(0x94, 0x95, 0x93);
    return {
        {"checkbox_checked.png", classicCheckBox(true)},
        {"checkbox_unchecked.png", classicCheckBox(false)},
        {"radio_normal.png", classicRadio(false)},
        {"radio_selected.png", classicRadio(true)},
        {"array_up.png", triangle(grey, QPolygonF({{0.5, 7}, {9.5, 7}, {5, 2}}), 10, 9)},
        {"array_down.png", triangle(grey, QPolygonF({{0.5, 2}, {9.5, 2}, {5, 7}}), 10, 9)},
        {"add-line_vertical.png", triangle(grey, QPolygonF({{0.5, 2}, {9.5, 2}, {5, 7}}), 10, 9)},
        {"sub-line_vertical.png", triangle(grey, QPolygonF({{0.5, 7}, {9.5, 7}, {5, 2}}), 10, 9)},
        {"add-line_horizontal.png", triangle(grey, QPolygonF({{2, 0.5}, {2, 9.5}, {7, 5}}), 9, 10)},
        {"sub-line_horizontal.png", triangle(grey, QPolygonF({{7, 0.5}, {7, 9.5}, {2, 5}}), 9, 10)},
    };
}

QVector<NamedImage> applicationPictures()
{
    return {
        {"msg_info.png", infoSign()},
        {"msg_question.png", questionSign()},
        {"msg_error.png", errorSign()},
        {"btn_ok.png", buttonPicture(QColor(0x6C, 0xD8, 0x6C), QColor(0x1F, 0x93, 0x2F), true)},
        {"btn_close.png", buttonPicture(QColor(0xFF, 0x7A, 0x6E), QColor(0xC0, 0x1E, 0x1E), false)},
    };
}

QImage applicationIcon()
{
    QImage img = blank(128, 128);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A rounded tile with a small window whose strips show skin colours.
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(4, 124, QColor(0x3A, 0x7B, 0xC8), QColor(0x1B, 0x3F, 0x73)));
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
    return finished(img);
}

QByteArray icoFile(const QImage &image)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 imageBytes = quint32(40 + w * h * 4 + maskStride * h);

    QByteArray out;
    auto put16 = [&out](quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto put32 = [&out, &put16](quint32 v) { put16(quint16(v & 0xFFFF)); put16(quint16(v >> 16)); };

    // Icon directory with one entry.
    put16(0); put16(1); put16(1);
    out.append(char(w >= 256 ? 0 : w)).append(char(h >= 256 ? 0 : h)).append(char(0)).append(char(0));
    put16(1); put16(32); put32(imageBytes); put32(22);
    // Bitmap header: the height counts the colour rows and the mask rows.
    put32(40); put32(quint32(w)); put32(quint32(h * 2)); put16(1); put16(32); put32(0);
    put32(quint32(w * h * 4 + maskStride * h)); put32(0); put32(0); put32(0); put32(0);
    // Colour rows bottom-up, BGRA.
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            out.append(char(qBlue(line[x]))).append(char(qGreen(line[x])))
               .append(char(qRed(line[x]))).append(char(qAlpha(line[x])));
    }
    // Transparency mask rows bottom-up: a set bit marks a transparent pixel.
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
