// vantuskin-cli as a user runs it: one row per command line, each in a fresh
// folder with the same input files, checking the exit code, the one error
// line, standard output and the files left behind.
#include "builtinskins.h"
#include "colorroles.h"
#include "coverage.h"
#include "skincatalogue.h"
#include "skinbundle.h"
#include "skinfile.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kColors[] = "#E0E0E0,#2B2B2B,#555555,#3A3A3A,#333333,#4A4A4A,#404040,#FFB000";

bool writeText(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file and folder below `dir` with its bytes.
QMap<QString, QByteArray> tree(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(it.filePath(), file.open(QIODevice::ReadOnly) ? file.readAll() : "<folder>");
    }
    return files;
}

// The input files every row finds in its folder ({dir}); saved.css is what
// Save writes for kColors, builtin/ holds the built-in sheets.
bool makeInputs(const QString &dir)
{
    const QString sheet = composeSkin(readResourceText(":/qss/template.css"), QString(kColors).split(',')).sheet;
    bool ok = writeText(dir + "/saved.css", skinFileBytes(sheet)) && writeText(dir + "/dark-blue.css", skinFileBytes(sheet))
              && writeText(dir + "/afile", "no folder")
              && writeText(dir + "/notrailer.css", "QWidget{color:#000000;}\r\n")
              && writeText(dir + "/out/marker.txt", "an earlier bundle")
              && writeText(dir + "/out/.vantuskin-output", "Written by vantuskin-cli export.\n")
              && writeText(dir + "/proj/main.cpp", "int main() {}\n") && writeText(dir + "/proj/src/a.cpp", "")
              && writeText(dir + "/notes/todo.txt", "mine") && writeText(dir + "/home/.profile", "")
              && writeText(dir + "/home/.config/vantuskin", "a file")
              && QDir(dir).mkdir("empty")
              && writeText(dir + "/failing-rcc", "#!/bin/sh\necho rcc broke >&2\nexit 1\n")
              && QFile::setPermissions(dir + "/failing-rcc", QFile::ReadOwner | QFile::ExeOwner)
              && writeText(dir + "/completed.css", skinFileBytes(appendCoverage(sheet, coverageBlock(
                                                       *skinColours(QString(kColors).split(',')), ":/s/"))))
              && writeText(dir + "/broken.ui", "<ui version=\"4.0\"><widget class=\"QDialog\" name=\"d\"></ui>")
              && writeText(dir + "/binary", QByteArray("\x7f" "ELF\0\x01\xff\xfe", 8))
              && writeText(dir + "/nope.css", "QCheckBox{image:url(:/qss/common/nope.png);}")
              && writeText(dir + "/p/p.css", "A{image:url(:/p/images/a.png)} B{image:url(:/p/icons/b.png)}")
              && writeText(dir + "/p/images/a.png", "") && writeText(dir + "/p/icons/b.png", "")
              && writeText(dir + "/p/p.qrc", "<RCC><qresource prefix='/p'><file>images/a.png</file></qresource>"
                                             "</RCC>");
    for (const BuiltInSkin &skin : builtInSkins())
        ok = ok && writeText(dir + "/builtin/" + skin.styleName + ".css", builtInSkinSheet(skin).toLatin1());
    return ok;
}

// Rows run in {dir}/proj with $HOME {dir}/home; a row that fails leaves
// every file below {dir} as it was. Arguments and rcc ($VANTUSKIN_RCC) with
// {dir} for the row's folder; output
// "@file" for that input file's bytes, "~text" for output that holds text; files that exist afterwards, "path|text"
// holding the text, "!" for the opposite.
struct Case { const char *name, *arguments, *rcc; int exitCode; const char *error, *output, *files; };
const Case kCases[] = {
    {"bad arguments", "export --skin psblack", "", 1, "export needs the bundle's folder: -o DIR", "", ""},
    {"unknown skin", "export --skin nosuch -o {dir}/b", "", 1, "unknown skin \"nosuch\"; the built-in skins are: ",
     "", "!b"},
    {"bad colour", "export -o {dir}/b --colors #E0E0E0,#2B2B2B,#55555G,#3A3A3A,#333333,#4A4A4A,#404040,#FFB000", "",
     1, "colour 3 (BorderColor) \"#55555G\" is not \"#\" followed by six hexadecimal digits", "", "!b"},
    {"missing trailer", "export --from {dir}/notrailer.css -o {dir}/b", "", 1, "notrailer.css has no colour trailer",
     "", "!b"},
    {"unwritable output", "export --skin black -o {dir}/afile/b", "", 1, "cannot create the folder", "", "afile"},
    {"earlier bundle without --force", "export --skin psblack -o {dir}/out", "", 1,
     "out: it already exists; give --force", "", ""},
    {"the current folder", "export --skin psblack -o . --force", "", 1, "to .: it is or holds the current folder", "",
     ""},
    {"an empty name", "export --skin psblack -o  --force", "", 1, "to \"\": it is or holds the current folder", "", ""},
    {"a folder above", "export --skin psblack -o ../.. --force", "", 1, "it is or holds the current folder", "", ""},
    {"a folder of one's own", "export --skin psblack -o {dir}/notes --force", "", 1, "notes: the folder holds files "
     "this program did not write", "", ""},
    {"a plain file", "export --skin psblack -o {dir}/afile --force", "", 1, "afile: it is a file, not a folder", "", ""},
    {"the root", "export --skin psblack -o / --force", "", 1, "to /: it is the root folder", "", ""},
    {"the home folder", "export --skin psblack -o {dir}/home --force", "", 1, "it is or holds the home folder", "",
     ""},
    {"gallery: a folder of one's own", "gallery --skin psblack -o {dir}/notes", "", 1, "did not write", "", ""},
    {"gallery: an earlier output without --force", "gallery --skin psblack -o {dir}/out", "", 1,
     "out: it already exists; give --force", "", ""},
    {"text equal to its panel: a warning", "export --skin blackwhite -o {dir}/b", "", 0,
     "warning: blackwhite's text colour equals its panel colour", "~wrote {dir}/b: README.txt, blackwhite.css, "
     "blackwhite.qrc, images/ (", "b/blackwhite.css|/*TextColor:#F0F0F0*/"},
    {"an empty folder", "export --skin psblack -o {dir}/empty --force", "", 0, "", "~wrote", "empty/psblack.css"},
    {"--force keeps the old folder on failure", "export --skin psblack -o {dir}/out --force --rcc", "{dir}/failing-rcc",
     1, "rcc broke", "", "out/marker.txt !out/psblack.css"},
    {"--force replaces", "export --skin psblack -o {dir}/out --force", "", 0, "", "~wrote",
     "out/psblack.css|url(:/psblack/images/checkbox_checked.png) out/images/branch_open.png out/psblack.qrc "
     "out/README.txt !out/marker.txt out/images/branch_open@2x.png out/psblack.qrc|images/branch_open@2x.png"},
    {"recoloured, with prefix, name and rcc",
     "export --from {dir}/saved.css --recolor --rcc --prefix themes/dark/ --name dark -o {dir}/b", "", 0, "", "~wrote",
     "b/dark.css|url(:/themes/dark/images/radiobutton_checked.png) b/dark.qrc|prefix=\"/themes/dark\" b/dark.rcc "
     "b/images/checkbox_checked@2x.png b/README.txt|#2B2B2B !b/dark.css|:/qss/ !b/images/add_left.png"},
    // Qt's rcc warns on stderr of a file listed twice.
    {"complete, with files and rcc", "export --skin black --complete --files --rcc -o {dir}/b", "", 0, "", "~wrote",
     "b/black.css|VantuSkin b/black.qrc|images/check_checked@2x.png b/images/dock_close@2x.png b/black.rcc "
     "b/black.files.css|/b/images/tab_close.png) !b/black.files.css|url(:"},
    {"accessible: a classic-form skin repaired and composed, named apart from it",
     "export --skin white --accessible -o {dir}/b", "", 0, "", "~wrote {dir}/b: README.txt, white-accessible.css",
     "b/white-accessible.css|/*BorderColor:#8A8A8A*/ b/README.txt|#8A8A8A b/images/checkbox_checked.png b/README.txt|classic-form "
     "b/white-accessible.qrc|prefix=\"/white-accessible\" b/white-accessible.css|url(:/white-accessible/images/"},
    {"python: a name with \"-\"", "export --skin flatwhite --python --name flatwhite-accessible -o {dir}/b", "", 1,
     "\"flatwhite-accessible\" is not a Python module name (letters, digits and \"_\", not starting with a digit, "
     "not a keyword); give --name flatwhite_accessible", "", "!b"},
    {"python: a leading digit", "export --skin psblack --python --name 3d -o {dir}/b", "", 1, "give --name skin_3d", "",
     ""},
    {"python: a keyword", "export --skin psblack --python --name class -o {dir}/b", "", 1, "give --name class_", "", ""},
    {"python: the default name made a module name", "export --from {dir}/dark-blue.css --python -o {dir}/b", "", 0, "",
     "~wrote", "b/dark_blue.py|\":/dark_blue/dark_blue.css\" b/dark_blue.rcc b/README.txt|dark_blue.apply() !b/dark-blue.css"},
    {"colours from a completed sheet", "compose --from {dir}/completed.css", "", 0, "", "@saved.css", ""},
    {"compose equals Save's bytes", "compose --from {dir}/saved.css", "", 0, "", "@saved.css", ""},
    {"check: missing from the built-in resources", "check {dir}/nope.css", "", 1, "1 of 1 url()s do not resolve",
     ":/qss/common/nope.png\n", ""},
    {"check: a binary file", "check {dir}/binary", "", 0, "", "{dir}/binary: no url() found\n", ""},
    {"census --ui: a missing form", "census --skin psblack --ui {dir}/missing.ui", "", 1, "missing.ui: no such file",
     "", ""},
    {"census --ui: not a form", "census --skin psblack --ui {dir}/p/p.qrc", "", 1,
     "p.qrc: not a Designer form (its first element is <RCC>, not <ui>)", "", ""},
    {"census --ui: a malformed form", "census --skin psblack --ui {dir}/broken.ui", "", 1,
     "broken.ui: malformed form: Opening and ending tag mismatch. (line 1)", "", ""},
    {"use: a folder that cannot be made", "use psblack", "", 1, "/home/.config/vantuskin/skin.css; the previous choice "
     "stays", "", ""},
    {"check: qrc omits a folder", "check {dir}/p/p.css --qrc {dir}/p/p.qrc", "", 1, "1 of 2", ":/p/icons/b.png\n", ""},
};

} // namespace

Q_DECLARE_METATYPE(Case)

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void CliTest::run_data()
{
    QTest::addColumn<Case>("c");
    for (const Case &c : kCases)
        QTest::newRow(c.name) << c;
    static QList<QByteArray> lines;
    for (const BuiltInSkin &skin : builtInSkins()) {
        const QString file = "{dir}/builtin/" + skin.styleName + ".css";
        lines << ("check " + file).toUtf8()
              << QStringLiteral("%1: %2 url()s found; all resolve\n").arg(file).arg(sheetUrls(builtInSkinSheet(skin)).size()).toUtf8();
        QTest::newRow(qPrintable("check built-in " + skin.styleName))
            << Case{"", lines.at(lines.size() - 2).constData(), "", 0, "", lines.last().constData(), ""};
    }
}

void CliTest::run()
{
    QFETCH(Case, c);
    QTemporaryDir dir;
    QVERIFY(dir.isValid() && makeInputs(dir.path()));
    const QStringList inputs = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (*c.rcc)
        environment.insert("VANTUSKIN_RCC", QString(c.rcc).replace("{dir}", dir.path()));
    environment.insert("HOME", dir.filePath("home"));
    environment.insert("XDG_CONFIG_HOME", dir.filePath("home/.config"));
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(dir.filePath("proj"));
    const QMap<QString, QByteArray> before = tree(dir.path());
    cli.start(CLI_PATH, QString(c.arguments).replace("{dir}", dir.path()).split(' '));
    QVERIFY(cli.waitForFinished(60000));
    const QString errors = QString::fromUtf8(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), c.exitCode);
    QFile input(dir.filePath(QString(c.output).mid(1)));
    const QByteArray output = cli.readAllStandardOutput();
    const QByteArray expected = *c.output == '@' && input.open(QIODevice::ReadOnly)
                                    ? input.readAll()
                                    : QString(c.output).replace("{dir}", dir.path()).toUtf8();
    if (*c.output == '~')
        QVERIFY2(output.contains(expected.mid(1)), output.constData());
    else
        QCOMPARE(output, expected);
    QVERIFY2(*c.error ? errors.count('\n') == 1 && errors.contains(c.error) : errors.isEmpty(),
             qPrintable(errors));
    if (c.exitCode != 0)
        QVERIFY(tree(dir.path()) == before);

    for (QString file : QString(c.files).split(' ', Qt::SkipEmptyParts)) {
        const bool expected = !file.startsWith('!');
        QFile f(dir.filePath(file.remove(0, expected ? 0 : 1).section('|', 0, 0)));
        const QByteArray text = file.section('|', 1).toUtf8();
        const bool found = text.isEmpty() ? f.exists() : f.open(QIODevice::ReadOnly) && f.readAll().contains(text);
        QVERIFY2(found == expected, qPrintable(file));
    }
    // Nothing half-written: no temporary folder is left beside the output.
    for (const QString &entry : QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        QVERIFY2(inputs.contains(entry) || entry == QLatin1String("b"), qPrintable(entry));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
