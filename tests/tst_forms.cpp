// A user's Designer form (forms/testform.ui, with a .qrc icon, a promoted
// widget and a label with its own style sheet) loaded, previewed, and
// checked by census --ui as a user runs it.
#include "census.h"
#include "formpreview.h"
#include "skinapply.h"
#include "uiform.h"

#include <QLabel>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// The pixels of `widget` as drawn now that are `colour`.
int pixelsOf(QWidget *widget, QRgb colour)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return count;
}

// A copy of the test form's folder in `dir`, with forms.qrc as `qrc`
// ("-" to leave it out).
bool copyForm(const QString &dir, const QByteArray &qrc = QByteArray())
{
    bool ok = QFile::copy(FORMS_DIR "/testform.ui", dir + "/testform.ui")
              && QFile::copy(FORMS_DIR "/open.png", dir + "/open.png");
    if (qrc.isEmpty())
        return ok && QFile::copy(FORMS_DIR "/forms.qrc", dir + "/forms.qrc");
    QFile file(dir + "/forms.qrc");
    return ok && (qrc == "-" || (file.open(QIODevice::WriteOnly) && file.write(qrc) == qrc.size()));
}

} // namespace

class FormsTest : public QObject
{
    Q_OBJECT

private slots:
    void resources_data();
    void resources();
    void placeholder();
    void census_data();
    void census();
    void preview();
};

void FormsTest::resources_data()
{
    QTest::addColumn<QByteArray>("qrc");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("beside the form") << QByteArray() << true;
    QTest::newRow("missing") << QByteArray("-") << false;
    QTest::newRow("broken") << QByteArray("<RCC><qresource><file>open.png</qresource>") << false;
}

// The icon the form takes from its .qrc is drawn; a .qrc that cannot be
// had costs the icon and one warning, not the form.
void FormsTest::resources()
{
    QFETCH(QByteArray, qrc);
    QFETCH(bool, drawn);
    QTemporaryDir dir;
    QVERIFY(copyForm(dir.path(), qrc));
    QString error;
    const std::unique_ptr<UiForm> form = UiForm::open(dir.filePath("testform.ui"), &error);
    QVERIFY2(form, qPrintable(error));
    QCOMPARE(form->warnings().size(), drawn ? 0 : 1);
    if (!drawn)
        QVERIFY2(form->warnings().constFirst().startsWith("testform.ui: forms.qrc: "), qPrintable(form->warnings().join('\n')));
    const std::unique_ptr<QWidget> widgets = form->create(nullptr, &error);
    QVERIFY(widgets);
    widgets->show();
    QCOMPARE(pixelsOf(widgets->findChild<QToolButton *>("toolOpen"), qRgb(0xFF, 0x00, 0xFF)) >= 100, drawn);
}

// The promoted class the program cannot create is a labelled plain widget
// that names it.
void FormsTest::placeholder()
{
    QString error;
    const std::unique_ptr<UiForm> form = UiForm::open(FORMS_DIR "/testform.ui", &error);
    QVERIFY2(form, qPrintable(error));
    const std::unique_ptr<QWidget> widgets = form->create(nullptr, &error);
    QWidget *chart = widgets->findChild<QWidget *>("chartView");
    QVERIFY(chart);
    QCOMPARE(chart->metaObject()->className(), "QWidget");
    QCOMPARE(chart->property(ShownClassProperty).toString(), QString("ChartView"));
    QVERIFY(chart->toolTip().startsWith("ChartView"));
    QVERIFY(chart->findChild<QLabel *>() && chart->findChild<QLabel *>()->text() == "ChartView");
}

void FormsTest::census_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines");
    const QString form = FORMS_DIR "/testform.ui";
    const QString own = "psblack: testform.ui: labelWarning (QLabel): text: 1.26:1, #777777 on #888888: from the "
                        "form's own colours (its own style sheet)";
    QTest::newRow("complete") << "census --skin psblack --complete --strict --ui " + form << 0
                              << QStringList {own, " checks, 0 failed, 0 limited by the skin's colours"};
    QTest::newRow("as exported") << "census --skin psblack --strict --ui " + form << 1
                                 << QStringList {own, "psblack: testform.ui: spinAge (QSpinBox): mark: ",
                                                 "psblack: testform.ui: pushHelp (QPushButton): disabled text: ",
                                                 "psblack: testform.ui: pushApply (QPushButton): focus: 0 pixels"};
}

// census --ui as a user runs it: the coverage layer holds on the form, the
// skin's failures name the form's widgets, and the form's own colours are
// told apart from the skin's.
void FormsTest::census()
{
    QFETCH(QString, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    QProcess cli;
    cli.start(CLI_PATH, arguments.split(' '));
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), exitCode);
    const QString output = QString::fromUtf8(cli.readAllStandardOutput());
    for (const QString &line : lines)
        QVERIFY2(output.contains(line), qPrintable(line));
    if (exitCode != 0) {
        for (const QString &failed : output.split('\n').filter("FAILED"))
            QVERIFY2(failed.startsWith("psblack: testform.ui: "), qPrintable(failed));
    }
}

// A preview follows the application's restyle and, when the form is saved
// anew (renamed over, or rewritten in place), shows it again where it was.
void FormsTest::preview()
{
    QTemporaryDir dir;
    QVERIFY(copyForm(dir.path()));
    const QString path = dir.filePath("testform.ui");
    QString error;
    QVERIFY(openFormPreviews({path, dir.filePath("missing.ui")}, nullptr)
            == QStringList {QDir::toNativeSeparators(dir.filePath("missing.ui")) + ": no such file"});
    FormPreview *preview = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        preview = window->windowTitle() == "testform.ui" ? static_cast<FormPreview *>(window) : preview;
    QVERIFY(preview && preview->isVisible());
    preview->setGeometry(120, 80, 500, 760);
    const QRect geometry = preview->geometry();

    restyleApplication("QLabel{color:#00FF00;}");
    QVERIFY(pixelsOf(preview->form()->findChild<QLabel *>("labelName"), qRgb(0, 0xFF, 0)) > 0);

    QFile original(path);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray text = original.readAll();
    for (const QString title : {"Renamed:", "Rewritten:"}) {
        QByteArray changed = text;
        changed.replace("Name:", title.toUtf8());
        if (title == "Renamed:") {
            QSaveFile save(path);
            QVERIFY(save.open(QIODevice::WriteOnly) && save.write(changed) == changed.size() && save.commit());
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(changed) == changed.size());
        }
        QTRY_COMPARE(preview->form()->findChild<QLabel *>("labelName")->text(), title);
        QCOMPARE(preview->geometry(), geometry);
        QVERIFY(pixelsOf(preview->form()->findChild<QLabel *>("labelName"), qRgb(0, 0xFF, 0)) > 0);
    }
    restyleApplication(QString());
    delete preview;
}

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
