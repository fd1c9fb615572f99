// The skin engine's plain functions, without a window: which field values
// take part, how the template is filled, how skin texts are decoded and how
// a skin file's colour trailer is read back. The odd skin files are opened
// through the window in tst_skinwindow.
#include "colorroles.h"
#include "skincatalogue.h"
#include "skinfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>


namespace {

// A small template with every placeholder in rules and trailer, CR LF ends.
QString miniTemplate()
{
    QString text = QStringLiteral("QPalette{background:#C2;}*{outline:0px;color:#C1;}\r\n\r\n"
                                  "a{b:#C3;c:qlineargradient(stop:0 #C4,stop:1 #C5);}\r\n"
                                  "d{e:#C6;f:#C7;g:#C8;}\r\n\r\n");
    for (const ColorRole &role : colorRoles)
        text += QStringLiteral("/*%1:%2*/\r\n").arg(QLatin1String(role.key), QLatin1String(role.placeholder));
    return text;
}

QStringList flatWhite()
{
    return findSkin(defaultSkinName())->colors;
}

} // namespace

class SkinEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptance_data();
    void acceptance();
    void compositionFillsEveryPlaceholderOnce();
    void compositionKeepsValuesThatLookLikePlaceholders();
    void compositionNeedsEightColours();
    void panelColourComesFromCharacters20To26();
    void decodingStopsAtTheFirstZeroByte();
    void trailerOfAWellFormedFile();
    void skinFileBytesEndEveryLineWithCrLf();
    void savingReplacesTheFileWhole();
};

void SkinEngineTest::acceptance_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("upper case") << "#00BB9E" << true;
    QTest::newRow("lower case") << "#00bb9e" << true;
    QTest::newRow("hash in the middle") << "12#3456" << false;
    QTest::newRow("not hexadecimal") << "#GGGGGG" << false;
    QTest::newRow("would break the sheet") << "x#y;z}q" << false;
    QTest::newRow("five digits") << "#00BB9" << false;
    QTest::newRow("colour word") << "red" << false;
    QTest::newRow("three digits") << "#0B9" << false;
    QTest::newRow("seven digits") << "#00BB9EE" << false;
    QTest::newRow("trailing blank") << "#00BB9E " << false;
    QTest::newRow("placeholder") << "#C2" << false;
    QTest::newRow("no hash") << "00BB9E0" << false;
    QTest::newRow("six digits, no hash") << "00BB9E" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("wide characters") << QString::fromUtf8("#颜色颜色颜色") << false;
}

void SkinEngineTest::acceptance()
{
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QCOMPARE(isColorValue(value), accepted);
    QStringList colors = flatWhite();
    colors[1] = value;
    const Composition c = composeSkin(miniTemplate(), colors);
    QCOMPARE(c.complete, accepted);
    QCOMPARE(c.sheet.isEmpty(), !accepted);
}

void SkinEngineTest::compositionFillsEveryPlaceholderOnce()
{
    const QStringList colors = flatWhite();
    const Composition c = composeSkin(miniTemplate(), colors);
    QVERIFY(c.complete);
    QVERIFY(!c.sheet.contains(QLatin1String("#C")));
    QVERIFY(c.sheet.startsWith(QLatin1String("QPalette{background:#FFFFFF;}")));
    QCOMPARE(c.sheet.size(), miniTemplate().size() + 4 * 16);
    for (int i = 0; i < ColorRoleCount; ++i)
        QVERIFY(c.sheet.contains(QStringLiteral("/*%1:%2*/\r\n").arg(QLatin1String(colorRoles[i].key), colors[i])));
}

void SkinEngineTest::compositionKeepsValuesThatLookLikePlaceholders()
{
    // NormalColorEnd "#C8C8D0" begins with HighColor's placeholder; role 8
    // is filled after role 5 and must not reach into the inserted value.
    const QStringList colors = findSkin(QString::fromUtf8("深灰色"))->colors;
    QCOMPARE(colors.at(4), QStringLiteral("#C8C8D0"));
    const Composition c = composeSkin(miniTemplate(), colors);
    QVERIFY(c.sheet.contains(QLatin1String("stop:1 #C8C8D0)")));
    QVERIFY(c.sheet.contains(QLatin1String("/*NormalColorEnd:#C8C8D0*/")));
    QVERIFY(!c.sheet.contains(QLatin1String("#00BB9EC8D0")));
}

void SkinEngineTest::compositionNeedsEightColours()
{
    QVERIFY(!composeSkin(miniTemplate(), flatWhite().mid(0, 7)).complete);
    QVERIFY(!composeSkin(miniTemplate(), flatWhite() << QStringLiteral("#000000")).complete);

    // No template: an empty skin, still a complete one.
    const Composition empty = composeSkin(QString(), flatWhite());
    QVERIFY(empty.complete);
    QVERIFY(empty.sheet.isEmpty());
}

void SkinEngineTest::panelColourComesFromCharacters20To26()
{
    QCOMPARE(skinPanelColor(QStringLiteral("QPalette{background:#12ab34;}")), QColor(0x12, 0xab, 0x34));
    QCOMPARE(skinPanelColor(QStringLiteral("QPalette{background:#12AB34;}")), QColor(0x12, 0xab, 0x34));
    QVERIFY(!skinPanelColor(QStringLiteral("QPalette{background:12#3456;}")).isValid());
    QVERIFY(!skinPanelColor(QStringLiteral("QPalette{background:")).isValid());
    QVERIFY(!skinPanelColor(QString()).isValid());
}

void SkinEngineTest::decodingStopsAtTheFirstZeroByte()
{
    const QByteArray bytes("QPalette{background:#FFFFFF;}\r\n/*\xd6\xd0*/\0tail", 38);
    const QString latin = decodeResourceText(bytes);
    QCOMPARE(latin.size(), 37);
    QCOMPARE(latin.at(33), QChar(0xd6)); // one character per byte
    QVERIFY(latin.endsWith(QLatin1String("*/")));

    const QByteArray utf8 = QString::fromUtf8("/*颜色*/").toUtf8() + QByteArray("\0more", 5);
    QCOMPARE(decodeSkinFileText(utf8), QString::fromUtf8("/*颜色*/"));
    QCOMPARE(decodeSkinFileText(QByteArray("\0abc", 4)), QString());
}

void SkinEngineTest::trailerOfAWellFormedFile()
{
    const QStringList colors = findSkin(QString::fromUtf8("银色"))->colors;
    const QString file = composeSkin(miniTemplate(), colors).sheet;
    const std::optional<QStringList> parts = parseColorTrailer(file);
    QVERIFY(parts.has_value());
    QCOMPARE(*parts, colors);

    // Further empty CR LF lines at the end do no harm.
    QCOMPARE(parseColorTrailer(file + QStringLiteral("\r\n\r\n")).value_or(QStringList()), colors);
}




void SkinEngineTest::skinFileBytesEndEveryLineWithCrLf()
{
    const QString sheet = composeSkin(miniTemplate(), flatWhite()).sheet;
    const QByteArray crlf = skinFileBytes(sheet);
    QCOMPARE(crlf, sheet.toUtf8());

    QString lf = sheet;
    lf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QCOMPARE(skinFileBytes(lf), crlf);
    QCOMPARE(skinFileBytes(QString::fromUtf8("/*颜色*/\n")), QString::fromUtf8("/*颜色*/\r\n").toUtf8());
}

void SkinEngineTest::savingReplacesTheFileWhole()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("skin.css"));
    QVERIFY(writeSkinFile(name, QStringLiteral("a long first skin text\n") + QString(200, QLatin1Char('x'))));
    QVERIFY(writeSkinFile(name, QStringLiteral("short\n")));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("short\r\n"));

    QString text;
    QCOMPARE(readSkinFile(name, &text), SkinFileRead::Ok);
    QCOMPARE(text, QStringLiteral("short\r\n"));
    QString error;
    QCOMPARE(readSkinFile(dir.filePath(QStringLiteral("missing.css")), &text, &error), SkinFileRead::CannotOpen);
    QVERIFY(!error.isEmpty());
}



QTEST_GUILESS_MAIN(SkinEngineTest)
#include "tst_skinengine.moc"
