// The skin library's plain functions, without a window: which field values
// take part, composing the template and reading a skin's colours back from
// its trailer, decoding, and writing and reading skin files.
#include "colorroles.h"
#include "skincatalogue.h"
#include "skinfile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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
    void savingReplacesTheFileWhole();
    void failedSaveKeepsTheOldFile();
    void oversizedFileIsRefused();
};

void SkinEngineTest::acceptance_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("colour") << "#00bb9e" << true;
    QTest::newRow("hash in the middle") << "12#3456" << true;
    QTest::newRow("not hexadecimal") << "#GGGGGG" << true;
    QTest::newRow("wide characters count as units") << QString::fromUtf8("#颜色颜色颜色") << true;
    QTest::newRow("six characters") << "#00BB9" << false;
    QTest::newRow("eight characters") << "#00BB9EE" << false;
    QTest::newRow("seven without a hash") << "1234567" << false;
    QTest::newRow("empty") << "" << false;
}

void SkinEngineTest::acceptance()
{
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QCOMPARE(isAcceptedColor(value), accepted);
}

void SkinEngineTest::composeThenParse_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("trailer"); // what the composed trailer reads
    for (const SkinEntry &skin : skinCatalogue())
        QTest::newRow(qPrintable(skin.styleName)) << skin.colors << skin.colors;
    // Inserted values are never searched again, whatever they look like.
    const QStringList lookAlikes{"#C2#C3x", "#C1C1C1", "#C8C8C8", "#C3C2C1", "#C8C8D0", "#C7#C6x", "#C5C5C5", "#C4C8C4"};
    QTest::newRow("values like placeholders") << lookAlikes << lookAlikes;
    QStringList rejected = findSkin(defaultSkinName())->colors;
    rejected[1] = QStringLiteral("#FFF");
    rejected[4] = QStringLiteral("E4E4E4 ");
    QStringList kept = rejected;
    kept[1] = QStringLiteral("#C2");
    kept[4] = QStringLiteral("#C5");
    QTest::newRow("rejected values keep their placeholders") << rejected << kept;
    QStringList none, placeholders;
    for (const ColorRole &role : colorRoles) {
        none << QString();
        placeholders << QLatin1String(role.placeholder);
    }
    QTest::newRow("nothing accepted") << none << placeholders;
}

void SkinEngineTest::composeThenParse()
{
    QFETCH(QStringList, values);
    QFETCH(QStringList, trailer);
    const QString templ = templateText();
    const Composition c = composeSkin(templ, values);
    QCOMPARE(parseColorTrailer(c.sheet).value_or(QStringList()), trailer);
    for (int i = 0; i < ColorRoleCount; ++i) {
        QCOMPARE(c.accepted[i], trailer[i] == values[i]);
        QVERIFY(c.sheet.contains(QStringLiteral("/*%1:%2*/\r\n").arg(QLatin1String(colorRoles[i].key), trailer[i])));
    }
    QCOMPARE(c.anyAccepted, c.sheet != templ);
    // Each accepted role's placeholders, and only those, grow by four.
    int growth = 0;
    for (int i = 0; i < ColorRoleCount; ++i)
        growth += c.accepted[i] ? 4 * templ.count(QLatin1String(colorRoles[i].placeholder)) : 0;
    QCOMPARE(c.sheet.size(), templ.size() + growth);
    const QColor panel(trailer[1]);
    QCOMPARE(skinPanelColor(c.sheet).isValid(), panel.isValid());
    if (panel.isValid())
        QCOMPARE(skinPanelColor(c.sheet), panel);
    // The saved file reads back the same; Save writes CR LF whatever the lines end in.
    QString lf = c.sheet;
    lf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QCOMPARE(skinFileBytes(lf), c.sheet.toUtf8());
    QCOMPARE(parseColorTrailer(decodeSkinFileText(skinFileBytes(c.sheet))), parseColorTrailer(c.sheet));
}

void SkinEngineTest::decodingStopsAtTheFirstZeroByte()
{
    // Resource texts: one character per byte; skin files: UTF-8.
    const QByteArray bytes = QString::fromUtf8("/*颜色*/").toUtf8() + QByteArray("\0tail", 5);
    QCOMPARE(decodeSkinFileText(bytes), QString::fromUtf8("/*颜色*/"));
    QCOMPARE(decodeResourceText(bytes), QString::fromLatin1(bytes.constData()));
    QCOMPARE(decodeSkinFileText(QByteArray("\0abc", 4)), QString());
}

void SkinEngineTest::savingReplacesTheFileWhole()
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
}

void SkinEngineTest::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("kept.css"));
    QVERIFY(writeSkinFile(name, QStringLiteral("previous skin\n")));

    // The disk "fills up": this process may write no file larger than 64
    // bytes (works for root too, unlike a read-only folder).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = writeSkinFile(name, QString(200, QLatin1Char('x')), &error);
    setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(fileBytes(name), QByteArray("previous skin\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.css"});
    QVERIFY(!writeSkinFile(dir.filePath(QStringLiteral("no/such/folder.css")), QStringLiteral("x"), &error));
}

void SkinEngineTest::oversizedFileIsRefused()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.css")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(MaxSkinFileSize + 1));
    file.close();
    QString text = QStringLiteral("untouched");
    QCOMPARE(readSkinFile(file.fileName(), &text), SkinFileRead::TooLarge);
    QCOMPARE(text, QStringLiteral("untouched"));
}

QTEST_GUILESS_MAIN(SkinEngineTest)
#include "tst_skinengine.moc"
