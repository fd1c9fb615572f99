// The compiled-in resources: the style-sheet template, the finished skin
// files and their agreement with the skin catalogue, the images, the icon
// and the two catalogues.
#include "colorroles.h"
#include "skincatalogue.h"

#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QResource>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

const QString kTemplate = QStringLiteral(":/qss/template.css");

// The files that are the template composed with their own trailer colours.
const QStringList kTemplateForm = {"blackblue", "darkblack", "darkblue", "darkgray", "flatblack", "flatblue",
                                   "lightblack", "lightbrown", "lightgray", "pureblack", "purple", "silvery",
                                   "softgreen", "videoblack", "yellow", "psblack", "flatwhite"};

// The classic files and their slot colours K1..K23.
const struct { const char *style, *slotColours; } kClassic[] = {
    {"black", "#F0F0F0 #575757 #C2CCD8 #4D4D4D #292929 #F0F0F0 #575757 #636363 #575757 #000000 #000000 #EEEEEE #F0F0F0 #C2CCD8 #4D4D4D #C2CCD8 #575757 #FFFFFF #575757 #575757 #292929 #575757 #636363"},
    {"blue", "#CFDDEE #B4C2D7 #B4C2D7 #C0D3EB #BCCFE7 #324C6C #B4C2D7 #D2E3F5 #CADDF3 #324C6C #324C6C #EEEEEE #BCCFE7 #C0D3EB #D2E3F5 #BCCFE7 #8DB6CD #FFFFFF #BCCFE7 #8DB6CD #8DB6CD #B4C2D7 #C0D3EB"},
    {"brown", "#D7DBE4 #738393 #C2CCD8 #667481 #566373 #E7ECF0 #738393 #778899 #708090 #3D3E42 #000000 #EEEEEE #D7DBE4 #C2CCD8 #667481 #C2CCD8 #708090 #667481 #778899 #708090 #566373 #C2CCD8 #667481"},
    {"gray", "#F0F0F0 #A2A2A2 #DCDCDC #E4E4E4 #A2A2A2 #000000 #DCDCDC #DBDBDB #C1C1C1 #000000 #000000 #E4E4E4 #F0F0F0 #DCDCDC #C0C0C0 #DCDCDC #C1C1C1 #FFFFFF #C1C1C1 #C1C1C1 #A2A2A2 #DCDCDC #C0C0C0"},
    {"lightblue", "#EAF7FF #C0DCF2 #C0DCF2 #DEF0FE #C0DEF6 #386487 #C0DCF2 #F2F9FF #DAEFFF #386487 #386487 #DEF0FE #DEF0FE #C0DCF2 #C0DCF2 #DAEFFF #C0DEF6 #DAEFFF #C0DEF6 #C0DEF6 #C0DEF6 #C0DCF2 #5CACEE"},
    {"silverywhite", "#CFD4D8 #B2B6B9 #B2B6B9 #E1E4E6 #CCD3D9 #000000 #B2B6B9 #F2F3F4 #E7E9EB #000000 #000000 #E1E4E6 #CFD4D8 #B2B6B9 #667481 #B2B6B9 #787878 #FFFFFF #B2B6B9 #CCD3D9 #E7E9EB #B2B6B9 #C0C0C0"},
    {"white", "#F0F0F0 #D4D0C8 #DCDCDC #EEEEEE #E5E5E5 #000000 #DCDCDC #FCFCFC #F7F7F7 #000000 #000000 #EEEEEE #EEEEEE #DCDCDC #DCDCDC #DCDCDC #8C8C8C #FCFCFC #DCDCDC #8C8C8C #8C8C8C #DCDCDC #636363"},
};

// The classic rule set, grouped by widget; <n> stands for slot Kn, $G and $H
// for the two gradients.
const char *const kClassicRules = R"(QPalette{background:<1>;} QWidget#frmMain,QWidget[Form="true"]{border:1px solid <2>;border-radius:0px;} .QFrame{border:1px solid <3>;border-radius:5px;} QWidget#frmInput{background:$G;}
QLabel[labVideo="true"]{color:<6>;border:1px solid <7>;background:$G;} QLabel[labVideo="true"]:focus{border:1px solid #FF0000;background:$H;}
QWidget#widget_title,QToolBar{background:$G;} QLabel{color:<10>;} QLabel#lab_Ico,QLabel#lab_Title{border-radius:0px;color:<6>;background-color:rgba(0,0,0,0);border-style:none;}
QLabel#labfrmData,QLabel#labfrmHost,QLabel#labfrmDefence,QLabel#labfrmIPCGroup,QLabel#labfrmIPC,QLabel#labfrmIPCLink,QLabel#labfrmVideoPlayBack,QLabel#labfrmConfig,QLabel#labCheckAllStatus,QLabel#labfrmExit{padding:5px;color:<6>;background:$G;}
QLabel#labfrmData:hover,QLabel#labfrmHost:hover,QLabel#labfrmDefence:hover,QLabel#labfrmIPCGroup:hover,QLabel#labfrmIPC:hover,QLabel#labfrmIPCLink:hover,QLabel#labfrmVideoPlayBack:hover,QLabel#labfrmConfig:hover,QLabel#labCheckAllStatus:hover,QLabel#labfrmExit:hover{background:$H;}
QLabel[labVideo="true"]{color:<6>;border:1px solid <7>;background:$G;} QLabel[labVideo="true"]:focus{border:1px solid #FF0000;background:$H;} QTextEdit{border:1px solid #32435E;border-radius:3px;}
QLineEdit,QSpinBox,QDoubleSpinBox{border:1px solid <3>;border-radius:5px;padding:2px;background:none;selection-background-color:<4>;selection-color:<6>;} QLineEdit[echoMode="2"]{lineedit-password-character:9679;} .QGroupBox{border:1px solid <3>;border-radius:5px;}
.QToolButton{border-style:none;color:<6>;padding:5px;min-height:15px;min-width:30px;border-radius:5px;background:$G;} .QToolButton:hover{border:1px solid <3>;background:$H;}
.QPushButton{border-style:none;border:1px solid <3>;color:<6>;padding:5px;min-height:20px;border-radius:5px;background:$G;} .QPushButton[focusPolicy="0"]{border-style:none;border:1px solid <3>;color:<6>;padding:0px;min-height:10px;border-radius:3px;background:$G;}
.QPushButton:hover{background:$H;} .QPushButton:pressed{background:$G;} .QPushButton:disabled{color:#838383;background:#F4F4F4;}
QPushButton#btnMenu,QPushButton#btnMenu_Min,QPushButton#btnMenu_Max,QPushButton#btnMenu_Close{border-radius:0px;color:<6>;background-color:rgba(0,0,0,0);border-style:none;}
QPushButton#btnMenu:hover,QPushButton#btnMenu_Min:hover,QPushButton#btnMenu_Max:hover{background-color:qlineargradient(spread:pad,x1:0,y1:1,x2:0,y2:0,stop:0 rgba(25,134,199,0),stop:1 <8>);}
QPushButton#btnMenu_Close:hover{background-color:qlineargradient(spread:pad,x1:0,y1:1,x2:0,y2:0,stop:0 rgba(238,0,0,128),stop:1 rgba(238,44,44,255));}
QCheckBox{color:<10>;spacing:2px;} QCheckBox::indicator{width:20px;height:20px;} QCheckBox::indicator:unchecked{image:url(:/qss/classic/checkbox_unchecked.png);} QCheckBox::indicator:checked{image:url(:/qss/classic/checkbox_checked.png);}
QRadioButton{color:<10>;spacing:2px;} QRadioButton::indicator{width:15px;height:15px;} QRadioButton::indicator::unchecked{image:url(:/qss/classic/radio_normal.png);} QRadioButton::indicator::checked{image:url(:/qss/classic/radio_selected.png);}
QSpinBox::up-button{image:url(:/qss/classic/array_up.png);} QSpinBox::down-button{image:url(:/qss/classic/array_down.png);} QDoubleSpinBox::up-button{image:url(:/qss/classic/array_up.png);} QDoubleSpinBox::down-button{image:url(:/qss/classic/array_down.png);}
QComboBox,QDateEdit,QSpinBox,QDoubleSpinBox{border-radius:3px;padding:3px 5px 3px 5px;border:1px solid <3>;}
QComboBox::drop-down,QDateEdit::drop-down{subcontrol-origin:padding;subcontrol-position:top right;width:15px;border-left-width:1px;border-left-style:solid;border-top-right-radius:3px;border-bottom-right-radius:3px;border-left-color:<3>;} QComboBox::down-arrow,QDateEdit::down-arrow{image:url(:/qss/classic/array_down.png);}
QMenuBar{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 <1>,stop:1.0 <1>);} QMenuBar::item{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 <1>,stop:1.0 <1>);}
QMenu{color:<11>;background-color:<12>;margin:2px;} QMenu::item{padding:3px 10px 3px 10px;} QMenu::indicator{width:13px;height:13px;} QMenu::item:selected{color:<6>;border:1px solid <7>;background:$G;} QMenu::separator{height:1px;background:<7>;}
QProgressBar{background:<13>;border-radius:5px;text-align:center;border:1px solid <14>;} QProgressBar::chunk{width:5px;margin:0.5px;background-color:<15>;}
QSlider::groove:horizontal,QSlider::add-page:horizontal{height:8px;border-radius:3px;background:<16>;} QSlider::sub-page:horizontal{height:8px;border-radius:3px;background:<17>;}
QSlider::handle:horizontal{width:13px;margin-top:-3px;margin-bottom:-3px;border-radius:6px;background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0.6 <18>,stop:0.8 <19>);}
QSlider::groove:vertical,QSlider::sub-page:vertical{width:8px;border-radius:3px;background:<16>;} QSlider::add-page:vertical{width:8px;border-radius:3px;background:<17>;}
QSlider::handle:vertical{height:13px;margin-left:-2px;margin-right:-3px;border-radius:6px;background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,stop:0.6 <18>,stop:0.8 <19>);}
QScrollBar:vertical{width:10px;background-color:rgba(0,0,0,0%);padding-top:10px;padding-bottom:10px;} QScrollBar:horizontal{height:10px;background-color:rgba(0,0,0,0%);padding-left:10px;padding-right:10px;}
QScrollBar::handle:vertical,QScrollBar::handle:horizontal{width:10px;background:<20>;min-height:20;} QScrollBar::handle:vertical:hover,QScrollBar::handle:horizontal:hover{width:10px;background:<21>;min-height:20;}
QScrollBar::add-line:vertical{height:10px;width:10px;subcontrol-position:bottom;subcontrol-origin:margin;border-image:url(:/qss/classic/add-line_vertical.png);}
QScrollBar::add-line:horizontal{height:10px;width:10px;subcontrol-position:right;subcontrol-origin:margin;border-image:url(:/qss/classic/add-line_horizontal.png);}
QScrollBar::sub-line:vertical{height:10px;width:10px;subcontrol-position:top;subcontrol-origin:margin;border-image:url(:/qss/classic/sub-line_vertical.png);}
QScrollBar::sub-line:horizontal{height:10px;width:10px;subcontrol-position:left;subcontrol-origin:margin;border-image:url(:/qss/classic/sub-line_horizontal.png);}
QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical,QScrollBar::add-page:horizontal,QScrollBar::sub-page:horizontal{width:10px;background:<16>;} QScrollArea{border:0px;}
QTreeView,QListView,QTableView,QTabWidget::pane{border:1px solid <3>;selection-background-color:<8>;selection-color:<6>;} QTableView::item:selected,QListView::item:selected,QTreeView::item:selected{color:<6>;background:$G;}
QTableView::item:hover,QListView::item:hover,QTreeView::item:hover{color:<6>;background:$H;} QTableView::item,QListView::item,QTreeView::item{padding:5px;margin:0px;}
QHeaderView::section,QTableCornerButton:section{padding:3px;margin:0px;color:<6>;border:1px solid <22>;background:$H;}
QTabBar::tab{border-radius:5px;border:1px solid <3>;color:<6>;min-width:60px;min-height:20px;padding:3px 8px 3px 8px;margin:1px;background:$H;} QTabBar::tab:selected,QTabBar::tab:hover{background:$G;}
QStatusBar::item{border:1px solid <23>;border-radius:3px;} QToolBox::tab{padding:5px;border-radius:5px;color:<6>;background:$G;} QToolBox::tab:selected{background:$H;})";

QString sheetPath(const QString &style)
{
    return QStringLiteral(":/qss/%1.css").arg(style);
}

// Rules of a style sheet in a whitespace-free form: comments removed, split
// at '}', blanks collapsed and dropped beside punctuation.
QStringList normalisedRules(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    QStringList rules;
    for (QString rule : text.split(QLatin1Char('}'))) {
        rule = rule.simplified().replace(QRegularExpression(QStringLiteral(" ?([{};,:()]) ?")), QStringLiteral("\\1"));
        if (!rule.isEmpty())
            rules << rule;
    }
    return rules;
}

QStringList trailerOf(const QString &style)
{
    return parseColorTrailer(readResourceText(sheetPath(style))).value_or(QStringList());
}

} // namespace

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void templateText();
    void templateFormSkins_data();
    void templateFormSkins();
    void classicSkins_data();
    void classicSkins();
    void resourcesOpen();
    void catalogueAgreesWithFiles();
    void chineseCatalogues();
};

void ResourcesTest::templateText()
{
    QFile file(kTemplate);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray t = file.readAll();
    QCOMPARE(t.size(), 15382);
    // 648 lines, each ended by CR LF; no lone LF or CR anywhere.
    for (const char *end : {"\r\n", "\n", "\r"})
        QCOMPARE(t.count(end), 648);
    QVERIFY(t.endsWith("\r\n"));
    const QString text = decodeResourceText(t);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    // Line 1; skinPanelColor() reads the panel colour after its first 20 characters.
    QCOMPARE(lines.first(), QStringLiteral("QPalette{background:#C2;}*{outline:0px;color:#C1;}"));

    // Placeholders in the rules, and the colour trailer as the last eight lines.
    const QString rules = text.left(text.indexOf(QLatin1String("/*TextColor:")));
    const int placeholderCounts[ColorRoleCount] = {23, 8, 29, 22, 8, 9, 8, 9};
    for (int n = 0; n < ColorRoleCount; ++n) {
        QCOMPARE(rules.count(QString::fromLatin1(colorRoles[n].placeholder)), placeholderCounts[n]);
        QCOMPARE(lines.at(640 + n), QStringLiteral("/*%1:%2*/").arg(colorRoles[n].key, colorRoles[n].placeholder));
    }

    // The one line of blanks only holds two spaces and follows rule 42.
    const QRegularExpression blankLine(QStringLiteral("\r\n[ \t]+\r\n"));
    QCOMPARE(text.count(blankLine), 1);
    const QRegularExpressionMatch blank = blankLine.match(text);
    QCOMPARE(blank.captured(), QStringLiteral("\r\n  \r\n"));
    QCOMPARE(text.left(blank.capturedStart()).count(QLatin1Char('}')), 42);
}

void ResourcesTest::templateFormSkins_data()
{
    QTest::addColumn<int>("size");
    for (const QString &style : kTemplateForm)
        QTest::newRow(qPrintable(style)) << (style == "psblack" ? 15895 : style == "flatwhite" ? 15929 : 15878);
}

void ResourcesTest::templateFormSkins()
{
    QFETCH(int, size);
    const QString style = QString::fromLatin1(QTest::currentDataTag());
    QFile file(sheetPath(style));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), size);
    const QString text = decodeResourceText(file.readAll());
    const std::optional<QStringList> colours = parseColorTrailer(text);
    QVERIFY(colours);

    Composition expected = composeSkin(readResourceText(kTemplate), *colours);
    // psblack and flatwhite take their images from their own directories,
    // and flatwhite's editors select in HighColor on white.
    if (style == "psblack" || style == "flatwhite")
        expected.sheet.replace(QLatin1String(":/qss/common/"), QStringLiteral(":/qss/%1/").arg(style));
    if (style == "flatwhite") {
        const QString editorColours = QStringLiteral("selection-background-color:#E4E4E4;\r\nselection-color:#57595B;");
        QCOMPARE(expected.sheet.count(editorColours), 1);
        expected.sheet.replace(editorColours, "selection-background-color:#00BB9E;\r\nselection-color:#FFFFFF;");
    }
    QCOMPARE(text.split(QStringLiteral("\r\n")), expected.sheet.split(QStringLiteral("\r\n")));
    QCOMPARE(skinPanelColor(text), QColor(colours->at(1)));
    // Filled in one pass: a later role must not rewrite the "#C8" in it.
    if (style == "darkgray")
        QCOMPARE(colours->at(4), QStringLiteral("#C8C8D0"));
}

void ResourcesTest::classicSkins_data()
{
    QTest::addColumn<QStringList>("slotColours");
    for (const auto &classic : kClassic)
        QTest::newRow(classic.style) << QString::fromLatin1(classic.slotColours).split(QLatin1Char(' '));
}

void ResourcesTest::classicSkins()
{
    QFETCH(QStringList, slotColours);
    QString ruleSet = QString::fromLatin1(kClassicRules);
    ruleSet.replace(QLatin1String("$G"), QLatin1String("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 <4>,stop:1 <5>)"));
    ruleSet.replace(QLatin1String("$H"), QLatin1String("qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 <8>,stop:1 <9>)"));
    for (int k = 1; k <= 23; ++k)
        ruleSet.replace(QStringLiteral("<%1>").arg(k), slotColours.at(k - 1));

    const QString text = readResourceText(sheetPath(QString::fromLatin1(QTest::currentDataTag())));
    const QStringList expected = normalisedRules(ruleSet);
    const QStringList actual = normalisedRules(text);
    QCOMPARE(actual.size(), 77);
    QCOMPARE(actual, expected);
    QVERIFY(!parseColorTrailer(text));
}

void ResourcesTest::resourcesOpen()
{
    // The 25 style sheets are the template and the two kinds of skin file.
    QStringList sheets(QStringLiteral("template.css"));
    for (const QString &style : kTemplateForm)
        sheets << style + QStringLiteral(".css");
    for (const auto &classic : kClassic)
        sheets << QLatin1String(classic.style) + QStringLiteral(".css");
    sheets.sort();
    QCOMPARE(QDir(QStringLiteral(":/qss")).entryList({"*.css"}, QDir::Files), sheets);
    QVERIFY(!QFile::exists(QStringLiteral(":/qss/blackwhite.css")));

    // Every image a style sheet names; the other paths the code opens are the
    // skin files (catalogueAgreesWithFiles), the catalogues and the icon.
    for (const QString &sheet : sheets) {
        QCOMPARE(QResource(":/qss/" + sheet).compressionAlgorithm(), QResource::ZlibCompression);
        static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
        for (auto it = url.globalMatch(readResourceText(":/qss/" + sheet)); it.hasNext();) {
            const QString image = it.next().captured(1);
            QVERIFY2(!QImage(image).isNull(), qPrintable(sheet + " names a missing " + image));
        }
    }
    QCOMPARE(QImage(QStringLiteral(":/main.ico")).size(), QSize(128, 128));

    // The four 18-image sets are drawn 20 x 20 in their skin's colours.
    for (const char *set : {"common", "flatwhite", "psblack", "lightblue"}) {
        const QDir dir(QStringLiteral(":/qss/") + QLatin1String(set));
        QCOMPARE(dir.entryList(QDir::Files).size(), 18);
        for (const QString &name : dir.entryList(QDir::Files))
            QVERIFY2(QImage(dir.filePath(name)).size() == QSize(20, 20), qPrintable(dir.filePath(name)));
    }
    // psblack's BorderColor frames its box, lightblue's TextColor fills its radio button.
    QCOMPARE(QColor(QImage(QStringLiteral(":/qss/psblack/checkbox_unchecked.png")).pixel(0, 10)), QColor("#242424"));
    QCOMPARE(QColor(QImage(QStringLiteral(":/qss/lightblue/radiobutton_checked.png")).pixel(10, 10)), QColor("#386487"));
}

void ResourcesTest::catalogueAgreesWithFiles()
{
    QStringList equal;
    for (const SkinEntry &entry : skinCatalogue()) {
        QCOMPARE(QFile::exists(sheetPath(entry.styleName)), entry.styleName != "blackwhite");
        const QString text = readResourceText(sheetPath(entry.styleName));
        // Classic files start with the entry's PanelColor, except black's.
        if (!text.isEmpty() && !kTemplateForm.contains(entry.styleName))
            QCOMPARE(text.mid(20, 7) == entry.colors.at(1), entry.styleName != "black");
        else if (trailerOf(entry.styleName) == entry.colors)
            equal << entry.styleName;
    }
    // All 15 named template-form files but softgreen carry the entry's colours.
    QVERIFY2(equal.size() == 14, qPrintable(equal.join(QLatin1Char(' '))));

    // softgreen's file holds the entry's roles 7, 3, 4, 5, 6 as its roles 3 to 7
    // (so roles 3, 4, 5 and 7 differ; both have "#EBEBEB" as role 6).
    const SkinEntry *softgreen = findSkin(QStringLiteral("柔绿色"));
    QVERIFY(softgreen);
    QStringList moved = softgreen->colors;
    moved.move(6, 2);
    QCOMPARE(trailerOf(softgreen->styleName), moved);

    // The two files no entry names carry black's and brown's colours.
    const struct { const char *style, *entry; } unnamed[] = {{"pureblack", "黑色"}, {"lightbrown", "褐色"}};
    for (const auto &u : unnamed) {
        const SkinEntry *entry = findSkin(QString::fromUtf8(u.entry));
        QVERIFY(entry);
        QCOMPARE(trailerOf(u.style), entry->colors);
    }
}

void ResourcesTest::chineseCatalogues()
{
    const auto labelTexts = [] {
        QColorDialog dialog;
        QStringList texts(dialog.windowTitle());
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        return texts;
    };
    const QStringList english = labelTexts();
    QTranslator toolkit, widgets;
    QVERIFY(toolkit.load(QStringLiteral(":/image/qt_zh_CN.qm")));
    QVERIFY(widgets.load(QStringLiteral(":/image/widgets.qm")));
    QVERIFY(QCoreApplication::installTranslator(&toolkit));
    QVERIFY(QCoreApplication::installTranslator(&widgets));

    // Every dialog text with a word in it (not just an acronym) comes out in Chinese.
    const QStringList chinese = labelTexts();
    QCOMPARE(chinese.size(), english.size());
    static const QRegularExpression word(QStringLiteral("[a-z]{2}")), han(QStringLiteral("\\p{Han}"));
    for (int i = 0; i < english.size(); ++i)
        if (english.at(i).contains(word))
            QVERIFY2(chinese.at(i).contains(han), qPrintable(english.at(i) + " -> " + chinese.at(i)));

    QTextEdit edit(QStringLiteral("sample"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList actions;
    for (const QAction *action : menu->actions())
        actions << action->text().section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(actions.contains(QStringLiteral("复制(&C)")), qPrintable(actions.join('|')));

    QCoreApplication::removeTranslator(&widgets);
    QCoreApplication::removeTranslator(&toolkit);
}

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
