// The vantuskin style on a plain program (styleprobe) in a process of its
// own, loaded from the build tree; and the same skin through qt5ct/qt6ct.
#include "coverage.h"
#include "skinfile.h"

#include <VantuSkin/skin.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The palette as styleprobe reports it.
QString paletteLine(const QString &sheet)
{
    QStringList groups;
    for (const auto group : {QPalette::Active, QPalette::Disabled}) {
        QStringList colours;
        for (int role = 0; role < 21; ++role)
            colours << VantuSkin::skinPalette(sheet).color(group, QPalette::ColorRole(role)).name();
        groups << colours.join(',');
    }
    return groups.join(';');
}

// styleprobe run with the skin chosen by `environment` ("NAME=value").
struct Probe
{
    QProcess process;
    QTemporaryDir dir;

    Probe(const QStringList &environment, const QStringList &arguments = {"-style", "vantuskin"})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_PLUGIN_PATH", PLUGIN_DIR);
        env.remove("VANTUSKIN_SKIN");
        for (const QString &pair : environment)
            env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        process.setProcessEnvironment(env);
        process.start(PROBE_PATH, arguments);
    }
    ~Probe() { notices(); }
    // One report's fields, and the application sheet under "sheet".
    QMap<QString, QString> report()
    {
        process.write(("report " + dir.filePath("sheet.css") + "\n").toLocal8Bit());
        QMap<QString, QString> fields;
        if (!process.canReadLine() && !process.waitForReadyRead(10000))
            return fields;
        for (const QString &field : QString::fromLocal8Bit(process.readLine()).trimmed().split(' '))
            fields.insert(field.section('=', 0, 0), field.section('=', 1));
        fields["sheet"] = VantuSkin::readSkinFile(dir.filePath("sheet.css"));
        return fields;
    }
    // Reports until the palette is `sheet`'s, for up to five seconds.
    bool follows(const QString &sheet)
    {
        return QTest::qWaitFor([&] { return report().value("palette") == paletteLine(sheet); }, 5000);
    }
    // The lines the skin wrote to standard error, once the program has ended.
    QStringList notices()
    {
        process.closeWriteChannel();
        process.waitForFinished(10000);
        return QString::fromLocal8Bit(process.readAllStandardError()).split('\n').filter(QRegularExpression("^vantuskin: "));
    }
};

// vantuskin-cli's output and errors.
QString cli(const QStringList &arguments, const QString &configHome)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome);
    process.setProcessEnvironment(env);
    process.start(CLI_PATH, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

} // namespace

class StylePluginTest : public QObject
{
    Q_OBJECT

private slots:
    void skinned_data();
    void skinned();
    void follows();
    void use();
    void qtct();
};

void StylePluginTest::skinned_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("notices");
    QTest::newRow("built-in") << "psblack" << "psblack" << 0;
    QTest::newRow("display name") << "PS黑色" << "psblack" << 0;
    QTest::newRow("no skin") << "no such skin" << "flatwhite" << 1;
}

// The skin from the first frame on, with the coverage layer, and one line
// for a name that is none.
void StylePluginTest::skinned()
{
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    QFETCH(int, notices);
    const QString skin = VantuSkin::builtInSkin(shown);
    Probe probe({QString("VANTUSKIN_SKIN=") + chosen});
    QTest::qWait(500);
    const auto report = probe.report();
    QCOMPARE(report.value("first"), VantuSkin::skinPalette(skin).window().color().name() + ",1");
    QCOMPARE(report.value("palette"), paletteLine(skin));
    QCOMPARE(withoutCoverage(report.value("sheet")), skin);
    QVERIFY(report.value("sheet") != skin);
    // The disabled item drawn, nearer the menu's background than the enabled one.
    const QStringList ink = report.value("ink").split(',');
    QVERIFY2(ink.value(1).toInt() > 60 && ink.value(1).toInt() < ink.value(0).toInt() * 9 / 10, qPrintable(ink.join(',')));
    QCOMPARE(probe.notices().size(), notices);
}

// Renamed over, then rewritten in place in part, then deleted and written
// again: the second and the last skin are taken, the part is not.
void StylePluginTest::follows()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("mine.css");
    const QString first = VantuSkin::builtInSkin("darkblue");
    const QString second = VantuSkin::composeSkin({"#101010", "#F0E8D8", "#A09070", "#FFFFFF", "#E8E0D0", "#C0B090",
                                                   "#A08060", "#C04020"});
    const QString last = VantuSkin::builtInSkin("lightblue");
    QVERIFY(VantuSkin::writeSkinFile(file, first));
    Probe probe({QString("VANTUSKIN_SKIN=") + file});
    QVERIFY(probe.follows(first));
    QVERIFY(VantuSkin::writeSkinFile(file, second));
    QVERIFY(probe.follows(second));

    auto writeInPlace = [&file](const QByteArray &bytes) {
        QFile inPlace(file);
        return inPlace.open(QIODevice::WriteOnly) && inPlace.write(bytes) == bytes.size();
    };
    QVERIFY(writeInPlace(skinFileBytes(last).chopped(40)));
    QTest::qWait(500);
    QCOMPARE(probe.report().value("palette"), paletteLine(second));
    QVERIFY(QFile::remove(file));
    QTest::qWait(200);
    QVERIFY(writeInPlace(skinFileBytes(last)));
    QVERIFY(probe.follows(last));
    const QStringList notices = probe.notices();
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.at(0).contains("keeping the skin shown"), qPrintable(notices.at(0)));
}

// The recorded skin, followed from one `use` to the next.
void StylePluginTest::use()
{
    QTemporaryDir config;
    QCOMPARE(cli({"use", "psblack"}, config.path()), QString());
    Probe probe({QString("XDG_CONFIG_HOME=") + config.path()});
    QVERIFY(probe.follows(VantuSkin::builtInSkin("psblack")));
    QCOMPARE(cli({"use", "darkblue"}, config.path()), QString());
    QVERIFY(probe.follows(VantuSkin::builtInSkin("darkblue")));
    QCOMPARE(cli({"use"}, config.path()), QString("darkblue"));
    QCOMPARE(probe.notices(), QStringList());
}

// An exported colour scheme and sheet chosen in qt5ct/qt6ct.
void StylePluginTest::qtct()
{
    QTemporaryDir config;
    const QString bundle = config.filePath("skin");
    QCOMPARE(cli({"export", "--skin", "psblack", "--complete", "--qtct", "-o", bundle}, config.path()), QString());
    const QString tool = QStringLiteral("qt%1ct").arg(QT_VERSION_MAJOR);
    QSettings conf(config.filePath(tool + '/' + tool + ".conf"), QSettings::IniFormat);
    conf.setValue("Appearance/color_scheme_path", bundle + "/psblack.qtct.conf");
    conf.setValue("Appearance/custom_palette", true);
    conf.setValue("Interface/stylesheets", bundle + "/psblack.files.css");
    conf.sync();
    Probe probe({"XDG_CONFIG_HOME=" + config.path(), "QT_QPA_PLATFORMTHEME=" + tool}, {});
    QTest::qWait(500);
    const auto report = probe.report();
    QCOMPARE(report.value("palette"), paletteLine(VantuSkin::builtInSkin("psblack")));
    QCOMPARE(report.value("sheet"), VantuSkin::readSkinFile(bundle + "/psblack.files.css"));
}

QTEST_MAIN(StylePluginTest)
#include "tst_styleplugin.moc"
