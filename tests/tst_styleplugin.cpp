// The vantuskin style on a plain program (styleprobe) in a process of its
// own, loaded from the build tree; and the same skin through qt5ct/qt6ct.
#include "coverage.h"
#include "skinfile.h"

#include <VantuSkin/skin.h>

#include <QtTest>

namespace {

// The palette as styleprobe reports it.
QString paletteLine(const QString &sheet)
{
    QStringList colours;
    for (int role = 0; role < 42; ++role)
        colours << VantuSkin::skinPalette(sheet).color(role < 21 ? QPalette::Active : QPalette::Disabled,
                                                      QPalette::ColorRole(role % 21)).name();
    return colours.join(',');
}

// styleprobe, in this process's environment.
struct Probe
{
    QProcess process;
    QTemporaryDir dir;

    explicit Probe(const QStringList &arguments = {"-style", "vantuskin"}) { process.start(PROBE_PATH, arguments); }
    ~Probe() { notices(); }
    // One report's fields, and the application sheet under "sheet".
    QMap<QString, QString> report()
    {
        process.write(("report " + dir.filePath("sheet.css") + "\n").toLocal8Bit());
        QMap<QString, QString> fields;
        while (!process.canReadLine() && process.waitForReadyRead(10000)) {
        }
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
QString cli(const QStringList &arguments)
{
    QProcess process;
    process.start(CLI_PATH, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

} // namespace

class StylePluginTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qputenv("QT_PLUGIN_PATH", PLUGIN_DIR);
        for (const char *name : {"VANTUSKIN_SKIN", "XDG_CONFIG_HOME", "QT_QPA_PLATFORMTHEME"})
            qunsetenv(name);
    }
    void skinned();
    void follows();
    void qtct();
};

// The skin from the first frame on, with the coverage layer.
void StylePluginTest::skinned()
{
    const QString skin = VantuSkin::builtInSkin("psblack");
    qputenv("VANTUSKIN_SKIN", "psblack");
    Probe probe;
    QTest::qWait(500);
    const auto report = probe.report();
    QCOMPARE(report.value("first"), VantuSkin::skinPalette(skin).window().color().name() + ",1");
    QCOMPARE(report.value("palette"), paletteLine(skin));
    QCOMPARE(withoutCoverage(report.value("sheet")), skin);
    // The disabled item drawn, nearer the menu's background than the enabled
    // one: the coverage layer's work, which the skin alone does not do.
    const QStringList ink = report.value("ink").split(',');
    QVERIFY2(ink.value(1).toInt() > 60 && ink.value(1).toInt() < ink.value(0).toInt() * 9 / 10, qPrintable(ink.join(',')));
    QCOMPARE(probe.notices(), QStringList());
    qputenv("VANTUSKIN_SKIN", "no such skin");
    Probe misnamed;
    QVERIFY(misnamed.follows(VantuSkin::builtInSkin("flatwhite")));
    QCOMPARE(misnamed.notices().size(), 1);
}

// The user's skin: none at the start (flat white), then one `use`, one
// renamed over, one rewritten in place in part (not taken), one deleted and
// written again.
void StylePluginTest::follows()
{
    QTemporaryDir config;
    const QString file = config.filePath("vantuskin/skin.css");
    const QString second = VantuSkin::composeSkin({"#101010", "#F0E8D8", "#A09070", "#FFFFFF", "#E8E0D0", "#C0B090",
                                                   "#A08060", "#C04020"});
    const QString last = VantuSkin::builtInSkin("lightblue");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    Probe probe;
    QVERIFY(probe.follows(VantuSkin::builtInSkin("flatwhite")));
    QCOMPARE(cli({"use", "darkblue"}), QString());
    QVERIFY(probe.follows(VantuSkin::builtInSkin("darkblue")));
    QVERIFY(VantuSkin::writeSkinFile(file, second));
    QVERIFY(probe.follows(second));

    QFile inPlace(file);
    QVERIFY(inPlace.open(QIODevice::WriteOnly) && inPlace.write(skinFileBytes(last).chopped(40)) > 0);
    inPlace.close();
    QTest::qWait(500);
    QCOMPARE(probe.report().value("palette"), paletteLine(second));
    QVERIFY(inPlace.remove());
    QTest::qWait(200);
    QVERIFY(VantuSkin::writeSkinFile(file, last));
    QVERIFY(probe.follows(last));
    QCOMPARE(cli({"use"}), QString("lightblue"));
    QCOMPARE(probe.notices(), QStringList("vantuskin: " + file + ": it ends inside a rule (written only in part?); "
                                          "keeping the skin shown"));
}

// An exported colour scheme and sheet chosen in qt5ct/qt6ct.
void StylePluginTest::qtct()
{
    QTemporaryDir config;
    const QString bundle = config.filePath("skin");
    QVERIFY(cli({"export", "--skin", "psblack", "--complete", "--qtct", "-o", bundle}).startsWith("wrote "));
    const QString tool = QStringLiteral("qt%1ct").arg(QT_VERSION_MAJOR);
    QSettings conf(config.filePath(tool + '/' + tool + ".conf"), QSettings::IniFormat);
    conf.setValue("Appearance/color_scheme_path", bundle + "/psblack.qtct.conf");
    conf.setValue("Appearance/custom_palette", true);
    conf.setValue("Interface/stylesheets", bundle + "/psblack.files.css");
    conf.sync();
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORMTHEME", tool.toLocal8Bit());
    Probe probe {QStringList()};
    QVERIFY(probe.follows(VantuSkin::builtInSkin("psblack")));
    QCOMPARE(probe.report().value("sheet"), VantuSkin::readSkinFile(bundle + "/psblack.files.css"));
}

QTEST_MAIN(StylePluginTest)
#include "tst_styleplugin.moc"
