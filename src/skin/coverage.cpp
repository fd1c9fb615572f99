#include "coverage.h"

#include "classicslots.h"
#include "colorroles.h"
#include "coveragecolours.h"

#include <QHash>
#include <QRegularExpression>

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
.QPushButton,.QToolButton,QToolBox::tab{
color:{buttonText};
}

QHeaderView::section,QTabBar::tab{
color:{tabText};
}

QTabBar::tab:selected,QTabBar::tab:hover{
color:{selectedTabText};
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

/* check boxes, radio buttons and the check marks of group boxes and views:
   every state drawn to show on the panel, disabled ones on a shaded face */
QCheckBox::indicator:unchecked,QGroupBox::indicator:unchecked,QAbstractItemView::indicator:unchecked{
image:url({images}check_unchecked.png);
}

QCheckBox::indicator:checked,QGroupBox::indicator:checked,QAbstractItemView::indicator:checked{
image:url({images}check_checked.png);
}

QCheckBox::indicator:indeterminate,QGroupBox::indicator:indeterminate,QAbstractItemView::indicator:indeterminate{
image:url({images}check_partial.png);
}

QCheckBox::indicator:unchecked:disabled,QGroupBox::indicator:unchecked:disabled,QAbstractItemView::indicator:unchecked:disabled{
image:url({images}check_unchecked_disabled.png);
}

QCheckBox::indicator:checked:disabled,QGroupBox::indicator:checked:disabled,QAbstractItemView::indicator:checked:disabled{
image:url({images}check_checked_disabled.png);
}

QCheckBox::indicator:indeterminate:disabled,QGroupBox::indicator:indeterminate:disabled,QAbstractItemView::indicator:indeterminate:disabled{
image:url({images}check_partial_disabled.png);
}

QAbstractItemView::indicator{
width:13px;
height:13px;
}

QRadioButton::indicator:unchecked{
image:url({images}radio_unchecked.png);
}

QRadioButton::indicator:checked{
image:url({images}radio_checked.png);
}

QRadioButton::indicator:unchecked:disabled{
image:url({images}radio_unchecked_disabled.png);
}

QRadioButton::indicator:checked:disabled{
image:url({images}radio_checked_disabled.png);
}

/* view items readable on plain, alternate and selected rows; disabled ones too */
QAbstractItemView::item{
color:{text};
}

QAbstractItemView::item:alternate{
color:{alternateText};
}

QAbstractItemView::item:selected,QAbstractItemView::item:alternate:selected{
color:{selectedText};
}

QAbstractItemView::item:disabled{
color:{disabled};
}

QAbstractItemView::item:alternate:disabled{
color:{alternateDisabled};
}

/* arrows of combo boxes and spin boxes, slider and scroll-bar handles */
QComboBox::down-arrow,QDateEdit[calendarPopup="true"]::down-arrow,QTimeEdit[calendarPopup="true"]::down-arrow,
QDateTimeEdit[calendarPopup="true"]::down-arrow{
image:url({images}arrow_down.png);
width:10px;
height:10px;
}

QAbstractSpinBox::up-arrow{
image:url({images}arrow_up.png);
width:10px;
height:10px;
}

QAbstractSpinBox::down-arrow{
image:url({images}arrow_down.png);
width:10px;
height:10px;
}

QSlider::handle:horizontal,QSlider::handle:vertical,QScrollBar::handle:horizontal,QScrollBar::handle:vertical{
background:{handle};
}

/* tree branches, calendar month arrows and tool-button arrows; the branch
   marks at their own shape, centred: stretched into a short row, Qt 6
   smooths their thin strokes away */
QTreeView::branch:closed:has-children{
margin:0px;
border-image:none;
image:url({images}branch_collapsed.png);
}

QTreeView::branch:open:has-children{
margin:0px;
border-image:none;
image:url({images}branch_expanded.png);
}

QToolButton#qt_calendar_prevmonth{
image:url({images}month_previous.png);
}

QToolButton#qt_calendar_nextmonth{
image:url({images}month_next.png);
}

.QToolButton::down-arrow{
image:url({images}menu_down.png);
}

/* selected text in editors, and the text of progress bars, on and off the bar */
QTextEdit,QPlainTextEdit,QLineEdit,QAbstractSpinBox,QComboBox{
selection-background-color:{high};
selection-color:{onHigh};
}

QProgressBar{
color:{progressText};
background:{groove};
}

/* the filled part of progress bars 3:1 on their groove */
QProgressBar::chunk{
background-color:{chunk};
}

QProgressBar:disabled{
color:{progressDisabled};
}

/* LCD numbers in the text colour: the light and dark shades of the panel
   that outline their segments stand too close to it */
QLCDNumber{
qproperty-segmentStyle:Flat;
color:{text};
}

/* scroll areas (with contents named as Designer names them) and column
   views keep the panel even without the palette */
QScrollArea,#qt_scrollarea_viewport,#scrollAreaWidgetContents,QColumnView{
background:{panel};
color:{text};
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

/* the extension button of a tool bar too short for its actions */
QToolBarExtension{
qproperty-icon:url({images}toolbar_more.png);
}

/* disabled tabs */
QTabBar::tab:disabled{
color:{tabDisabled};
}

/* MDI areas and their sub-windows */
QMdiArea{
qproperty-background:{mdiBack};
}

/* Qt draws a styled title's text on white, in the sub-window's own colour */
QMdiSubWindow{
background:{panel};
color:{onWhite};
}

QMdiSubWindow::title{
background:{buttonGradient};
height:20px;
}

QMdiSubWindow::close-button{
image:url({images}dock_close.png);
}

QMdiSubWindow::minimize-button{
image:url({images}title_minimize.png);
}

QMdiSubWindow::maximize-button{
image:url({images}title_maximize.png);
}

QMdiSubWindow::normal-button{
image:url({images}dock_float.png);
}

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

/* keyboard focus: a ring in the highlight's hue, in the place of a border or
   drawn inside the widget, so that nothing moves when the focus does */
.QToolButton:focus,QComboBox:focus,QAbstractSpinBox:focus,QLineEdit:focus,QTextEdit:focus,QPlainTextEdit:focus,
QAbstractItemView:focus{
border-color:{focus};
}

.QPushButton:focus{
outline:1px solid {focusOnButton};
border-color:{focusOnButton};
}

QCheckBox:focus,QRadioButton:focus{
outline:1px solid {focusOnPanel};
}

QTabBar:focus{
outline:1px solid {focusOnTab};
}

QSlider::handle:focus{
background:{focusHandle};
}

/* checked buttons on the dark gradient with an edge in the highlight's hue,
   unlike pressed and hovered ones */
.QPushButton:checked,.QToolButton:checked{
background:{hoverGradient};
border-color:{checkedEdge};
}
)";

// Template-form skins draw disabled push buttons on their gradient (some
// variants on the panel: the block keeps them on the gradient), and frame
// progress bars in their groove's colour, over which the text of a narrow
// bar runs.
const char *const kTemplateBlock = R"(
.QPushButton:disabled{
color:{buttonDisabled};
background:{buttonGradient};
}

QProgressBar{
border-color:{groove};
}
)";

// Classic-form skins leave alternate rows to the palette,
// pad list items more than their rows are high, so that a selected row
// covers half of the next one, and keep Qt's month arrows in its calendar.
const char *const kClassicBlock = R"(
QAbstractItemView{
alternate-background-color:{alternateBack};
}

QListView::item{
padding:1px 5px;
}

QToolButton#qt_calendar_prevmonth{
qproperty-icon:url({images}month_previous.png);
}

QToolButton#qt_calendar_nextmonth{
qproperty-icon:url({images}month_next.png);
}

/* segments of vertical progress bars; the borders of focused and checked
   tool buttons, which these skins draw without one (one in the face's
   colours otherwise, so that a button keeps its size when it takes one), and of text edits in
   the border colour, so that focus shows on them */
QProgressBar::chunk:vertical{
height:5px;
}

.QToolButton{
border:1px solid;
border-color:{buttonGradient};
}

.QToolButton:focus{
border:1px solid {focusOnFace};
}

QTextEdit{
border-color:{border};
}

.QToolButton:checked{
border:1px solid {checkedFace};
}
)";

QString gradient(const QColor &top, const QColor &bottom)
{
    return QStringLiteral("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 %1,stop:1 %2)")
        .arg(top.name().toUpper(), bottom.name().toUpper());
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
    const CoverageColours k = coverageColours(c);
    auto name = [](const QColor &colour) { return colour.name().toUpper(); };
    const QHash<QString, QString> values = {
        {"panel", name(c.panel)},
        {"text", name(k.text)},
        {"border", name(c.border)},
        {"disabled", name(k.disabled)},
        {"menuDisabled", name(k.menuDisabled)},
        {"buttonDisabled", name(k.buttonDisabled)},
        {"buttonText", name(k.buttonText)},
        {"tabText", name(k.tabText)},
        {"selectedTabText", name(k.selectedTabText)},
        {"tabDisabled", name(k.tabDisabled)},
        {"alternateText", name(k.alternateText)},
        {"alternateDisabled", name(k.alternateDisabled)},
        {"selectedText", name(k.selectedText)},
        {"handle", name(k.handle)},
        {"alternateBack", name(k.alternateBack)},
        {"mdiBack", name(k.mdiBack)},
        {"high", name(c.high)},
        {"onWhite", name(k.onWhite)},
        {"onHigh", name(k.onHigh)},
        {"progressText", name(k.progressText)},
        {"progressDisabled", name(k.progressDisabled)},
        {"groove", name(k.groove)},
        {"chunk", name(k.chunk)},
        {"focus", name(k.focus)},
        {"focusOnButton", name(k.focusOnButton)},
        {"focusOnFace", name(k.focusOnFace)},
        {"focusOnPanel", name(k.focusOnPanel)},
        {"focusOnTab", name(k.focusOnTab)},
        {"focusHandle", name(k.focusHandle)},
        {"checkedEdge", name(k.checkedEdge)},
        {"checkedFace", name(k.checkedFace)},
        {"hoverGradient", gradient(c.hover[0], c.hover[1])},
        {"buttonGradient", gradient(c.button[0], c.button[1])},
        {"hover", name(c.hover[0])},
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
