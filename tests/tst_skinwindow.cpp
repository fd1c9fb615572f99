// The skin engine as the user meets it in the window: start-up state, typing
// into the colour fields, the skin catalogue's actions, the colour pickers
// and saving and opening skin files through the real dialogs.
#include "colorroles.h"
#include "dialogdriver.h"
#include "skincatalogue.h"
#include "zavocreatorprobe.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using P = ZavoCreatorProbe;

namespace {

QString templateText()
{
    return readResourceText(QStringLiteral(":/qss/template.css"));
}

QString finishedSkin(const SkinEntry &skin)
{
    return readResourceText(QStringLiteral(":/qss/%1.css").arg(skin.styleName));
}

const SkinEntry &skinNamed(const char *name)
{
    return *findSkin(QString::fromUtf8(name));
}

QString composed(const QStringList &colors)
{
    return composeSkin(templateText(), colors).sheet;
}

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QColor appWindowColour()
{
    return QApplication::palette().color(QPalette::Window);
}

// Counts every textChanged of the eight colour fields.
struct FieldSpies
{
    explicit FieldSpies(ZavoCreator &w)
    {
        for (QLineEdit *field : P::fields(w))
            spies.emplace_back(std::make_unique<QSignalSpy>(field, &QLineEdit::textChanged));
    }
    int total() const
    {
        int n = 0;
        for (const auto &spy : spies)
            n += spy->count();
        return n;
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

} // namespace

class SkinWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsInFlatWhite();
    void typingAppliesOnTheSeventhCharacter();
    void valueWithHashInTheMiddleIsUsedAsTyped();
    void emptyingEveryFieldChangesNothingMore();
    void rejectedPanelColourGivesAnInvalidPalette();
    void storeOnlyCompositionLeavesTheApplicationAlone();

    void everySkinActionAppliesItsSkin();
    void triggeringTwice();
    void catalogueColoursCanDifferFromTheAppliedFile();
    void unknownNamesEmptyTheFields();

    void pickerAcceptsAColour();
    void pickerCancelChangesNothing();
    void pickerWritesLowerCase_data();
    void pickerWritesLowerCase();

    void saveThenOpenChangesNoField();
    void openRestoresAllEightColoursAndAppliesOnce();
    void openWithTheSameHighColourDoesNotRestyle();
    void openOfFilesWithoutAUsableTrailer_data();
    void openOfFilesWithoutAUsableTrailer();
    void openStopsAtAZeroByte();
    void openShowsMarkupAsPlainText();
    void cancelledSaveStillShowsTheComposition();
    void failedSaveWarnsAndKeepsTheOldFile();
    void oversizedFileIsRefused();
    void unreadableFileIsReported();

private:
    void save(const QString &fileName);
    void open(const QString &fileName);

    std::unique_ptr<ZavoCreator> window;
    std::unique_ptr<QTemporaryDir> tempDir;
    QDir dir;
};

void SkinWindowTest::init()
{
    tempDir = std::make_unique<QTemporaryDir>();
    dir = QDir(tempDir->path());
    window = std::make_unique<ZavoCreator>();
}

void SkinWindowTest::cleanup()
{
    window.reset();
    tempDir.reset();
}

void SkinWindowTest::save(const QString &fileName)
{
    auto seen = whenModal<QFileDialog>([fileName](QFileDialog *dialog) {
        dialog->selectFile(fileName);
        static_cast<QDialog *>(dialog)->accept();
    });
    P::ui(*window)->btnSave->click();
    QVERIFY(*seen);
}

void SkinWindowTest::open(const QString &fileName)
{
    auto seen = whenModal<QFileDialog>([fileName](QFileDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("open"));
        dialog->selectFile(fileName);
        static_cast<QDialog *>(dialog)->accept();
    });
    P::ui(*window)->btnOpen->click();
    QVERIFY(*seen);
}

void SkinWindowTest::startsInFlatWhite()
{
    const SkinEntry &flatWhite = skinNamed("白色扁平");
    QCOMPARE(P::fieldTexts(*window), flatWhite.colors);
    for (int i = 0; i < ColorRoleCount; ++i)
        QCOMPARE(P::buttons(*window)[i]->styleSheet(), swatchStyleSheet(flatWhite.colors[i]));

    QVERIFY(!finishedSkin(flatWhite).isEmpty());
    QCOMPARE(qApp->styleSheet(), finishedSkin(flatWhite));
    QCOMPARE(appWindowColour(), QColor(Qt::white));
    QVERIFY(P::composedSheet(*window).isEmpty());
    QVERIFY(P::ui(*window)->txtMain->toPlainText().isEmpty());
    QCOMPARE(P::templateSheet(*window), templateText());
    QVERIFY(P::autoApply(*window));
}

void SkinWindowTest::typingAppliesOnTheSeventhCharacter()
{
    QLineEdit *border = P::ui(*window)->txtBorderColor;
    border->selectAll();
    QTest::keyClicks(border, QStringLiteral("#12345"));
    QVERIFY(qApp->styleSheet().contains(QLatin1String("border:1px solid #C3;")));
    QCOMPARE(P::ui(*window)->btnBorderColor->styleSheet(), swatchStyleSheet(QStringLiteral("#B6B6B6")));

    QTest::keyClicks(border, QStringLiteral("6"));
    QCOMPARE(qApp->styleSheet(), composed(P::fieldTexts(*window)));
    QVERIFY(qApp->styleSheet().contains(QLatin1String("border:1px solid #123456;")));
    QCOMPARE(P::composedSheet(*window), qApp->styleSheet());
    QCOMPARE(P::ui(*window)->btnBorderColor->styleSheet(), swatchStyleSheet(QStringLiteral("#123456")));
}

void SkinWindowTest::valueWithHashInTheMiddleIsUsedAsTyped()
{
    P::ui(*window)->txtTextColor->setText(QStringLiteral("12#3456"));
    QVERIFY(qApp->styleSheet().contains(QLatin1String("color:12#3456;")));
    QCOMPARE(P::ui(*window)->btnTextColor->styleSheet(), QStringLiteral("QPushButton{background-color:12#3456}"));
}

void SkinWindowTest::emptyingEveryFieldChangesNothingMore()
{
    const auto fields = P::fields(*window);
    for (int i = 0; i < ColorRoleCount - 1; ++i)
        fields[i]->clear();
    const QString lastComposed = P::composedSheet(*window);
    QVERIFY(lastComposed.contains(QLatin1String("/*HighColor:#00BB9E*/")));
    QCOMPARE(qApp->styleSheet(), lastComposed);

    fields[ColorRoleCount - 1]->clear();
    QCOMPARE(P::composedSheet(*window), lastComposed);
    QCOMPARE(qApp->styleSheet(), lastComposed);
    QCOMPARE(P::ui(*window)->btnHighColor->styleSheet(), swatchStyleSheet(QStringLiteral("#00BB9E")));
}

void SkinWindowTest::rejectedPanelColourGivesAnInvalidPalette()
{
    P::ui(*window)->txtPanelColor->setText(QStringLiteral("#FFF"));
    QCOMPARE(qApp->styleSheet().mid(20, 7), QStringLiteral("#C2;}*{"));
    QCOMPARE(appWindowColour(), QPalette(QColor()).color(QPalette::Window));
    QCOMPARE(P::ui(*window)->btnPanelColor->styleSheet(), swatchStyleSheet(QStringLiteral("#FFFFFF")));
}

void SkinWindowTest::storeOnlyCompositionLeavesTheApplicationAlone()
{
    const QString applied = qApp->styleSheet();
    QLineEdit *high = P::ui(*window)->txtHighColor;
    {
        const QSignalBlocker blocker(high);
        high->setText(QStringLiteral("#ABCDEF"));
    }
    P::composeStyle(*window, true);
    QVERIFY(P::autoApply(*window));
    QCOMPARE(qApp->styleSheet(), applied);
    QCOMPARE(appWindowColour(), QColor(Qt::white));
    QCOMPARE(P::composedSheet(*window), composed(P::fieldTexts(*window)));
    QCOMPARE(P::ui(*window)->btnHighColor->styleSheet(), swatchStyleSheet(QStringLiteral("#ABCDEF")));
}


void SkinWindowTest::everySkinActionAppliesItsSkin()
{
    const QList<QAction *> actions = P::ui(*window)->menu->actions();
    QCOMPARE(actions.size(), skinCatalogue().size());
    for (int i = 0; i < actions.size(); ++i) {
        const SkinEntry &skin = skinCatalogue()[i];
        actions[i]->trigger();
        QCOMPARE(P::fieldTexts(*window), skin.colors);
        for (int r = 0; r < ColorRoleCount; ++r)
            QCOMPARE(P::buttons(*window)[r]->styleSheet(), swatchStyleSheet(skin.colors[r]));
        QCOMPARE(P::composedSheet(*window), composed(skin.colors));

        const QString file = finishedSkin(skin);
        const QString expected = file.isEmpty() ? composed(skin.colors) : file;
        QVERIFY2(file.isEmpty() == (skin.styleName == QLatin1String("blackwhite")), qPrintable(skin.styleName));
        QCOMPARE(qApp->styleSheet(), expected);
        QCOMPARE(appWindowColour(), skinPanelColor(expected));
    }
}

void SkinWindowTest::triggeringTwice()
{
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->purpleAction->trigger();
    qApp->setStyleSheet(QString());
    FieldSpies spies(*window);
    ui->purpleAction->trigger();
    QCOMPARE(spies.total(), 0);
    QCOMPARE(qApp->styleSheet(), finishedSkin(skinNamed("紫色")));

    // Black-white has no finished file: the second trigger does nothing.
    ui->blackWhiteAction->trigger();
    const QString applied = qApp->styleSheet();
    QCOMPARE(applied, composed(skinNamed("黑白色").colors));
    FieldSpies again(*window);
    ui->blackWhiteAction->trigger();
    QCOMPARE(again.total(), 0);
    QCOMPARE(qApp->styleSheet(), applied);
}

void SkinWindowTest::catalogueColoursCanDifferFromTheAppliedFile()
{
    Ui::ZavoCreator *ui = P::ui(*window);

    ui->softGreenAction->trigger();
    const SkinEntry &softGreen = skinNamed("柔绿色");
    QCOMPARE(P::fieldTexts(*window).mid(2, 5),
             (QStringList {"#FFFEFA", "#FFFAE8", "#EBEBEB", "#EBEBEB", "#B2B6B9"}));
    const QString file = finishedSkin(softGreen);
    QCOMPARE(qApp->styleSheet(), file);
    QCOMPARE(parseColorTrailer(file).value().mid(2, 5),
             (QStringList {"#B2B6B9", "#FFFEFA", "#FFFAE8", "#EBEBEB", "#EBEBEB"}));
    ui->txtTextColor->setText(QStringLiteral("#010101"));
    QCOMPARE(qApp->styleSheet(), composed(P::fieldTexts(*window)));
    QVERIFY(qApp->styleSheet().contains(QLatin1String("/*BorderColor:#FFFEFA*/")));

    ui->blackAction->trigger();
    QCOMPARE(ui->txtPanelColor->text(), QStringLiteral("#464646"));
    QCOMPARE(qApp->styleSheet(), finishedSkin(skinNamed("黑色")));
    QCOMPARE(appWindowColour(), QColor(QStringLiteral("#F0F0F0")));
    ui->txtHighColor->setText(QStringLiteral("#00bb9e"));
    QCOMPARE(appWindowColour(), QColor(QStringLiteral("#464646")));
}

void SkinWindowTest::unknownNamesEmptyTheFields()
{
    for (const char *name : {"ps黑色", " 白色扁平", "白色扁平 ", ""}) {
        P::changeStyle(*window, QString::fromUtf8("白色扁平"));
        P::changeStyle(*window, QString::fromUtf8(name));
        QCOMPARE(P::fieldTexts(*window), QVector<QString>(ColorRoleCount).toList());
        for (QPushButton *button : P::buttons(*window))
            QCOMPARE(button->styleSheet(), QStringLiteral("QPushButton{background-color:}"));
        // The last composition that still had a colour stays applied.
        QStringList onlyHigh = QVector<QString>(ColorRoleCount).toList();
        onlyHigh.last() = QStringLiteral("#00BB9E");
        QCOMPARE(qApp->styleSheet(), composed(onlyHigh));
    }
}

void SkinWindowTest::pickerAcceptsAColour()
{
    auto seen = whenModal<QColorDialog>([](QColorDialog *dialog) {
        QCOMPARE(dialog->currentColor(), QColor(Qt::green));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("颜色"));
        QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
        dialog->setCurrentColor(QColor(0x12, 0x3a, 0xbc));
        static_cast<QDialog *>(dialog)->accept();
    });
    P::ui(*window)->btnPanelColor->click();
    QVERIFY(*seen);
    QCOMPARE(P::ui(*window)->txtPanelColor->text(), QStringLiteral("#123abc"));
    QCOMPARE(P::ui(*window)->btnPanelColor->styleSheet(), swatchStyleSheet(QStringLiteral("#123abc")));
    QVERIFY(qApp->styleSheet().startsWith(QLatin1String("QPalette{background:#123abc;}")));
    QCOMPARE(appWindowColour(), QColor(0x12, 0x3a, 0xbc));
}

void SkinWindowTest::pickerCancelChangesNothing()
{
    const QString applied = qApp->styleSheet();
    const QStringList before = P::fieldTexts(*window);
    auto seen = whenModal<QColorDialog>([](QColorDialog *dialog) {
        dialog->setCurrentColor(QColor(0x12, 0x3a, 0xbc));
        dialog->reject();
    });
    P::ui(*window)->btnTextColor->click();
    QVERIFY(*seen);
    QCOMPARE(P::fieldTexts(*window), before);
    QCOMPARE(P::ui(*window)->btnTextColor->styleSheet(), swatchStyleSheet(before.first()));
    QCOMPARE(qApp->styleSheet(), applied);
}



void SkinWindowTest::pickerWritesLowerCase_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("changes");
    QTest::newRow("same colour, already lower case") << "#00bb9e" << 0;
    QTest::newRow("same colour in upper case") << "#00BB9E" << 1;
}

void SkinWindowTest::pickerWritesLowerCase()
{
    QFETCH(QString, before);
    QFETCH(int, changes);
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->txtHighColor->setText(before);
    ui->btnHighColor->setStyleSheet(QString());
    const QString composedBefore = P::composedSheet(*window);
    QSignalSpy spy(ui->txtHighColor, &QLineEdit::textChanged);
    auto seen = whenModal<QColorDialog>([](QColorDialog *dialog) {
        dialog->setCurrentColor(QColor(0x00, 0xbb, 0x9e));
        dialog->accept();
    });
    ui->btnHighColor->click();
    QVERIFY(*seen);
    QCOMPARE(spy.count(), changes);
    QCOMPARE(ui->txtHighColor->text(), QStringLiteral("#00bb9e"));
    // The swatch is set again even when the text did not change.
    QCOMPARE(ui->btnHighColor->styleSheet(), swatchStyleSheet(QStringLiteral("#00bb9e")));
    if (changes == 0)
        QCOMPARE(P::composedSheet(*window), composedBefore);
    else
        QVERIFY(P::composedSheet(*window).contains(QLatin1String("/*HighColor:#00bb9e*/")));
}

void SkinWindowTest::saveThenOpenChangesNoField()
{
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->txtBorderColor->setText(QStringLiteral("#a1b2c3"));
    const QString name = dir.filePath(QStringLiteral("round.css"));
    save(name);

    const QString sheet = P::composedSheet(*window);
    QCOMPARE(sheet, composed(P::fieldTexts(*window)));
    QCOMPARE(ui->txtMain->toPlainText(), QString(sheet).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    const QByteArray bytes = fileBytes(name);
    QCOMPARE(bytes, sheet.toUtf8());
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.endsWith("/*HighColor:#00BB9E*/\r\n"));

    ui->txtMain->clear();
    const QString applied = qApp->styleSheet();
    FieldSpies spies(*window);
    open(name);
    QCOMPARE(spies.total(), 0);
    QCOMPARE(ui->txtMain->toPlainText(), QString::fromUtf8(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QCOMPARE(qApp->styleSheet(), applied);
    QVERIFY(P::autoApply(*window));
}

void SkinWindowTest::openRestoresAllEightColoursAndAppliesOnce()
{
    const SkinEntry &purple = skinNamed("紫色");
    P::changeStyle(*window, purple.displayName);
    const QString name = dir.filePath(QStringLiteral("purple.css"));
    save(name);
    P::changeStyle(*window, QString::fromUtf8("白色扁平"));

    // Each skin applied sets the application palette once, and the
    // application object hears of it once.
    int applications = 0;
    struct Filter : QObject
    {
        int *count;
        explicit Filter(int *c) : count(c) {}
        bool eventFilter(QObject *watched, QEvent *e) override
        {
            if (watched == qApp && e->type() == QEvent::ApplicationPaletteChange)
                ++*count;
            return false;
        }
    } filter(&applications);
    qApp->installEventFilter(&filter);
    open(name);
    qApp->removeEventFilter(&filter);

    QCOMPARE(P::fieldTexts(*window), purple.colors);
    QCOMPARE(P::composedSheet(*window), composed(purple.colors));
    QCOMPARE(qApp->styleSheet(), composed(purple.colors));
    QCOMPARE(appWindowColour(), QColor(QStringLiteral("#23253E")));
    QCOMPARE(applications, 1);
    QVERIFY(P::autoApply(*window));
}

void SkinWindowTest::openWithTheSameHighColourDoesNotRestyle()
{
    const SkinEntry &silvery = skinNamed("银色");
    P::changeStyle(*window, silvery.displayName);
    const QString name = dir.filePath(QStringLiteral("silvery.css"));
    save(name);
    P::changeStyle(*window, QString::fromUtf8("白色扁平"));
    const QString applied = qApp->styleSheet();

    open(name);
    QCOMPARE(P::fieldTexts(*window), silvery.colors);
    QCOMPARE(P::composedSheet(*window), composed(silvery.colors));
    QCOMPARE(qApp->styleSheet(), applied);
}

void SkinWindowTest::openOfFilesWithoutAUsableTrailer_data()
{
    const QByteArray good = composed(skinNamed("紫色").colors).toUtf8();
    QByteArray lf = good;
    lf.replace("\r\n", "\n");
    QByteArray classic = readResourceText(QStringLiteral(":/qss/black.css")).toLatin1();

    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bare LF") << lf;
    QTest::newRow("text after the trailer") << good + "QLabel{color:#000000;}\r\n";
    QTest::newRow("no hash") << QByteArray("QLabel{color:red;}\r\n/*TextColor:red*/\r\n");
    QTest::newRow("classic skin") << classic;
}

void SkinWindowTest::openOfFilesWithoutAUsableTrailer()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!bytes.isEmpty());
    const QString name = dir.filePath(QStringLiteral("odd.css"));
    writeBytes(name, bytes);
    const QString applied = qApp->styleSheet();
    const QString composedBefore = P::composedSheet(*window);
    FieldSpies spies(*window);

    open(name);
    QCOMPARE(spies.total(), 0);
    QCOMPARE(P::composedSheet(*window), composedBefore);
    QCOMPARE(qApp->styleSheet(), applied);
    QCOMPARE(P::ui(*window)->txtMain->toPlainText(),
             QString::fromUtf8(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void SkinWindowTest::openStopsAtAZeroByte()
{
    QByteArray bytes = composed(skinNamed("紫色").colors).toUtf8();
    const int cut = bytes.indexOf("/*HighColor");
    const QByteArray before = bytes.left(cut);
    bytes.insert(cut, '\0');
    const QString name = dir.filePath(QStringLiteral("zero.css"));
    writeBytes(name, bytes);
    FieldSpies spies(*window);

    open(name);
    QCOMPARE(spies.total(), 0); // seven trailer lines are not enough
    QCOMPARE(P::ui(*window)->txtMain->toPlainText(),
             QString::fromUtf8(before).replace(QLatin1String("\r\n"), QLatin1String("\n")));

    // A misspelt key is loaded as it stands and simply not used.
    QByteArray misspelt = composed(skinNamed("紫色").colors).toUtf8();
    misspelt.replace("/*PanelColor:", "/*PanelColour:");
    writeBytes(name, misspelt);
    open(name);
    QCOMPARE(P::ui(*window)->txtPanelColor->text(), QStringLiteral("PanelColour:#23253E"));
    QCOMPARE(P::ui(*window)->txtTextColor->text(), QStringLiteral("#9290C6"));
    QVERIFY(qApp->styleSheet().startsWith(QLatin1String("QPalette{background:#C2;}")));
}

void SkinWindowTest::openShowsMarkupAsPlainText()
{
    const QByteArray bytes = "<b>not bold</b>\r\n" + composed(skinNamed("紫色").colors).toUtf8();
    const QString name = dir.filePath(QStringLiteral("markup.css"));
    writeBytes(name, bytes);
    open(name);
    QVERIFY(P::ui(*window)->txtMain->toPlainText().startsWith(QLatin1String("<b>not bold</b>\n")));
    QCOMPARE(P::fieldTexts(*window), skinNamed("紫色").colors);
}

void SkinWindowTest::cancelledSaveStillShowsTheComposition()
{
    P::ui(*window)->txtMain->setPlainText(QStringLiteral("typed by hand"));
    auto seen = whenModal<QFileDialog>([](QFileDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("保存当前皮肤"));
        dialog->reject();
    });
    P::ui(*window)->btnSave->click();
    QVERIFY(*seen);
    QCOMPARE(P::composedSheet(*window), composed(skinNamed("白色扁平").colors));
    QVERIFY(P::ui(*window)->txtMain->toPlainText().startsWith(QLatin1String("QPalette{background:#FFFFFF;}")));
    QVERIFY(dir.entryList(QDir::Files).isEmpty());
}

void SkinWindowTest::failedSaveWarnsAndKeepsTheOldFile()
{
    const QString name = dir.filePath(QStringLiteral("kept.css"));
    writeBytes(name, "previous skin\r\n");

    // The disk "fills up": this process may write no file larger than 64
    // bytes (works for root too, unlike a read-only folder).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);

    QString warning;
    auto sawDialog = whenModal<QFileDialog>([name, &warning](QFileDialog *dialog) {
        whenModal<QMessageBox>([name, &warning](QMessageBox *replace) {
            // First the dialog's own question whether to replace the file,
            // then the program's warning that it could not.
            replace->button(QMessageBox::Yes)->click();
            whenModal<QMessageBox>([&warning](QMessageBox *box) {
                warning = box->text();
                box->accept();
            });
        });
        dialog->selectFile(name);
        static_cast<QDialog *>(dialog)->accept();
    });
    P::ui(*window)->btnSave->click();
    setrlimit(RLIMIT_FSIZE, &saved);

    QVERIFY(*sawDialog);
    QVERIFY2(warning.contains(QDir::toNativeSeparators(name)), qPrintable(warning));
    QCOMPARE(fileBytes(name), QByteArray("previous skin\r\n"));
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("kept.css")});
}

void SkinWindowTest::oversizedFileIsRefused()
{
    const QString name = dir.filePath(QStringLiteral("huge.css"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(64 * 1024 * 1024));
    file.close();
    P::ui(*window)->txtMain->setPlainText(QStringLiteral("before"));

    QString warning;
    auto sawWarning = whenModal<QMessageBox>([&warning](QMessageBox *box) {
        warning = box->text();
        box->accept();
    });
    open(name);
    QVERIFY(*sawWarning);
    QVERIFY(warning.contains(QDir::toNativeSeparators(name)));
    QCOMPARE(P::ui(*window)->txtMain->toPlainText(), QStringLiteral("before"));
    QFile::remove(name);
}

void SkinWindowTest::unreadableFileIsReported()
{
    // The file chosen in the dialog is gone by the time it is read.
    const QString name = dir.filePath(QStringLiteral("gone.css"));
    P::ui(*window)->txtMain->setPlainText(QStringLiteral("before"));
    QString warning;
    auto sawWarning = whenModal<QMessageBox>([&warning](QMessageBox *box) {
        warning = box->text();
        box->accept();
    });
    P::openSkinFile(*window, name);
    QVERIFY(*sawWarning);
    QVERIFY(warning.contains(QDir::toNativeSeparators(name)));
    QCOMPARE(P::ui(*window)->txtMain->toPlainText(), QStringLiteral("before"));
}

int main(int argc, char *argv[])
{
    // Qt's own dialogs, whatever the desktop's platform theme offers.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    SkinWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_skinwindow.moc"
