// The program restyles itself through its own path (applySkin), not Qt's
// plain setPalette + setStyleSheet, because the plain path re-polishes each
// widget once per ancestor. The end result must be the same: the same
// pixels on every page and the same style-derived state on every widget,
// shown or hidden.
#include "colorroles.h"
#include "skinapply.h"
#include "skincatalogue.h"
#include "zavocreatorprobe.h"

#include <QtTest>

#include <tuple>

namespace {

// Name, own sheet, palette, font, minimum and maximum size, hover, auto-fill.
using WidgetState = std::tuple<QString, QString, QPalette, QFont, QSize, QSize, bool, bool>;

// The window's own widgets, shown or hidden, in tree order. Qt's private
// helpers (names starting "qt_", unnamed popup parts) are left out: their
// state follows the order in which Qt happens to visit them.
QVector<WidgetState> widgetStates(QWidget *window)
{
    QVector<WidgetState> states;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        states.append({w->objectName(), w->styleSheet(), w->palette(), w->font(), w->minimumSize(),
                       w->maximumSize(), w->testAttribute(Qt::WA_Hover), w->autoFillBackground()});
    }
    return states;
}

void applyPlainly(const QString &sheet)
{
    QApplication::setPalette(QPalette(skinPanelColor(sheet)));
    qApp->setStyleSheet(sheet);
}

QString composedSkin(const char *name, int role = -1, const QString &value = QString())
{
    QStringList colors = findSkin(QString::fromUtf8(name))->colors;
    if (role >= 0)
        colors[role] = value;
    return composeSkin(readResourceText(QStringLiteral(":/qss/template.css")), colors).sheet;
}

} // namespace

class RestyleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameResultAsThePlainPath_data();
    void sameResultAsThePlainPath();

private:
    QVector<QImage> grabPages();

    std::unique_ptr<ZavoCreator> window;
};

void RestyleTest::initTestCase()
{
    QApplication::setFont(programFont()); // as main() does
    window = std::make_unique<ZavoCreator>();
    window->resize(1000, 760);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

QVector<QImage> RestyleTest::grabPages()
{
    QTabWidget *tabs = ZavoCreatorProbe::ui(*window)->tabWidget;
    QVector<QImage> pages;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        pages.append(window->grab().toImage());
    }
    tabs->setCurrentIndex(0);
    QCoreApplication::processEvents();
    return pages;
}

void RestyleTest::sameResultAsThePlainPath_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("one keystroke") << composedSkin("白色扁平") << composedSkin("白色扁平", 2, QStringLiteral("#123456"));
    QTest::newRow("light to dark") << composedSkin("白色扁平") << composedSkin("深黑色");
    QTest::newRow("to a finished file") << composedSkin("紫色") << readResourceText(QStringLiteral(":/qss/psblack.css"));
    QTest::newRow("classic skin") << composedSkin("黄色") << readResourceText(QStringLiteral(":/qss/blue.css"));
}

void RestyleTest::sameResultAsThePlainPath()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY(!before.isEmpty() && !after.isEmpty() && before != after);

    applyPlainly(before);
    applyPlainly(after);
    QCoreApplication::processEvents();
    const QVector<QImage> plainPages = grabPages();
    const QVector<WidgetState> plainStates = widgetStates(window.get());
    const QPalette plainPalette = QApplication::palette();

    applyPlainly(before);
    QCoreApplication::processEvents();
    applySkin(after);
    QCOMPARE(qApp->styleSheet(), after);
    QCOMPARE(QApplication::palette(), plainPalette);
    QCoreApplication::processEvents();
    const QVector<QImage> pages = grabPages();
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY2(pages[i] == plainPages[i], qPrintable(QStringLiteral("page %1").arg(i)));

    const QVector<WidgetState> states = widgetStates(window.get());
    QVERIFY(states.size() > 100); // the form's own widgets
    QCOMPARE(states.size(), plainStates.size());
    for (int i = 0; i < states.size(); ++i)
        QVERIFY2(states[i] == plainStates[i], qPrintable(std::get<0>(states[i])));

    // The plain path's picture differs from the state before: the check
    // compares something.
    applyPlainly(before);
    QCoreApplication::processEvents();
    QVERIFY(grabPages().first() != plainPages.first());
}

QTEST_MAIN(RestyleTest)
#include "tst_restyle.moc"
