// Checks run inside the consumer once its window is shown: the skin made at
// build time is applied with its full palette, every url() of it resolves,
// the check box states look different, and a switch to a built-in skin works
// without any Q_INIT_RESOURCE. The bundles made from a saved file and from
// eight colours record the colours they were made from.
#include <VantuSkin/skin.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>

namespace {

int failures = 0;

void expect(bool ok, const QString &what)
{
    if (!ok) {
        QTextStream(stderr) << "FAIL: " << what << '\n';
        ++failures;
    }
}

void expectSkin(const QString &sheet, const QString &imagePrefix, const char *panel, const char *text)
{
    const QString applied = qApp->styleSheet();
    expect(!sheet.isEmpty() && applied.startsWith(sheet) && applied.contains("VantuSkin coverage layer"),
           "the application style sheet is the skin with the coverage layer");
    expect(sheet.contains("url(" + imagePrefix), "the skin's images are under " + imagePrefix);
    for (auto it = QRegularExpression("url\\(([^)]*)\\)").globalMatch(applied); it.hasNext();) {
        const QString path = it.next().captured(1);
        expect(QFile::exists(path), path + " resolves");
    }
    expect(QApplication::palette().color(QPalette::Window) == QColor(panel), "the palette's window is the panel");
    expect(QApplication::palette().color(QPalette::WindowText) == QColor(text), "the palette's text is the skin's");
}

QString resourceText(const QString &path)
{
    QFile file(path);
    expect(file.open(QIODevice::ReadOnly), path + " is a resource of the program");
    return QString::fromUtf8(file.readAll());
}

void check()
{
    expect(VantuSkin::skinColors(resourceText(":/saved/saved.css"))
               == VantuSkin::skinColors(VantuSkin::readSkinFile(SAVED_SKIN)), "FROM: the saved file's colours");
    const QString mine = "#" + QString(MINE_COLORS).replace(',', ",#");
    expect(VantuSkin::skinColors(resourceText(":/mine/mine.css")).join(',') == mine, "COLORS: the eight colours given");
    expect(VantuSkin::skinColors(VantuSkin::composeSkin(mine.split(','))).join(',') == mine,
           "composeSkin records them");

    expectSkin(resourceText(":/psblack/psblack.css"), ":/psblack/images/", "#444444", "#DCDCDC");

    // The window, not its button's menu (a top-level widget too).
    QWidget *window = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget())
            window = widget;
    }
    if (!window) {
        QTextStream(stderr) << "FAIL: the program shows no window\n";
        return QCoreApplication::exit(1);
    }
    const QList<QCheckBox *> boxes = window->findChildren<QCheckBox *>();
    expect(boxes.size() == 2 && boxes[0]->grab().toImage() != boxes[1]->grab().toImage(),
           "checked and unchecked look different");
    window->findChild<QPushButton *>()->click();
    expectSkin(VantuSkin::builtInSkin("flatwhite"), ":/qss/flatwhite/", "#FFFFFF", "#57595B");
    QTextStream(stdout) << (failures ? "consumer: FAILED\n" : "consumer: skin applied, all url()s resolve\n");
    QCoreApplication::exit(failures ? 1 : 0);
}

void scheduleCheck()
{
    QTimer::singleShot(0, check);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(scheduleCheck)
