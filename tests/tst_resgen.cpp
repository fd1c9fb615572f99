// The committed generated resources are what resgen writes now (text byte
// for byte, images by what they show), and the comparison tells a rounding
// difference between processors from a changed drawing.
#include "drift.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Changes a copy of an image as a row of the table says.
using ImageChange = void (*)(QImage &);

} // namespace

Q_DECLARE_METATYPE(ImageChange)

class ResgenTest : public QObject
{
    Q_OBJECT

private slots:
    void outputMatchesCommittedResources();
    void driftIsJudgedByWhatIsShown_data();
    void driftIsJudgedByWhatIsShown();
};

void ResgenTest::outputMatchesCommittedResources()
{
    QProcess resgen;
    resgen.start(QStringLiteral(RESGEN_PATH), {QStringLiteral("--check"), QStringLiteral(RESOURCES_DIR)});
    QVERIFY(resgen.waitForFinished(120000));
    const QByteArray report = resgen.readAllStandardOutput() + resgen.readAllStandardError();
    QVERIFY2(resgen.exitStatus() == QProcess::NormalExit && resgen.exitCode() == 0, report.constData());
}

void ResgenTest::driftIsJudgedByWhatIsShown_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ImageChange>("change");
    QTest::addColumn<QString>("expected"); // empty: still the same

    const auto nudge = [](QImage &image) {
        for (int i = 0; i < 5; ++i) {
            const QPoint at(image.width() / 2 + i, image.height() / 2 - i);
            const QRgb p = image.pixel(at);
            image.setPixel(at, qRgba(qMin(qRed(p) + 1, 255), qGreen(p), qMax(qBlue(p) - 1, 0), qAlpha(p)));
        }
    };
    const auto mark = [](QImage &image) {
        for (int y = 4; y < 7; ++y)
            for (int x = 4; x < 7; ++x) {
                const QRgb p = image.pixel(x, y);
                image.setPixel(x, y, qRgba(qRed(p) ^ 40, qGreen(p), qBlue(p), qMin(qAlpha(p) + 40, 255)));
            }
    };
    const auto grow = [](QImage &image) { image = image.copy(0, 0, image.width() + 1, image.height()); };

    QTest::newRow("one level in a few pixels") << "qss/psblack/checkbox_checked.png" << ImageChange(nudge) << "";
    QTest::newRow("one level in an icon") << "main.ico" << ImageChange(nudge) << "";
    QTest::newRow("a 3x3 mark") << "qss/psblack/checkbox_checked.png" << ImageChange(mark)
                                << "qss/psblack/checkbox_checked.png (image 1): pixel (4, 4)";
    QTest::newRow("a mark in an icon") << "main.ico" << ImageChange(mark) << "main.ico (image 1): pixel (4, 4)";
    QTest::newRow("a new size") << "image/msg_info.png" << ImageChange(grow) << "image/msg_info.png (image 1): size";
    QTest::newRow("a changed text") << "qss/template.css" << ImageChange(nullptr)
                                    << "qss/template.css differs from resgen's output";
}

void ResgenTest::driftIsJudgedByWhatIsShown()
{
    QFETCH(QString, file);
    QFETCH(ImageChange, change);
    QFETCH(QString, expected);
    const QString kept = QStringLiteral(RESOURCES_DIR "/") + file;
    QTemporaryDir dir;
    const QString changed = dir.filePath(QFileInfo(file).fileName());
    QVERIFY(QFile::copy(kept, changed));
    QFile::setPermissions(changed, QFile::ReadOwner | QFile::WriteOwner);
    if (change) {
        QImage image(changed);
        QVERIFY(!image.isNull());
        change(image);
        QVERIFY(image.save(changed, QFileInfo(file).suffix().toLatin1().constData()));
    } else {
        QFile text(changed);
        QVERIFY(text.open(QIODevice::Append));
        text.write(" ");
    }
    const QString why = resourceDrift(changed, kept, file);
    QVERIFY2(expected.isEmpty() ? why.isEmpty() : why.startsWith(expected), qPrintable(why));
}

QTEST_GUILESS_MAIN(ResgenTest)
#include "tst_resgen.moc"
