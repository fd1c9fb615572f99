// The predefined skin catalogue agrees with the finished skin files that the
// resources hold: trailers, panel colours and the two files nobody names.
#include "skincatalogue.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The eight colours of a skin file's trailer, or an empty list.
QStringList trailerColours(const QByteArray &text)
{
    static const char *const keys[8] = {"TextColor", "PanelColor", "BorderColor", "NormalColorStart",
                                        "NormalColorEnd", "DarkColorStart", "DarkColorEnd", "HighColor"};
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 8)
        return {};
    QStringList colours;
    for (int n = 0; n < 8; ++n) {
        const QString line = QString::fromLatin1(lines.at(lines.size() - 8 + n)).trimmed();
        const QString head = QStringLiteral("/*%1:").arg(QLatin1String(keys[n]));
        if (!line.startsWith(head) || !line.endsWith(QLatin1String("*/")))
            return {};
        colours << line.mid(head.size(), line.size() - head.size() - 2);
    }
    return colours;
}

QString skinPath(const QString &style)
{
    return QStringLiteral(":/qss/") + style + QStringLiteral(".css");
}

const SkinEntry *entryNamed(const QString &displayName)
{
    for (const SkinEntry &e : skinCatalogue())
        if (e.displayName == displayName)
            return &e;
    return nullptr;
}

} // namespace

class CatalogueFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyStyleHasAFileExceptBlackWhite();
    void equalTrailers();
    void softGreenDiffersInFiveRoles();
    void unnamedFilesMatchBlackAndBrown();
    void classicFilesStartWithPanelColour();
};

void CatalogueFilesTest::everyStyleHasAFileExceptBlackWhite()
{
    QCOMPARE(skinCatalogue().size(), 23);
    QStringList missing;
    QSet<QString> named;
    for (const SkinEntry &e : skinCatalogue()) {
        QCOMPARE(e.colors.size(), 8);
        named.insert(e.styleName);
        if (readResource(skinPath(e.styleName)).isEmpty())
            missing << e.styleName;
    }
    QCOMPARE(missing, QStringList{QStringLiteral("blackwhite")});
    QCOMPARE(named.size(), 23);
    // The files that no entry names are exactly pureblack and lightbrown.
    QStringList unnamed;
    for (const QString &file : QDir(QStringLiteral(":/qss")).entryList({"*.css"}, QDir::Files)) {
        const QString style = file.chopped(4);
        if (style != QLatin1String("template") && !named.contains(style))
            unnamed << style;
    }
    QCOMPARE(unnamed, QStringList({"lightbrown", "pureblack"}));
}

void CatalogueFilesTest::equalTrailers()
{
    QStringList equal;
    QStringList differing;
    QStringList withoutTrailer;
    for (const SkinEntry &e : skinCatalogue()) {
        const QByteArray text = readResource(skinPath(e.styleName));
        if (text.isEmpty())
            continue;
        const QStringList trailer = trailerColours(text);
        if (trailer.isEmpty())
            withoutTrailer << e.styleName;
        else if (trailer == e.colors)
            equal << e.styleName;
        else
            differing << e.styleName;
    }
    QCOMPARE(equal.size(), 14);
    QCOMPARE(equal, QStringList({"silvery", "darkblue", "lightgray", "darkgray", "lightblack", "darkblack", "psblack",
                                 "flatblack", "flatwhite", "flatblue", "purple", "blackblue", "videoblack", "yellow"}));
    QCOMPARE(differing, QStringList{QStringLiteral("softgreen")});
    QCOMPARE(withoutTrailer, QStringList({"blue", "lightblue", "gray", "black", "white", "silverywhite", "brown"}));
}

void CatalogueFilesTest::softGreenDiffersInFiveRoles()
{
    const SkinEntry *entry = entryNamed(QStringLiteral("柔绿色"));
    QVERIFY(entry);
    QCOMPARE(entry->styleName, QStringLiteral("softgreen"));
    const QStringList file = trailerColours(readResource(skinPath(entry->styleName)));
    QCOMPARE(file.size(), 8);
    // Text, panel and high colour agree; roles 3 to 7 are assigned
    // differently (role 6 happens to be "#EBEBEB" either way).
    for (int n : {0, 1, 7})
        QCOMPARE(file.at(n), entry->colors.at(n));
    for (int n : {2, 3, 4, 6})
        QVERIFY2(file.at(n) != entry->colors.at(n), qPrintable(QString::number(n + 1)));
    // The file's border colour is the entry's DarkColorEnd, and the file's
    // roles 4 to 7 are the entry's roles 3 to 6.
    QCOMPARE(file.at(2), entry->colors.at(6));
    for (int n = 3; n <= 6; ++n)
        QCOMPARE(file.at(n), entry->colors.at(n - 1));
    QCOMPARE(file.mid(2, 5), QStringList({"#B2B6B9", "#FFFEFA", "#FFFAE8", "#EBEBEB", "#EBEBEB"}));
}

void CatalogueFilesTest::unnamedFilesMatchBlackAndBrown()
{
    const SkinEntry *black = entryNamed(QStringLiteral("黑色"));
    const SkinEntry *brown = entryNamed(QStringLiteral("褐色"));
    QVERIFY(black && brown);
    QCOMPARE(trailerColours(readResource(skinPath(QStringLiteral("pureblack")))), black->colors);
    QCOMPARE(trailerColours(readResource(skinPath(QStringLiteral("lightbrown")))), brown->colors);
    // The named files themselves are classic-form, without a trailer.
    QVERIFY(trailerColours(readResource(skinPath(black->styleName))).isEmpty());
    QVERIFY(trailerColours(readResource(skinPath(brown->styleName))).isEmpty());
}

void CatalogueFilesTest::classicFilesStartWithPanelColour()
{
    int classic = 0;
    for (const SkinEntry &e : skinCatalogue()) {
        const QByteArray text = readResource(skinPath(e.styleName));
        if (text.isEmpty() || !trailerColours(text).isEmpty())
            continue;
        ++classic;
        QCOMPARE(text.left(20), QByteArray("QPalette{background:"));
        const QString panel = QString::fromLatin1(text.mid(20, 7));
        if (e.displayName == QStringLiteral("黑色")) {
            QCOMPARE(panel, QStringLiteral("#F0F0F0"));
            QCOMPARE(e.colors.at(1), QStringLiteral("#464646"));
        } else {
            QVERIFY2(panel == e.colors.at(1), qPrintable(e.styleName + " " + panel));
        }
    }
    QCOMPARE(classic, 7);
}

QTEST_GUILESS_MAIN(CatalogueFilesTest)
#include "tst_catalogue_files.moc"
