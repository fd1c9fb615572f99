// The skin library's plain functions, without a window: which texts are
// colours, composing the template and reading a skin's colours back from its
// trailer, decoding, and writing and reading skin files.
#include "colorroles.h"
#include "filesizelimit.h"
#include "skincatalogue.h"
#include "skinfile.h"

#include <QTemporaryDir>
#include <QtTest>


namespace {

QString templateText()
{
    return readResourceText(QStringLiteral(":/qss/template.css"));
}

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SkinEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptance_data();
    void acceptance();
    void composeThenParse_data();
    void composeThenParse();
    void decodingStopsAtTheFirstZeroByte();
    void savingAndReading();
    void failedSaveKeepsTheOldFile();
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
    QTest::newRow("no hash") << "1234567" << false;
    QTest::newRow("six characters") << "#00BB9" << false;
    QTest::newRow("eight characters") << "#00BB9EE" << false;
    QTest::newRow("trailing blank") << "#00BB9E " << false;
    QTest::newRow("six digits, no hash") << "00BB9E" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("wide characters") << QString::fromUtf8("#颜色颜色颜色") << false;
}

void SkinEngineTest::acceptance()
{
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QCOMPARE(isColorValue(value), accepted);
    // One value that is no colour, in any role, and nothing is composed.
    for (int role = 0; role < ColorRoleCount; ++role) {
        QStringList colors = findSkin(defaultSkinName())->colors;
        colors[role] = value;
        const Composition c = composeSkin(templateText(), colors);
        QCOMPARE(c.complete, accepted);
        QCOMPARE(c.sheet.isEmpty(), !accepted);
    }
}

void SkinEngineTest::composeThenParse_data()
{
    QTest::addColumn<QStringList>("colors");
    for (const SkinEntry &skin : skinCatalogue())
        QTest::newRow(qPrintable(skin.styleName)) << skin.colors;
    // Inserted values are never searched again, whatever they look like.
    QTest::newRow("colours like placeholders")
        << QStringList{"#C2C3C4", "#C1C1C1", "#C8C8C8", "#C3C2C1", "#C8C8D0", "#C7C6C5", "#C5C5C5", "#C4C8C4"};
}

void SkinEngineTest::composeThenParse()
{
    QFETCH(QStringList, colors);
    const QString templ = templateText();
    const Composition c = composeSkin(templ, colors);
    QVERIFY(c.complete);
    QCOMPARE(parseColorTrailer(c.sheet).value_or(QStringList()), colors);
    QVERIFY(!composeSkin(templ, colors.mid(0, ColorRoleCount - 1)).complete);
    QVERIFY(!composeSkin(templ, colors + colors.mid(0, 1)).complete);
    // Each role's value is recorded under its own key, and every
    // placeholder, only once filled, grows by four characters.
    int growth = 0;
    for (int i = 0; i < ColorRoleCount; ++i) {
        QVERIFY(c.sheet.contains(QStringLiteral("/*%1:%2*/\r\n").arg(QLatin1String(colorRoles[i].key), colors[i])));
        growth += 4 * templ.count(QLatin1String(colorRoles[i].placeholder));
    }
    QCOMPARE(c.sheet.size(), templ.size() + growth);
    QCOMPARE(skinPanelColor(c.sheet), QColor(colors[1]));
    // The saved file reads back the same; Save writes CR LF whatever the lines end in.
    QString lf = c.sheet;
    lf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QCOMPARE(skinFileBytes(lf), c.sheet.toUtf8());
    QCOMPARE(parseColorTrailer(decodeSkinFileText(skinFileBytes(c.sheet))).value_or(QStringList()), colors);
}

void SkinEngineTest::decodingStopsAtTheFirstZeroByte()
{
    // Resource texts: one character per byte; skin files: UTF-8.
    const QByteArray bytes = QString::fromUtf8("/*颜色*/").toUtf8() + QByteArray("\0tail", 5);
    QCOMPARE(decodeSkinFileText(bytes), QString::fromUtf8("/*颜色*/"));
    QCOMPARE(decodeResourceText(bytes), QString::fromLatin1(bytes.constData()));
    QCOMPARE(decodeSkinFileText(QByteArray("\0abc", 4)), QString());
}

void SkinEngineTest::savingAndReading()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("skin.css"));
    QVERIFY(writeSkinFile(name, QStringLiteral("a long first skin text\n") + QString(200, QLatin1Char('x'))));
    QVERIFY(writeSkinFile(name, QString::fromUtf8("/*颜色*/\n")));
    QCOMPARE(fileBytes(name), QString::fromUtf8("/*颜色*/\r\n").toUtf8());
    QString text;
    QCOMPARE(readSkinFile(name, &text), SkinFileRead::Ok);
    QCOMPARE(text, QString::fromUtf8("/*颜色*/\r\n"));

    QString error;
    QCOMPARE(readSkinFile(dir.filePath(QStringLiteral("missing.css")), &text, &error), SkinFileRead::CannotOpen);
    QVERIFY(!error.isEmpty());

    // An oversized file is refused, not cut and read.
    QFile huge(dir.filePath(QStringLiteral("huge.css")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxSkinFileSize + 1));
    huge.close();
    QCOMPARE(readSkinFile(huge.fileName(), &text), SkinFileRead::TooLarge);
    QCOMPARE(text, QString::fromUtf8("/*颜色*/\r\n"));
}

void SkinEngineTest::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("kept.css"));
    QVERIFY(writeSkinFile(name, QStringLiteral("previous skin\n")));

    QString error;
    bool written = true;
    {
        const FileSizeLimit diskFull(64);
        QCOMPARE(diskFull.result, 0);
        written = writeSkinFile(name, QString(200, QLatin1Char('x')), &error);
    }

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(name), QByteArray("previous skin\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.css"});
    QVERIFY(!writeSkinFile(dir.filePath(QStringLiteral("no/such/folder.css")), QStringLiteral("x"), &error));
}

QTEST_GUILESS_MAIN(SkinEngineTest)
#include "tst_skinengine.moc"
