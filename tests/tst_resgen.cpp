// The committed generated resources are what resgen writes now: runs the
// generator into a temporary directory and compares every file. Text is
// compared byte for byte. Images are compared by what they show: Qt's raster
// engine rounds antialiased edges differently on different processors, so a
// channel may differ by a level or two between machines, never more.
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The largest difference per channel, in premultiplied form (what is
// composited on screen), that two drawings of one image may show.
constexpr int pixelTolerance = 2;

const QString regenerateHint = QStringLiteral("; regenerate with: cmake --build " BUILD_DIR
                                              " --target regenerate_resources");

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

// Every image in the file: one for a PNG, each size of an .ico.
QVector<QImage> decodedImages(const QString &path)
{
    QVector<QImage> images;
    QImageReader reader(path);
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        images << image;
    } while (reader.jumpToNextImage());
    return images;
}

// Why image `fresh` does not show what `kept` shows, or nothing.
QString imageDrift(const QImage &kept, const QImage &fresh)
{
    if (kept.size() != fresh.size() || kept.format() != fresh.format())
        return QStringLiteral("size or format %1x%2 (%3) where resgen draws %4x%5 (%6)")
            .arg(kept.width()).arg(kept.height()).arg(kept.format())
            .arg(fresh.width()).arg(fresh.height()).arg(fresh.format());
    const QImage a = kept.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = fresh.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPoint first(-1, -1);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *rb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = qMax(qMax(qAbs(qRed(ra[x]) - qRed(rb[x])), qAbs(qGreen(ra[x]) - qGreen(rb[x]))),
                               qMax(qAbs(qBlue(ra[x]) - qBlue(rb[x])), qAbs(qAlpha(ra[x]) - qAlpha(rb[x]))));
            if (d > pixelTolerance && first.x() < 0)
                first = QPoint(x, y);
            largest = qMax(largest, d);
        }
    }
    if (first.x() < 0)
        return {};
    return QStringLiteral("pixel (%1, %2) is the first of those that differ by more than %3 levels; "
                          "the largest difference is %4")
        .arg(first.x()).arg(first.y()).arg(pixelTolerance).arg(largest);
}

// Why the committed file `kept` differs from resgen's `fresh`, naming it
// `name`, or nothing if it shows the same.
QString drift(const QString &kept, const QString &fresh, const QString &name)
{
    if (name.endsWith(QLatin1String(".css"))) {
        QFile a(kept), b(fresh);
        if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
            return name + QStringLiteral(" cannot be read") + regenerateHint;
        return a.readAll() == b.readAll() ? QString()
                                          : name + QStringLiteral(" differs from resgen's output") + regenerateHint;
    }
    const QVector<QImage> a = decodedImages(kept), b = decodedImages(fresh);
    if (a.isEmpty() || a.size() != b.size())
        return QStringLiteral("%1 holds %2 images where resgen draws %3%4").arg(name).arg(a.size()).arg(b.size())
            .arg(regenerateHint);
    for (int i = 0; i < a.size(); ++i) {
        const QString why = imageDrift(a[i], b[i]);
        if (!why.isEmpty())
            return QStringLiteral("%1 (image %2): %3%4").arg(name).arg(i + 1).arg(why, regenerateHint);
    }
    return {};
}

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
        const QString why = drift(committedRoot + QLatin1Char('/') + file, out.filePath(file), file);
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
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
    const QString why = drift(changed, kept, file);
    if (expected.isEmpty())
        QVERIFY2(why.isEmpty(), qPrintable(why));
    else
        QVERIFY2(why.startsWith(expected) && why.contains(QLatin1String("regenerate_resources")), qPrintable(why));
}

QTEST_GUILESS_MAIN(ResgenTest)
#include "tst_resgen.moc"
