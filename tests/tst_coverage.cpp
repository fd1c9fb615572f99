// The coverage layer and the full palette on a window of the kind real
// programs have, judged from its pixels: disabled menu items, text on its
// background, and the marks the layer draws.
#include "colorroles.h"
#include "contrast.h"
#include "coverage.h"
#include "sampleapplication.h"

#include <VantuSkin/widgets.h>
#include "skinpalette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {

// The colour most pixels of `rect` have: what lies behind the text or mark.
QColor backgroundOf(const QImage &image, const QRect &rect)
{
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return QColor(best);
}

// The pixel of `rect` that stands out most from its background, and how far.
QColor strongest(const QImage &image, const QRect &rect, double *ratio)
{
    const QColor back = backgroundOf(image, rect);
    QColor best = back;
    *ratio = 1.0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel(image.pixel(x, y));
            const double r = contrastRatio(pixel, back);
            if (r > *ratio) {
                *ratio = r;
                best = pixel;
            }
        }
    }
    return best;
}

QRect inWindow(const QWidget *widget, const QRect &rect, const QWidget *window)
{
    return rect.translated(widget->mapTo(window, QPoint(0, 0)));
}

} // namespace

class CoverageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void disabledMenuItem_data() { skins(); }
    void disabledMenuItem();
    void textOnBackground_data() { skins(); }
    void textOnBackground();
    void marksStandOut_data() { skins(); }
    void marksStandOut();
    void coverageLeftOut_data() { skins(); }
    void coverageLeftOut();

private:
    void skins();
    SampleApplication *window = nullptr;
    QImage shot;
};

// A light, a dark and a classic skin, each put on at run time as a program
// does: the package's applySkin(), which adds the coverage layer with its
// images drawn and registered in memory, and sets the full palette.
void CoverageTest::skins()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("light") << "flatwhite";
    QTest::newRow("dark") << "psblack";
    QTest::newRow("dark blue") << "darkblue";
    QTest::newRow("classic") << "black";
}

void CoverageTest::init()
{
    QFETCH(QString, style);
    window = new SampleApplication;
    VantuSkin::applySkin(VantuSkin::builtInSkin(style));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    shot = window->grab().toImage();
}

void CoverageTest::cleanup()
{
    delete window;
    window = nullptr;
    VantuSkin::applySkin(QString());
}

void CoverageTest::disabledMenuItem()
{
    QMenu *menu = window->editMenu;
    menu->popup(window->mapToGlobal(QPoint(40, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const QImage image = menu->grab().toImage();
    double enabledRatio = 0;
    double disabledRatio = 0;
    const QColor enabled = strongest(image, menu->actionGeometry(window->undoAction), &enabledRatio);
    const QColor disabled = strongest(image, menu->actionGeometry(window->cutAction), &disabledRatio);
    menu->close();

    QVERIFY2(contrastRatio(enabled, disabled) >= 1.3,
             qPrintable(QStringLiteral("%1 and %2").arg(enabled.name(), disabled.name())));
    QVERIFY2(disabledRatio >= 3.0, qPrintable(QString::number(disabledRatio)));
}

void CoverageTest::textOnBackground()
{
    QDockWidget *dock = window->dock;
    QTabBar *tabs = window->tabs->tabBar();
    QHeaderView *header = window->table->horizontalHeader();
    QTreeView *tree = window->tree;
    const QRect item = tree->visualRect(tree->model()->index(0, 0));
    const struct
    {
        const char *what;
        QRect rect;
    } texts[] = {
        {"label", inWindow(window->label, window->label->rect(), window)},
        {"status bar", inWindow(window->statusLabel, window->statusLabel->rect(), window)},
        {"dock title", inWindow(dock, QRect(0, 0, dock->width() / 2, dock->widget()->y()), window)},
        {"tab", inWindow(tabs, tabs->tabRect(0).adjusted(0, 0, -22, 0), window)},
        {"header", inWindow(header, QRect(header->sectionViewportPosition(0), 0, 40, header->height()), window)},
        {"tree item", inWindow(tree->viewport(), item.adjusted(24, 0, 0, 0), window)},
        {"tool button", inWindow(window->menuButton, window->menuButton->rect().adjusted(0, 0, -18, 0), window)},
    };
    for (const auto &text : texts) {
        double ratio = 0;
        strongest(shot, text.rect, &ratio);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(text.what).arg(ratio)));
    }
}

void CoverageTest::marksStandOut()
{
    QDockWidget *dock = window->dock;
    QTabBar *tabs = window->tabs->tabBar();
    QTreeView *tree = window->tree;
    QHeaderView *header = tree->header();
    auto button = [dock](const char *name) { return dock->findChild<QAbstractButton *>(QLatin1String(name)); };
    QWidget *close = button("qt_dockwidget_closebutton");
    QWidget *undock = button("qt_dockwidget_floatbutton");
    QWidget *tabClose = tabs->tabButton(0, QTabBar::RightSide);
    QVERIFY(close && undock && tabClose);
    const int sorted = header->sortIndicatorSection();
    const QRect item = tree->visualRect(tree->model()->index(0, 0));
    const struct
    {
        const char *what;
        QRect rect;
    } marks[] = {
        {"dock close", inWindow(close, close->rect(), window)},
        {"dock float", inWindow(undock, undock->rect(), window)},
        {"tab close", inWindow(tabClose, tabClose->rect(), window)},
        {"sort arrow", inWindow(header, QRect(header->sectionViewportPosition(sorted) + header->sectionSize(sorted) - 16,
                                              0, 14, header->height()), window)},
        {"view check", inWindow(tree->viewport(), QRect(item.left(), item.top(), 22, item.height()), window)},
    };
    for (const auto &mark : marks) {
        double ratio = 0;
        strongest(shot, mark.rect, &ratio);
        QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1: %2").arg(mark.what).arg(ratio)));
    }
}

void CoverageTest::coverageLeftOut()
{
    QFETCH(QString, style);
    VantuSkin::applySkin(VantuSkin::builtInSkin(style), VantuSkin::Coverage::LeftOut);
    QCOMPARE(qApp->styleSheet(), VantuSkin::builtInSkin(style));
}

QTEST_MAIN(CoverageTest)
#include "tst_coverage.moc"
