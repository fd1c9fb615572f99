// Prints how long the program's restyling takes on the full window under
// the current platform (run with QT_QPA_PLATFORM=offscreen), next to the
// floor: the same palette and style sheet set by plain Qt calls on the same
// window. Not a test: it prints figures and never fails on a slow machine.
#include "colorroles.h"
#include "skincatalogue.h"
#include "zavocreatorprobe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void(int)> &step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString templateText()
{
    QFile file(QStringLiteral(":/qss/template.css"));
    return file.open(QIODevice::ReadOnly) ? decodeResourceText(file.readAll()) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 9));
    QTextStream out(stdout);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;

    const double startUp = medianMs(std::max(3, runs / 3), [](int) {
        ZavoCreator window;
        window.show();
        QCoreApplication::processEvents();
    });

    ZavoCreator window;
    window.show();
    QCoreApplication::processEvents();
    QLineEdit *border = ZavoCreatorProbe::ui(window)->txtBorderColor;
    const QStringList values {QStringLiteral("#123456"), QStringLiteral("#654321")};

    const double keystroke = medianMs(runs, [&](int i) { border->setText(values[i % 2]); });

    const QString names[] {QString::fromUtf8("紫色"), QString::fromUtf8("白色扁平")};
    const double skinSwitch = medianMs(runs, [&](int i) { ZavoCreatorProbe::changeStyle(window, names[i % 2]); });

    QStringList colors = findSkin(defaultSkinName())->colors;
    QStringList sheets;
    for (const QString &value : values) {
        colors[2] = value;
        sheets << composeSkin(templateText(), colors).sheet;
    }
    const double floor = medianMs(runs, [&](int i) {
        QApplication::setPalette(QPalette(skinPanelColor(sheets[i % 2])));
        qApp->setStyleSheet(sheets[i % 2]);
    });

    out << "runs per figure (median): " << runs << '\n'
        << "start-up to first show:        " << startUp << " ms\n"
        << "keystroke recompose + apply:   " << keystroke << " ms\n"
        << "skin switch (changeStyle):     " << skinSwitch << " ms\n"
        << "floor: setPalette+setStyleSheet " << floor << " ms\n"
        << "keystroke / floor:             " << keystroke / floor << '\n'
        << "skin switch / floor:           " << skinSwitch / floor << '\n';
    return 0;
}
