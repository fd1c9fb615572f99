// The compiled-in resources: the style-sheet template, the finished skin
// files, the image sets and pictures, the icon and the two catalogues.
#include <QAction>
#include <QColorDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QResource>
#include <QTextEdit>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

const char *const kRoleKeys[8] = {"TextColor", "PanelColor", "BorderColor", "NormalColorStart",
                                  "NormalColorEnd", "DarkColorStart", "DarkColorEnd", "HighColor"};

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Lines of a CR LF text, without their line ends.
QList<QByteArray> crlfLines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1);
    return lines;
}

// The eight colour values of a skin file's trailer, or an empty list.
QStringList trailerColours(const QByteArray &text)
{
    const QList<QByteArray> lines = crlfLines(text);
    if (lines.size() < 8)
        return {};
    QStringList colours;
    for (int n = 0; n < 8; ++n) {
        const QString line = QString::fromLatin1(lines.at(lines.size() - 8 + n));
        const QString head = QStringLiteral("/*%1:").arg(QLatin1String(kRoleKeys[n]));
        if (!line.startsWith(head) || !line.endsWith(QLatin1String("*/")))
            return {};
        colours << line.mid(head.size(), line.size() - head.size() - 2);
    }
    return colours;
}

// Fills the placeholders "#C1".."#C8" in one scan from the left; a value that
// has been put in is not looked at again.
QByteArray fillOnce(const QByteArray &templ, const QStringList &colours)
{
    static const QRegularExpression placeholder(QStringLiteral("#C([1-8])"));
    const QString text = QString::fromLatin1(templ);
    QString out;
    int last = 0;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += text.midRef(last, m.capturedStart() - last);
        out += colours.at(m.captured(1).toInt() - 1);
        last = m.capturedEnd();
    }
    out += text.midRef(last);
    return out.toLatin1();
}

// Rules of a style sheet in a whitespace-free form: comments removed, split
// at '}', blanks collapsed and dropped beside punctuation.
QStringList normalisedRules(const QByteArray &sheet)
{
    QString text = QString::fromUtf8(sheet);
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"),
                                   QRegularExpression::DotMatchesEverythingOption));
    QStringList rules;
    for (QString chunk : text.split(QLatin1Char('}'))) {
        chunk = chunk.simplified();
        chunk.replace(QRegularExpression(QStringLiteral(" ?([{};,:()]) ?")), QStringLiteral("\\1"));
        if (!chunk.isEmpty())
            rules << chunk;
    }
    return rules;
}

QStringList urlTargets(const QByteArray &sheet)
{
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    QStringList targets;
    auto it = url.globalMatch(QString::fromLatin1(sheet));
    while (it.hasNext())
        targets << it.next().captured(1);
    return targets;
}

const QStringList &templateFormStyles()
{
    static const QStringList styles = {
        "blackblue", "darkblack", "darkblue", "darkgray", "flatblack", "flatblue", "lightblack", "lightbrown",
        "lightgray", "pureblack", "purple", "silvery", "softgreen", "videoblack", "yellow", "psblack", "flatwhite"};
    return styles;
}

const QStringList &classicStyles()
{
    static const QStringList styles = {"black", "blue", "brown", "gray", "lightblue", "silverywhite", "white"};
    return styles;
}

const QStringList &indicatorImages()
{
    static const QStringList names = {
        "add_top.png", "add_bottom.png", "add_left.png", "add_right.png", "branch_open.png", "branch_close.png",
        "calendar_prevmonth.png", "calendar_nextmonth.png", "checkbox_unchecked.png", "checkbox_checked.png",
        "checkbox_parcial.png", "checkbox_unchecked_disable.png", "checkbox_checked_disable.png",
        "checkbox_parcial_disable.png", "radiobutton_unchecked.png", "radiobutton_checked.png",
        "radiobutton_unchecked_disable.png", "radiobutton_checked_disable.png"};
    return names;
}

// Bounding box of the pixels that are at least half opaque.
QRect opaqueBox(const QImage &img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) >= 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

int opaqueInRow(const QImage &img, int y)
{
    int n = 0;
    for (int x = 0; x < img.width(); ++x)
        n += qAlpha(img.pixel(x, y)) >= 128;
    return n;
}

int opaqueInColumn(const QImage &img, int x)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        n += qAlpha(img.pixel(x, y)) >= 128;
    return n;
}

bool hasColour(const QImage &img, const QColor &colour)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == colour.rgba())
                return true;
    return false;
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void templateText();
    void templateRuleLayout();
    void templateFormSkins_data();
    void templateFormSkins();
    void singlePassFilling();
    void classicSkins_data();
    void classicSkins();
    void styleSheetImagesExist();
    void resourceSizesAndStorage();
    void noBlackWhiteSkin();
    void imageSets_data();
    void imageSets();
    void classicImages();
    void applicationPicturesAndIcon();
    void catalogues();
    void chineseDialogAndContextMenu();
};

void ResourcesTest::templateText()
{
    const QByteArray t = readResource(QStringLiteral(":/qss/template.css"));
    QCOMPARE(t.size(), 15382);
    QCOMPARE(t.count('\n'), 648);
    QCOMPARE(t.count("\r\n"), 648);
    QCOMPARE(t.count('\r'), 648);
    QVERIFY(t.endsWith("\r\n"));
    for (char c : t)
        QVERIFY2(uchar(c) < 0x80 && c != '\0', "template is plain ASCII");

    const QList<QByteArray> lines = crlfLines(t);
    QCOMPARE(lines.size(), 648);
    QCOMPARE(lines.at(0), QByteArray("QPalette{background:#C2;}*{outline:0px;color:#C1;}"));
    QCOMPARE(lines.at(1), QByteArray());
    QCOMPARE(t.left(20), QByteArray("QPalette{background:"));
    QCOMPARE(t.mid(20, 3), QByteArray("#C2"));

    // Colour trailer: the last eight lines, and the only comments.
    const QStringList expectedTrailer = {
        "/*TextColor:#C1*/", "/*PanelColor:#C2*/", "/*BorderColor:#C3*/", "/*NormalColorStart:#C4*/",
        "/*NormalColorEnd:#C5*/", "/*DarkColorStart:#C6*/", "/*DarkColorEnd:#C7*/", "/*HighColor:#C8*/"};
    for (int n = 0; n < 8; ++n)
        QCOMPARE(QString::fromLatin1(lines.at(640 + n)), expectedTrailer.at(n));
    QCOMPARE(t.count("/*"), 8);
    QCOMPARE(lines.at(639), QByteArray());

    // Placeholders in the rules, trailer excluded.
    const QByteArray rules = t.left(t.indexOf("/*TextColor:"));
    const int expectedCounts[8] = {23, 8, 29, 22, 8, 9, 8, 9};
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(rules.count(QByteArray("#C") + QByteArray::number(n)), expectedCounts[n - 1]);
    QCOMPARE(rules.count("#C"), 116);
    // Each placeholder stands alone before ';', ',', ')' or '*'.
    const QRegularExpression badFollower(QStringLiteral("#C[1-8][^;,)*]"));
    QVERIFY(!badFollower.match(QString::fromLatin1(t)).hasMatch());
    QCOMPARE(QString::fromLatin1(t).count(QRegularExpression(QStringLiteral("#C[1-8]"))), 124);
}

void ResourcesTest::templateRuleLayout()
{
    const QByteArray t = readResource(QStringLiteral(":/qss/template.css"));
    const QList<QByteArray> lines = crlfLines(t);

    // Exactly one empty line holds two blanks: the one between the
    // up-button and the down-button "pressed" rules.
    int blankLine = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty() && !lines.at(i).isEmpty()) {
            QCOMPARE(blankLine, -1);
            blankLine = i;
        }
    }
    QVERIFY(blankLine > 0);
    QCOMPARE(lines.at(blankLine), QByteArray("  "));
    QCOMPARE(lines.at(blankLine - 2), QByteArray("top:-2px;"));
    QVERIFY(lines.at(blankLine + 1).startsWith("QTimeEdit::down-button:pressed,"));
    QVERIFY(lines.at(blankLine + 1).endsWith(",QSpinBox::down-button:pressed,QSpinBox::down-button:pressed{"));

    // Rules 119-122 one per line, no empty line between them.
    const int pane = lines.indexOf("QTabWidget::pane:top{top:-1px;}");
    QVERIFY(pane > 0);
    QCOMPARE(lines.at(pane + 1), QByteArray("QTabWidget::pane:bottom{bottom:-1px;}"));
    QCOMPARE(lines.at(pane + 2), QByteArray("QTabWidget::pane:left{right:-1px;}"));
    QCOMPARE(lines.at(pane + 3), QByteArray("QTabWidget::pane:right{left:-1px;}"));
    QCOMPARE(lines.at(pane + 4), QByteArray());
    QCOMPARE(lines.at(pane + 5), QByteArray("*:disabled{"));

    // 123 rules; block rules put one declaration per line.
    const QStringList rules = normalisedRules(t);
    QCOMPARE(rules.size(), 123);
    QCOMPARE(rules.last(), QStringLiteral("*:disabled{background:#C2;border-color:#C4;color:#C3;"));
    for (int i = 2; i < lines.size() - 8; ++i) {
        const QByteArray &line = lines.at(i);
        if (line.endsWith(';') && !line.contains('{'))
            QCOMPARE(line.count(';'), 1);
    }
    // The normal gradient is the only use of NormalColorEnd.
    QCOMPARE(t.count("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #C4,stop:1 #C5)"), 8);
    QCOMPARE(t.count("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #C6,stop:1 #C7)"), 7);
    QCOMPARE(t.count("stop:0.6 #C2,stop:0.8 #C3)"), 2);
    QCOMPARE(urlTargets(t).size(), 17);
    QCOMPARE(t.count("url(:/qss/common/add_bottom.png)"), 2);
}

void ResourcesTest::templateFormSkins_data()
{
    QTest::addColumn<QString>("style");
    for (const QString &style : templateFormStyles())
        QTest::newRow(qPrintable(style)) << style;
}

void ResourcesTest::templateFormSkins()
{
    QFETCH(QString, style);
    const QByteArray templ = readResource(QStringLiteral(":/qss/template.css"));
    const QByteArray skin = readResource(QStringLiteral(":/qss/%1.css").arg(style));
    const QStringList colours = trailerColours(skin);
    QCOMPARE(colours.size(), 8);
    for (const QString &c : colours)
        QVERIFY2(QRegularExpression(QStringLiteral("^#[0-9A-F]{6}$")).match(c).hasMatch(), qPrintable(c));

    QByteArray expected = fillOnce(templ, colours);
    int expectedSize = 15878;
    if (style == QLatin1String("psblack") || style == QLatin1String("flatwhite")) {
        QCOMPARE(expected.count(":/qss/common/"), 17);
        expected.replace(":/qss/common/", QByteArray(":/qss/") + style.toLatin1() + '/');
        expectedSize = style == QLatin1String("psblack") ? 15895 : 15929;
    }
    if (style == QLatin1String("flatwhite")) {
        const QByteArray editorRule = "selection-background-color:#E4E4E4;\r\nselection-color:#57595B;\r\n";
        QCOMPARE(expected.count(editorRule), 1);
        expected.replace(editorRule, "selection-background-color:#00BB9E;\r\nselection-color:#FFFFFF;\r\n");
    }
    QCOMPARE(skin.size(), expectedSize);
    QCOMPARE(skin, expected);
    QVERIFY(!skin.contains("#C1;"));
    QCOMPARE(skin.left(20), QByteArray("QPalette{background:"));
    QCOMPARE(QString::fromLatin1(skin.mid(20, 7)), colours.at(1));
}

void ResourcesTest::singlePassFilling()
{
    const QByteArray templ = readResource(QStringLiteral(":/qss/template.css"));
    const QByteArray darkgray = readResource(QStringLiteral(":/qss/darkgray.css"));
    const QStringList colours = trailerColours(darkgray);
    QCOMPARE(colours.at(4), QStringLiteral("#C8C8D0"));
    QCOMPARE(darkgray.count("stop:1 #C8C8D0)"), 8);
    QVERIFY(darkgray.contains("\r\n/*NormalColorEnd:#C8C8D0*/\r\n"));
    QCOMPARE(darkgray, fillOnce(templ, colours));

    // Filling role by role with repeated search would have rewritten the
    // "#C8" inside "#C8C8D0"; the file must not look like that.
    QString naive = QString::fromLatin1(templ);
    for (int n = 1; n <= 8; ++n)
        naive.replace(QStringLiteral("#C%1").arg(n), colours.at(n - 1));
    QVERIFY(naive.toLatin1() != darkgray);
    QVERIFY(!darkgray.contains("#00BB9EC8D0"));
}

void ResourcesTest::classicSkins_data()
{
    // Slot colours K1..K23 of each classic-form file.
    static const char *const slotTable[23][7] = {
        // black     blue       brown      gray       lightblue  silverywh. white
        {"#F0F0F0", "#CFDDEE", "#D7DBE4", "#F0F0F0", "#EAF7FF", "#CFD4D8", "#F0F0F0"},
        {"#575757", "#B4C2D7", "#738393", "#A2A2A2", "#C0DCF2", "#B2B6B9", "#D4D0C8"},
        {"#C2CCD8", "#B4C2D7", "#C2CCD8", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
        {"#4D4D4D", "#C0D3EB", "#667481", "#E4E4E4", "#DEF0FE", "#E1E4E6", "#EEEEEE"},
        {"#292929", "#BCCFE7", "#566373", "#A2A2A2", "#C0DEF6", "#CCD3D9", "#E5E5E5"},
        {"#F0F0F0", "#324C6C", "#E7ECF0", "#000000", "#386487", "#000000", "#000000"},
        {"#575757", "#B4C2D7", "#738393", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
        {"#636363", "#D2E3F5", "#778899", "#DBDBDB", "#F2F9FF", "#F2F3F4", "#FCFCFC"},
        {"#575757", "#CADDF3", "#708090", "#C1C1C1", "#DAEFFF", "#E7E9EB", "#F7F7F7"},
        {"#000000", "#324C6C", "#3D3E42", "#000000", "#386487", "#000000", "#000000"},
        {"#000000", "#324C6C", "#000000", "#000000", "#386487", "#000000", "#000000"},
        {"#EEEEEE", "#EEEEEE", "#EEEEEE", "#E4E4E4", "#DEF0FE", "#E1E4E6", "#EEEEEE"},
        {"#F0F0F0", "#BCCFE7", "#D7DBE4", "#F0F0F0", "#DEF0FE", "#CFD4D8", "#EEEEEE"},
        {"#C2CCD8", "#C0D3EB", "#C2CCD8", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
        {"#4D4D4D", "#D2E3F5", "#667481", "#C0C0C0", "#C0DCF2", "#667481", "#DCDCDC"},
        {"#C2CCD8", "#BCCFE7", "#C2CCD8", "#DCDCDC", "#DAEFFF", "#B2B6B9", "#DCDCDC"},
        {"#575757", "#8DB6CD", "#708090", "#C1C1C1", "#C0DEF6", "#787878", "#8C8C8C"},
        {"#FFFFFF", "#FFFFFF", "#667481", "#FFFFFF", "#DAEFFF", "#FFFFFF", "#FCFCFC"},
        {"#575757", "#BCCFE7", "#778899", "#C1C1C1", "#C0DEF6", "#B2B6B9", "#DCDCDC"},
        {"#575757", "#8DB6CD", "#708090", "#C1C1C1", "#C0DEF6", "#CCD3D9", "#8C8C8C"},
        {"#292929", "#8DB6CD", "#566373", "#A2A2A2", "#C0DEF6", "#E7E9EB", "#8C8C8C"},
        {"#575757", "#B4C2D7", "#C2CCD8", "#DCDCDC", "#C0DCF2", "#B2B6B9", "#DCDCDC"},
        {"#636363", "#C0D3EB", "#667481", "#C0C0C0", "#5CACEE", "#C0C0C0", "#636363"},
    };
    QTest::addColumn<QString>("style");
    QTest::addColumn<QStringList>("slotColours");
    for (int c = 0; c < classicStyles().size(); ++c) {
        QStringList slotColours;
        for (int k = 0; k < 23; ++k)
            slotColours << QString::fromLatin1(slotTable[k][c]);
        QTest::newRow(qPrintable(classicStyles().at(c))) << classicStyles().at(c) << slotColours;
    }
}

void ResourcesTest::classicSkins()
{
    QFETCH(QString, style);
    QFETCH(QStringList, slotColours);

    // The classic rule set, one rule a line, <n> standing for slot Kn.
    static const char *const classicRuleSet = R"(QPalette{background:<1>;
QWidget#frmMain,QWidget[Form="true"]{border:1px solid <2>;border-radius:0px;
.QFrame{border:1px solid <3>;border-radius:5px;
QWidget#frmInput{background:$G;
QLabel[labVideo="true"]{color:<6>;border:1px solid <7>;background:$G;
QLabel[labVideo="true"]:focus{border:1px solid #FF0000;background:$H;
QWidget#widget_title,QToolBar{background:$G;
QLabel{color:<10>;
QLabel#lab_Ico,QLabel#lab_Title{border-radius:0px;color:<6>;background-color:rgba(0,0,0,0);border-style:none;
QLabel#labfrmData,QLabel#labfrmHost,QLabel#labfrmDefence,QLabel#labfrmIPCGroup,QLabel#labfrmIPC,QLabel#labfrmIPCLink,QLabel#labfrmVideoPlayBack,QLabel#labfrmConfig,QLabel#labCheckAllStatus,QLabel#labfrmExit{padding:5px;color:<6>;background:$G;
QLabel#labfrmData:hover,QLabel#labfrmHost:hover,QLabel#labfrmDefence:hover,QLabel#labfrmIPCGroup:hover,QLabel#labfrmIPC:hover,QLabel#labfrmIPCLink:hover,QLabel#labfrmVideoPlayBack:hover,QLabel#labfrmConfig:hover,QLabel#labCheckAllStatus:hover,QLabel#labfrmExit:hover{background:$H;
QLabel[labVideo="true"]{color:<6>;border:1px solid <7>;background:$G;
QLabel[labVideo="true"]:focus{border:1px solid #FF0000;background:$H;
QTextEdit{border:1px solid #32435E;border-radius:3px;
QLineEdit,QSpinBox,QDoubleSpinBox{border:1px solid <3>;border-radius:5px;padding:2px;background:none;selection-background-color:<4>;selection-color:<6>;
QLineEdit[echoMode="2"]{lineedit-password-character:9679;
.QGroupBox{border:1px solid <3>;border-radius:5px;
.QToolButton{border-style:none;color:<6>;padding:5px;min-height:15px;min-width:30px;border-radius:5px;background:$G;
.QToolButton:hover{border:1px solid <3>;background:$H;
.QPushButton{border-style:none;border:1px solid <3>;color:<6>;padding:5px;min-height:20px;border-radius:5px;background:$G;
.QPushButton[focusPolicy="0"]{border-style:none;border:1px solid <3>;color:<6>;padding:0px;min-height:10px;border-radius:3px;background:$G;
.QPushButton:hover{background:$H;
.QPushButton:pressed{background:$G;
.QPushButton:disabled{color:#838383;background:#F4F4F4;
QPushButton#btnMenu,QPushButton#btnMenu_Min,QPushButton#btnMenu_Max,QPushButton#btnMenu_Close{border-radius:0px;color:<6>;background-color:rgba(0,0,0,0);border-style:none;
QPushButton#btnMenu:hover,QPushButton#btnMenu_Min:hover,QPushButton#btnMenu_Max:hover{background-color:qlineargradient(spread:pad,x1:0,y1:1,x2:0,y2:0,stop:0 rgba(25,134,199,0),stop:1 <8>);
QPushButton#btnMenu_Close:hover{background-color:qlineargradient(spread:pad,x1:0,y1:1,x2:0,y2:0,stop:0 rgba(238,0,0,128),stop:1 rgba(238,44,44,255));
QCheckBox{color:<10>;spacing:2px;
QCheckBox::indicator{width:20px;height:20px;
QCheckBox::indicator:unchecked{image:url(:/qss/classic/checkbox_unchecked.png);
QCheckBox::indicator:checked{image:url(:/qss/classic/checkbox_checked.png);
QRadioButton{color:<10>;spacing:2px;
QRadioButton::indicator{width:15px;height:15px;
QRadioButton::indicator::unchecked{image:url(:/qss/classic/radio_normal.png);
QRadioButton::indicator::checked{image:url(:/qss/classic/radio_selected.png);
QSpinBox::up-button{image:url(:/qss/classic/array_up.png);
QSpinBox::down-button{image:url(:/qss/classic/array_down.png);
QDoubleSpinBox::up-button{image:url(:/qss/classic/array_up.png);
QDoubleSpinBox::down-button{image:url(:/qss/classic/array_down.png);
QComboBox,QDateEdit,QSpinBox,QDoubleSpinBox{border-radius:3px;padding:3px 5px 3px 5px;border:1px solid <3>;
QComboBox::drop-down,QDateEdit::drop-down{subcontrol-origin:padding;subcontrol-position:top right;width:15px;border-left-width:1px;border-left-style:solid;border-top-right-radius:3px;border-bottom-right-radius:3px;border-left-color:<3>;
QComboBox::down-arrow,QDateEdit::down-arrow{image:url(:/qss/classic/array_down.png);
QMenuBar{background:qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 <1>, stop: 1.0 <1>);
QMenuBar::item{background:qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 <1>, stop: 1.0 <1>);
QMenu{color:<11>;background-color:<12>;margin:2px;
QMenu::item{padding:3px 10px 3px 10px;
QMenu::indicator{width:13px;height:13px;
QMenu::item:selected{color:<6>;border:1px solid <7>;background:$G;
QMenu::separator{height:1px;background:<7>;
QProgressBar{background:<13>;border-radius:5px;text-align:center;border:1px solid <14>;
QProgressBar::chunk{width:5px;margin:0.5px;background-color:<15>;
QSlider::groove:horizontal,QSlider::add-page:horizontal{height:8px;border-radius:3px;background:<16>;
QSlider::sub-page:horizontal{height:8px;border-radius:3px;background:<17>;
QSlider::handle:horizontal{width:13px;margin-top:-3px;margin-bottom:-3px;border-radius:6px;background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0.6 <18>,stop:0.8 <19>);
QSlider::groove:vertical,QSlider::sub-page:vertical{width:8px;border-radius:3px;background:<16>;
QSlider::add-page:vertical{width:8px;border-radius:3px;background:<17>;
QSlider::handle:vertical{height:13px;margin-left:-2px;margin-right:-3px;border-radius:6px;background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0.6 <18>,stop:0.8 <19>);
QScrollBar:vertical{width:10px;background-color:rgba(0,0,0,0%);padding-top:10px;padding-bottom:10px;
QScrollBar:horizontal{height:10px;background-color:rgba(0,0,0,0%);padding-left:10px;padding-right:10px;
QScrollBar::handle:vertical,QScrollBar::handle:horizontal{width:10px;background:<20>;min-height:20;
QScrollBar::handle:vertical:hover,QScrollBar::handle:horizontal:hover{width:10px;background:<21>;min-height:20;
QScrollBar::add-line:vertical{height:10px;width:10px;subcontrol-position:bottom;subcontrol-origin:margin;border-image:url(:/qss/classic/add-line_vertical.png);
QScrollBar::add-line:horizontal{height:10px;width:10px;subcontrol-position:right;subcontrol-origin:margin;border-image:url(:/qss/classic/add-line_horizontal.png);
QScrollBar::sub-line:vertical{height:10px;width:10px;subcontrol-position:top;subcontrol-origin:margin;border-image:url(:/qss/classic/sub-line_vertical.png);
QScrollBar::sub-line:horizontal{height:10px;width:10px;subcontrol-position:left;subcontrol-origin:margin;border-image:url(:/qss/classic/sub-line_horizontal.png);
QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical,QScrollBar::add-page:horizontal,QScrollBar::sub-page:horizontal{width:10px;background:<16>;
QScrollArea{border:0px;
QTreeView,QListView,QTableView,QTabWidget::pane{border:1px solid <3>;selection-background-color:<8>;selection-color:<6>;
QTableView::item:selected,QListView::item:selected,QTreeView::item:selected{color:<6>;background:$G;
QTableView::item:hover,QListView::item:hover,QTreeView::item:hover{color:<6>;background:$H;
QTableView::item,QListView::item,QTreeView::item{padding:5px;margin:0px;
QHeaderView::section,QTableCornerButton:section{padding:3px;margin:0px;color:<6>;border:1px solid <22>;background:$H;
QTabBar::tab{border-radius:5px;border:1px solid <3>;color:<6>;min-width:60px;min-height:20px;padding:3px 8px 3px 8px;margin:1px;background:$H;
QTabBar::tab:selected,QTabBar::tab:hover{background:$G;
QStatusBar::item{border:1px solid <23>;border-radius:3px;
QToolBox::tab{padding:5px;border-radius:5px;color:<6>;background:$G;
QToolBox::tab:selected{background:$H;)";

    QString ruleSet = QString::fromLatin1(classicRuleSet);
    ruleSet.replace(QLatin1String("$G"),
                    QLatin1String("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 <4>,stop:1 <5>)"));
    ruleSet.replace(QLatin1String("$H"),
                    QLatin1String("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 <8>,stop:1 <9>)"));
    for (int k = 23; k >= 1; --k)
        ruleSet.replace(QStringLiteral("<%1>").arg(k), slotColours.at(k - 1));
    QStringList expected;
    for (const QString &line : ruleSet.split(QLatin1Char('\n')))
        expected << normalisedRules(line.toUtf8() + '}');
    QCOMPARE(expected.size(), 77);

    const QByteArray skin = readResource(QStringLiteral(":/qss/%1.css").arg(style));
    QVERIFY(!skin.isEmpty());
    QCOMPARE(QString::fromLatin1(skin.left(skin.indexOf("\r\n"))),
             QStringLiteral("QPalette{background:") + slotColours.at(0) + QStringLiteral(";}"));
    QCOMPARE(skin.count('\n'), skin.count("\r\n"));
    QCOMPARE(skin.count('\r'), skin.count("\r\n"));
    QVERIFY(trailerColours(skin).isEmpty());
    for (const char *key : kRoleKeys)
        QVERIFY(!skin.contains(QByteArray("/*") + key + ':'));
    QVERIFY2(skin.size() > 10000 && skin.size() < 12000, QByteArray::number(skin.size()));

    const QStringList actual = normalisedRules(skin);
    QCOMPARE(actual.size(), 77);
    for (int i = 0; i < 77; ++i)
        QCOMPARE(actual.at(i), expected.at(i));
}

void ResourcesTest::styleSheetImagesExist()
{
    QStringList sheets = {QStringLiteral(":/qss/template.css")};
    for (const QString &style : templateFormStyles() + classicStyles())
        sheets << QStringLiteral(":/qss/%1.css").arg(style);
    QCOMPARE(sheets.size(), 25);

    int references = 0;
    for (const QString &sheet : sheets) {
        const QByteArray text = readResource(sheet);
        QVERIFY2(!text.isEmpty(), qPrintable(sheet));
        const QStringList targets = urlTargets(text);
        QVERIFY2(!targets.isEmpty(), qPrintable(sheet));
        for (const QString &target : targets) {
            ++references;
            QVERIFY2(target.startsWith(QLatin1String(":/qss/")), qPrintable(sheet + " " + target));
            QVERIFY2(QFile::exists(target), qPrintable(sheet + " names missing " + target));
            QVERIFY2(!QImage(target).isNull(), qPrintable(target));
        }
        // Each sheet takes its images from its own directory.
        QString dir = QStringLiteral(":/qss/common/");
        const QString style = QFileInfo(sheet).baseName();
        if (classicStyles().contains(style))
            dir = QStringLiteral(":/qss/classic/");
        else if (style == QLatin1String("psblack") || style == QLatin1String("flatwhite"))
            dir = QStringLiteral(":/qss/%1/").arg(style);
        for (const QString &target : targets)
            QVERIFY2(target.startsWith(dir), qPrintable(sheet + " " + target));
        if (!classicStyles().contains(style))
            QCOMPARE(targets.size(), 17);
    }
    QVERIFY(references > 17 * 18);
}

void ResourcesTest::resourceSizesAndStorage()
{
    QCOMPARE(readResource(QStringLiteral(":/qss/darkgray.css")).size(), 15878);
    QCOMPARE(readResource(QStringLiteral(":/image/widgets.qm")).size(), 593);
    QCOMPARE(readResource(QStringLiteral(":/main.ico")).size(), 67646);

    // Style sheets and the icon are stored zlib-compressed, everything else
    // as it is.
    QStringList compressed = {QStringLiteral(":/qss/template.css"), QStringLiteral(":/main.ico")};
    for (const QString &style : templateFormStyles() + classicStyles())
        compressed << QStringLiteral(":/qss/%1.css").arg(style);
    for (const QString &path : compressed) {
        QResource res(path);
        QVERIFY2(res.isValid(), qPrintable(path));
        QCOMPARE(res.compressionAlgorithm(), QResource::ZlibCompression);
        QVERIFY2(res.size() < res.uncompressedSize() / 3, qPrintable(path));
    }
    QStringList plain = {QStringLiteral(":/image/qt_zh_CN.qm"), QStringLiteral(":/image/widgets.qm"),
                         QStringLiteral(":/image/fontawesome-webfont.ttf"), QStringLiteral(":/image/msg_info.png"),
                         QStringLiteral(":/qss/common/checkbox_checked.png"),
                         QStringLiteral(":/qss/classic/radio_selected.png")};
    for (const QString &path : plain) {
        QResource res(path);
        QVERIFY2(res.isValid(), qPrintable(path));
        QCOMPARE(res.compressionAlgorithm(), QResource::NoCompression);
        QCOMPARE(res.size(), res.uncompressedSize());
    }
    // The font is a TrueType file.
    const QByteArray font = readResource(QStringLiteral(":/image/fontawesome-webfont.ttf"));
    QVERIFY(font.size() > 100000);
    QCOMPARE(font.left(4), QByteArray("\x00\x01\x00\x00", 4));
}

void ResourcesTest::noBlackWhiteSkin()
{
    QVERIFY(!QFile::exists(QStringLiteral(":/qss/blackwhite.css")));
    QFile file(QStringLiteral(":/qss/blackwhite.css"));
    QVERIFY(!file.open(QIODevice::ReadOnly));
    const QStringList entries = QDir(QStringLiteral(":/qss")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(entries.contains(QStringLiteral("template.css")));
    for (const QString &entry : entries)
        QVERIFY2(!entry.contains(QLatin1String("blackwhite")), qPrintable(entry));
    // 25 style sheets and the five image directories, nothing else.
    QCOMPARE(QDir(QStringLiteral(":/qss")).entryList({"*.css"}, QDir::Files).size(), 25);
    QCOMPARE(QDir(QStringLiteral(":/qss")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"classic", "common", "flatwhite", "lightblue", "psblack"}));
}

void ResourcesTest::imageSets_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("panel");
    QTest::addColumn<QColor>("border");
    QTest::newRow("common") << "common" << QColor("#57595B") << QColor("#FFFFFF") << QColor("#B6B6B6");
    QTest::newRow("flatwhite") << "flatwhite" << QColor("#57595B") << QColor("#FFFFFF") << QColor("#B6B6B6");
    QTest::newRow("psblack") << "psblack" << QColor("#DCDCDC") << QColor("#444444") << QColor("#242424");
    QTest::newRow("lightblue") << "lightblue" << QColor("#386487") << QColor("#EAF7FF") << QColor("#C0DCF2");
}

void ResourcesTest::imageSets()
{
    QFETCH(QString, dir);
    QFETCH(QColor, text);
    QFETCH(QColor, panel);
    QFETCH(QColor, border);

    const QString base = QStringLiteral(":/qss/%1/").arg(dir);
    QCOMPARE(QDir(base).entryList(QDir::Files).size(), 18);
    QHash<QString, QImage> images;
    for (const QString &name : indicatorImages()) {
        const QImage img(base + name);
        QVERIFY2(!img.isNull(), qPrintable(base + name));
        QCOMPARE(img.size(), QSize(20, 20));
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(readResource(base + name).left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        images.insert(name, img.convertToFormat(QImage::Format_ARGB32));
        if (dir == QLatin1String("flatwhite"))
            QCOMPARE(readResource(base + name), readResource(QStringLiteral(":/qss/common/") + name));
    }

    // Arrows: solid BorderColor triangles pointing the way their names say.
    for (const char *name : {"add_top.png", "add_bottom.png", "add_left.png", "add_right.png"}) {
        const QImage &img = images.value(QLatin1String(name));
        QVERIFY2(hasColour(img, border), name);
        QVERIFY(!hasColour(img, text) || text == border);
    }
    const QRect up = opaqueBox(images.value("add_top.png"));
    QVERIFY(opaqueInRow(images.value("add_top.png"), up.top()) < opaqueInRow(images.value("add_top.png"), up.bottom()));
    const QRect down = opaqueBox(images.value("add_bottom.png"));
    QVERIFY(opaqueInRow(images.value("add_bottom.png"), down.top())
            > opaqueInRow(images.value("add_bottom.png"), down.bottom()));
    const QRect left = opaqueBox(images.value("add_left.png"));
    QVERIFY(opaqueInColumn(images.value("add_left.png"), left.left())
            < opaqueInColumn(images.value("add_left.png"), left.right()));
    const QRect right = opaqueBox(images.value("add_right.png"));
    QVERIFY(opaqueInColumn(images.value("add_right.png"), right.left())
            > opaqueInColumn(images.value("add_right.png"), right.right()));

    // Branch markers: a plus and a minus in TextColor, same width.
    const QImage &plus = images.value("branch_open.png");
    const QImage &minus = images.value("branch_close.png");
    QVERIFY(hasColour(plus, text) && hasColour(minus, text));
    QCOMPARE(opaqueBox(plus).width(), opaqueBox(minus).width());
    QVERIFY(opaqueBox(plus).height() >= opaqueBox(plus).width() - 1);
    QVERIFY(opaqueBox(minus).height() <= 3);

    // Month arrows in TextColor: the left one has its tip on the left.
    for (const char *name : {"calendar_prevmonth.png", "calendar_nextmonth.png"}) {
        const QImage &img = images.value(QLatin1String(name));
        QVERIFY2(hasColour(img, text), name);
    }
    const QImage &prev = images.value("calendar_prevmonth.png");
    const QImage &next = images.value("calendar_nextmonth.png");
    const QRect pb = opaqueBox(prev);
    QVERIFY(opaqueInColumn(prev, pb.left() + 1) < opaqueInColumn(prev, pb.right() - 1));
    QCOMPARE(next.mirrored(true, false).size(), prev.size());
    QVERIFY(opaqueBox(next.mirrored(true, false)).intersects(pb));

    // Boxes: BorderColor frame, PanelColor face, TextColor mark.
    const QPoint centre(10, 10), faceEdge(4, 4), frame(0, 10);
    const QImage &unchecked = images.value("checkbox_unchecked.png");
    QCOMPARE(QColor(unchecked.pixel(frame)), border);
    QCOMPARE(QColor(unchecked.pixel(centre)), panel);
    QCOMPARE(QColor(unchecked.pixel(faceEdge)), panel);
    QVERIFY(!hasColour(unchecked, text));
    const QImage &checked = images.value("checkbox_checked.png");
    QCOMPARE(QColor(checked.pixel(frame)), border);
    QVERIFY(hasColour(checked, text));
    QCOMPARE(QColor(checked.pixel(faceEdge)), panel);
    const QImage &partial = images.value("checkbox_parcial.png");
    QCOMPARE(QColor(partial.pixel(centre)), text);
    QCOMPARE(QColor(partial.pixel(faceEdge)), panel);
    const QImage &radioOff = images.value("radiobutton_unchecked.png");
    const QImage &radioOn = images.value("radiobutton_checked.png");
    QCOMPARE(QColor(radioOff.pixel(centre)), panel);
    QCOMPARE(QColor(radioOn.pixel(centre)), text);
    QCOMPARE(QColor(radioOn.pixel(1, 10)), border);
    QCOMPARE(qAlpha(radioOn.pixel(0, 0)), 0);  // round, not square
    QCOMPARE(qAlpha(checked.pixel(1, 1)), 255);

    // Disabled variants in light greys, whatever the set.
    for (const char *name : {"checkbox_unchecked_disable.png", "checkbox_checked_disable.png",
                             "checkbox_parcial_disable.png", "radiobutton_unchecked_disable.png",
                             "radiobutton_checked_disable.png"}) {
        const QImage &img = images.value(QLatin1String(name));
        QVERIFY2(!hasColour(img, panel) || panel.lightness() > 200, name);
        const QColor face(img.pixel(faceEdge));
        QVERIFY2(face.lightness() > 200 && face.saturation() < 20, name);
        QVERIFY2(hasColour(img, QColor("#D2D2D2")), name);
    }
    QVERIFY(hasColour(images.value("checkbox_checked_disable.png"), QColor("#969698")));
    QCOMPARE(QColor(images.value("radiobutton_checked_disable.png").pixel(centre)), QColor("#969698"));
}

void ResourcesTest::classicImages()
{
    const struct { const char *name; QSize size; } expected[] = {
        {"checkbox_checked.png", {52, 52}}, {"checkbox_unchecked.png", {52, 52}},
        {"radio_normal.png", {37, 37}}, {"radio_selected.png", {37, 37}},
        {"array_up.png", {10, 9}}, {"array_down.png", {10, 9}},
        {"add-line_vertical.png", {10, 9}}, {"sub-line_vertical.png", {10, 9}},
        {"add-line_horizontal.png", {9, 10}}, {"sub-line_horizontal.png", {9, 10}},
    };
    QCOMPARE(QDir(QStringLiteral(":/qss/classic")).entryList(QDir::Files).size(), 10);
    for (const auto &e : expected) {
        const QString path = QStringLiteral(":/qss/classic/") + QLatin1String(e.name);
        const QImage img(path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), e.size);
        const bool paletted = QByteArray(e.name).startsWith("checkbox") || QByteArray(e.name).startsWith("radio");
        QCOMPARE(img.format() == QImage::Format_Indexed8, paletted);
        if (!paletted)
            QVERIFY2(hasColour(img.convertToFormat(QImage::Format_ARGB32), QColor("#949593")), e.name);
    }
    // The selected radio button has a green dot, the normal one none.
    const QImage selected = QImage(QStringLiteral(":/qss/classic/radio_selected.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage normal = QImage(QStringLiteral(":/qss/classic/radio_normal.png")).convertToFormat(QImage::Format_ARGB32);
    const QColor dot(selected.pixel(18, 18));
    QVERIFY(dot.green() > dot.red() + 60 && dot.green() > dot.blue() + 60);
    const QColor plain(normal.pixel(18, 18));
    QVERIFY(qAbs(plain.green() - plain.red()) < 30);
    // Up and down arrows are mirror images of each other.
    const QImage upArrow(QStringLiteral(":/qss/classic/array_up.png"));
    const QImage downArrow(QStringLiteral(":/qss/classic/array_down.png"));
    QVERIFY(upArrow != downArrow);
    QVERIFY(opaqueInRow(upArrow.convertToFormat(QImage::Format_ARGB32), opaqueBox(upArrow).top())
            < opaqueInRow(upArrow.convertToFormat(QImage::Format_ARGB32), opaqueBox(upArrow).bottom()));
}

void ResourcesTest::applicationPicturesAndIcon()
{
    const struct { const char *path; QSize size; } pictures[] = {
        {":/image/msg_info.png", {67, 67}}, {":/image/msg_question.png", {70, 70}},
        {":/image/msg_error.png", {68, 68}}, {":/image/btn_ok.png", {118, 120}},
        {":/image/btn_close.png", {118, 120}},
    };
    for (const auto &p : pictures) {
        const QImage img(QLatin1String(p.path));
        QVERIFY2(!img.isNull(), p.path);
        QCOMPARE(img.size(), p.size);
    }
    auto dominant = [](const char *path) {
        const QImage img = QImage(QLatin1String(path)).convertToFormat(QImage::Format_ARGB32);
        return QColor(img.pixel(img.width() / 2, img.height() - 12)).toHsv();
    };
    QVERIFY(qAbs(dominant(":/image/msg_info.png").hue() - 120) < 30);
    QVERIFY(qAbs(dominant(":/image/msg_question.png").hue() - 45) < 20);
    QVERIFY(dominant(":/image/msg_error.png").hue() < 15 || dominant(":/image/msg_error.png").hue() > 345);
    QVERIFY(qAbs(dominant(":/image/btn_ok.png").hue() - 120) < 30);
    QVERIFY(dominant(":/image/btn_close.png").hue() < 15 || dominant(":/image/btn_close.png").hue() > 345);

    // The icon file: one 128 x 128 entry of 32 bits per pixel.
    const QByteArray ico = readResource(QStringLiteral(":/main.ico"));
    QCOMPARE(ico.size(), 67646);
    const uchar *d = reinterpret_cast<const uchar *>(ico.constData());
    QCOMPARE(qFromLittleEndian<quint16>(d + 0), quint16(0));
    QCOMPARE(qFromLittleEndian<quint16>(d + 2), quint16(1));
    QCOMPARE(qFromLittleEndian<quint16>(d + 4), quint16(1));
    QCOMPARE(int(d[6]), 128);
    QCOMPARE(int(d[7]), 128);
    QCOMPARE(qFromLittleEndian<quint16>(d + 12), quint16(32));
    QCOMPARE(qFromLittleEndian<quint32>(d + 14), quint32(ico.size() - 22));
    QCOMPARE(qFromLittleEndian<quint32>(d + 18), quint32(22));
    QCOMPARE(qFromLittleEndian<qint32>(d + 22 + 4), 128);
    QCOMPARE(qFromLittleEndian<qint32>(d + 22 + 8), 256);
    const QImage icon(QStringLiteral(":/main.ico"));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(128, 128));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(64, 64)), 255);
}

void ResourcesTest::catalogues()
{
    QTranslator big;
    QVERIFY(big.load(QStringLiteral(":/image/qt_zh_CN.qm")));
    QVERIFY(!big.isEmpty());
    QVERIFY(readResource(QStringLiteral(":/image/qt_zh_CN.qm")).size() > 100000);
    QCOMPARE(big.translate("QColorDialog", "Select Color"), QStringLiteral("选择颜色"));
    QVERIFY(!big.translate("QFileDialog", "Open").isEmpty());

    QTranslator small;
    QVERIFY(small.load(QStringLiteral(":/image/widgets.qm")));
    const struct { const char *source; const char *translation; } entries[] = {
        {"&Copy", "复制(&C)"}, {"&Paste", "粘贴(&P)"}, {"&Redo", "恢复(&R)"}, {"&Undo", "撤销(&U)"},
        {"Copy &Link Location", "复制链接位置(&L)"}, {"Cu&t", "剪切(&T)"}, {"Delete", "删除"},
        {"Select All", "选择全部"},
    };
    for (const auto &e : entries)
        QCOMPARE(small.translate("QWidgetTextControl", e.source), QString::fromUtf8(e.translation));
    QCOMPARE(small.translate("QWidget", "*"), QStringLiteral("*"));
    QVERIFY(small.translate("QTextControl", "&Copy").isEmpty());
}

void ResourcesTest::chineseDialogAndContextMenu()
{
    auto menuTexts = [] {
        QTextEdit edit;
        edit.setPlainText(QStringLiteral("sample"));
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (QAction *a : menu->actions())
            texts << a->text().section(QLatin1Char('\t'), 0, 0);
        return texts;
    };
    QVERIFY(menuTexts().contains(QStringLiteral("&Copy")));

    QTranslator big;
    QTranslator small;
    QVERIFY(big.load(QStringLiteral(":/image/qt_zh_CN.qm")));
    QVERIFY(small.load(QStringLiteral(":/image/widgets.qm")));
    QVERIFY(QCoreApplication::installTranslator(&big));
    QVERIFY(QCoreApplication::installTranslator(&small));

    const QStringList texts = menuTexts();
    QVERIFY2(texts.contains(QStringLiteral("复制(&C)")), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(texts.contains(QStringLiteral("粘贴(&P)")));
    QVERIFY(texts.contains(QStringLiteral("选择全部")));
    QVERIFY(!texts.contains(QStringLiteral("&Copy")));

    {
        QColorDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("选择颜色"));
        int chinese = 0;
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            QVERIFY2(label->text() != QLatin1String("Hu&e:") && label->text() != QLatin1String("&Red:"),
                     qPrintable(label->text()));
            for (QChar c : label->text())
                if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) {
                    ++chinese;
                    break;
                }
        }
        QVERIFY2(chinese >= 6, QByteArray::number(chinese));
    }

    QCoreApplication::removeTranslator(&small);
    QCoreApplication::removeTranslator(&big);
    QVERIFY(menuTexts().contains(QStringLiteral("&Copy")));
}

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
