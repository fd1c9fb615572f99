#include "coverageimages.h"

#include "coveragecolours.h"

#include <QPainter>

#include <functional>

namespace {

using Paint = std::function<void(QPainter &)>;

QImage drawn(int width, int height, int scale, const Paint &paint)
{
    QImage image = transparentImage(width * scale, height * scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    return finishedImage(image);
}

Paint cross(const QColor &colour, qreal from, qreal to)
{
    return [=](QPainter &p) {
        p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(from, from), QPointF(to, to));
        p.drawLine(QPointF(from, to), QPointF(to, from));
    };
}

Paint triangle(const QColor &colour, const QPolygonF &points)
{
    return [=](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(points);
    };
}

Paint floatSign(const QColor &colour)
{
    return [=](QPainter &p) {
        p.setPen(QPen(colour, 1.5));
        p.drawRect(QRectF(2.75, 3.75, 6.5, 5.5));
        p.fillRect(QRectF(2, 2, 8, 2.5), colour);
    };
}

Paint maximizeSign(const QColor &colour)
{
    return [=](QPainter &p) {
        p.setPen(QPen(colour, 1.5));
        p.drawRect(QRectF(2.75, 2.75, 6.5, 6.5));
        p.fillRect(QRectF(2, 2, 8, 2.5), colour);
    };
}

Paint minimizeSign(const QColor &colour)
{
    return [=](QPainter &p) { p.fillRect(QRectF(2, 7.5, 8, 2), colour); };
}

Paint chevrons(const QColor &colour)
{
    return [=](QPainter &p) {
        p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (qreal x : {2.5, 6.5}) {
            const QPointF line[3] = {{x, 2.5}, {x + 3, 6}, {x, 9.5}};
            p.drawPolyline(line, 3);
        }
    };
}

Paint sizeGrip(const QColor &colour)
{
    return [=](QPainter &p) {
        for (int row = 0; row < 3; ++row) {
            for (int column = 2 - row; column < 3; ++column)
                p.fillRect(QRectF(4 + 4 * column, 4 + 4 * row, 2, 2), colour);
        }
    };
}

} // namespace

QVector<NamedImage> coverageImages(const SkinColours &colours, bool doubleSize)
{
    const CoverageColours k = coverageColours(colours);
    const QPolygonF down({{1.5, 3}, {8.5, 3}, {5, 7.5}});
    const QPolygonF up({{1.5, 7}, {8.5, 7}, {5, 2.5}});
    const struct
    {
        const char *name;
        int width;
        int height;
        Paint paint;
    } images[] = {
        {"dock_close", 12, 12, cross(k.onBar, 3, 9)},
        {"dock_float", 12, 12, floatSign(k.onBar)},
        {"title_minimize", 12, 12, minimizeSign(k.onBar)},
        {"title_maximize", 12, 12, maximizeSign(k.onBar)},
        {"tab_close", 12, 12, cross(k.onTab, 3, 9)},
        {"toolbar_more", 12, 12, chevrons(k.onBar)},
        {"menu_down", 10, 10, triangle(k.onBar, down)},
        {"menu_right", 10, 10, triangle(k.onMenu, QPolygonF({{3, 1.5}, {3, 8.5}, {7.5, 5}}))},
        {"sort_up", 10, 10, triangle(k.onTab, up)},
        {"sort_down", 10, 10, triangle(k.onTab, down)},
        {"arrow_up", 10, 10, triangle(k.onPanel, up)},
        {"arrow_down", 10, 10, triangle(k.onPanel, down)},
        {"size_grip", 16, 16, sizeGrip(k.onPanel)},
    };
    // The indicators, branch signs and month arrows: those of the indicator
    // set, drawn to show on the panel (the month arrows on bars).
    const struct
    {
        const char *name;
        const char *drawing;
    } indicators[] = {{"check_unchecked", "checkbox_unchecked.png"},
                      {"check_checked", "checkbox_checked.png"},
                      {"check_partial", "checkbox_parcial.png"},
                      {"check_unchecked_disabled", "checkbox_unchecked_disable.png"},
                      {"check_checked_disabled", "checkbox_checked_disable.png"},
                      {"check_partial_disabled", "checkbox_parcial_disable.png"},
                      {"radio_unchecked", "radiobutton_unchecked.png"},
                      {"radio_checked", "radiobutton_checked.png"},
                      {"radio_unchecked_disabled", "radiobutton_unchecked_disable.png"},
                      {"radio_checked_disabled", "radiobutton_checked_disable.png"},
                      {"branch_collapsed", "branch_open.png"},
                      {"branch_expanded", "branch_close.png"},
                      {"month_previous", "calendar_prevmonth.png"},
                      {"month_next", "calendar_nextmonth.png"}};
    const IndicatorColours drawnIn {k.tick, colours.panel, k.onPanel, k.tick, k.onPanel,
                                    k.disabledFace, k.onPanel, k.disabledTick};
    IndicatorColours onBars = drawnIn;
    onBars.text = k.onBar;
    QVector<NamedImage> out;
    for (int scale = 1; scale <= (doubleSize ? 2 : 1); ++scale) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const auto &image : images)
            out.append({QLatin1String(image.name) + suffix, drawn(image.width, image.height, scale, image.paint)});
        const QVector<NamedImage> set = indicatorSet(drawnIn, scale);
        const QVector<NamedImage> barSet = indicatorSet(onBars, scale);
        for (const auto &indicator : indicators) {
            const bool month = qstrncmp(indicator.name, "month", 5) == 0;
            // The branch signs without the 20-pixel set's empty edge, so that
            // a short row (Qt 6 draws them in 18) shows them unscaled, not
            // smoothed into a faint blur.
            const bool branch = qstrncmp(indicator.name, "branch", 6) == 0;
            for (const NamedImage &image : month ? barSet : set) {
                if (image.name == QLatin1String(indicator.drawing))
                    out.append({QLatin1String(indicator.name) + suffix,
                                branch ? image.image.copy(2 * scale, 2 * scale, 16 * scale, 16 * scale) : image.image});
            }
        }
    }
    return out;
}
