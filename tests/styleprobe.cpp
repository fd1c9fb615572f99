// A plain Qt program for the style plugin's tests, linking nothing of the
// package: a window with a menu of an enabled and a disabled item. Each line
// "report FILE" on standard input writes the application sheet to FILE and
// prints "first=<window colour at the first paint>,<1 if a sheet was set then>
// palette=<21 active colours>;<21 disabled ones> ink=<the enabled item's
// text's distance from the menu background>,<the disabled one's>".
#include <QtWidgets>

#include <cstdio>

namespace {

int ink(const QImage &image, const QRect &item)
{
    const QRgb back = image.pixel(item.topLeft() + QPoint(1, 1));
    int most = 0;
    for (int at = 0; at < item.width() * item.height(); ++at) {
        const QRgb c = image.pixel(item.left() + at % item.width(), item.top() + at / item.width());
        most = qMax(most, qAbs(qRed(c) - qRed(back)) + qAbs(qGreen(c) - qGreen(back)) + qAbs(qBlue(c) - qBlue(back)));
    }
    return most;
}

struct Window : QMainWindow
{
    QString first;
    void paintEvent(QPaintEvent *) override
    {
        if (first.isEmpty())
            first = qApp->palette().window().color().name() + (qApp->styleSheet().isEmpty() ? ",0" : ",1");
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    QMenu *menu = window.menuBar()->addMenu("File");
    QAction *open = menu->addAction("Open something");
    QAction *closed = menu->addAction("Closed something");
    closed->setEnabled(false);
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
        QStringList colours;
        for (int role = 0; role < 42; ++role)
            colours << app.palette().color(role < 21 ? QPalette::Active : QPalette::Disabled, QPalette::ColorRole(role % 21)).name();
        QTextStream(stdout) << "first=" << window.first << " palette=" << colours.join(',') << " ink="
                            << ink(shot, menu->actionGeometry(open)) << ',' << ink(shot, menu->actionGeometry(closed)) << Qt::endl;
    });
    return app.exec();
}
