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
    QDirIterator it(root, {"*.css", "*.png", "*.ico", "*.list"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class ResgenTest : public QObject
{
    Q_OBJECT

private slots:
    void outputMatchesCommittedResources();
};

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
    QVERIFY(!committed.isEmpty());
    QCOMPARE(committed, produced);
    for (const QString &file : produced) {
        QFile fresh(out.filePath(file)), kept(committedRoot + QLatin1Char('/') + file);
        QVERIFY(fresh.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QVERIFY2(fresh.readAll() == kept.readAll(),
                 qPrintable(file + QStringLiteral(" differs from resgen's output; rerun resgen")));
    }
}

QTEST_GUILESS_MAIN(ResgenTest)
#include "tst_resgen.moc"
