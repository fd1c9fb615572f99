// The contrast audit and the gallery: WCAG's formula against published
// reference pairs, and vantuskin-cli's audit and gallery run as a user runs
// them.
#include "colorroles.h"
#include "contrast.h"
#include "contrastrepair.h"
#include "oklch.h"
#include "skincatalogue.h"
#include "skinreport.h"
#include "zavocreator.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString whiteOnWhite = QStringLiteral("#FFFFFF,#FAFAFA,#F0F0F0,#FFFFFF,#F5F5F5,#FFFFFF,#F5F5F5,#E0FFF8");

// Runs vantuskin-cli: its exit code (-1 if it did not finish) and, in
// `output`, what it wrote to either channel.
int runCli(const QStringList &arguments, QString *output,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.setProcessChannelMode(QProcess::MergedChannels);
    cli.start(QStringLiteral(VANTUSKIN_CLI), arguments);
    const bool finished = cli.waitForFinished(120000) && cli.exitStatus() == QProcess::NormalExit;
    *output = QString::fromUtf8(cli.readAll());
    return finished ? cli.exitCode() : -1;
}

} // namespace

class GalleryTest : public QObject
{
    Q_OBJECT

private slots:
    void publishedRatios_data();
    void publishedRatios();
    void repairMovesToTheNearestPassingLightness_data();
    void repairMovesToTheNearestPassingLightness();
    void commands_data();
    void commands();
    void oneCatalogue();
    void galleryOfOneSkin();
    void oneRestyleShowsWhatTheMenuShows();
};

void GalleryTest::publishedRatios_data()
{
    QTest::addColumn<QString>("foreground");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("ratio");
    QTest::newRow("#777777 on white") << "#777777" << "#FFFFFF" << "4.48";
    QTest::newRow("black on white") << "#000000" << "#FFFFFF" << "21.00";
    QTest::newRow("#767676, the lightest grey at 4.5:1 on white") << "#767676" << "#FFFFFF" << "4.54";
    QTest::newRow("#595959, the lightest grey at 7:1 on white") << "#595959" << "#FFFFFF" << "7.00";
    QTest::newRow("red on white") << "#FF0000" << "#FFFFFF" << "4.00";
    QTest::newRow("blue on white") << "#0000FF" << "#FFFFFF" << "8.59";
    QTest::newRow("order free: white on red") << "#FFFFFF" << "#FF0000" << "4.00";
    QTest::newRow("same colour") << "#808080" << "#808080" << "1.00";
}

void GalleryTest::publishedRatios()
{
    QFETCH(QString, foreground);
    QFETCH(QString, background);
    QFETCH(QString, ratio);
    QCOMPARE(QString::number(contrastRatio(QColor(foreground), QColor(background)), 'f', 2), ratio);
}

void GalleryTest::repairMovesToTheNearestPassingLightness_data()
{
    QTest::addColumn<QString>("style");
    // Light and dark skins, the classic-form ones through their catalogue
    // colours, blackwhite's text that no lightness makes readable.
    for (const SkinEntry &skin : skinCatalogue())
        QTest::newRow(qPrintable(skin.styleName)) << skin.styleName;
}

void GalleryTest::repairMovesToTheNearestPassingLightness()
{
    QFETCH(QString, style);
    const QStringList colors = findStyle(style)->colors;
    const SkinRepair repair = repairSkin(colors);
    // The worst pair of one role, as its ratio over its need; 1 or more passes.
    const auto margin = [](const QStringList &tried, int role) {
        double worst = 1e9;
        for (const ContrastCheck &check : checkContrast(tried)) {
            if (check.pair.foreground == role || check.pair.background == role)
                worst = qMin(worst, check.ratio / requiredRatio(check.pair.need));
        }
        return worst;
    };
    for (int role = 0; role < ColorRoleCount; ++role) {
        const ColourFix fix = nearestReadable(colors, role);
        const Oklch start = toOklch(QColor(colors[role]));
        // Every lightness in steps of 0.001, hue and chroma kept.
        double nearest = 2;
        double bestMargin = 0;
        for (int step = 0; step <= 1000; ++step) {
            QStringList tried = colors;
            tried[role] = fromOklch({step / 1000.0, start.chroma, start.hue}).name();
            const double m = margin(tried, role);
            bestMargin = qMax(bestMargin, m);
            if (m >= 1)
                nearest = qMin(nearest, qAbs(toOklch(QColor(tried[role])).lightness - start.lightness));
        }
        QStringList fixed = colors;
        fixed[role] = fix.after;
        const Oklch end = toOklch(QColor(fix.after));
        QVERIFY(end.chroma <= start.chroma + 0.005);
        if (start.chroma > 0.05 && end.chroma > 0.05)
            QVERIFY2(qAbs(end.hue - start.hue) < 3, qPrintable(fix.after));
        if (margin(colors, role) >= 1)
            QCOMPARE(fix.after, colors[role]);
        else if (nearest <= 1)
            QVERIFY2(fix.meetsAll && qAbs(end.lightness - start.lightness) <= nearest + 0.001, qPrintable(fix.after));
        else
            QVERIFY2(!fix.meetsAll && margin(fixed, role) >= bestMargin - 0.001, qPrintable(fix.after));
        QCOMPARE(fix.meetsAll, margin(fixed, role) >= 1);
        // The skin's repair moves failing foregrounds only.
        QCOMPARE(repair.colors[role], isForegroundRole(role) ? fix.after : colors[role]);
    }
    QCOMPARE(repair.complete, failingPairCount(repair.colors) == 0);
}

void GalleryTest::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("readable skin passes --strict")
        << QStringList {"audit", "--colors", "#000000,#FFFFFF,#767676,#FFFFFF,#EEEEEE,#FFFFFF,#F0F0F0,#0000FF", "--strict"} << 0 << "#000000 on PanelColor       #FFFFFF  21.00:1  needs 4.5:1  pass";
    QTest::newRow("failing skin, --strict") << QStringList {"audit", "--colors", whiteOnWhite, "--strict"} << 1 << "9 of 9 pairs fail";
    QTest::newRow("failing skin, no --strict") << QStringList {"audit", "--colors", whiteOnWhite} << 0 << "1.04:1  needs 4.5:1  FAIL";
    QTest::newRow("4.4995 is not shown as 4.50") << QStringList {"audit", "--colors", "#386487,#EAF7FF,#C0DCF2,"
        "#DEF0FE,#C0DEF6,#F2F9FF,#DAEFFF,#00BB9E"} << 0 << "#C0DEF6   4.49:1  needs 4.5:1  FAIL";
    QTest::newRow("classic skin: the button text on the buttons") << QStringList {"audit", "--skin", "black"} << 0
        << "ButtonText       #F0F0F0 on NormalColorStart #4D4D4D   7.42:1  needs 4.5:1  pass";
    QTest::newRow("no skin") << QStringList {"audit"} << 1 << "--all or one of --skin";
    QTest::newRow("--all and --skin") << QStringList {"audit", "--all", "--skin", "psblack"} << 1 << "leave out --skin";
    QTest::newRow("--fix: the repaired colours last")
        << QStringList {"audit", "--fix", "--skin", "flatwhite"} << 0
        << "#00BB9E -> #00A188  lightness -0.074, worst pair 2.25:1 -> 3.01:1\n"
           "fixed: #57595B,#FFFFFF,#949494,#E4E4E4,#E4E4E4,#F6F6F6,#F6F6F6,#00A188\n";
    QTest::newRow("--fix on a classic-form skin: first what it starts from")
        << QStringList {"audit", "--fix", "--skin", "black"} << 0
        << "starts from its catalogue colours, composed with the template, not from the colours it paints "
           "(backgrounds: PanelColor #F0F0F0 becomes #464646)\nblack: 0 of 9 pairs fail (repaired)\n";
    QTest::newRow("--fix --strict, text no lightness repairs")
        << QStringList {"audit", "--fix", "--strict", "--skin", "blackwhite"} << 1 << "cannot be fully repaired";
    QTest::newRow("gallery without folder") << QStringList {"gallery", "--skin", "psblack"} << 1 << "with -o";
}

void GalleryTest::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QString written;
    QCOMPARE(runCli(arguments, &written), exitCode);
    QVERIFY2(written.contains(output), qPrintable(written));
}

// list, the names --skin accepts and audit --all name the same skins.
void GalleryTest::oneCatalogue()
{
    QString listed, unknown, audited;
    QCOMPARE(runCli({"list"}, &listed), 0);
    QCOMPARE(runCli({"audit", "--skin", "nosuch"}, &unknown), 1);
    QCOMPARE(runCli({"audit", "--all"}, &audited), 0);
    QStringList names, fromAudit;
    for (const QString &line : listed.split('\n', Qt::SkipEmptyParts)) {
        names << line.section('\t', 0, 0);
        QString shown;
        QVERIFY2(runCli({"audit", "--skin", line.section('\t', 1, 1)}, &shown) == 0 || line.section('\t', 1, 1) == "-",
                 qPrintable(line));
    }
    QStringList lines = audited.split('\n', Qt::SkipEmptyParts);
    const QString summary = lines.takeLast();
    int failing = 0;
    for (const QString &line : qAsConst(lines)) {
        if (!line.startsWith(' ')) {
            fromAudit << line.section(':', 0, 0);
            failing += !line.contains(": 0 of ");
        }
    }
    QVERIFY(names.contains("blackwhite") && names.contains("lightbrown"));
    QCOMPARE(unknown.section(": ", 2).trimmed().split(", "), names);
    QCOMPARE(fromAudit, names);
    QVERIFY2(summary.startsWith(QStringLiteral("%1 skins audited: %2 fail, ").arg(names.size()).arg(failing)),
             qPrintable(summary));
}

void GalleryTest::galleryOfOneSkin()
{
    QApplication::setFont(programFont());
    ZavoCreator window;
    window.show();
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the command picks offscreen itself
    QString written;
    QVERIFY2(runCli({"gallery", "--skin", "purple", "--recolor", "--accessible", "-o", dir.filePath("g")}, &written,
                    environment) == 0,
             qPrintable(written));

    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {"g"});
    QFile index(dir.filePath("g/index.html"));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    QVERIFY(html.contains("indicators drawn in its colours"));
    // Beside the skin, its repair, with the repaired colours' swatches.
    for (const QString &color : repairSkin(findStyle("purple")->colors).colors)
        QVERIFY2(html.contains("background:" + color + "\""), qPrintable(color));
    for (const QString skin : {"purple", "purple-accessible"}) {
        const QStringList images = QDir(dir.filePath("g/" + skin)).entryList({"*.png"});
        QCOMPARE(images.size(), 13);
        for (const QString &image : images) {
            const QImage page(dir.filePath("g/" + skin + "/" + image));
            QVERIFY(!page.isNull());
            if (!image.contains("application")) // the sample application window has a size of its own
                QCOMPARE(page.size(), window.size());
            QVERIFY2(html.contains(QStringLiteral("href=\"%1/%2\"").arg(skin, image)), qPrintable(image));
        }
    }

    // A second gallery replaces the first only with --force, and then whole.
    QCOMPARE(runCli({"gallery", "--skin", "psblack", "-o", dir.filePath("g")}, &written, environment), 1);
    QVERIFY2(written.contains("give --force"), qPrintable(written));
    QVERIFY(QFileInfo::exists(dir.filePath("g/purple-accessible")) && !QFileInfo::exists(dir.filePath("g/psblack")));
    QVERIFY2(runCli({"gallery", "--skin", "psblack", "--force", "-o", dir.filePath("g")}, &written, environment) == 0,
             qPrintable(written));
    QCOMPARE(QDir(dir.filePath("g")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList {"psblack"});
}

void GalleryTest::oneRestyleShowsWhatTheMenuShows()
{
    ZavoCreator window;
    window.show();
    // A field scrolls its text as it was when set, so the text is brought
    // back to its start before the window is compared.
    auto grab = [&window] {
        QCoreApplication::processEvents();
        for (QLineEdit *field : window.findChildren<QLineEdit *>())
            field->setCursorPosition(0);
        return window.grab().toImage();
    };
    auto menu = [&window, &grab](const QString &text) {
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == text)
                action->trigger();
        }
        return grab();
    };
    const QImage viaMenu = menu(QStringLiteral("PS黑色"));
    menu(QStringLiteral("紫色"));
    window.showSkin(findStyle("psblack")->colors, readResourceText(QStringLiteral(":/qss/psblack.css")));
    QCOMPARE(grab(), viaMenu);
}

QTEST_MAIN(GalleryTest)
#include "tst_gallery.moc"
