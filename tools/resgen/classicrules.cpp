#include "stylerules.h"

#include <QRegularExpression>

namespace {

const QString kG = QStringLiteral(
    "qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 {K4},stop:1 {K5})");
const QString kH = QStringLiteral(
    "qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 {K8},stop:1 {K9})");
const QString kHandle = QStringLiteral(
    "qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0.6 {K18},stop:0.8 {K19})");
const QString kFlatBar = QStringLiteral(
    "qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 {K1}, stop: 1.0 {K1})");

const QStringList kNavLabels = {
    "QLabel#labfrmData", "QLabel#labfrmHost", "QLabel#labfrmDefence", "QLabel#labfrmIPCGroup",
    "QLabel#labfrmIPC", "QLabel#labfrmIPCLink", "QLabel#labfrmVideoPlayBack", "QLabel#labfrmConfig",
    "QLabel#labCheckAllStatus", "QLabel#labfrmExit"};

QString bg(const QString &value) { return QStringLiteral("background:") + value; }

QStringList hovered(const QStringList &list)
{
    QStringList out;
    for (const QString &s : list)
        out << s + QStringLiteral(":hover");
    return out;
}

// Declarations of a scroll-bar arrow button drawn from a classic image.
QStringList arrowButton(const char *position, const char *image)
{
    return {QStringLiteral("height:10px"), QStringLiteral("width:10px"),
            QStringLiteral("subcontrol-position:%1").arg(QLatin1String(position)),
            QStringLiteral("subcontrol-origin:margin"),
            QStringLiteral("border-image:url(:/qss/classic/%1)").arg(QLatin1String(image))};
}

} // namespace

QVector<StyleRule> classicRules()
{
    const QString videoLabel = QStringLiteral("QLabel[labVideo=\"true\"]");
    const StyleRule video{{videoLabel}, {"color:{K6}", "border:1px solid {K7}", bg(kG)}};
    const StyleRule videoFocus{{videoLabel + ":focus"}, {"border:1px solid #FF0000", bg(kH)}};

    QVector<StyleRule> r;
    r << StyleRule{{"QPalette"}, {"background:{K1}"}}
      << StyleRule{{"QWidget#frmMain", "QWidget[Form=\"true\"]"}, {"border:1px solid {K2}", "border-radius:0px"}}
      << StyleRule{{".QFrame"}, {"border:1px solid {K3}", "border-radius:5px"}}
      << StyleRule{{"QWidget#frmInput"}, {bg(kG)}}
      << video << videoFocus
      << StyleRule{{"QWidget#widget_title", "QToolBar"}, {bg(kG)}}
      << StyleRule{{"QLabel"}, {"color:{K10}"}}
      << StyleRule{{"QLabel#lab_Ico", "QLabel#lab_Title"},
                   {"border-radius:0px", "color:{K6}", "background-color:rgba(0,0,0,0)", "border-style:none"}}
      << StyleRule{kNavLabels, {"padding:5px", "color:{K6}", bg(kG)}}
      << StyleRule{hovered(kNavLabels), {bg(kH)}}
      << video << videoFocus
      << StyleRule{{"QTextEdit"}, {"border:1px solid #32435E", "border-radius:3px"}}
      << StyleRule{{"QLineEdit", "QSpinBox", "QDoubleSpinBox"},
                   {"border:1px solid {K3}", "border-radius:5px", "padding:2px", "background:none",
                    "selection-background-color:{K4}", "selection-color:{K6}"}}
      << StyleRule{{"QLineEdit[echoMode=\"2\"]"}, {"lineedit-password-character:9679"}}
      << StyleRule{{".QGroupBox"}, {"border:1px solid {K3}", "border-radius:5px"}}
      << StyleRule{{".QToolButton"},
                   {"border-style:none", "color:{K6}", "padding:5px", "min-height:15px", "min-width:30px",
                    "border-radius:5px", bg(kG)}}
      << StyleRule{{".QToolButton:hover"}, {"border:1px solid {K3}", bg(kH)}}
      << StyleRule{{".QPushButton"},
                   {"border-style:none", "border:1px solid {K3}", "color:{K6}", "padding:5px", "min-height:20px",
                    "border-radius:5px", bg(kG)}}
      << StyleRule{{".QPushButton[focusPolicy=\"0\"]"},
                   {"border-style:none", "border:1px solid {K3}", "color:{K6}", "padding:0px", "min-height:10px",
                    "border-radius:3px", bg(kG)}}
      << StyleRule{{".QPushButton:hover"}, {bg(kH)}}
      << StyleRule{{".QPushButton:pressed"}, {bg(kG)}}
      << StyleRule{{".QPushButton:disabled"}, {"color:#838383", "background:#F4F4F4"}}
      << StyleRule{{"QPushButton#btnMenu", "QPushButton#btnMenu_Min", "QPushButton#btnMenu_Max",
                    "QPushButton#btnMenu_Close"},
                   {"border-radius:0px", "color:{K6}", "background-color:rgba(0,0,0,0)", "border-style:none"}}
      << StyleRule{{"QPushButton#btnMenu:hover", "QPushButton#btnMenu_Min:hover", "QPushButton#btnMenu_Max:hover"},
                   {"background-color:qlineargradient(spread:pad,x1:0,y1:1,x2:0,y2:0,"
                    "stop:0 rgba(25,134,199,0),stop:1 {K8})"}}
      << StyleRule{{"QPushButton#btnMenu_Close:hover"},
                   {"background-color:qlineargradient(spread:pad,x1:0,y1:1,x2:0,y2:0,"
                    "stop:0 rgba(238,0,0,128),stop:1 rgba(238,44,44,255))"}}
      << StyleRule{{"QCheckBox"}, {"color:{K10}", "spacing:2px"}}
      << StyleRule{{"QCheckBox::indicator"}, {"width:20px", "height:20px"}}
      << StyleRule{{"QCheckBox::indicator:unchecked"}, {"image:url(:/qss/classic/checkbox_unchecked.png)"}}
      << StyleRule{{"QCheckBox::indicator:checked"}, {"image:url(:/qss/classic/checkbox_checked.png)"}}
      << StyleRule{{"QRadioButton"}, {"color:{K10}", "spacing:2px"}}
      << StyleRule{{"QRadioButton::indicator"}, {"width:15px", "height:15px"}}
      << StyleRule{{"QRadioButton::indicator::unchecked"}, {"image:url(:/qss/classic/radio_normal.png)"}}
      << StyleRule{{"QRadioButton::indicator::checked"}, {"image:url(:/qss/classic/radio_selected.png)"}}
      << StyleRule{{"QSpinBox::up-button"}, {"image:url(:/qss/classic/array_up.png)"}}
      << StyleRule{{"QSpinBox::down-button"}, {"image:url(:/qss/classic/array_down.png)"}}
      << StyleRule{{"QDoubleSpinBox::up-button"}, {"image:url(:/qss/classic/array_up.png)"}}
      << StyleRule{{"QDoubleSpinBox::down-button"}, {"image:url(:/qss/classic/array_down.png)"}}
      << StyleRule{{"QComboBox", "QDateEdit", "QSpinBox", "QDoubleSpinBox"},
                   {"border-radius:3px", "padding:3px 5px 3px 5px", "border:1px solid {K3}"}}
      << StyleRule{{"QComboBox::drop-down", "QDateEdit::drop-down"},
                   {"subcontrol-origin:padding", "subcontrol-position:top right", "width:15px",
                    "border-left-width:1px", "border-left-style:solid", "border-top-right-radius:3px",
                    "border-bottom-right-radius:3px", "border-left-color:{K3}"}}
      << StyleRule{{"QComboBox::down-arrow", "QDateEdit::down-arrow"}, {"image:url(:/qss/classic/array_down.png)"}}
      << StyleRule{{"QMenuBar"}, {bg(kFlatBar)}}
      << StyleRule{{"QMenuBar::item"}, {bg(kFlatBar)}}
      << StyleRule{{"QMenu"}, {"color:{K11}", "background-color:{K12}", "margin:2px"}}
      << StyleRule{{"QMenu::item"}, {"padding:3px 10px 3px 10px"}}
      << StyleRule{{"QMenu::indicator"}, {"width:13px", "height:13px"}}
      << StyleRule{{"QMenu::item:selected"}, {"color:{K6}", "border:1px solid {K7}", bg(kG)}}
      << StyleRule{{"QMenu::separator"}, {"height:1px", "background:{K7}"}}
      << StyleRule{{"QProgressBar"},
                   {"background:{K13}", "border-radius:5px", "text-align:center", "border:1px solid {K14}"}}
      << StyleRule{{"QProgressBar::chunk"}, {"width:5px", "margin:0.5px", "background-color:{K15}"}}
      << StyleRule{{"QSlider::groove:horizontal", "QSlider::add-page:horizontal"},
                   {"height:8px", "border-radius:3px", "background:{K16}"}}
      << StyleRule{{"QSlider::sub-page:horizontal"}, {"height:8px", "border-radius:3px", "background:{K17}"}}
      << StyleRule{{"QSlider::handle:horizontal"},
                   {"width:13px", "margin-top:-3px", "margin-bottom:-3px", "border-radius:6px", bg(kHandle)}}
      << StyleRule{{"QSlider::groove:vertical", "QSlider::sub-page:vertical"},
                   {"width:8px", "border-radius:3px", "background:{K16}"}}
      << StyleRule{{"QSlider::add-page:vertical"}, {"width:8px", "border-radius:3px", "background:{K17}"}}
      << StyleRule{{"QSlider::handle:vertical"},
                   {"height:13px", "margin-left:-2px", "margin-right:-3px", "border-radius:6px", bg(kHandle)}}
      << StyleRule{{"QScrollBar:vertical"},
                   {"width:10px", "background-color:rgba(0,0,0,0%)", "padding-top:10px", "padding-bottom:10px"}}
      << StyleRule{{"QScrollBar:horizontal"},
                   {"height:10px", "background-color:rgba(0,0,0,0%)", "padding-left:10px", "padding-right:10px"}}
      << StyleRule{{"QScrollBar::handle:vertical", "QScrollBar::handle:horizontal"},
                   {"width:10px", "background:{K20}", "min-height:20"}}
      << StyleRule{{"QScrollBar::handle:vertical:hover", "QScrollBar::handle:horizontal:hover"},
                   {"width:10px", "background:{K21}", "min-height:20"}}
      << StyleRule{{"QScrollBar::add-line:vertical"},
                   arrowButton("bottom", "add-line_vertical.png")}
      << StyleRule{{"QScrollBar::add-line:horizontal"},
                   arrowButton("right", "add-line_horizontal.png")}
      << StyleRule{{"QScrollBar::sub-line:vertical"},
                   arrowButton("top", "sub-line_vertical.png")}
      << StyleRule{{"QScrollBar::sub-line:horizontal"},
                   arrowButton("left", "sub-line_horizontal.png")}
      << StyleRule{{"QScrollBar::add-page:vertical", "QScrollBar::sub-page:vertical",
                    "QScrollBar::add-page:horizontal", "QScrollBar::sub-page:horizontal"},
                   {"width:10px", "background:{K16}"}}
      << StyleRule{{"QScrollArea"}, {"border:0px"}}
      << StyleRule{{"QTreeView", "QListView", "QTableView", "QTabWidget::pane"},
                   {"border:1px solid {K3}", "selection-background-color:{K8}", "selection-color:{K6}"}}
      << StyleRule{{"QTableView::item:selected", "QListView::item:selected", "QTreeView::item:selected"},
                   {"color:{K6}", bg(kG)}}
      << StyleRule{{"QTableView::item:hover", "QListView::item:hover", "QTreeView::item:hover"},
                   {"color:{K6}", bg(kH)}}
      << StyleRule{{"QTableView::item", "QListView::item", "QTreeView::item"}, {"padding:5px", "margin:0px"}}
      << StyleRule{{"QHeaderView::section", "QTableCornerButton:section"},
                   {"padding:3px", "margin:0px", "color:{K6}", "border:1px solid {K22}", bg(kH)}}
      << StyleRule{{"QTabBar::tab"},
                   {"border-radius:5px", "border:1px solid {K3}", "color:{K6}", "min-width:60px", "min-height:20px",
                    "padding:3px 8px 3px 8px", "margin:1px", bg(kH)}}
      << StyleRule{{"QTabBar::tab:selected", "QTabBar::tab:hover"}, {bg(kG)}}
      << StyleRule{{"QStatusBar::item"}, {"border:1px solid {K23}", "border-radius:3px"}}
      << StyleRule{{"QToolBox::tab"}, {"padding:5px", "border-radius:5px", "color:{K6}", bg(kG)}}
      << StyleRule{{"QToolBox::tab:selected"}, {bg(kH)}};
    return r;
}

namespace {

// Short section notes placed before the rule with the given index.
QString sectionNote(int index)
{
    switch (index) {
    case 1: return QStringLiteral("/* main form, frames and video labels */");
    case 13: return QStringLiteral("/* editors and buttons */");
    case 27: return QStringLiteral("/* check boxes, radio buttons, spin boxes */");
    case 42: return QStringLiteral("/* menus, progress bar, sliders, scroll bars */");
    case 67: return QStringLiteral("/* item views, headers, tabs, tool boxes */");
    default: return QString();
    }
}

} // namespace

QByteArray classicText(const QStringList &slotColours)
{
    const QVector<StyleRule> rules = classicRules();
    static const QRegularExpression slotMarker(QStringLiteral("\\{K(\\d+)\\}"));
    auto fill = [&](const QString &text) {
        QString out;
        int last = 0;
        auto it = slotMarker.globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            out += QStringView(text).mid(last, m.capturedStart() - last);
            out += slotColours.at(m.captured(1).toInt() - 1);
            last = m.capturedEnd();
        }
        out += QStringView(text).mid(last);
        return out;
    };

    QStringList lines;
    // The panel colour rule stands alone on the first line.
    lines << QStringLiteral("QPalette{background:") + slotColours.at(0) + QStringLiteral(";}")
          << QStringLiteral("/* classic skin: the palette colour above comes first for the skin loader; */")
          << QStringLiteral("/* indicator and arrow images are taken from :/qss/classic/ */") << QString();
    for (int i = 1; i < rules.size(); ++i) {
        const QString note = sectionNote(i);
        if (!note.isEmpty())
            lines << note;
        lines << rules.at(i).selectors.join(QStringLiteral(",\n")) + QStringLiteral("{");
        for (const QString &d : rules.at(i).declarations)
            lines << QStringLiteral("\t") + fill(d) + QLatin1Char(';');
        lines << QStringLiteral("}") << QString();
    }
    QByteArray out;
    for (const QString &line : lines)
        for (const QString &part : line.split(QLatin1Char('\n')))
            out += part.toUtf8() + "\r\n";
    return out;
}
