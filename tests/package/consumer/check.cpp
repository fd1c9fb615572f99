// Checks run inside the consumer once its window is shown: the skin made at
// build time is applied with its full palette, every url() of it resolves,
// the check box states look different, and a switch to a built-in skin works
// without any Q_INIT_RESOURCE.
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
    expect(!sheet.isEmpty() && qApp->styleSheet() == sheet, "the application style sheet is the skin");
    expect(sheet.contains("url(" + imagePrefix), "the skin's images are under " + imagePrefix);
    const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    for (auto it = url.globalMatch(sheet); it.hasNext();) {
        const QString path = it.next().captured(1);
        expect(QFile::exists(path), path + " resolves");
    }
    expect(QApplication::palette().color(QPalette::Window) == QColor(panel), "the palette's window is the panel");
    expect(QApplication::palette().color(QPalette::WindowText) == QColor(text), "the palette's text is the skin's");
}

void check()
{
    QFile bundled(":/psblack/psblack.css");
    expect(bundled.open(QIODevice::ReadOnly), "the bundle is a resource of the program");
    expectSkin(QString::fromUtf8(bundled.readAll()), ":/psblack/images/", "#444444", "#DCDCDC");

    for (QWidget *top : QApplication::topLevelWidgets()) {
        const QList<QCheckBox *> found = top->findChildren<QCheckBox *>();
        if (found.size() == 2) {
            expect(found[0]->isChecked() != found[1]->isChecked(), "one box checked, one not");
            expect(found[0]->grab().toImage() != found[1]->grab().toImage(), "checked and unchecked look different");
        }
        if (auto *button = top->findChild<QPushButton *>())
            button->click();
    }
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
