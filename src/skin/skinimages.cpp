#include "skinimages.h"

#include "contrast.h"
#include "skinpalette.h"

#include <QBuffer>
#include <QHash>
#include <QPainter>

QImage transparentImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage finishedImage(const QImage &image)
{
    QImage finished = image.convertToFormat(QImage::Format_ARGB32);
    finished.setDevicePixelRatio(1);
    return finished;
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

namespace {

const QColor kDisabledFace(0xEE, 0xEE, 0xEE);
const QColor kDisabledFrame(0xD2, 0xD2, 0xD2);
const QColor kDisabledMark(0x96, 0x96, 0x98);


// A transparent image of w x h units at `scale` pixels per unit, with a
// painter that draws in units.
struct Canvas
{
    QImage img;
    QPainter p;
    Canvas(int w, int h, int scale) : img(transparentImage(w * scale, h * scale)), p(&img)
    {
        if (scale != 1)
            p.scale(scale, scale);
    }
    QImage done()
    {
        p.end();
        return finishedImage(img);
    }
};

QImage triangle(const QColor &colour, const QPolygonF &points, int w = 20, int h = 20, int scale = 1)
{
    Canvas c(w, h, scale);
    QPainter &p = c.p;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(points);
    return c.done();
}

QImage branchSign(const QColor &colour, bool plus, int scale)
{
    Canvas c(20, 20, scale);
    QPainter &p = c.p;
    p.fillRect(QRect(3, 9, 14, 2), colour);
    if (plus)
        p.fillRect(QRect(9, 3, 2, 14), colour);
    return c.done();
}

QImage monthArrow(const QColor &colour, bool left, int scale)
{
    Canvas c(20, 20, scale);
    QPainter &p = c.p;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal tip = left ? 7.0 : 13.0;
    const qreal back = left ? 12.5 : 7.5;
    const QPointF line[3] = {{back, 4.5}, {tip, 10.0}, {back, 15.5}};
    p.drawPolyline(line, 3);
    return c.done();
}

enum class Mark { None, Check, Partial };

QImage checkBox(const QColor &face, const QColor &frame, const QColor &mark, Mark kind, int scale)
{
    Canvas c(20, 20, scale);
    QPainter &p = c.p;
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
    return c.done();
}

QImage radioButton(const QColor &face, const QColor &frame, const QColor &mark, bool checked, int scale)
{
    Canvas c(20, 20, scale);
    QPainter &p = c.p;
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
    return c.done();
}

QImage paletted(const QImage &source)
{
    const QImage src = finishedImage(source);
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


QImage classicCheckBox(bool checked, int scale)
{
    QImage img = transparentImage(52, 52, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7A, 0x8A, 0x99));
    p.drawRoundedRect(QRectF(3, 3, 46, 46), 8, 8);
    p.setBrush(verticalGradient(7, 45, QColor(0xFF, 0xFF, 0xFF), QColor(0xE3, 0xE9, 0xEF)));
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

QImage classicRadio(bool selected, int scale)
{
    QImage img = transparentImage(37, 37, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7A, 0x8A, 0x99));
    p.drawEllipse(QRectF(1.5, 1.5, 34, 34));
    p.setBrush(verticalGradient(5, 32, QColor(0xFF, 0xFF, 0xFF), QColor(0xE3, 0xE9, 0xEF)));
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

} // namespace

QVector<NamedImage> indicatorSet(const IndicatorColours &c, int scale)
{
    const QColor arrow = c.arrow.isValid() ? c.arrow : c.border;
    const QColor mark = c.mark.isValid() ? c.mark : c.text;
    const QColor &face = c.panel;
    const QColor &frame = c.border;
    const QColor offFace = c.disabledFace.isValid() ? c.disabledFace : kDisabledFace;
    const QColor offFrame = c.disabledFrame.isValid() ? c.disabledFrame : kDisabledFrame;
    const QColor offMark = c.disabledMark.isValid() ? c.disabledMark : kDisabledMark;
    const int s = scale;
    return {
        {"add_top.png", triangle(arrow, QPolygonF({{4, 13}, {16, 13}, {10, 7}}), 20, 20, s)},
        {"add_bottom.png", triangle(arrow, QPolygonF({{4, 7}, {16, 7}, {10, 13}}), 20, 20, s)},
        {"add_left.png", triangle(arrow, QPolygonF({{13, 4}, {13, 16}, {7, 10}}), 20, 20, s)},
        {"add_right.png", triangle(arrow, QPolygonF({{7, 4}, {7, 16}, {13, 10}}), 20, 20, s)},
        {"branch_open.png", branchSign(c.text, true, s)},
        {"branch_close.png", branchSign(c.text, false, s)},
        {"calendar_prevmonth.png", monthArrow(c.text, true, s)},
        {"calendar_nextmonth.png", monthArrow(c.text, false, s)},
        {"checkbox_unchecked.png", checkBox(face, frame, mark, Mark::None, s)},
        {"checkbox_checked.png", checkBox(face, frame, mark, Mark::Check, s)},
        {"checkbox_parcial.png", checkBox(face, frame, mark, Mark::Partial, s)},
        {"checkbox_unchecked_disable.png", checkBox(offFace, offFrame, offMark, Mark::None, s)},
        {"checkbox_checked_disable.png", checkBox(offFace, offFrame, offMark, Mark::Check, s)},
        {"checkbox_parcial_disable.png", checkBox(offFace, offFrame, offMark, Mark::Partial, s)},
        {"radiobutton_unchecked.png", radioButton(face, frame, mark, false, s)},
        {"radiobutton_checked.png", radioButton(face, frame, mark, true, s)},
        {"radiobutton_unchecked_disable.png", radioButton(offFace, offFrame, offMark, false, s)},
        {"radiobutton_checked_disable.png", radioButton(offFace, offFrame, offMark, true, s)},
    };
}

QVector<NamedImage> classicSet(const IndicatorColours &c, int scale)
{
    const QColor arrow = c.arrow.isValid() ? c.arrow : c.border;
    const QColor mark = c.mark.isValid() ? c.mark : c.text;
    const QPolygonF up({{0.5, 7}, {9.5, 7}, {5, 2}});
    const QPolygonF down({{0.5, 2}, {9.5, 2}, {5, 7}});
    const int s = scale;
    return {
        {"checkbox_checked.png", checkBox(c.panel, c.border, mark, Mark::Check, s)},
        {"checkbox_unchecked.png", checkBox(c.panel, c.border, mark, Mark::None, s)},
        {"radio_normal.png", radioButton(c.panel, c.border, mark, false, s)},
        {"radio_selected.png", radioButton(c.panel, c.border, mark, true, s)},
        {"array_up.png", triangle(arrow, up, 10, 9, s)},
        {"array_down.png", triangle(arrow, down, 10, 9, s)},
        {"add-line_vertical.png", triangle(arrow, down, 10, 9, s)},
        {"sub-line_vertical.png", triangle(arrow, up, 10, 9, s)},
        {"add-line_horizontal.png", triangle(arrow, QPolygonF({{2, 0.5}, {2, 9.5}, {7, 5}}), 9, 10, s)},
        {"sub-line_horizontal.png", triangle(arrow, QPolygonF({{7, 0.5}, {7, 9.5}, {2, 5}}), 9, 10, s)},
    };
}

IndicatorColours skinIndicatorColours(const QStringList &colors, const QColor &panel)
{
    const QColor face = panel.isValid() ? panel : QColor(colors.value(1));
    // The first of `choices` that stands out from the face by `ratio`, else
    // black or white, whichever stands out more.
    auto onFace = [&face](std::initializer_list<QColor> choices, double ratio) {
        for (const QColor &colour : choices) {
            if (colour.isValid() && contrastRatio(colour, face) >= ratio)
                return colour;
        }
        const QColor black(Qt::black), white(Qt::white);
        return contrastRatio(black, face) >= contrastRatio(white, face) ? black : white;
    };
    const double mark = requiredRatio(ContrastNeed::Mark);
    const QColor text(colors.value(0)), border(colors.value(2)), high(colors.value(7));
    const QColor sign = onFace({text}, mark);
    const QColor frame = onFace({border, text}, 1.5);
    const QColor tick = onFace({high, text}, mark);
    const QColor shaded = mixColors(face, frame, 0.45);
    return {sign, face, frame, tick, sign, shaded, frame, readableOn(mixColors(tick, shaded, 0.5), shaded, mark)};
}
QVector<NamedImage> classicSet(int scale)
{
    const QColor grey(0x94, 0x95, 0x93);
    return {
        {"checkbox_checked.png", classicCheckBox(true, scale)},
        {"checkbox_unchecked.png", classicCheckBox(false, scale)},
        {"radio_normal.png", classicRadio(false, scale)},
        {"radio_selected.png", classicRadio(true, scale)},
        {"array_up.png", triangle(grey, QPolygonF({{0.5, 7}, {9.5, 7}, {5, 2}}), 10, 9, scale)},
        {"array_down.png", triangle(grey, QPolygonF({{0.5, 2}, {9.5, 2}, {5, 7}}), 10, 9, scale)},
        {"add-line_vertical.png", triangle(grey, QPolygonF({{0.5, 2}, {9.5, 2}, {5, 7}}), 10, 9, scale)},
        {"sub-line_vertical.png", triangle(grey, QPolygonF({{0.5, 7}, {9.5, 7}, {5, 2}}), 10, 9, scale)},
        {"add-line_horizontal.png", triangle(grey, QPolygonF({{2, 0.5}, {2, 9.5}, {7, 5}}), 9, 10, scale)},
        {"sub-line_horizontal.png", triangle(grey, QPolygonF({{7, 0.5}, {7, 9.5}, {2, 5}}), 9, 10, scale)},
    };
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
