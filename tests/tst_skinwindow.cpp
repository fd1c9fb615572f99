// The skin engine as the user meets it in the window: start-up state, typing
// into the colour fields, the skin catalogue's actions, the colour pickers
// and saving and opening skin files.
#include "colorfieldstatus.h"
#include "colorroles.h"
#include "dialogdriver.h"
#include "filesizelimit.h"
#include "skincatalogue.h"
#include "zavocreatorprobe.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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

QStringList colorsOf(const char *name)
{
    return findSkin(QString::fromUtf8(name))->colors;
}

QString composed(const QStringList &colors)
{
    return composeSkin(templateText(), colors).sheet;
}

QString shownText(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n"));
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

// Counts every change of the eight colour fields.
struct FieldChanges : QObject
{
    explicit FieldChanges(ZavoCreator &w)
    {
        for (QLineEdit *field : P::fields(w))
            connect(field, &QLineEdit::textChanged, this, [this] { ++count; });
    }
    int count = 0;
};

// Counts the skins applied to the program: each restyles a widget once
// (and sets a palette that may equal the last one).
struct ApplyCounter : QObject
{
    explicit ApplyCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::StyleChange;
        return false;
    }
    int count = 0;
};

// Whether the field shows "#DDDDDD" whole: with the cursor at its end the
// text must not have scrolled, so its start stays where it is with the
// cursor at the front.
bool showsWidestValueWhole(QLineEdit *field)
{
    const QSignalBlocker blocker(field);
    const QString kept = field->text();
    field->setText(QStringLiteral("#DDDDDD"));
    field->setCursorPosition(0);
    field->grab();
    const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    field->end(false);
    field->grab();
    const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    field->setText(kept);
    return end - start >= field->fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDD")) - 1;
}

} // namespace

class SkinWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsInFlatWhite();
    void typingKeyByKey_data();
    void typingKeyByKey();
    void contrastInTheToolTips_data();
    void contrastInTheToolTips();
    void suggestionInTheContextMenu_data();
    void suggestionInTheContextMenu();
    void everySkinActionAppliesItsSkin();
    void pickers_data();
    void pickers();

    void saveThenOpenChangesNoField();
    void open_data();
    void open();
    void saveWritesNothing_data();
    void saveWritesNothing();
    void failedSaveWarnsAndKeepsTheOldFile();

private:
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

void SkinWindowTest::startsInFlatWhite()
{
    const SkinEntry &flatWhite = *findSkin(defaultSkinName());
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

void SkinWindowTest::typingKeyByKey_data()
{
    // Each text is typed over the field's whole text, key by key; an empty
    // text clears the field.
    QTest::addColumn<int>("role");
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("border: the seventh character applies") << 2 << QStringList {"#123456"};
    QTest::newRow("panel, key by key") << 1 << QStringList {"#23253e"};
    QTest::newRow("text that would break the sheet") << 7 << QStringList {"x#y;z}q", "#ABCDEF"};
    QTest::newRow("hash in the middle") << 0 << QStringList {"12#3456", "#123456"};
    QTest::newRow("short form, then emptied") << 1 << QStringList {"#FFF", "", "#FEFEFE"};
}

void SkinWindowTest::typingKeyByKey()
{
    QFETCH(int, role);
    QFETCH(QStringList, typed);
    QLineEdit *field = P::fields(*window)[role];
    QPushButton *button = P::buttons(*window)[role];
    QString applied = qApp->styleSheet();
    QString composedBefore = P::composedSheet(*window);
    QString swatch = button->styleSheet();
    int keys = 0;
    // Runs after the window's own slot, at every keystroke.
    connect(field, &QLineEdit::textChanged, this, [&](const QString &text) {
        ++keys;
        if (isColorValue(text)) {
            applied = composedBefore = composed(P::fieldTexts(*window));
            swatch = swatchStyleSheet(text);
            QVERIFY(shownMark(field) != FieldMark::NotAColor);
            QVERIFY(field->toolTip().contains(QLatin1String(":1")));
        } else {
            QCOMPARE(shownMark(field), FieldMark::NotAColor);
            QVERIFY(!field->toolTip().contains(QLatin1String(":1")));
        }
        // Marks cost a restyle nothing: no field has a style sheet of its own.
        QVERIFY(field->styleSheet().isEmpty());
        QCOMPARE(qApp->styleSheet(), applied);
        QCOMPARE(P::composedSheet(*window), composedBefore);
        QCOMPARE(button->styleSheet(), swatch);
    });
    for (const QString &text : typed) {
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, text);
    }
    QCOMPARE(keys, typed.join(QString()).size() + typed.count(QString()));
    QCOMPARE(qApp->styleSheet(), composed(P::fieldTexts(*window)));
    QCOMPARE(appWindowColour(), QColor(P::fieldTexts(*window).at(1)));
}

void SkinWindowTest::contrastInTheToolTips_data()
{
    // On flat white's panel #FFFFFF; the ratios are WCAG's published ones.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<bool>("warned");
    QTest::newRow("black") << "#000000" << "21.00:1" << false;
    QTest::newRow("just below 4.5:1") << "#777777" << "4.48:1" << true;
    QTest::newRow("white on white") << "#FFFFFF" << "1.00:1" << true;
}

void SkinWindowTest::contrastInTheToolTips()
{
    QFETCH(QString, text);
    QFETCH(QString, ratio);
    QFETCH(bool, warned);
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->txtTextColor->setText(text);
    // Each side of the pair names the other, with the ratio on that line.
    const auto lists = [&ratio](const QLineEdit *field, const QLabel *other) {
        const QStringList lines = field->toolTip().split(QLatin1Char('\n'));
        return std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
            return line.contains(other->text()) && line.contains(ratio);
        });
    };
    QVERIFY2(lists(ui->txtTextColor, ui->labPanelColor), qPrintable(ui->txtTextColor->toolTip()));
    QVERIFY2(lists(ui->txtPanelColor, ui->labTextColor), qPrintable(ui->txtPanelColor->toolTip()));
    QVERIFY(!ui->txtHighColor->toolTip().contains(ratio));
    QCOMPARE(shownMark(ui->txtTextColor), warned ? FieldMark::LowContrast : FieldMark::None);
}

void SkinWindowTest::suggestionInTheContextMenu_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QStringList>("colors");
    QTest::newRow("text, a foreground")
        << 0 << QStringList {"#AAAAAA", "#FFFFFF", "#767676", "#E4E4E4", "#E4E4E4", "#F6F6F6", "#F6F6F6", "#000000"};
    QTest::newRow("panel, a background")
        << 1 << QStringList {"#57595B", "#888888", "#303030", "#E4E4E4", "#E4E4E4", "#F6F6F6", "#F6F6F6", "#000000"};
    QTest::newRow("highlight, on flat white") << 7 << findSkin(defaultSkinName())->colors;
}

void SkinWindowTest::suggestionInTheContextMenu()
{
    QFETCH(int, role);
    QFETCH(QStringList, colors);
    window->show();
    for (int i = 0; i < ColorRoleCount; ++i)
        P::fields(*window)[i]->setText(colors[i]);
    QLineEdit *field = P::fields(*window)[role];
    const QString before = qApp->styleSheet();
    const QString toolTip = shownToolTip(field);
    const QString suggestion = toolTip.section(QStringLiteral("最近的合格颜色："), 1).left(7);
    QVERIFY2(isColorValue(suggestion), qPrintable(toolTip));
    QCOMPARE(role == 1, toolTip.contains(QStringLiteral("宜改前景")));
    QVERIFY(QTest::qWaitForWindowExposed(field));
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(qApp->styleSheet(), before); // nothing applies without the user
        QAction *use = menu->actions().constLast();
        QCOMPARE(use->text(), QStringLiteral("使用 ") + suggestion);
        use->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &event);
    // The colour went in as typed, and every pair of the field now passes.
    QCOMPARE(field->text(), suggestion);
    QCOMPARE(shownMark(field), FieldMark::None);
    QCOMPARE(qApp->styleSheet(), composed(P::fieldTexts(*window)));
    field->undo();
    QCOMPARE(field->text(), colors[role]);
}

void SkinWindowTest::everySkinActionAppliesItsSkin()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
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
        for (QLineEdit *field : P::fields(*window))
            QVERIFY2(showsWidestValueWhole(field), qPrintable(skin.styleName + QLatin1Char(' ') + field->objectName()));

        // Again: no field changes, and the finished file, if any, is
        // applied once more.
        qApp->setStyleSheet(QString());
        FieldChanges changes(*window);
        actions[i]->trigger();
        QCOMPARE(changes.count, 0);
        QCOMPARE(qApp->styleSheet(), file);
    }
}

void SkinWindowTest::pickers_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("changes");
    QTest::newRow("panel colour picked") << 1 << QString() << true << 1;
    QTest::newRow("cancelled") << 0 << QString() << false << 0;
    QTest::newRow("same colour, already lower case") << 7 << "#123abc" << true << 0;
    QTest::newRow("same colour in upper case") << 7 << "#123ABC" << true << 1;
}

void SkinWindowTest::pickers()
{
    QFETCH(int, role);
    QFETCH(QString, before);
    QFETCH(bool, accepted);
    QFETCH(int, changes);
    QLineEdit *field = P::fields(*window)[role];
    QPushButton *button = P::buttons(*window)[role];
    if (!before.isEmpty())
        field->setText(before);
    const QString textBefore = field->text();
    const QString applied = qApp->styleSheet();
    button->setStyleSheet(QString());
    QSignalSpy spy(field, &QLineEdit::textChanged);
    auto seen = whenModal<QColorDialog>([accepted](QColorDialog *dialog) {
        QCOMPARE(dialog->currentColor(), QColor(Qt::green));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("颜色"));
        QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
        dialog->setCurrentColor(QColor(0x12, 0x3a, 0xbc));
        accepted ? dialog->accept() : dialog->reject();
    });
    button->click();
    QVERIFY(*seen);
    QCOMPARE(spy.count(), changes);
    QCOMPARE(field->text(), accepted ? QStringLiteral("#123abc") : textBefore);
    // The swatch is painted even when the text did not change.
    QCOMPARE(button->styleSheet(), accepted ? swatchStyleSheet(QStringLiteral("#123abc")) : QString());
    QCOMPARE(qApp->styleSheet(), changes ? composed(P::fieldTexts(*window)) : applied);
    QCOMPARE(appWindowColour(), skinPanelColor(qApp->styleSheet()));
}

void SkinWindowTest::saveThenOpenChangesNoField()
{
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->txtBorderColor->setText(QStringLiteral("#a1b2c3"));
    const QString name = dir.filePath(QStringLiteral("round.css"));
    auto saved = whenModal<QFileDialog>([name](QFileDialog *dialog) {
        dialog->selectFile(name);
        static_cast<QDialog *>(dialog)->accept();
    });
    ui->btnSave->click();
    QVERIFY(*saved);

    const QString sheet = P::composedSheet(*window);
    QCOMPARE(sheet, composed(P::fieldTexts(*window)));
    const QByteArray bytes = fileBytes(name);
    QCOMPARE(bytes, sheet.toUtf8());
    QCOMPARE(ui->txtMain->toPlainText(), shownText(bytes));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.endsWith("/*HighColor:#00BB9E*/\r\n"));

    ui->txtMain->clear();
    const QString applied = qApp->styleSheet();
    FieldChanges changes(*window);
    auto opened = whenModal<QFileDialog>([name](QFileDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("open"));
        dialog->selectFile(name);
        static_cast<QDialog *>(dialog)->accept();
    });
    ui->btnOpen->click();
    QVERIFY(*opened);
    QCOMPARE(changes.count, 0);
    QCOMPARE(ui->txtMain->toPlainText(), shownText(bytes));
    QCOMPARE(P::composedSheet(*window), sheet);
    QCOMPARE(qApp->styleSheet(), applied);
}

void SkinWindowTest::open_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");  // > 0: a file of that size, all zero bytes
    QTest::addColumn<QStringList>("loaded"); // empty: no field changes
    QTest::addColumn<QString>("shown");     // null: refused with a warning

    const QStringList purple = colorsOf("紫色");
    const QByteArray good = composed(purple).toUtf8();
    const auto row = [](const char *tag, const QByteArray &bytes, const QStringList &loaded = {}) {
        QTest::newRow(tag) << bytes << qint64(0) << loaded << shownText(bytes);
    };
    // Flat white, on screen, shares silvery's highlight "#00BB9E".
    row("purple", good, purple);
    row("silvery: same highlight", composed(colorsOf("银色")).toUtf8(), colorsOf("银色"));
    row("markup shows as plain text", "<b>not bold</b>\r\n" + good, purple);
    row("bare LF", QByteArray(good).replace("\r\n", "\n"));
    row("text after the trailer", good + "QLabel{color:#000000;}\r\n");
    row("no hash", "QLabel{color:red;}\r\n/*TextColor:red*/\r\n");
    row("classic skin", readResourceText(QStringLiteral(":/qss/black.css")).toLatin1());
    row("misspelt key", QByteArray(good).replace("/*PanelColor:", "/*PanelColr:"));
    row("part that would break the sheet", QByteArray(good).replace(":#23253E*/", ":x#y;z}q*/"));
    const int cut = good.indexOf("/*HighColor");
    QTest::newRow("zero byte: seven colours") << QByteArray(good).insert(cut, '\0') << qint64(0) << QStringList()
                                              << shownText(good.left(cut));
    QTest::newRow("oversized") << QByteArray() << qint64(64 * 1024 * 1024) << QStringList() << QString();
    QTest::newRow("gone by the time it is read") << QByteArray() << qint64(0) << QStringList() << QString();
}

void SkinWindowTest::open()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QStringList, loaded);
    QFETCH(QString, shown);
    const QString name = dir.filePath(QStringLiteral("skin.css"));
    if (!bytes.isEmpty())
        writeBytes(name, bytes);
    if (size > 0) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->txtMain->setPlainText(QStringLiteral("before"));
    const QStringList fieldsBefore = P::fieldTexts(*window);
    const QString composedBefore = P::composedSheet(*window);
    const QString applied = qApp->styleSheet();
    QString warning;
    auto warned = std::make_shared<bool>(false);
    if (shown.isNull()) {
        warned = whenModal<QMessageBox>([&warning](QMessageBox *box) {
            warning = box->text();
            box->accept();
        });
    }
    ApplyCounter applications(ui->btnOpen);

    P::openSkinFile(*window, name);
    QCOMPARE(*warned, shown.isNull());
    QVERIFY(warning.isEmpty() || warning.contains(QDir::toNativeSeparators(name)));
    QCOMPARE(ui->txtMain->toPlainText(), shown.isNull() ? QStringLiteral("before") : shown);
    QCOMPARE(P::fieldTexts(*window), loaded.isEmpty() ? fieldsBefore : loaded);
    QCOMPARE(P::composedSheet(*window), loaded.isEmpty() ? composedBefore : composed(loaded));
    QCOMPARE(qApp->styleSheet(), loaded.isEmpty() ? applied : composed(loaded));
    QCOMPARE(applications.count, loaded.isEmpty() ? 0 : 1);
    QVERIFY(P::autoApply(*window));
}

void SkinWindowTest::saveWritesNothing_data()
{
    QTest::addColumn<QString>("normalEnd");
    QTest::addColumn<bool>("warned");
    QTest::newRow("dialog cancelled") << "#E4E4E4" << false;
    QTest::newRow("a field that is no colour") << "#12345" << true;
}

void SkinWindowTest::saveWritesNothing()
{
    QFETCH(QString, normalEnd);
    QFETCH(bool, warned);
    Ui::ZavoCreator *ui = P::ui(*window);
    ui->txtNormalColorEnd->setText(normalEnd);
    ui->txtMain->setPlainText(QStringLiteral("typed by hand"));
    const QString applied = qApp->styleSheet();
    // Whatever comes up is closed: the file dialog or the warning.
    QString title;
    QString warning;
    auto seen = whenModal<QDialog>([&title, &warning](QDialog *dialog) {
        title = dialog->windowTitle();
        if (const auto *box = qobject_cast<QMessageBox *>(dialog))
            warning = box->text();
        dialog->reject();
    });
    ui->btnSave->click();
    QVERIFY(*seen);
    QCOMPARE(title, QString::fromUtf8("保存当前皮肤"));
    QCOMPARE(warning.contains(ui->labNormalColorEnd->text()), warned);
    QCOMPARE(ui->txtMain->toPlainText(),
             warned ? QStringLiteral("typed by hand") : shownText(composed(P::fieldTexts(*window)).toUtf8()));
    QCOMPARE(qApp->styleSheet(), applied);
    QVERIFY(dir.entryList(QDir::Files).isEmpty());
}

void SkinWindowTest::failedSaveWarnsAndKeepsTheOldFile()
{
    const QString name = dir.filePath(QStringLiteral("kept.css"));
    writeBytes(name, "previous skin\r\n");

    auto diskFull = std::make_unique<FileSizeLimit>(64);
    QCOMPARE(diskFull->result, 0);

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
    diskFull.reset();

    QVERIFY(*sawDialog);
    QVERIFY2(warning.contains(QDir::toNativeSeparators(name)), qPrintable(warning));
    QCOMPARE(fileBytes(name), QByteArray("previous skin\r\n"));
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("kept.css")});
}

int main(int argc, char *argv[])
{
    // Qt's own dialogs, whatever the desktop's platform theme offers.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    // The program's own font, which the colour fields are sized for.
    QApplication::setFont(programFont());
    SkinWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_skinwindow.moc"
