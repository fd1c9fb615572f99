// vantuskin-cli as a user runs it: one row per command line, each in a fresh
// folder with the same input files, checking the exit code, the one error
// line, standard output and the files left behind.
#include "colorroles.h"
#include "coverage.h"
#include "skincatalogue.h"
#include "skinfile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kColors = QStringLiteral("#E0E0E0,#2B2B2B,#555555,#3A3A3A,#333333,#4A4A4A,#404040,#FFB000");

QByteArray savedBytes()
{
    return skinFileBytes(composeSkin(readResourceText(QStringLiteral(":/qss/template.css")), kColors.split(',')).sheet);
}

bool writeText(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The input files every row finds in its folder.
bool makeInputs(const QString &dir)
{
    bool ok = writeText(dir + "/saved.css", savedBytes())                            // what Save writes
              && writeText(dir + "/notrailer.css", "QWidget{color:#000000;}\r\n")   // a sheet, no colours
              && writeText(dir + "/afile", "not a folder")
              && writeText(dir + "/out/marker.txt", "an earlier bundle")
              && writeText(dir + "/failing-rcc", "#!/bin/sh\necho rcc broke >&2\nexit 1\n")
              && QFile::setPermissions(dir + "/failing-rcc", QFile::ReadOwner | QFile::ExeOwner)
              && writeText(dir + "/completed.css",                                   // exported --complete
                           skinFileBytes(appendCoverage(QString::fromUtf8(savedBytes()),
                                                        coverageBlock(*skinColours(kColors.split(',')), ":/s/"))))
              && writeText(dir + "/nope.css", "QCheckBox{image:url(:/qss/common/nope.png);}")
              && writeText(dir + "/part/part.css", "A{image:url(:/p/images/a.png)} B{image:url(:/p/icons/b.png)}")
              && writeText(dir + "/part/images/a.png", "png")
              && writeText(dir + "/part/icons/b.png", "png")
              && writeText(dir + "/part/part.qrc", "<RCC><qresource prefix=\"/p\"><file>part.css</file>"
                                                   "<file>images/a.png</file></qresource></RCC>");
    for (const QString &style : finishedSkinStyles())
        ok = ok && writeText(dir + "/builtin/" + style + ".css",
                             readResourceText(":/qss/" + style + ".css").toLatin1());
    return ok;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void CliTest::run_data()
{
    QTest::addColumn<QStringList>("arguments");  // {dir} stands for the row's folder
    QTest::addColumn<QString>("rcc");            // VANTUSKIN_RCC, if not empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");          // in the one line on standard error
    QTest::addColumn<QByteArray>("output");      // standard output
    QTest::addColumn<QStringList>("files");      // exist afterwards; "path|text": holds the text
    QTest::addColumn<QStringList>("absent");     // do not exist afterwards

    const QString badColors = QString(kColors).replace("#555555", "#55555G");
    const QStringList none;
    auto row = [](const char *name) { return &QTest::newRow(name); };
    *row("no command") << none << "" << 1 << "no command given; the commands are: list, compose, export, check"
                       << QByteArray() << none << none;
    *row("unknown option") << QStringList{"export", "--colour", kColors} << "" << 1 << "colour" << QByteArray()
                           << none << none;
    *row("export without -o") << QStringList{"export", "--skin", "psblack"} << "" << 1 << "-o DIR" << QByteArray()
                              << none << none;
    *row("two sources") << QStringList{"export", "--skin", "psblack", "--colors", kColors, "-o", "{dir}/b"} << ""
                        << 1 << "exactly one of --skin, --colors or --from" << QByteArray() << none
                        << QStringList{"b"};
    *row("unknown skin") << QStringList{"export", "--skin", "nosuch", "-o", "{dir}/b"} << "" << 1
                         << "unknown skin \"nosuch\"; the built-in skins are: blackblue," << QByteArray() << none
                         << QStringList{"b"};
    *row("bad colour") << QStringList{"export", "--colors", badColors, "-o", "{dir}/b"} << "" << 1
                       << "colour 3 (BorderColor) \"#55555G\" is not" << QByteArray() << none << QStringList{"b"};
    *row("missing trailer") << QStringList{"export", "--from", "{dir}/notrailer.css", "-o", "{dir}/b"} << "" << 1
                            << "notrailer.css has no colour trailer" << QByteArray() << none << QStringList{"b"};
    *row("bad name") << QStringList{"export", "--from", "{dir}/saved.css", "--name", "my skin", "-o", "{dir}/b"}
                     << "" << 1 << "bundle name \"my skin\"" << QByteArray() << none << QStringList{"b"};
    *row("unwritable output") << QStringList{"export", "--skin", "black", "-o", "{dir}/afile/b"} << "" << 1
                              << "cannot create the folder" << QByteArray() << QStringList{"afile"} << none;
    *row("existing folder without --force") << QStringList{"export", "--skin", "psblack", "-o", "{dir}/out"} << ""
                                            << 1 << "out already exists; give --force" << QByteArray()
                                            << QStringList{"out/marker.txt"} << QStringList{"out/psblack.css"};
    *row("--force keeps the old folder on failure")
        << QStringList{"export", "--skin", "psblack", "-o", "{dir}/out", "--force", "--rcc"} << "{dir}/failing-rcc"
        << 1 << "rcc broke" << QByteArray() << QStringList{"out/marker.txt"} << QStringList{"out/psblack.css"};
    *row("missing rcc") << QStringList{"export", "--skin", "psblack", "-o", "{dir}/b", "--rcc"} << "{dir}/none"
                        << 1 << "Qt's rcc is not at" << QByteArray() << none << QStringList{"b"};
    *row("--force replaces") << QStringList{"export", "--skin", "psblack", "-o", "{dir}/out", "--force"} << "" << 0
                             << "" << QByteArray()
                             << QStringList{"out/psblack.css|url(:/psblack/images/checkbox_checked.png)",
                                            "out/images/branch_open.png", "out/psblack.qrc", "out/README.txt"}
                             << QStringList{"out/marker.txt", "out/images/branch_open@2x.png"};
    *row("recoloured, with prefix, name and rcc")
        << QStringList{"export", "--from", "{dir}/saved.css", "--recolor", "--rcc", "--prefix", "themes/dark/",
                       "--name", "dark", "-o", "{dir}/b"}
        << "" << 0 << "" << QByteArray()
        << QStringList{"b/dark.css|url(:/themes/dark/images/radiobutton_checked.png)", "b/dark.rcc",
                       "b/dark.qrc|<qresource prefix=\"/themes/dark\">", "b/images/checkbox_checked@2x.png",
                       "b/README.txt|#2B2B2B"}
        << QStringList{"b/dark.css|:/qss/", "b/images/add_left.png"};
    *row("complete, with files")
        << QStringList{"export", "--skin", "black", "--complete", "--files", "-o", "{dir}/b"} << "" << 0 << ""
        << QByteArray()
        << QStringList{"b/black.css|/* VantuSkin coverage layer:", "b/black.qrc|images/view_checked@2x.png",
                       "b/images/dock_close@2x.png", "b/black.files.css|/b/images/tab_close.png)"}
        << QStringList{"b/black.files.css|url(:"};
    *row("colours from a completed sheet") << QStringList{"compose", "--from", "{dir}/completed.css"} << "" << 0
                                           << "" << savedBytes() << none << none;
    *row("compose equals Save's bytes") << QStringList{"compose", "--from", "{dir}/saved.css"} << "" << 0 << ""
                                        << savedBytes() << none << none;
    *row("check: unreadable sheet") << QStringList{"check", "{dir}/none.css"} << "" << 1 << "cannot read"
                                    << QByteArray() << none << none;
    *row("check: image missing from the built-in resources")
        << QStringList{"check", "{dir}/nope.css"} << "" << 1 << "1 of 1 url()s do not resolve"
        << QByteArray(":/qss/common/nope.png\n") << none << none;
    *row("check: qrc omits a folder") << QStringList{"check", "{dir}/part/part.css", "--qrc", "{dir}/part/part.qrc"}
                                      << "" << 1 << "1 of 2" << QByteArray(":/p/icons/b.png\n") << none << none;
    for (const QString &style : finishedSkinStyles()) {
        *row(qPrintable("check built-in " + style)) << QStringList{"check", "{dir}/builtin/" + style + ".css"} << ""
                                                    << 0 << "" << QByteArray() << none << none;
    }
}

void CliTest::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, rcc);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(QByteArray, output);
    QFETCH(QStringList, files);
    QFETCH(QStringList, absent);

    QTemporaryDir dir;
    QVERIFY(dir.isValid() && makeInputs(dir.path()));
    const QStringList inputs = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    arguments.replaceInStrings("{dir}", dir.path());
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!rcc.isEmpty())
        environment.insert("VANTUSKIN_RCC", rcc.replace("{dir}", dir.path()));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(CLI_PATH), arguments);
    QVERIFY(cli.waitForFinished(60000));
    const QString errors = QString::fromUtf8(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), exitCode);
    QCOMPARE(cli.readAllStandardOutput(), output);
    if (exitCode != 0)
        QVERIFY2(errors.count('\n') == 1 && errors.contains(error), qPrintable(errors));

    for (const QString &file : files) {
        QFile f(dir.filePath(file.section('|', 0, 0)));
        QVERIFY2(f.open(QIODevice::ReadOnly) && f.readAll().contains(file.section('|', 1).toUtf8()), qPrintable(file));
    }
    for (const QString &file : absent) {
        QFile f(dir.filePath(file.section('|', 0, 0)));
        const bool present = file.contains('|') ? f.open(QIODevice::ReadOnly) && f.readAll().contains(
                                                      file.section('|', 1).toUtf8())
                                                : f.exists();
        QVERIFY2(!present, qPrintable(file));
    }
    // Nothing half-written: no temporary folder is left beside the output.
    for (const QString &entry : QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        QVERIFY2(inputs.contains(entry) || entry == QLatin1String("b"), qPrintable(entry));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
