#include "census.h"

#include "censusstates.h"
#include "censuswindow.h"
#include "contrast.h"
#include "qtversion.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QColumnView>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLineEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

namespace {

constexpr double kTextRatio = 4.5;
constexpr double kDisabledRatio = 3.0;
constexpr double kMarkRatio = 3.0;
// Disabled text must differ this much in contrast from its enabled twin.
constexpr double kDisabledDistinct = 1.25;
// Text is judged by its third-strongest pixel, a mark by its fourth, so
// that one antialiased pixel more or less changes nothing.
constexpr int kTextPixel = 3;
constexpr int kMarkPixels = 4;
// Two indicator states differ in at least this many pixels, each by 1.5:1.
constexpr int kStatePixels = 6;

// What a text or a mark lies on, for telling whether the skin's own colours
// could meet the need.
enum class On { Panel, Bar, Menu };

// A region of the current shot and the colours found in it.
struct Found
{
    QColor back;     // the colour most of its pixels have
    QColor ink;      // the colour of its n-th strongest pixel against that
    double ratio = 1.0;
};

class Census
{
public:
    Census(const SkinColours &colours, QVector<CensusCheck> *out, const CensusShots &shots)
        : c(colours), out(out), shots(shots)
    {
    }

    void shoot(QWidget *root, const QString &name)
    {
        QCoreApplication::processEvents();
        this->root = root;
        shot = root->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shots)
            shots(name, shot);
    }

    QRect inShot(const QWidget *w, QRect r = QRect()) const
    {
        r = r.isNull() ? w->rect() : r.intersected(w->rect());
        return r.translated(w->mapTo(root, QPoint(0, 0))).intersected(shot.rect());
    }

    // The most common colour of `r` outside `hole`.
    QColor mostCommon(const QRect &r, const QRect &hole = QRect()) const
    {
        QHash<QRgb, int> counts;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
            for (int x = r.left(); x <= r.right(); ++x) {
                if (!hole.contains(x, y))
                    ++counts[line[x]];
            }
        }
        QRgb most = 0;
        int mostCount = -1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > mostCount || (it.value() == mostCount && it.key() < most)) {
                most = it.key();
                mostCount = it.value();
            }
        }
        return QColor(most);
    }

    // The colours of `r`: its most common one, or `back` if given, and the
    // `nth` strongest pixel against that.
    Found find(const QRect &r, int nth, const QColor &back = QColor()) const
    {
        Found f;
        if (r.isEmpty())
            return f;
        f.back = back.isValid() ? back : mostCommon(r);
        QVector<QPair<double, QRgb>> strong;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
            for (int x = r.left(); x <= r.right(); ++x)
                strong.append({contrastRatio(QColor(line[x]), f.back), line[x]});
        }
        std::sort(strong.begin(), strong.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        if (strong.size() >= nth) {
            f.ratio = strong.at(nth - 1).first;
            f.ink = QColor(strong.at(nth - 1).second);
        } else {
            f.ink = f.back;
        }
        return f;
    }

    // Whether the skin's own colours fail where `f` was found: its text on
    // its panel fails, no colour reads on both stops of its button gradient
    // (on bars), or its text colour for
    // `on` (for a mark, the best of its text, border and highlight) fails
    // on the background found.
    bool skinFails(On on, const Found &f, double need, bool text) const
    {
        // No colour at all reads on both stops of the gradient it lies on.
        if (on == On::Bar) {
            double best = 1;
            for (const QColor &pole : {QColor(Qt::black), QColor(Qt::white)})
                best = std::max(best, std::min(contrastRatio(pole, c.button[0]), contrastRatio(pole, c.button[1])));
            if (best < need)
                return true;
        }
        // Its text on its own panel already fails.
        if (on == On::Panel && contrastRatio(c.text, c.panel) < kTextRatio)
            return true;
        const QColor ink = on == On::Bar ? c.buttonText : on == On::Menu ? c.menuText : c.text;
        if (text)
            return contrastRatio(ink, f.back) < need;
        return std::max({contrastRatio(ink, f.back), contrastRatio(c.border, f.back), contrastRatio(c.high, f.back)})
               < need;
    }

    void add(const QString &widget, const QString &check, const QString &figures, bool passed, bool limited = false)
    {
        out->append({widget, check, figures, passed, !passed && limited, QString()});
    }

    QColor text(const QString &widget, QWidget *w, QRect r = QRect(), On on = On::Panel)
    {
        const Found f = find(inShot(w, r), kTextPixel);
        add(widget, QStringLiteral("text"),
            QStringLiteral("%1, %2 on %3").arg(ratioText(f.ratio), colourText(f.ink), colourText(f.back)),
            f.ratio >= kTextRatio, skinFails(on, f, kTextRatio, true));
        return f.ink;
    }

    // Disabled text: 3:1 and, given its enabled twin's colour, distinct from it.
    void disabledText(const QString &widget, QWidget *w, QRect r, const QColor &enabled, On on = On::Panel,
                      const char *check = "disabled text")
    {
        const Found f = find(inShot(w, r), kTextPixel);
        QString figures = QStringLiteral("%1, %2 on %3").arg(ratioText(f.ratio), colourText(f.ink), colourText(f.back));
        bool passed = f.ratio >= kDisabledRatio;
        if (enabled.isValid()) {
            const double apart = contrastRatio(f.ink, enabled);
            figures += QStringLiteral("; %1 from enabled %2").arg(ratioText(apart), colourText(enabled));
            passed = passed && apart >= kDisabledDistinct;
        }
        add(widget, QLatin1String(check), figures, passed, skinFails(on, f, kTextRatio, true));
    }

    // With `around`, what lies behind the mark is what surrounds `r`, as for
    // an indicator whose face fills its rectangle.
    void mark(const QString &widget, QWidget *w, QRect r = QRect(), On on = On::Panel, bool around = false)
    {
        const QRect inner = inShot(w, r);
        const QColor back = around ? mostCommon(inner.adjusted(-3, -3, 3, 3).intersected(shot.rect()), inner) : QColor();
        const Found f = find(inner, kMarkPixels, back);
        add(widget, QStringLiteral("mark"),
            QStringLiteral("%1 in %2 pixels, %3 on %4")
                .arg(ratioText(f.ratio)).arg(kMarkPixels).arg(colourText(f.ink), colourText(f.back)),
            f.ratio >= kMarkRatio, skinFails(on, f, kMarkRatio, false));
    }

    // The images of `rects` (all of one size; the smallest is used) each
    // differ from each other visibly.
    void states(const QString &widget, const QVector<QPair<QString, QRect>> &rects)
    {
        QSize size = rects.constFirst().second.size();
        for (const auto &r : rects)
            size = size.boundedTo(r.second.size());
        int fewest = size.width() * size.height();
        QString pair;
        for (int i = 0; i < rects.size(); ++i) {
            for (int j = i + 1; j < rects.size(); ++j) {
                int differing = 0;
                for (int y = 0; y < size.height(); ++y) {
                    for (int x = 0; x < size.width(); ++x) {
                        const QColor a(shot.pixel(rects[i].second.topLeft() + QPoint(x, y)));
                        const QColor b(shot.pixel(rects[j].second.topLeft() + QPoint(x, y)));
                        differing += contrastRatio(a, b) >= 1.5;
                    }
                }
                if (differing < fewest) {
                    fewest = differing;
                    pair = rects[i].first + QStringLiteral(" and ") + rects[j].first;
                }
            }
        }
        add(widget, QStringLiteral("states"), QStringLiteral("%1 pixels differ between %2").arg(fewest).arg(pair),
            fewest >= kStatePixels);
    }

    // Under a dark panel, no surface of the toolkit's own light colours.
    void surface(const QString &widget, QWidget *w, QRect r = QRect())
    {
        if (!darkPanel())
            return;
        const QColor back = find(inShot(w, r), 1).back;
        static const QColor defaults[] = {QColor(0xEF, 0xEF, 0xEF), QColor(0xA0, 0xA0, 0xA4), QColor(0xFF, 0xFF, 0xFF),
                                          QColor(0xF7, 0xF7, 0xF7)};
        bool passed = true;
        for (const QColor &d : defaults) {
            passed = passed && (qAbs(back.red() - d.red()) + qAbs(back.green() - d.green())
                                + qAbs(back.blue() - d.blue())) > 12;
        }
        add(widget, QStringLiteral("surface"),
            QStringLiteral("%1 under the panel %2").arg(colourText(back), colourText(c.panel)), passed);
    }

    bool darkPanel() const { return contrastRatio(c.panel, Qt::white) > contrastRatio(c.panel, Qt::black); }

    QImage shot;
    QWidget *root = nullptr;
    const SkinColours &c;
    QVector<CensusCheck> *out;
    const CensusShots &shots;
    bool withPalette = true;
};

template<typename W = QWidget>
W *child(QObject *parent, const char *name)
{
    return parent->findChild<W *>(QLatin1String(name));
}

// Where the style puts a check box's or radio button's indicator, or its
// text.
QRect buttonPart(QAbstractButton *button, bool indicator)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton *>(button);
    const QStyle::SubElement part = indicator ? (radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator)
                                              : (radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents);
    return button->style()->subElementRect(part, &option, button);
}

QRect indicatorRect(QAbstractButton *button)
{
    return buttonPart(button, true);
}

QRect contentsRect(QAbstractButton *button)
{
    return buttonPart(button, false);
}

QRect groupBoxPart(QGroupBox *box, QStyle::SubControl part)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable()) {
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
        option.state |= box->isChecked() ? QStyle::State_On : QStyle::State_Off;
    }
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, part, box);
}

void checkButtons(Census &census, CensusWindow &window)
{
    const QColor enabled = census.text(QStringLiteral("QPushButton default"), child(&window, "pushDefault"),
                                       child(&window, "pushDefault")->rect().adjusted(4, 4, -4, -4), On::Bar);
    census.text(QStringLiteral("QPushButton flat"), child(&window, "pushFlat"), QRect(), On::Bar);
    census.text(QStringLiteral("QPushButton checked"), child(&window, "pushChecked"),
                child(&window, "pushChecked")->rect().adjusted(4, 4, -4, -4), On::Bar);
    census.disabledText(QStringLiteral("QPushButton disabled"), child(&window, "pushDisabled"),
                        child(&window, "pushDisabled")->rect().adjusted(4, 4, -4, -4), enabled, On::Bar);

    const QColor tool = census.text(QStringLiteral("QToolButton delayed popup"), child(&window, "toolDelayed"),
                                    QRect(), On::Bar);
    QWidget *menuButton = child(&window, "toolMenuButton");
    census.text(QStringLiteral("QToolButton menu button popup"), menuButton,
                menuButton->rect().adjusted(0, 0, -18, 0), On::Bar);
    census.mark(QStringLiteral("QToolButton menu button popup arrow"), menuButton,
                QRect(menuButton->width() - 16, 0, 16, menuButton->height()), On::Bar);
    QWidget *instant = child(&window, "toolInstant");
    census.text(QStringLiteral("QToolButton instant popup"), instant, instant->rect().adjusted(0, 0, -12, 0), On::Bar);
    census.mark(QStringLiteral("QToolButton arrow"), child(&window, "toolArrow"), QRect(), On::Bar);
    census.disabledText(QStringLiteral("QToolButton disabled"), child(&window, "toolDisabled"),
                        child(&window, "toolDisabled")->rect().adjusted(4, 4, -4, -4), tool, On::Bar);
    QWidget *link = child(&window, "commandLink");
    census.text(QStringLiteral("QCommandLinkButton"), link, link->rect().adjusted(4, 4, -4, -4), On::Bar);
    auto *ok = child<QWidget>(&window, "buttonBox")->findChild<QPushButton *>();
    census.text(QStringLiteral("QDialogButtonBox"), ok, ok->rect().adjusted(4, 4, -4, -4), On::Bar);

    for (const char *kind : {"check", "radio"}) {
        const bool radio = kind[0] == 'r';
        const QString type = radio ? QStringLiteral("QRadioButton") : QStringLiteral("QCheckBox");
        QStringList stateNames {QStringLiteral("Checked"), QStringLiteral("Unchecked")};
        if (!radio)
            stateNames << QStringLiteral("Partial");
        QVector<QPair<QString, QRect>> enabledStates, disabledStates;
        QColor enabledText;
        for (const QString &state : qAsConst(stateNames)) {
            for (bool off : {false, true}) {
                const QString name = QLatin1String(kind) + state + (off ? QStringLiteral("Disabled") : QString());
                auto *button = window.findChild<QAbstractButton *>(name);
                const QString what = type + QLatin1Char(' ') + state.toLower() + (off ? QStringLiteral(", disabled") : QString());
                const QRect indicator = indicatorRect(button);
                census.mark(what, button, indicator, On::Panel, true);
                if (off)
                    census.disabledText(what, button, contentsRect(button), enabledText);
                else
                    enabledText = census.text(what, button, contentsRect(button));
                (off ? disabledStates : enabledStates).append({state.toLower(), census.inShot(button, indicator)});
                if (off)
                    census.states(what + QStringLiteral(" against enabled"),
                                  {enabledStates.constLast(), {QStringLiteral("disabled"), disabledStates.constLast().second}});
            }
        }
        census.states(type, enabledStates);
        census.states(type + QStringLiteral(", disabled"), disabledStates);
    }
}

void checkInputs(Census &census, CensusWindow &window)
{
    QColor enabled;
    const struct
    {
        const char *name;
        const char *what;
    } combos[] = {{"comboEditable", "QComboBox editable"}, {"comboPlain", "QComboBox"}, {"fontCombo", "QFontComboBox"}};
    for (const auto &entry : combos) {
        QWidget *combo = child(&window, entry.name);
        const QString what = QLatin1String(entry.what);
        enabled = census.text(what, combo, combo->rect().adjusted(3, 3, -22, -3));
        census.mark(what + QStringLiteral(" arrow"), combo, QRect(combo->width() - 20, 0, 20, combo->height()));
    }
    QWidget *combo = child(&window, "comboDisabled");
    census.disabledText(QStringLiteral("QComboBox disabled"), combo, combo->rect().adjusted(3, 3, -22, -3), enabled);

    QWidget *line = child(&window, "lineNormal");
    enabled = census.text(QStringLiteral("QLineEdit"), line, line->rect().adjusted(2, 2, -2, -2));
    census.text(QStringLiteral("QLineEdit read-only"), child(&window, "lineReadOnly"),
                line->rect().adjusted(2, 2, -2, -2));
    census.disabledText(QStringLiteral("QLineEdit placeholder"), child(&window, "linePlaceholder"),
                        line->rect().adjusted(2, 2, -2, -2), QColor(), On::Panel, "placeholder text");
    CensusCheck &placeholder = census.out->last();
    if (!QtVersion::placeholderColourReachable && !placeholder.passed && !placeholder.limited)
        placeholder.outside = QStringLiteral("beyond this Qt (it draws the placeholder in the sheet's text colour "
                                             "at half opacity, whatever the palette says)");
    census.disabledText(QStringLiteral("QLineEdit disabled"), child(&window, "lineDisabled"),
                        line->rect().adjusted(2, 2, -2, -2), enabled);

    const struct
    {
        const char *name;
        const char *what;
    } fields[] = {{"spin", "QSpinBox"}, {"doubleSpin", "QDoubleSpinBox"}, {"dateTime", "QDateTimeEdit"},
                  {"keySequence", "QKeySequenceEdit"}};
    for (const auto &field : fields) {
        QWidget *w = child(&window, field.name);
        const bool arrows = qstrcmp(field.name, "keySequence") != 0;
        census.text(QLatin1String(field.what), w, w->rect().adjusted(3, 3, arrows ? -22 : -3, -3));
        if (arrows)
            census.mark(QLatin1String(field.what) + QStringLiteral(" arrows"), w,
                        QRect(w->width() - 20, 0, 20, w->height()));
    }
    const struct
    {
        const char *name;
        const char *what;
    } marks[] = {{"sliderHorizontal", "QSlider horizontal"}, {"sliderVertical", "QSlider vertical"},
                 {"scrollHorizontal", "QScrollBar horizontal"}, {"scrollVertical", "QScrollBar vertical"},
                 {"dial", "QDial"}};
    for (const auto &m : marks)
        census.mark(QLatin1String(m.what), child(&window, m.name));
    // The percentage, in the middle of the bar.
    QWidget *progress = child(&window, "progressNormal");
    const QRect middle(progress->width() / 2 - 20, 3, 40, progress->height() - 6);
    // Its text over each part is the state census's to check; here only its
    // colour, for the disabled twin.
    enabled = census.find(census.inShot(progress, middle), kTextPixel).ink;
    census.disabledText(QStringLiteral("QProgressBar disabled"), child(&window, "progressDisabled"), middle, enabled);
}

void checkText(Census &census, CensusWindow &window)
{
    auto *plain = child<QLabel>(&window, "labelPlain");
    const QColor enabled = census.text(QStringLiteral("QLabel"), plain);
    auto *link = child<QLabel>(&window, "labelLink");
    const QFontMetrics metrics(link->font());
    const QRect contents = link->contentsRect();
    census.text(QStringLiteral("QLabel link"), link,
                QRect(contents.left() + metrics.horizontalAdvance(QStringLiteral("A label with ")), contents.top(),
                      metrics.horizontalAdvance(QStringLiteral("a link")), contents.height()));
    // Links take the palette's link colour, which no style sheet sets.
    CensusCheck &linkCheck = census.out->last();
    if (!census.withPalette && !linkCheck.passed && !linkCheck.limited)
        linkCheck.outside = QStringLiteral("beyond a style sheet (the program's palette sets it)");
    census.disabledText(QStringLiteral("QLabel disabled"), child(&window, "labelDisabled"), QRect(), enabled);

    auto *browser = child<QTextBrowser>(&window, "textBrowser");
    auto lineRect = [browser](int block, const QString &text) {
        const QRect caret = browser->cursorRect(QTextCursor(browser->document()->findBlockByNumber(block)));
        return QRect(caret.left(), caret.top(), QFontMetrics(browser->font()).horizontalAdvance(text), caret.height());
    };
    const QColor browserText = census.text(QStringLiteral("QTextBrowser"), browser->viewport(),
                                           lineRect(0, QStringLiteral("Text in a browser with")));
    census.text(QStringLiteral("QTextBrowser selection"), browser->viewport(),
                lineRect(1, QStringLiteral("This line is selected.")));
    census.surface(QStringLiteral("QTextBrowser"), browser->viewport());
    auto *plainEdit = child<QPlainTextEdit>(&window, "plainDisabled");
    census.disabledText(QStringLiteral("QPlainTextEdit disabled"), plainEdit->viewport(),
                        QRect(0, 0, plainEdit->viewport()->width(), plainEdit->fontMetrics().height() + 8),
                        browserText);
    census.mark(QStringLiteral("QLCDNumber"), child(&window, "lcd"));
}

void checkContainers(Census &census, CensusWindow &window)
{
    for (const char *name : {"groupPlain", "groupCheckable"}) {
        auto *box = child<QGroupBox>(&window, name);
        const QString what = QStringLiteral("QGroupBox ") + QString::fromLatin1(name + 5).toLower();
        const QRect title = groupBoxPart(box, QStyle::SC_GroupBoxLabel);
        census.text(what + QStringLiteral(" title"), box, title);
        const QWidget *first = box->findChild<QLabel *>();
        census.add(what, QStringLiteral("title"),
                   QStringLiteral("title ends at y %1, first child begins at y %2").arg(title.bottom()).arg(first->y()),
                   title.bottom() < first->y());
        if (box->isCheckable())
            census.mark(what + QStringLiteral(" indicator"), box, groupBoxPart(box, QStyle::SC_GroupBoxCheckBox));
    }
    auto *toolBox = child<QToolBox>(&window, "toolBox");
    census.text(QStringLiteral("QToolBox tab"), toolBox->findChild<QAbstractButton *>(), QRect(), On::Bar);
    census.text(QStringLiteral("QSplitter pane"), child(&window, "splitLeft"));
    auto *scroll = child<QScrollArea>(&window, "scrollArea");
    census.text(QStringLiteral("QScrollArea"), child(&window, "scrolledLabel"),
                QRect(0, 0, 200, child(&window, "scrolledLabel")->fontMetrics().height() + 4));
    census.surface(QStringLiteral("QScrollArea"), scroll->viewport());
    census.text(QStringLiteral("QStackedWidget"), child(&window, "stackLabel"));

    QMdiArea *mdi = window.mdi;
    census.surface(QStringLiteral("QMdiArea"), mdi->viewport(),
                   QRect(mdi->viewport()->width() - 70, 10, 60, 60));
    for (const char *name : {"subActive", "subInactive"}) {
        auto *sub = child<QMdiSubWindow>(&window, name);
        QStyleOptionTitleBar title;
        title.initFrom(sub);
        title.text = sub->windowTitle();
        title.titleBarFlags = sub->windowFlags();
        title.subControls = QStyle::SC_All;
        const int height = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &title, sub);
        title.rect = QRect(0, 0, sub->width(), height);
        if (sub == window.mdi->activeSubWindow())
            title.state |= QStyle::State_Active;
        const QString what = QStringLiteral("QMdiSubWindow ") + QString::fromLatin1(name + 3).toLower();
        census.text(what + QStringLiteral(" title"), sub,
                    sub->style()->subControlRect(QStyle::CC_TitleBar, &title, QStyle::SC_TitleBarLabel, sub), On::Bar);
        census.mark(what + QStringLiteral(" title buttons"), sub, QRect(sub->width() - 70, 2, 66, height - 4), On::Bar);
        census.surface(what, sub->widget());
    }
}

QModelIndex indexOf(QAbstractItemView *view, const char *text)
{
    const QModelIndexList found = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                       QLatin1String(text), 1, Qt::MatchExactly);
    return found.value(0);
}

void checkViews(Census &census, CensusWindow &window)
{
    for (const char *name : {"list", "tree", "table", "columns"}) {
        auto *view = child<QAbstractItemView>(&window, name);
        QWidget *port = view->viewport();
        const QString type = QLatin1String(view->metaObject()->className());
        const auto item = [view](const char *text) { return view->visualRect(indexOf(view, text)); };
        // Clear of the indicator and of a focus frame around a neighbouring row.
        const auto textPart = [](const QRect &r) { return r.adjusted(24, 3, 0, -3); };
        const auto indicator = [](const QRect &r) { return QRect(r.left() + 1, r.top(), 20, r.height()); };
        QColor enabled;
        for (const char *row : {"Alarms", "Schedules", "Users"})
            enabled = census.text(type + QStringLiteral(" item ") + QLatin1String(row), port, textPart(item(row)));
        // A column view draws its items with QItemDelegate, from the palette
        // alone: no style sheet reaches its selected and disabled items.
        if (!qobject_cast<QColumnView *>(view)) {
            census.text(type + QStringLiteral(" selected item"), port, textPart(item("Devices")), On::Bar);
            census.disabledText(type + QStringLiteral(" disabled item"), port, textPart(item("Reports")), enabled);
        }
        census.mark(type + QStringLiteral(" checked"), port, indicator(item("Alarms")));
        census.mark(type + QStringLiteral(" unchecked"), port, indicator(item("Schedules")));
        census.states(type + QStringLiteral(" indicators"),
                      {{QStringLiteral("checked"), census.inShot(port, indicator(item("Alarms")))},
                       {QStringLiteral("unchecked"), census.inShot(port, indicator(item("Schedules")))},
                       {QStringLiteral("disabled"), census.inShot(port, indicator(item("Reports")))}});
        census.surface(type, port, QRect(0, port->height() - 24, port->width(), 20));
        QHeaderView *header = qobject_cast<QTreeView *>(view) ? static_cast<QTreeView *>(view)->header()
                              : qobject_cast<QTableView *>(view) ? static_cast<QTableView *>(view)->horizontalHeader()
                                                                  : nullptr;
        if (header) {
            const int sorted = header->sortIndicatorSection();
            const int left = header->sectionViewportPosition(sorted);
            census.text(type + QStringLiteral(" header"), header,
                        QRect(left + 2, 2, header->sectionSize(sorted) - 22, header->height() - 4), On::Bar);
            census.mark(type + QStringLiteral(" sort arrow"), header,
                        QRect(left + header->sectionSize(sorted) - 18, 0, 16, header->height()), On::Bar);
        }
        if (qobject_cast<QTreeView *>(view)) {
            const QRect alarms = item("Alarms");
            census.mark(type + QStringLiteral(" branch"), port, QRect(0, alarms.top(), alarms.left(), alarms.height()));
        }
    }
}

void checkCalendar(Census &census, QCalendarWidget *calendar)
{
    auto *days = calendar->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
    QWidget *port = days->viewport();
    census.text(QStringLiteral("QCalendarWidget day"), port, days->visualRect(days->model()->index(3, 3)));
    census.text(QStringLiteral("QCalendarWidget weekday"), port, days->visualRect(days->model()->index(0, 3)));
    census.surface(QStringLiteral("QCalendarWidget"), port);
    census.text(QStringLiteral("QCalendarWidget month"), child(calendar, "qt_calendar_monthbutton"), QRect(), On::Bar);
    census.mark(QStringLiteral("QCalendarWidget previous month"), child(calendar, "qt_calendar_prevmonth"), QRect(),
                On::Bar);
    census.mark(QStringLiteral("QCalendarWidget next month"), child(calendar, "qt_calendar_nextmonth"), QRect(), On::Bar);
}

void checkMainWindow(Census &census, CensusWindow &window)
{
    QMenuBar *bar = window.menuBar();
    census.text(QStringLiteral("QMenuBar"), bar, bar->actionGeometry(bar->actions().constFirst()), On::Bar);
    QToolBar *tools = window.toolBar;
    census.text(QStringLiteral("QToolBar button"), tools->widgetForAction(tools->actions().constFirst()), QRect(),
                On::Bar);
    census.mark(QStringLiteral("QToolBar extension button"),
                window.narrowBar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")), QRect(), On::Bar);
    QDockWidget *dock = window.dock;
    census.text(QStringLiteral("QDockWidget title"), dock, QRect(0, 0, dock->width() / 2, dock->widget()->y()),
                On::Bar);
    census.mark(QStringLiteral("QDockWidget close button"), child(dock, "qt_dockwidget_closebutton"), QRect(), On::Bar);
    census.mark(QStringLiteral("QDockWidget float button"), child(dock, "qt_dockwidget_floatbutton"), QRect(), On::Bar);
    census.surface(QStringLiteral("QDockWidget"), dock->widget());
    census.surface(QStringLiteral("QMainWindow"), window.pages->currentWidget());
    QStatusBar *status = window.statusBar();
    census.text(QStringLiteral("QStatusBar"), status->findChild<QLabel *>());
    census.text(QStringLiteral("QStatusBar permanent widget"), child(status, "statusPermanent"));
    census.mark(QStringLiteral("QSizeGrip"), status->findChild<QSizeGrip *>());
    QTabBar *tabs = window.pages->tabBar();
    census.text(QStringLiteral("QTabBar tab"), tabs, tabs->tabRect(1).adjusted(2, 2, -24, -2), On::Bar);
    census.text(QStringLiteral("QTabBar selected tab"), tabs, tabs->tabRect(0).adjusted(2, 2, -24, -2), On::Bar);
    census.mark(QStringLiteral("QTabBar close button"), tabs->tabButton(1, QTabBar::RightSide), QRect(), On::Bar);
    const int last = tabs->count() - 1;
    census.disabledText(QStringLiteral("QTabBar disabled tab"), tabs, tabs->tabRect(last).adjusted(2, 2, -24, -2),
                        census.find(census.inShot(tabs, tabs->tabRect(1).adjusted(2, 2, -24, -2)), kTextPixel).ink,
                        On::Bar);
}

void checkMenu(Census &census, CensusWindow &window)
{
    QMenu *menu = window.editMenu;
    menu->popup(window.mapToGlobal(QPoint(40, 40)));
    census.shoot(menu, QStringLiteral("menu"));
    const QList<QAction *> actions = menu->actions();
    const QColor enabled = census.text(QStringLiteral("QMenu item"), menu, menu->actionGeometry(actions.constFirst()),
                                       On::Menu);
    census.disabledText(QStringLiteral("QMenu disabled item"), menu, menu->actionGeometry(window.disabledAction),
                        enabled, On::Menu);
    const auto leftPart = [menu](QAction *a) {
        const QRect r = menu->actionGeometry(a);
        return QRect(r.left(), r.top(), 26, r.height());
    };
    census.mark(QStringLiteral("QMenu checked item"), menu, leftPart(window.checkedAction), On::Menu);
    census.mark(QStringLiteral("QMenu exclusive item"), menu, leftPart(window.exclusiveAction), On::Menu);
    const QRect sub = menu->actionGeometry(window.insertMenu->menuAction());
    census.text(QStringLiteral("QMenu submenu item"), menu, sub.adjusted(26, 0, -24, 0), On::Menu);
    census.mark(QStringLiteral("QMenu submenu arrow"), menu, QRect(sub.right() - 20, sub.top(), 20, sub.height()),
                On::Menu);
    census.surface(QStringLiteral("QMenu"), menu);

    menu->setActiveAction(window.disabledAction);
    census.shoot(menu, QStringLiteral("menu-selected"));
    census.disabledText(QStringLiteral("QMenu disabled and selected item"), menu,
                        menu->actionGeometry(window.disabledAction), enabled, On::Menu);
    menu->close();
}

void checkDialogs(Census &census, CensusWindow &window)
{
    for (const QString &name : CensusWindow::dialogNames()) {
        QDialog *dialog = window.makeDialog(name);
        dialog->show();
        census.shoot(dialog, name);
        const QString what = QLatin1String(dialog->metaObject()->className());
        census.surface(what, dialog);
        const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
        auto text = std::find_if(labels.cbegin(), labels.cend(),
                                 [](QLabel *l) { return l->isVisible() && !l->text().isEmpty(); });
        if (text != labels.cend())
            census.text(what + QStringLiteral(" label"), *text);
        const QList<QAbstractItemView *> views = dialog->findChildren<QAbstractItemView *>();
        for (QAbstractItemView *view : views) {
            if (view->isVisible())
                census.surface(what + QStringLiteral(" view"), view->viewport());
        }
        delete dialog;
    }
}

} // namespace

QVector<CensusCheck> takeCensus(CensusWindow &window, const SkinColours &colours, bool withPalette,
                                const CensusShots &shots)
{
    QVector<CensusCheck> checks;
    Census census(colours, &checks, shots);
    census.withPalette = withPalette;
    window.show();
    QSet<QString> seen;
    void (*const pages[])(Census &, CensusWindow &) = {checkButtons, checkInputs, checkText, checkContainers,
                                                         checkViews};
    for (int page = 0; page < int(std::size(pages)); ++page) {
        window.pages->setCurrentIndex(page);
        census.shoot(&window, window.pages->tabText(page).toLower());
        if (page == 0)
            checkMainWindow(census, window);
        pages[page](census, window);
        checks += stateCensus(&window, &seen, shots);
    }
    window.pages->setCurrentWidget(window.calendar);
    census.shoot(&window, QStringLiteral("calendar"));
    checkCalendar(census, window.calendar);
    window.pages->setCurrentIndex(0);
    checkMenu(census, window);
    checkDialogs(census, window);
    return checks;
}

QString censusVerdict(const CensusCheck &check)
{
    return check.passed    ? QStringLiteral("ok")
           : check.limited ? QStringLiteral("limited by the skin's colours")
           : !check.outside.isEmpty() ? check.outside
                           : QStringLiteral("FAILED");
}

QString ratioText(double ratio)
{
    return QString::number(ratio, 'f', 2) + QStringLiteral(":1");
}

QString colourText(const QColor &colour)
{
    return colour.name().toUpper();
}

QString censusLine(const CensusCheck &check)
{
    return QStringLiteral("%1: %2: %3: %4").arg(check.widget, check.check, check.figures, censusVerdict(check));
}

QString censusSummary(int checks, int failed, int limited)
{
    return QStringLiteral("census: %1 checks, %2 failed, %3 limited by the skin's colours")
        .arg(checks).arg(failed).arg(limited);
}

// The same checks on the widgets of any widget tree, such as a user's form.
namespace {

const char *const ownColoursNote = "from the form's own colours";

// "buttonBox (QDialogButtonBox)"; a button of a button box by its text, a
// stand-in by the class it stands for.
QString formWidgetName(const QWidget *w)
{
    const auto named = [](const QWidget *at) {
        const QVariant shown = at->property(ShownClassProperty);
        return QStringLiteral("%1 (%2)").arg(at->objectName(), shown.isValid() ? shown.toString()
                                                                               : QLatin1String(at->metaObject()->className()));
    };
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if (button && w->objectName().isEmpty() && w->parentWidget())
        return named(w->parentWidget()) + QStringLiteral(" \"%1\"").arg(button->text().remove(QLatin1Char('&')));
    return named(w);
}

// Why the colours of `w` are the form's own rather than the skin's: a style
// sheet or a palette on it or on a widget of the form around it, or colours
// in its rich text. Empty if they are the skin's.
QString ownColours(const QWidget *w, const QWidget *form)
{
    for (const QWidget *at = w; at; at = at == form ? nullptr : at->parentWidget()) {
        const QString where = at == w ? QStringLiteral("its own") : QStringLiteral("%1's").arg(at->objectName());
        if (!at->styleSheet().isEmpty())
            return where + QStringLiteral(" style sheet");
        if (at->property(OwnPaletteProperty).toBool())
            return where + QStringLiteral(" palette");
    }
    static const QRegularExpression colour(QStringLiteral("color\\s*[:=]"), QRegularExpression::CaseInsensitiveOption);
    QString rich;
    if (const auto *label = qobject_cast<const QLabel *>(w))
        rich = label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()) ? label->text() : QString();
    else if (const auto *edit = qobject_cast<const QTextEdit *>(w))
        rich = edit->toHtml();
    return rich.contains(colour) ? QStringLiteral("colours in its rich text") : QString();
}

// Whether the census looks at `w`: the form itself, its named widgets and
// the buttons of its button boxes, not the parts Qt's widgets are made of.
bool censused(const QWidget *w, const QWidget *form)
{
    if (w == form)
        return true;
    if (w->isWindow())
        return false;
    if (qobject_cast<const QAbstractButton *>(w) && qobject_cast<const QDialogButtonBox *>(w->parentWidget()))
        return true;
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

// Brings the page that holds `w` forward in every tab widget, stacked
// widget and tool box around it.
void reveal(QWidget *w, const QWidget *form)
{
    for (QWidget *at = w; at && at != form; at = at->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(at->parentWidget())) {
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
                tabs->setCurrentWidget(at);
            else
                stack->setCurrentWidget(at);
        }
        for (QWidget *up = at->parentWidget(); up && up != form; up = up->parentWidget()) {
            if (auto *box = qobject_cast<QToolBox *>(up)) {
                if (box->indexOf(at) >= 0)
                    box->setCurrentWidget(at);
                break;
            }
        }
    }
}

// The indicator of a check box or radio button drawn in each of its states
// side by side, and those states checked against each other.
void indicatorStates(Census &census, QAbstractButton *button, const QString &name)
{
    QVector<Qt::CheckState> states {Qt::Checked, Qt::Unchecked};
    auto *box = qobject_cast<QCheckBox *>(button);
    if (box && box->isTristate())
        states << Qt::PartiallyChecked;
    const Qt::CheckState was = box ? box->checkState() : button->isChecked() ? Qt::Checked : Qt::Unchecked;
    const QRect indicator = indicatorRect(button);
    QImage strip(button->width() * states.size(), button->height(), QImage::Format_RGB32);
    QPainter painter(&strip);
    QVector<QPair<QString, QRect>> rects;
    const QSignalBlocker quiet(button);
    // A checked radio button of a group unchecks only on its own.
    const bool exclusive = button->autoExclusive();
    const bool groupExclusive = button->group() && button->group()->exclusive();
    button->setAutoExclusive(false);
    if (button->group())
        button->group()->setExclusive(false);
    static const char *const stateNames[] = {"unchecked", "partial", "checked"};
    for (int i = 0; i < states.size(); ++i) {
        if (box)
            box->setCheckState(states[i]);
        else
            button->setChecked(states[i] == Qt::Checked);
        painter.drawImage(i * button->width(), 0, button->grab().toImage());
        rects.append({QLatin1String(stateNames[states[i]]), indicator.translated(i * button->width(), 0)});
    }
    painter.end();
    if (box)
        box->setCheckState(was);
    else
        button->setChecked(was == Qt::Checked);
    button->setAutoExclusive(exclusive);
    if (button->group())
        button->group()->setExclusive(groupExclusive);
    const QImage shot = census.shot;
    census.shot = strip;
    census.states(name, rects);
    census.shot = shot;
}

// The checks that fit the kind of `w`; a disabled widget's text against
// `enabledInk`, the text colour of an enabled one of its class, if known.
void checkFormWidget(Census &census, QWidget *w, const QString &name, QHash<QString, QColor> *enabledInk)
{
    const QString type = QLatin1String(w->metaObject()->className());
    const auto text = [&](QWidget *on, const QRect &r, On where) {
        if (w->isEnabled())
            enabledInk->insert(type, census.text(name, on, r, where));
        else
            census.disabledText(name, on, r, enabledInk->value(type), where);
    };
    if (auto *box = qobject_cast<QGroupBox *>(w)) {
        const QRect title = groupBoxPart(box, QStyle::SC_GroupBoxLabel);
        if (!box->title().isEmpty())
            text(box, title, On::Panel);
        int top = box->height();
        for (const QWidget *inside : box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            top = inside->isVisible() ? qMin(top, inside->y()) : top;
        if (!box->title().isEmpty() && top < box->height())
            census.add(name, QStringLiteral("title"),
                       QStringLiteral("title ends at y %1, first child begins at y %2").arg(title.bottom()).arg(top),
                       title.bottom() < top);
        if (box->isCheckable())
            census.mark(name, box, groupBoxPart(box, QStyle::SC_GroupBoxCheckBox));
    } else if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        census.mark(name, button, indicatorRect(button), On::Panel, true);
        if (!button->text().isEmpty())
            text(button, contentsRect(button), On::Panel);
        indicatorStates(census, button, name);
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (!button->text().isEmpty())
            text(button, button->rect().adjusted(4, 4, -4, -4), On::Bar);
        auto *tool = qobject_cast<QToolButton *>(w);
        if (tool && tool->arrowType() != Qt::NoArrow)
            census.mark(name, tool, QRect(), On::Bar);
    } else if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->text().isEmpty())
            text(label, label->contentsRect(), On::Panel);
    } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        if (!line->text().isEmpty()) {
            text(line, line->rect().adjusted(2, 2, -2, -2), On::Panel);
        } else if (!line->placeholderText().isEmpty()) {
            census.disabledText(name, line, line->rect().adjusted(2, 2, -2, -2), QColor(), On::Panel,
                                "placeholder text");
            CensusCheck &placeholder = census.out->last();
            if (!QtVersion::placeholderColourReachable && !placeholder.passed && !placeholder.limited)
                placeholder.outside = QStringLiteral("beyond this Qt (it draws the placeholder in the sheet's text "
                                                     "colour at half opacity, whatever the palette says)");
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        if (!combo->currentText().isEmpty())
            text(combo, combo->rect().adjusted(3, 3, -22, -3), On::Panel);
        census.mark(name, combo, QRect(combo->width() - 20, 0, 20, combo->height()));
    } else if (auto *spin = qobject_cast<QAbstractSpinBox *>(w)) {
        const bool arrows = spin->buttonSymbols() != QAbstractSpinBox::NoButtons;
        if (!spin->text().isEmpty())
            text(spin, spin->rect().adjusted(3, 3, arrows ? -22 : -3, -3), On::Panel);
        if (arrows)
            census.mark(name, spin, QRect(spin->width() - 20, 0, 20, spin->height()));
    } else if (qobject_cast<QAbstractSlider *>(w) || qobject_cast<QLCDNumber *>(w)) {
        census.mark(name, w);
    } else if (auto *progress = qobject_cast<QProgressBar *>(w)) {
        if (progress->isTextVisible() && !progress->text().isEmpty())
            text(progress, QRect(progress->width() / 2 - 20, 3, 40, progress->height() - 6), On::Panel);
    } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
        QTabBar *bar = tabs->tabBar();
        for (int i = 0; i < qMin(bar->count(), 2); ++i)
            text(bar, bar->tabRect(i).adjusted(4, 2, -4, -2), On::Bar);
    } else if (auto *tools = qobject_cast<QToolBox *>(w)) {
        if (auto *tab = tools->findChild<QAbstractButton *>())
            text(tab, QRect(), On::Bar);
    } else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
        const QModelIndex first = view->model() ? view->model()->index(0, 0) : QModelIndex();
        if (first.isValid() && !first.data().toString().isEmpty())
            text(view->viewport(), view->visualRect(first),
                 view->selectionModel() && view->selectionModel()->isSelected(first) ? On::Bar : On::Panel);
        census.surface(name, view->viewport());
    } else if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
        QWidget *port = area->viewport();
        const auto *rich = qobject_cast<QTextEdit *>(w);
        const auto *plain = qobject_cast<QPlainTextEdit *>(w);
        QRect firstLine;
        if (rich && !rich->document()->isEmpty())
            firstLine = rich->cursorRect(QTextCursor(rich->document()->firstBlock()));
        else if (plain && !plain->document()->isEmpty())
            firstLine = plain->cursorRect(QTextCursor(plain->document()->firstBlock()));
        if (!firstLine.isNull())
            text(port, QRect(0, firstLine.top(), port->width(), firstLine.height()), On::Panel);
        census.surface(name, port);
    } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
        if (!bar->actions().isEmpty())
            text(bar, bar->actionGeometry(bar->actions().constFirst()), On::Bar);
    }
}

} // namespace

const char ShownClassProperty[] = "vantuskinShownClass";
const char OwnPaletteProperty[] = "vantuskinOwnPalette";

QVector<CensusCheck> takeFormCensus(QWidget &form, const SkinColours &colours, bool withPalette,
                                    const CensusShots &shots)
{
    QVector<CensusCheck> checks;
    Census census(colours, &checks, shots);
    census.withPalette = withPalette;
    form.show();
    QList<QWidget *> widgets {&form};
    for (QWidget *w : form.findChildren<QWidget *>()) {
        if (censused(w, &form))
            widgets << w;
    }
    QHash<QString, QColor> enabledInk;
    QSet<QWidget *> done;
    QSet<QString> statesSeen;
    // A failure of a widget that colours itself is the form's, not the skin's.
    const auto judge = [&form](const QWidget *w, CensusCheck *check) {
        const QString own = ownColours(w, &form);
        if (!own.isEmpty() && !check->passed) {
            check->limited = false;
            check->outside = QStringLiteral("%1 (%2)").arg(QLatin1String(ownColoursNote), own);
        }
    };
    int page = 0;
    for (QWidget *next : qAsConst(widgets)) {
        if (done.contains(next))
            continue;
        // Each page of the form's tabs, stacks and tool boxes in turn.
        reveal(next, &form);
        census.shoot(&form, page == 0 ? QStringLiteral("form") : QStringLiteral("page-%1").arg(page));
        ++page;
        QList<QWidget *> showing;
        for (QWidget *w : qAsConst(widgets)) {
            if (!done.contains(w) && w->isVisible())
                showing << w;
        }
        // A hidden widget is not shown on any page.
        if (!next->isVisible())
            done.insert(next);
        // Enabled ones first: a disabled text is told apart from theirs.
        std::stable_partition(showing.begin(), showing.end(), [](const QWidget *w) { return w->isEnabled(); });
        for (QWidget *w : qAsConst(showing)) {
            done.insert(w);
            const int first = checks.size();
            const QString name = formWidgetName(w);
            checkFormWidget(census, w, name, &enabledInk);
            if (w == &form)
                census.surface(name, w);
            for (int i = first; i < checks.size(); ++i)
                judge(w, &checks[i]);
        }
        // The states a user must see, on the first widget of each kind shown.
        checks += stateCensus(&form, &statesSeen, shots, [&judge](const QWidget *w, CensusCheck *check) {
            check->widget = formWidgetName(w);
            judge(w, check);
        });
    }
    return checks;
}
