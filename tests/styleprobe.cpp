// A plain Qt program for the style plugin's tests, linking nothing of the
// package: a window with a menu of an enabled and a disabled item. Each line
// "report FILE" on standard input writes the application style sheet to FILE
// and prints one line:
//   first=<window colour at the first paint>,<1 if a sheet was set by then>
//   palette=<the palette's 21 active colours>;<its 21 disabled ones>
//   ink=<how far the enabled item's text lies from the menu's background>,<the disabled one's>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>

namespace {

QString paletteColours(QPalette::ColorGroup group)
{
    QStringList colours;
    for (int role = 0; role < 21; ++role)
        colours << qApp->palette().color(group, QPalette::ColorRole(role)).name();
    return colours.join(',');
}

int ink(const QImage &image, const QRect &item)
{
    const QColor back = image.pixelColor(item.topLeft() + QPoint(1, 1));
    int most = 0;
    for (int y = item.top(); y <= item.bottom(); ++y) {
        for (int x = item.left(); x <= item.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            most = qMax(most, qAbs(c.red() - back.red()) + qAbs(c.green() - back.green()) + qAbs(c.blue() - back.blue()));
        }
    }
    return most;
}

struct FirstPaint : QObject
{
    QString seen;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && seen.isEmpty())
            seen = qApp->palette().window().color().name() + (qApp->styleSheet().isEmpty() ? ",0" : ",1");
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *menu = window.menuBar()->addMenu("File");
    QAction *open = menu->addAction("Open something");
    QAction *closed = menu->addAction("Closed something");
    closed->setEnabled(false);
    FirstPaint first;
    window.installEventFilter(&first);
    window.resize(400, 300);
    window.show();

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[4096];
        if (!std::fgets(line, sizeof line, stdin))
            return app.quit();
        QFile sheet(QString::fromLocal8Bit(line).mid(7).trimmed());
        if (sheet.open(QIODevice::WriteOnly))
            sheet.write(qApp->styleSheet().toUtf8());
        menu->popup(window.mapToGlobal(QPoint(0, 0)));
        const QImage shot = menu->grab().toImage();
        menu->hide();
        QTextStream(stdout) << "first=" << first.seen << " palette=" << paletteColours(QPalette::Active) << ';'
                            << paletteColours(QPalette::Disabled) << " ink=" << ink(shot, menu->actionGeometry(open))
                            << ',' << ink(shot, menu->actionGeometry(closed)) << Qt::endl;
    });
    return app.exec();
}
