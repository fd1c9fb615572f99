#include "stylerules.h"

namespace {

const QString kNormal = QStringLiteral(
    "qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #C4,stop:1 #C5)");
const QString kDark = QStringLiteral(
    "qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #C6,stop:1 #C7)");
const QString kHandle = QStringLiteral(
    "qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0.6 #C2,stop:0.8 #C3)");

const QStringList kEditors = {
    "QLineEdit", "QTextEdit", "QPlainTextEdit", "QSpinBox", "QDoubleSpinBox",
    "QComboBox", "QDateEdit", "QTimeEdit", "QDateTimeEdit"};
const QStringList kIndicators = {
    "QCheckBox::indicator", "QGroupBox::indicator", "QTreeWidget::indicator",
    "QListWidget::indicator"};
const QStringList kSpins = {
    "QTimeEdit", "QDateEdit", "QDateTimeEdit", "QDoubleSpinBox", "QSpinBox"};
const QStringList kCalendarButtons = {
    "QToolButton#qt_calendar_prevmonth", "QToolButton#qt_calendar_nextmonth",
    "QToolButton#qt_calendar_monthbutton", "QToolButton#qt_calendar_yearbutton"};
const QStringList kTableEditors = {
    "QTableView QLineEdit", "QTableView QComboBox", "QTableView QSpinBox",
    "QTableView QDoubleSpinBox", "QTableView QDateEdit", "QTableView QTimeEdit",
    "QTableView QDateTimeEdit"};

QStringList suffixed(const QStringList &list, const QString &suffix)
{
    QStringList out;
    for (const QString &s : list)
        out << s + suffix;
    return out;
}

QString bg(const QString &value) { return QStringLiteral("background:") + value; }

} // namespace

QVector<StyleRule> templateRules(const TemplateVariant &v)
{
    const QString img = QStringLiteral("image:url(:/qss/") + v.imageDir + QLatin1Char('/');
    const QString borderImg = QStringLiteral("border-image:url(:/qss/") + v.imageDir + QLatin1Char('/');
    const QString selBg = v.editorSelectionBackground.isEmpty()
        ? QStringLiteral("#C4") : v.editorSelectionBackground;
    const QString selFg = v.editorSelectionColor.isEmpty()
        ? QStringLiteral("#C1") : v.editorSelectionColor;

    QVector<StyleRule> r;
    // Base, property forms and navigation strips.
    r << StyleRule{{"QPalette"}, {"background:#C2"}}
      << StyleRule{{"*"}, {"outline:0px", "color:#C1"}}
      << StyleRule{{"QWidget[form=\"true\"]", "QLabel[frameShape=\"1\"]"},
                   {"border:1px solid #C3", "border-radius:0px"}}
      << StyleRule{{"QWidget[form=\"bottom\"]"}, {"background:#C4"}}
      << StyleRule{{"QWidget[form=\"bottom\"] .QFrame"}, {"border:1px solid #C1"}}
      << StyleRule{{"QWidget[form=\"bottom\"] QLabel", "QWidget[form=\"title\"] QLabel"},
                   {"border-radius:0px", "color:#C1", "background:none", "border-style:none"}}
      << StyleRule{{"QWidget[form=\"title\"]", "QWidget[nav=\"left\"]", "QWidget[nav=\"top\"] QAbstractButton"},
                   {"border-style:none", "border-radius:0px", "padding:5px", "color:#C1", bg(kNormal)}}
      << StyleRule{{"QWidget[nav=\"top\"] QAbstractButton:hover", "QWidget[nav=\"top\"] QAbstractButton:pressed",
                    "QWidget[nav=\"top\"] QAbstractButton:checked"},
                   {"border-style:solid", "border-width:0px 0px 2px 0px", "padding:4px 4px 2px 4px",
                    "border-color:#C8", bg(kDark)}}
      << StyleRule{{"QWidget[nav=\"left\"] QAbstractButton"},
                   {"border-radius:0px", "color:#C1", "background:none", "border-style:none"}}
      << StyleRule{{"QWidget[nav=\"left\"] QAbstractButton:hover"},
                   {"color:#FFFFFF", "background-color:#C8"}}
      << StyleRule{{"QWidget[nav=\"left\"] QAbstractButton:checked", "QWidget[nav=\"left\"] QAbstractButton:pressed"},
                   {"color:#C1", "border-style:solid", "border-width:0px 0px 0px 2px",
                    "padding:4px 4px 4px 2px", "border-color:#C8", "background-color:#C2"}}
      << StyleRule{{"QWidget[video=\"true\"] QLabel"},
                   {"color:#C1", "border:1px solid #C3", bg(kNormal)}}
      << StyleRule{{"QWidget[video=\"true\"] QLabel:focus"},
                   {"border:1px solid #C8", bg(kDark)}};

    // Editors, frames, group boxes and buttons.
    r << StyleRule{kEditors, {"border:1px solid #C3", "border-radius:3px", "padding:2px", "background:none",
                              "selection-background-color:" + selBg, "selection-color:" + selFg}}
      << StyleRule{suffixed(kEditors, ":focus") + suffixed(kEditors, ":hover"), {"border:1px solid #C3"}}
      << StyleRule{{"QLineEdit[echoMode=\"2\"]"}, {"lineedit-password-character:9679"}}
      << StyleRule{{".QFrame"}, {"border:1px solid #C3", "border-radius:3px"}}
      << StyleRule{{".QGroupBox"}, {"border:1px solid #C3", "border-radius:5px", "margin-top:3px"}}
      << StyleRule{{".QGroupBox::title"}, {"subcontrol-origin:margin", "position:relative", "left:10px"}}
      << StyleRule{{".QPushButton", ".QToolButton"},
                   {"border-style:none", "border:1px solid #C3", "color:#C1", "padding:5px", "min-height:15px",
                    "border-radius:5px", bg(kNormal)}}
      << StyleRule{{".QPushButton:hover", ".QToolButton:hover"}, {bg(kDark)}}
      << StyleRule{{".QPushButton:pressed", ".QToolButton:pressed"}, {bg(kNormal)}}
      << StyleRule{{".QToolButton::menu-indicator"}, {"image:None"}}
      << StyleRule{{"QToolButton#btnMenu", "QPushButton#btnMenu_Min", "QPushButton#btnMenu_Max",
                    "QPushButton#btnMenu_Close"},
                   {"border-radius:3px", "color:#C1", "padding:3px", "margin:0px", "background:none",
                    "border-style:none"}}
      << StyleRule{{"QToolButton#btnMenu:hover", "QPushButton#btnMenu_Min:hover", "QPushButton#btnMenu_Max:hover"},
                   {"color:#FFFFFF", "margin:1px 1px 2px 1px", "background-color:rgba(51,127,209,230)"}}
      << StyleRule{{"QPushButton#btnMenu_Close:hover"},
                   {"color:#FFFFFF", "margin:1px 1px 2px 1px", "background-color:rgba(238,0,0,128)"}};

    // Radio and check indicators.
    r << StyleRule{{"QRadioButton::indicator"}, {"width:15px", "height:15px"}}
      << StyleRule{{"QRadioButton::indicator::unchecked"}, {img + "radiobutton_unchecked.png)"}}
      << StyleRule{{"QRadioButton::indicator::unchecked:disabled"}, {img + "radiobutton_unchecked_disable.png)"}}
      << StyleRule{{"QRadioButton::indicator::checked"}, {img + "radiobutton_checked.png)"}}
      << StyleRule{{"QRadioButton::indicator::checked:disabled"}, {img + "radiobutton_checked_disable.png)"}}
      << StyleRule{{"QGroupBox::indicator", "QTreeWidget::indicator", "QListWidget::indicator"},
                   {"padding:0px -3px 0px 0px"}}
      << StyleRule{kIndicators, {"width:13px", "height:13px"}}
      << StyleRule{suffixed(kIndicators, ":unchecked"), {img + "checkbox_unchecked.png)"}}
      << StyleRule{{"QCheckBox::indicator:unchecked:disabled", "QGroupBox::indicator:unchecked:disabled",
                    "QTreeWidget::indicator:unchecked:disabled", "QListWidget::indicator:disabled"},
                   {img + "checkbox_unchecked_disable.png)"}}
      << StyleRule{suffixed(kIndicators, ":checked"), {img + "checkbox_checked.png)"}}
      << StyleRule{suffixed(kIndicators, ":checked:disabled"), {img + "checkbox_checked_disable.png)"}}
      << StyleRule{suffixed(kIndicators, ":indeterminate"), {img + "checkbox_parcial.png)"}}
      << StyleRule{suffixed(kIndicators, ":indeterminate:disabled"), {img + "checkbox_parcial_disable.png)"}};

    // Spin buttons and drop-downs.
    r << StyleRule{suffixed(kSpins, "::up-button"),
                   {img + "add_top.png)", "width:10px", "height:10px", "padding:2px 5px 0px 0px"}}
      << StyleRule{suffixed(kSpins, "::down-button"),
                   {img + "add_bottom.png)", "width:10px", "height:10px", "padding:0px 5px 2px 0px"}}
      << StyleRule{suffixed(kSpins, "::up-button:pressed"), {"top:-2px"}}
      << StyleRule{suffixed(kSpins, "::down-button:pressed") << "QSpinBox::down-button:pressed", {"bottom:-2px"}}
      << StyleRule{{"QComboBox::down-arrow", "QDateEdit[calendarPopup=\"true\"]::down-arrow",
                    "QTimeEdit[calendarPopup=\"true\"]::down-arrow", "QDateTimeEdit[calendarPopup=\"true\"]::down-arrow"},
                   {img + "add_bottom.png)", "width:10px", "height:10px", "right:2px"}}
      << StyleRule{{"QComboBox::drop-down", "QDateEdit::drop-down", "QTimeEdit::drop-down", "QDateTimeEdit::drop-down"},
                   {"subcontrol-origin:padding", "subcontrol-position:top right", "width:15px",
                    "border-left-width:0px", "border-left-style:solid", "border-top-right-radius:3px",
                    "border-bottom-right-radius:3px", "border-left-color:#C3"}}
      << StyleRule{{"QComboBox::drop-down:on"}, {"top:1px"}};

    // Menus, progress bar and sliders.
    r << StyleRule{{"QMenuBar::item"}, {"color:#C1", "background-color:#C4", "margin:0px", "padding:3px 10px"}}
      << StyleRule{{"QMenu", "QMenuBar", "QMenu:disabled", "QMenuBar:disabled"},
                   {"color:#C1", "background-color:#C4", "border:1px solid #C3", "margin:0px"}}
      << StyleRule{{"QMenu::item"}, {"padding:3px 20px"}}
      << StyleRule{{"QMenu::indicator"}, {"width:13px", "height:13px"}}
      << StyleRule{{"QMenu::item:selected", "QMenuBar::item:selected"},
                   {"color:#C1", "border:0px solid #C3", "background:#C6"}}
      << StyleRule{{"QMenu::separator"}, {"height:1px", "background:#C3"}}
      << StyleRule{{"QProgressBar"}, {"min-height:10px", "background:#C4", "border-radius:5px",
                                      "text-align:center", "border:1px solid #C4"}}
      << StyleRule{{"QProgressBar:chunk"}, {"border-radius:5px", "background-color:#C3"}}
      << StyleRule{{"QSlider::groove:horizontal"}, {"background:#C4", "height:8px", "border-radius:4px"}}
      << StyleRule{{"QSlider::add-page:horizontal"}, {"background:#C4", "height:8px", "border-radius:4px"}}
      << StyleRule{{"QSlider::sub-page:horizontal"}, {"background:#C3", "height:8px", "border-radius:4px"}}
      << StyleRule{{"QSlider::handle:horizontal"},
                   {"width:13px", "margin-top:-3px", "margin-bottom:-3px", "border-radius:6px", bg(kHandle)}}
      << StyleRule{{"QSlider::groove:vertical"}, {"width:8px", "border-radius:4px", "background:#C4"}}
      << StyleRule{{"QSlider::add-page:vertical"}, {"width:8px", "border-radius:4px", "background:#C4"}}
      << StyleRule{{"QSlider::sub-page:vertical"}, {"width:8px", "border-radius:4px", "background:#C3"}}
      << StyleRule{{"QSlider::handle:vertical"},
                   {"height:14px", "margin-left:-3px", "margin-right:-3px", "border-radius:6px", bg(kHandle)}};

    // Scroll bars and scroll area.
    for (const QString &orient : {QStringLiteral("horizontal"), QStringLiteral("vertical")}) {
        const bool h = orient == QLatin1String("horizontal");
        r << StyleRule{{"QScrollBar:" + orient},
                       {"background:#C4", "padding:0px", "border-radius:6px",
                        h ? "max-height:12px" : "max-width:12px"}}
          << StyleRule{{"QScrollBar::handle:" + orient},
                       {"background:#C3", h ? "min-width:50px" : "min-height:50px", "border-radius:6px"}}
          << StyleRule{{"QScrollBar::handle:" + orient + ":hover"}, {"background:#C8"}}
          << StyleRule{{"QScrollBar::handle:" + orient + ":pressed"}, {"background:#C8"}};
        for (const char *part : {"add-page", "sub-page", "add-line", "sub-line"})
            r << StyleRule{{"QScrollBar::" + QLatin1String(part) + ":" + orient}, {"background:none"}};
    }
    r << StyleRule{{"QScrollArea"}, {"border:0px"}};

    // Item views, headers and tab bars.
    r << StyleRule{{"QTreeView", "QListView", "QTableView", "QTabWidget::pane"},
                   {"border:1px solid #C3", "selection-background-color:#C6", "selection-color:#C1",
                    "alternate-background-color:#C7", "gridline-color:#C3"}}
      << StyleRule{{"QTreeView::branch:closed:has-children"}, {"margin:4px", borderImg + "branch_open.png)"}}
      << StyleRule{{"QTreeView::branch:open:has-children"}, {"margin:4px", borderImg + "branch_close.png)"}}
      << StyleRule{{"QTreeView", "QListView", "QTableView", "QSplitter::handle", "QTreeView::branch"},
                   {"background:#C2"}}
      << StyleRule{{"QTableView::item:selected", "QListView::item:selected", "QTreeView::item:selected"},
                   {"color:#C1", bg(kNormal)}}
      << StyleRule{{"QTableView::item:hover", "QListView::item:hover", "QTreeView::item:hover", "QHeaderView"},
                   {"color:#C1", bg(kDark)}}
      << StyleRule{{"QTableView::item", "QListView::item", "QTreeView::item"}, {"padding:1px", "margin:0px"}}
      << StyleRule{{"QHeaderView::section", "QTableCornerButton:section"},
                   {"padding:3px", "margin:0px", "color:#C1", "border:1px solid #C3", "border-left-width:0px",
                    "border-right-width:1px", "border-top-width:0px", "border-bottom-width:1px", bg(kDark)}}
      << StyleRule{{"QTabBar::tab"}, {"border:1px solid #C3", "color:#C1", "margin:0px", bg(kDark)}}
      << StyleRule{{"QTabBar::tab:selected", "QTabBar::tab:hover"},
                   {"border-style:solid", "border-color:#C8", "background:#C2"}}
      << StyleRule{{"QTabBar::tab:top", "QTabBar::tab:bottom"}, {"padding:3px 8px 3px 8px"}}
      << StyleRule{{"QTabBar::tab:left", "QTabBar::tab:right"}, {"padding:8px 3px 8px 3px"}}
      << StyleRule{{"QTabBar::tab:top:selected", "QTabBar::tab:top:hover"}, {"border-width:2px 0px 0px 0px"}}
      << StyleRule{{"QTabBar::tab:right:selected", "QTabBar::tab:right:hover"}, {"border-width:0px 0px 0px 2px"}}
      << StyleRule{{"QTabBar::tab:bottom:selected", "QTabBar::tab:bottom:hover"}, {"border-width:0px 0px 2px 0px"}}
      << StyleRule{{"QTabBar::tab:left:selected", "QTabBar::tab:left:hover"}, {"border-width:0px 2px 0px 0px"}};
    const struct { const char *pos; const char *sides[2]; const char *edge; } tabEnds[] = {
        {"first", {"top", "bottom"}, "left"},
        {"first", {"left", "right"}, "top"},
        {"last", {"top", "bottom"}, "right"},
        {"last", {"left", "right"}, "bottom"},
    };
    for (const auto &t : tabEnds) {
        QStringList sel;
        for (const char *side : t.sides) {
            const QString base = QStringLiteral("QTabBar::tab:%1:%2").arg(QLatin1String(t.pos), QLatin1String(side));
            sel << base + ":selected" << base + ":hover";
        }
        r << StyleRule{sel, {QStringLiteral("border-%1-width:1px").arg(QLatin1String(t.edge)),
                             QStringLiteral("border-%1-color:#C3").arg(QLatin1String(t.edge))}};
    }

    // Status bar, tool boxes, tool tips, dialogs and the calendar.
    r << StyleRule{{"QStatusBar::item"}, {"border:0px solid #C4", "border-radius:3px"}}
      << StyleRule{{"QToolBox::tab", "QGroupBox#gboxDevicePanel", "QGroupBox#gboxDeviceTitle",
                    "QFrame#gboxDevicePanel", "QFrame#gboxDeviceTitle"},
                   {"padding:3px", "border-radius:5px", "color:#C1", bg(kNormal)}}
      << StyleRule{{"QToolTip"}, {"border:0px solid #C1", "padding:1px", "color:#C1", bg(kNormal)}}
      << StyleRule{{"QToolBox::tab:selected"}, {bg(kDark)}}
      << StyleRule{{"QPrintPreviewDialog QToolButton"},
                   {"border:0px solid #C1", "border-radius:0px", "margin:0px", "padding:3px", "background:none"}}
      << StyleRule{{"QColorDialog QPushButton", "QFileDialog QPushButton"}, {"min-width:80px"}}
      << StyleRule{{"QToolButton#qt_calendar_prevmonth"},
                   {"icon-size:0px", "min-width:20px", img + "calendar_prevmonth.png)"}}
      << StyleRule{{"QToolButton#qt_calendar_nextmonth"},
                   {"icon-size:0px", "min-width:20px", img + "calendar_nextmonth.png)"}}
      << StyleRule{kCalendarButtons, {"border:0px solid #C1", "border-radius:3px", "margin:3px 3px 3px 3px",
                                      "padding:3px", "background:none"}}
      << StyleRule{suffixed(kCalendarButtons, ":hover") + suffixed(kCalendarButtons, ":pressed"),
                   {"border:1px solid #C3"}}
      << StyleRule{{"QCalendarWidget QSpinBox#qt_calendar_yearedit"}, {"margin:2px"}}
      << StyleRule{{"QCalendarWidget QToolButton::menu-indicator"}, {"image:None"}}
      << StyleRule{{"QCalendarWidget QTableView"}, {"border-width:0px"}}
      << StyleRule{{"QCalendarWidget QWidget#qt_calendar_navigationbar"},
                   {"border:1px solid #C3", "border-width:1px 1px 0px 1px", bg(kNormal)}};

    // Item-view editors and final overrides.
    r << StyleRule{{"QComboBox QAbstractItemView::item"}, {"min-height:20px", "min-width:10px"}}
      << StyleRule{{"QTableView[model=\"true\"]::item"}, {"padding:0px", "margin:0px"}}
      << StyleRule{kTableEditors, {"border-width:0px", "border-radius:0px"}}
      << StyleRule{suffixed(kTableEditors, ":focus"), {"border-width:0px", "border-radius:0px"}}
      << StyleRule{kEditors, {"background:#C2"}}
      << StyleRule{{"QTabWidget::pane:top"}, {"top:-1px"}}
      << StyleRule{{"QTabWidget::pane:bottom"}, {"bottom:-1px"}}
      << StyleRule{{"QTabWidget::pane:left"}, {"right:-1px"}}
      << StyleRule{{"QTabWidget::pane:right"}, {"left:-1px"}}
      << StyleRule{{"*:disabled"}, {"background:#C2", "border-color:#C4", "color:#C3"}};
    return r;
}

namespace {

QString inlineRule(const StyleRule &rule)
{
    QString s = rule.selectors.join(QLatin1Char(',')) + QLatin1Char('{');
    for (const QString &d : rule.declarations)
        s += d + QLatin1Char(';');
    return s + QLatin1Char('}');
}

void appendBlock(QStringList &lines, const StyleRule &rule)
{
    lines << rule.selectors.join(QLatin1Char(',')) + QLatin1Char('{');
    for (const QString &d : rule.declarations)
        lines << d + QLatin1Char(';');
    lines << QStringLiteral("}");
}

} // namespace

QByteArray templateText(const TemplateVariant &variant)
{
    const QVector<StyleRule> rules = templateRules(variant);
    QStringList lines;
    // Rules 1 and 2 share the first line.
    lines << inlineRule(rules.at(0)) + inlineRule(rules.at(1)) << QString();
    for (int i = 2; i < 118; ++i) {
        appendBlock(lines, rules.at(i));
        // The gap after the spin-button "pressed" rule holds two blanks.
        lines << (i == 41 ? QStringLiteral("  ") : QString());
    }
    for (int i = 118; i < 122; ++i)
        lines << inlineRule(rules.at(i));
    lines << QString();
    appendBlock(lines, rules.at(122));
    lines << QString();
    static const char *const keys[] = {"TextColor", "PanelColor", "BorderColor", "NormalColorStart",
                                       "NormalColorEnd", "DarkColorStart", "DarkColorEnd", "HighColor"};
    for (int n = 0; n < 8; ++n)
        lines << QStringLiteral("/*%1:#C%2*/").arg(QLatin1String(keys[n])).arg(n + 1);

    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

