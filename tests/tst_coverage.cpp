// The coverage layer as the package's applySkin() puts it on a program: added
// by default, left out on request. What it draws is the census's to check.
#include "coverage.h"

#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QtTest>

class CoverageTest : public QObject
{
    Q_OBJECT

private slots:
    void applySkin_data();
    void applySkin();
    void cleanup() { VantuSkin::applySkin(QString()); }
};

// A light, a dark and a classic skin.
void CoverageTest::applySkin_data()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("light") << "flatwhite";
    QTest::newRow("dark") << "psblack";
    QTest::newRow("classic") << "black";
}

void CoverageTest::applySkin()
{
    QFETCH(QString, style);
    const QString skin = VantuSkin::builtInSkin(style);
    VantuSkin::applySkin(skin);
    QVERIFY(qApp->styleSheet() != skin);
    QCOMPARE(withoutCoverage(qApp->styleSheet()), skin);
    VantuSkin::applySkin(skin, VantuSkin::Coverage::LeftOut);
    QCOMPARE(qApp->styleSheet(), skin);
}

QTEST_MAIN(CoverageTest)
#include "tst_coverage.moc"
