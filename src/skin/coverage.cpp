#include "coverage.h"

#include "classicslots.h"
#include "colorroles.h"
#include "skinpalette.h"

#include <QHash>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

// The first line of every coverage block; withoutCoverage() cuts there.
const QString kMarker = QStringLiteral("/* VantuSkin coverage layer:");

// The block for both skin forms. {name} stands for a colour or the image
// prefix, filled in by coverageBlock().
const char *const kBlock = R"(/* VantuSkin coverage layer: rules for widgets that real programs show and the
   skin above leaves out, drawn from the skin's own colours. The skin above is
   unchanged; everything below only adds to it or takes precedence over it. */

/* windows, dialogs and docks keep the skin's panel even without its palette */
QMenuBar{
color:{text};
}

QMainWindow,QDialog,QDockWidget,QStatusBar{
background:{panel};
color:{text};
}

/* text on buttons, headers and tabs: readable on every stop of their gradients */
.QPushButton,.QToolButton,QHeaderView::section,QTabBar::tab{
color:{buttonText};
}

QMainWindow::separator{
background:{border};
width:1px;
height:1px;
}

/* disabled states: readable, yet plainly disabled */
*:disabled{
color:{disabled};
}

.QToolButton:disabled{
color:{buttonDisabled};
}

QMenu::item:disabled{
color:{menuDisabled};
background:transparent;
}

/* submenu arrows and the menu part of tool buttons */
QMenu::right-arrow{
image:url({images}menu_right.png);
width:10px;
height:10px;
}

.QToolButton[popupMode="1"]{
padding-right:18px;
}

.QToolButton::menu-button{
border:none;
border-left:1px solid {border};
width:16px;
background:transparent;
}

.QToolButton::menu-arrow{
image:url({images}menu_down.png);
width:10px;
height:10px;
}

/* tool bars and their separators */
QToolBar{
border:none;
spacing:2px;
padding:1px;
background:{buttonGradient};
}

QToolBar::separator{
background:{border};
width:1px;
height:1px;
margin:4px;
}

QToolBar QLabel{
color:{buttonText};
}

/* dock titles and their buttons */
QDockWidget{
color:{buttonText};
titlebar-close-icon:url({images}dock_close.png);
titlebar-normal-icon:url({images}dock_float.png);
}

QDockWidget::title{
padding:4px;
text-align:left;
border:1px solid {border};
background:{buttonGradient};
}

QDockWidget::close-button,QDockWidget::float-button{
border:none;
padding:1px;
icon-size:12px;
background:transparent;
}

QDockWidget::close-button:hover,QDockWidget::float-button:hover{
border-radius:2px;
background:{hover};
}

/* tab close buttons */
QTabBar::close-button{
image:url({images}tab_close.png);
subcontrol-position:right;
}

QTabBar::close-button:hover{
border-radius:2px;
background:{hover};
}

/* check indicators of plain item views */
QTreeView::indicator,QListView::indicator,QTableView::indicator{
width:13px;
height:13px;
}

QTreeView::indicator:unchecked,QListView::indicator:unchecked,QTableView::indicator:unchecked{
image:url({images}view_unchecked.png);
}

QTreeView::indicator:checked,QListView::indicator:checked,QTableView::indicator:checked{
image:url({images}view_checked.png);
}

QTreeView::indicator:indeterminate,QListView::indicator:indeterminate,QTableView::indicator:indeterminate{
image:url({images}view_partial.png);
}

/* header sort arrows and the size grip */
QHeaderView::up-arrow,QHeaderView::down-arrow{
width:10px;
height:10px;
subcontrol-origin:padding;
subcontrol-position:center right;
}

QHeaderView::up-arrow{
image:url({images}sort_up.png);
}

QHeaderView::down-arrow{
image:url({images}sort_down.png);
}

QSizeGrip{
image:url({images}size_grip.png);
width:16px;
height:16px;
}
)";

// Template-form skins draw disabled push buttons on their gradient.
const char *const kTemplateBlock = R"(
.QPushButton:disabled{
color:{buttonDisabled};
}

/* tree branch marks at their own shape, centred: stretched into a short row,
   Qt 6 smooths their thin strokes away */
QTreeView::branch:closed:has-children{
margin:0px;
border-image:none;
image:url({images}tree_closed.png);
}

QTreeView::branch:open:has-children{
margin:0px;
border-image:none;
image:url({images}tree_open.png);
}
)";

// Classic-form skins draw group-box titles over the first child.
const char *const kClassicBlock = R"(
/* group-box titles above the frame instead of over the first child */
.QGroupBox{
margin-top:2ex;
padding-top:1ex;
}

.QGroupBox::title{
subcontrol-origin:margin;
subcontrol-position:top left;
left:8px;
padding:0px 3px;
}
)";

// `colour`, made readable on each of `backgrounds` in turn; two rounds,
// since a later step can undo a little of an earlier one.
QColor readableOnAll(QColor colour, const QVector<QColor> &backgrounds, double ratio)
{
    for (int round = 0; round < 2; ++round) {
        for (const QColor &background : backgrounds)
            colour = readableOn(colour, background, ratio);
    }
    return colour;
}

// What text on buttons, tool bars, dock titles, headers and tabs lies on:
// both gradients and, in the template form, the panel under selected tabs.
QVector<QColor> barBackgrounds(const SkinColours &c)
{
    QVector<QColor> backgrounds = {c.button[0], c.button[1], c.hover[0], c.hover[1]};
    if (!c.classic)
        backgrounds.append(c.panel);
    return backgrounds;
}

QString gradient(const QColor &top, const QColor &bottom)
{
    return QStringLiteral("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 %1,stop:1 %2)")
        .arg(top.name().toUpper(), bottom.name().toUpper());
}

// The colours of the marks the block's images draw.
struct MarkColours
{
    QColor onBar;       // dock and tab buttons, tool-button and sort arrows
    QColor onMenu;      // submenu arrows
    QColor onPanel;     // the size grip and the view indicator frame
    QColor tick;        // view indicator mark
};

MarkColours markColours(const SkinColours &c)
{
    return {readableOnAll(c.buttonText, barBackgrounds(c), 3.0), readableOn(c.menuText, c.menuBack, 3.0),
            readableOn(c.border, c.panel, 3.0), readableOn(c.text, c.panel, 4.5)};
}

QImage drawn(int width, int height, int scale, const std::function<void(QPainter &)> &paint)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::function<void(QPainter &)> cross(const QColor &colour, qreal from, qreal to)
{
    return [=](QPainter &p) {
        p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(from, from), QPointF(to, to));
        p.drawLine(QPointF(from, to), QPointF(to, from));
    };
}

std::function<void(QPainter &)> triangle(const QColor &colour, const QPolygonF &points)
{
    return [=](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(points);
    };
}

std::function<void(QPainter &)> floatSign(const QColor &colour)
{
    return [=](QPainter &p) {
        p.setPen(QPen(colour, 1.5));
        p.drawRect(QRectF(2.75, 3.75, 6.5, 5.5));
        p.fillRect(QRectF(2, 2, 8, 2.5), colour);
    };
}

std::function<void(QPainter &)> sizeGrip(const QColor &colour)
{
    return [=](QPainter &p) {
        for (int row = 0; row < 3; ++row) {
            for (int column = 2 - row; column < 3; ++column)
                p.fillRect(QRectF(4 + 4 * column, 4 + 4 * row, 2, 2), colour);
        }
    };
}

} // namespace

std::optional<SkinColours> sheetColours(const QString &sheet, const QString &style)
{
    const std::optional<QStringList> trailer = parseColorTrailer(withoutCoverage(sheet));
    if (trailer)
        return skinColours(*trailer);
    const ClassicSkin *classic = style.isEmpty() ? findClassicSkinIn(sheet) : findClassicSkin(style);
    return classic ? classicSkinColours(classic->style) : std::nullopt;
}

QString coverageBlock(const SkinColours &c, const QString &imagePrefix)
{
    const QColor buttonMiddle = mixColors(c.button[0], c.button[1], 0.5);
    const QHash<QString, QString> values = {
        {"panel", c.panel.name().toUpper()},
        {"text", readableOn(c.text, c.panel, 4.5).name().toUpper()},
        {"border", c.border.name().toUpper()},
        {"disabled", readableOn(mixColors(c.text, c.panel, 0.5), c.panel, 3.0).name().toUpper()},
        {"menuDisabled", readableOn(mixColors(c.menuText, c.menuBack, 0.5), c.menuBack, 3.0).name().toUpper()},
        {"buttonDisabled", readableOnAll(mixColors(c.buttonText, buttonMiddle, 0.5), {c.button[0], c.button[1]}, 3.0)
                               .name().toUpper()},
        {"buttonText", readableOnAll(c.buttonText, barBackgrounds(c), 4.5).name().toUpper()},
        {"buttonGradient", gradient(c.button[0], c.button[1])},
        {"hover", c.hover[0].name().toUpper()},
        {"images", imagePrefix},
    };
    QString text = QString::fromUtf8(kBlock) + QString::fromUtf8(c.classic ? kClassicBlock : kTemplateBlock);
    static const QRegularExpression slot(QStringLiteral("\\{(\\w+)\\}"));
    QString out;
    int last = 0;
    auto it = slot.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += values.value(m.captured(1), m.captured(0));
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

QVector<NamedImage> coverageImages(const SkinColours &colours)
{
    const MarkColours m = markColours(colours);
    const struct
    {
        const char *name;
        int width;
        int height;
        std::function<void(QPainter &)> paint;
    } images[] = {
        {"dock_close", 12, 12, cross(m.onBar, 3, 9)},
        {"dock_float", 12, 12, floatSign(m.onBar)},
        {"tab_close", 12, 12, cross(m.onBar, 3, 9)},
        {"menu_down", 10, 10, triangle(m.onBar, QPolygonF({{1.5, 3}, {8.5, 3}, {5, 7.5}}))},
        {"menu_right", 10, 10, triangle(m.onMenu, QPolygonF({{3, 1.5}, {3, 8.5}, {7.5, 5}}))},
        {"sort_up", 10, 10, triangle(m.onBar, QPolygonF({{1.5, 7}, {8.5, 7}, {5, 2.5}}))},
        {"sort_down", 10, 10, triangle(m.onBar, QPolygonF({{1.5, 3}, {8.5, 3}, {5, 7.5}}))},
        {"size_grip", 16, 16, sizeGrip(m.onPanel)},
    };
    // The view indicators are the skin's check boxes, drawn to show on the panel.
    const struct
    {
        const char *name;
        const char *checkBox;
    } indicators[] = {{"view_unchecked", "checkbox_unchecked.png"},
                      {"view_checked", "checkbox_checked.png"},
                      {"view_partial", "checkbox_parcial.png"}};
    QVector<NamedImage> out;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (const auto &image : images)
            out.append({QLatin1String(image.name) + suffix, drawn(image.width, image.height, scale, image.paint)});
        const QVector<NamedImage> boxes = indicatorSet({m.tick, colours.panel, m.onPanel, m.tick, m.onPanel}, scale);
        for (const auto &indicator : indicators) {
            for (const NamedImage &box : boxes) {
                if (box.name == QLatin1String(indicator.checkBox))
                    out.append({QLatin1String(indicator.name) + suffix, box.image});
            }
        }
        // The tree's branch marks, "+" when closed, in the colour of marks on the panel.
        for (const NamedImage &mark : indicatorSet({m.onPanel, colours.panel, m.onPanel}, scale)) {
            if (mark.name == QLatin1String("branch_open.png"))
                out.append({QStringLiteral("tree_closed") + suffix, mark.image});
            if (mark.name == QLatin1String("branch_close.png"))
                out.append({QStringLiteral("tree_open") + suffix, mark.image});
        }
    }
    return out;
}

QString appendCoverage(const QString &sheet, const QString &block)
{
    const QString end = sheet.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString lines = block;
    lines.replace(QLatin1Char('\n'), end);
    const bool ended = sheet.isEmpty() || sheet.endsWith(QLatin1Char('\n'));
    return sheet + (ended ? QString() : end) + end + lines;
}

QString withoutCoverage(const QString &sheet)
{
    const int at = sheet.indexOf(kMarker);
    if (at < 0)
        return sheet;
    // appendCoverage() put one empty line before the block.
    QString before = sheet.left(at);
    before.chop(before.endsWith(QLatin1String("\r\n")) ? 2 : before.endsWith(QLatin1Char('\n')) ? 1 : 0);
    return before;
}
