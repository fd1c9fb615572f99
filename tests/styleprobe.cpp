// A plain Qt program for the style plugin's tests: it links no part of the
// package. It shows a window with a menu that holds an enabled and a
// disabled item and answers each line "report FILE" on standard input with
// one line on standard output:
//   first=<window colour at the first paint>,<1 if an application sheet was set then>
//   active=<the palette's 21 active colours> disabled=<its disabled ones>
//   ink=<distance of the enabled item's text from the menu background>,<of the disabled one's>
// and writes the application style sheet to FILE.
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
    return colours.join(QLatin1Char(','));
}

// How far the inkiest pixel of an item lies from the item's corner pixel.
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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("File"));
    QAction *open = menu->addAction(QStringLiteral("Open something"));
    QAction *closed = menu->addAction(QStringLiteral("Closed something"));
    closed->setEnabled(false);
    window.resize(400, 300);

    QString first;
    struct FirstPaint : QObject {
        QString *seen;
        bool eventFilter(QObject *, QEvent *e) override {
            if (e->type() == QEvent::Paint && seen->isEmpty())
                *seen = qApp->palette().color(QPalette::Window).name() + (qApp->styleSheet().isEmpty() ? ",0" : ",1");
            return false;
        }
    } firstPaint;
    firstPaint.seen = &first;
    window.installEventFilter(&firstPaint);
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
        QTextStream(stdout) << "first=" << first << " active=" << paletteColours(QPalette::Active)
                            << " disabled=" << paletteColours(QPalette::Disabled) << " ink="
                            << ink(shot, menu->actionGeometry(open)) << ',' << ink(shot, menu->actionGeometry(closed))
                            << Qt::endl;
    });
    return app.exec();
}
