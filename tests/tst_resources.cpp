// The compiled-in resources as the program uses them: every image a style
// sheet names is there, and the two Chinese catalogues load and translate.
// Their bytes are resgen's output, which tst_resgen checks.
#include "colorroles.h"

#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include <memory>

class ResourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyUrlResolves();
    void chineseCatalogues();
};

void ResourcesTest::everyUrlResolves()
{
    const QStringList sheets = QDir(QStringLiteral(":/qss")).entryList({"*.css"}, QDir::Files);
    QCOMPARE(sheets.size(), 25); // the template and the 24 finished skins
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    int urls = 0;
    for (const QString &sheet : sheets) {
        for (auto it = url.globalMatch(readResourceText(":/qss/" + sheet)); it.hasNext(); ++urls) {
            const QString image = it.next().captured(1);
            QVERIFY2(!QImage(image).isNull(), qPrintable(sheet + " names a missing " + image));
        }
    }
    QVERIFY(urls > 25);
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

    // The text edits' context menu comes from the program's own catalogue.
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
