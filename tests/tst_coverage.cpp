// The coverage layer as the package's applySkin() puts it on a program: added
// by default, left out on request. What it draws is the census's to check;
// here, that the states a user must see are faults of the skin alone that
// the layer mends.
#include "census.h"
#include "censuswindow.h"
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
    void states_data();
    void states();
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

// A light, a dark and a classic skin, each with each check of the states
// a user must see. psblack's own progress text reads on both parts of its
// bar (its filled part does not stand out from the groove).
void CoverageTest::states_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("faultAlone");
    for (const char *style : {"flatwhite", "psblack", "black"}) {
        for (const char *check : {"value", "text over a value", "focus", "toggled"}) {
            QTest::addRow("%s %s", style, check)
                << style << check << (qstrcmp(style, "psblack") != 0 || qstrcmp(check, "text over a value") != 0);
        }
    }
}

// Some widget fails the check under the skin alone (where it has the
// fault); none with the layer.
void CoverageTest::states()
{
    QFETCH(QString, style);
    QFETCH(QString, check);
    QFETCH(bool, faultAlone);
    const QString skin = VantuSkin::builtInSkin(style);
    for (const VantuSkin::Coverage coverage : {VantuSkin::Coverage::LeftOut, VantuSkin::Coverage::Added}) {
        // One census of each skin, with and without the layer, for all its rows.
        static QHash<QString, QVector<CensusCheck>> taken;
        const QString key = style + QString::number(int(coverage));
        if (!taken.contains(key)) {
            VantuSkin::applySkin(skin, coverage);
            CensusWindow window;
            taken.insert(key, takeCensus(window, *sheetColours(skin)));
        }
        QStringList lines, failed;
        for (const CensusCheck &found : taken.value(key)) {
            if (found.check == check)
                (found.passed ? lines : failed) << censusLine(found);
        }
        if (coverage == VantuSkin::Coverage::LeftOut)
            QVERIFY2(failed.isEmpty() != faultAlone, qPrintable((lines + failed).join(QLatin1Char('\n'))));
        else
            QVERIFY2(failed.isEmpty() && !lines.isEmpty(), qPrintable(failed.join(QLatin1Char('\n'))));
    }
}

QTEST_MAIN(CoverageTest)
#include "tst_coverage.moc"
