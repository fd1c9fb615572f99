// The committed generated resources are exactly what resgen writes now:
// runs the generator into a temporary directory and compares every file.
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Relative paths of the files below `root` that resgen is responsible for:
// the style sheets, the pictures and the icon.
QStringList generatedFiles(const QString &root)
{
    QStringList files;
    QDirIterator it(root, {"*.css", "*.png", "*.ico"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ResgenTest : public QObject
{
    Q_OBJECT

private slots:
    void usage();
    void outputMatchesCommittedResources();
};

void ResgenTest::usage()
{
    QProcess proc;
    proc.start(QStringLiteral(RESGEN_PATH), QStringList());
    QVERIFY(proc.waitForFinished(30000));
    QCOMPARE(proc.exitStatus(), QProcess::NormalExit);
    QCOMPARE(proc.exitCode(), 2);
    QVERIFY(proc.readAllStandardError().contains("usage"));
}

void ResgenTest::outputMatchesCommittedResources()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess proc;
    proc.start(QStringLiteral(RESGEN_PATH), {out.path()});
    QVERIFY(proc.waitForFinished(120000));
    QCOMPARE(proc.exitStatus(), QProcess::NormalExit);
    QVERIFY2(proc.exitCode() == 0, proc.readAllStandardError().constData());

    const QString committedRoot = QStringLiteral(RESOURCES_DIR);
    const QStringList produced = generatedFiles(out.path());
    const QStringList committed = generatedFiles(committedRoot);
    // 25 style sheets, 4 x 18 + 10 set images, 5 pictures, the icon and its
    // 8 hicolor sizes.
    QCOMPARE(produced.size(), 25 + 72 + 10 + 5 + 1 + 8);
    QCOMPARE(committed, produced);
    for (const QString &file : produced) {
        const QByteArray fresh = contents(out.filePath(file));
        QVERIFY2(!fresh.isEmpty(), qPrintable(file));
        QVERIFY2(fresh == contents(committedRoot + QLatin1Char('/') + file),
                 qPrintable(file + QStringLiteral(" differs from resgen's output; rerun resgen")));
    }
}

QTEST_GUILESS_MAIN(ResgenTest)
#include "tst_resgen.moc"
