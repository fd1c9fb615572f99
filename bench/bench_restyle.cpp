// Prints how long the program's restyling and start-up take, next to the
// floor the same Qt work sets: a plain setPalette + setStyleSheet of the
// same text on the same window, and a bare QMainWindow process (both
// started through start_and_close). Run with QT_QPA_PLATFORM=offscreen.
// Not a test: it prints figures and ratios and never fails on a slow
// machine. Argument: the number of runs per figure. Each figure is given as
// time on the clock and as this thread's processor time, which stays
// comparable when other work shares the machine.
//
// Qt seeds its hash tables anew in every process, and the order they give
// moves the cost of a restyle by up to a tenth from one process to the
// next. The restyle figures are therefore measured in five processes of
// their own, and each ratio is the median of the five, with its spread.
#include "colorroles.h"
#include "skincatalogue.h"
#include "zavocreatorprobe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The processor time of this thread, which other processes on a busy
// machine do not inflate as they do the time on the clock.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Figure
{
    double ms = 0;    // median time on the clock
    double cpuMs = 0; // median processor time
};

// Each step, and the repainting it leaves to the event loop.
Figure medianMs(int runs, const std::function<void(int)> &step)
{
    std::vector<double> times, cpuTimes;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        step(i);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
        cpuTimes.push_back(threadCpuMs() - cpuStart);
    }
    return {median(times), median(cpuTimes)};
}

Figure median(const std::vector<Figure> &figures)
{
    std::vector<double> ms, cpuMs;
    for (const Figure &figure : figures) {
        ms.push_back(figure.ms);
        cpuMs.push_back(figure.cpuMs);
    }
    return {median(ms), median(cpuMs)};
}

struct ProcessFigures
{
    double firstFrameMs; // process start to the end of the first painted frame
    double processMs;    // the whole process, teardown included
    double peakMb;
};

ProcessFigures startUp(QStringList arguments, int runs)
{
    std::vector<double> firstFrame, process;
    double peakKb = 0;
    arguments << QStringLiteral("--since") << QString();
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        arguments.last() = QString::number(std::chrono::nanoseconds(since).count());
        child.start(QStringLiteral(START_AND_CLOSE), arguments);
        child.waitForFinished(60000);
        process.push_back(timer.nsecsElapsed() / 1e6);
        const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
        firstFrame.push_back(figures.value(0).toDouble());
        peakKb = std::max(peakKb, figures.value(1).toDouble());
    }
    return {median(firstFrame), median(process), peakKb / 1024};
}

// The restyle figures of one process: floor, keystroke, Open and skin
// switch, each as clock and processor milliseconds.
std::vector<Figure> measureRestyle(int runs)
{
    ZavoCreator window;
    window.show();
    QCoreApplication::processEvents();
    Ui::ZavoCreator *ui = ZavoCreatorProbe::ui(window);

    // Two skins that differ in one colour, as two keystrokes make them.
    const QString templateText = readResourceText(QStringLiteral(":/qss/template.css"));
    QStringList colors = findSkin(defaultSkinName())->colors;
    const QStringList borders {QStringLiteral("#123456"), QStringLiteral("#654321")};
    QStringList sheets;
    for (const QString &border : borders) {
        colors[2] = border;
        sheets << composeSkin(templateText, colors).sheet;
    }
    const auto plainApply = [&](int i) {
        QApplication::setPalette(QPalette(skinPanelColor(sheets[i % 2])));
        qApp->setStyleSheet(sheets[i % 2]);
    };

    // Two saved skins whose every colour differs, so that opening one
    // changes all eight fields and applies once.
    QTemporaryDir dir;
    QStringList files;
    for (const char *name : {"紫色", "深蓝色"}) {
        files << dir.filePath(QString::number(files.size()) + QStringLiteral(".css"));
        QFile file(files.last());
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(composeSkin(templateText, findSkin(QString::fromUtf8(name))->colors).sheet.toUtf8());
    }

    const QString names[] {QString::fromUtf8("紫色"), QString::fromUtf8("白色扁平")};
    // Interleaved rounds, so that a busy moment of the machine touches all
    // figures alike.
    std::vector<Figure> f, k, o, s;
    for (int round = 0; round < 3; ++round) {
        f.push_back(medianMs(runs, plainApply));
        k.push_back(medianMs(runs, [&](int i) { ui->txtBorderColor->setText(borders[i % 2]); }));
        o.push_back(medianMs(runs, [&](int i) { ZavoCreatorProbe::openSkinFile(window, files[i % 2]); }));
        s.push_back(medianMs(std::max(3, runs / 3), [&](int i) { ZavoCreatorProbe::changeStyle(window, names[i % 2]); }));
    }
    return {median(f), median(k), median(o), median(s)};
}

constexpr int RestyleProcesses = 5;

// One process's figures on one line: clock and processor milliseconds of
// floor, keystroke, Open and skin switch.
std::vector<Figure> restyleInProcess(int runs)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::number(runs), QStringLiteral("--restyle")});
    child.waitForFinished(600000);
    const QList<QByteArray> numbers = child.readAllStandardOutput().simplified().split(' ');
    std::vector<Figure> figures;
    for (int i = 0; i + 1 < numbers.size(); i += 2)
        figures.push_back({numbers[i].toDouble(), numbers[i + 1].toDouble()});
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(programFont());
    QTextStream out(stdout);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 21;

    if (argc > 2 && QByteArray(argv[2]) == "--restyle") {
        for (const Figure &figure : measureRestyle(runs))
            out << figure.ms << ' ' << figure.cpuMs << ' ';
        out << '\n';
        return 0;
    }

    // Progress on stderr as each figure is measured: the whole run takes
    // about a minute.
    QTextStream progress(stderr);
    progress << "start-up: the program, 7 processes" << Qt::endl;
    const ProcessFigures program = startUp({}, 7);
    progress << "start-up: a bare QMainWindow, 7 processes" << Qt::endl;
    const ProcessFigures bare = startUp({QStringLiteral("--bare")}, 7);

    // Per figure (floor, keystroke, Open, switch): each process's clock
    // time, and its ratios to that process's floor.
    std::vector<double> ms[4], cpuMs[4], ratio[4], cpuRatio[4];
    for (int p = 0; p < RestyleProcesses; ++p) {
        progress << "restyle figures: process " << p + 1 << " of " << RestyleProcesses << Qt::endl;
        const std::vector<Figure> figures = restyleInProcess(runs);
        if (figures.size() != 4) {
            QTextStream(stderr) << "bench_restyle: a measuring process gave no figures\n";
            return 1;
        }
        for (int i = 0; i < 4; ++i) {
            ms[i].push_back(figures[i].ms);
            cpuMs[i].push_back(figures[i].cpuMs);
            ratio[i].push_back(figures[i].ms / figures[0].ms);
            cpuRatio[i].push_back(figures[i].cpuMs / figures[0].cpuMs);
        }
    }
    const auto spread = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return QStringLiteral("%1-%2").arg(values.front(), 0, 'f', 2).arg(values.back(), 0, 'f', 2);
    };
    const auto line = [&](int i) {
        out << median(ms[i]) << " ms   ratio " << median(ratio[i]) << " (" << spread(ratio[i])
            << ")   processor time " << median(cpuMs[i]) << " ms   ratio " << median(cpuRatio[i]) << '\n';
    };

    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    out << "runs per figure: " << runs << " x 3 rounds (median) in each of " << RestyleProcesses
        << " processes; median over the processes (lowest-highest)\n"
        << "floor, setPalette + setStyleSheet: " << median(ms[0]) << " ms              processor time "
        << median(cpuMs[0]) << " ms\n";
    out << "keystroke, recompose + apply:      ";
    line(1);
    out << "open a skin file:                  ";
    line(2);
    out << "skin switch (changeStyle):         ";
    line(3);
    out << "start-up to first painted frame:   " << program.firstFrameMs << " ms, bare QMainWindow "
        << bare.firstFrameMs << " ms   ratio " << program.firstFrameMs / bare.firstFrameMs << '\n'
        << "whole process, teardown included:  " << program.processMs << " ms, bare QMainWindow "
        << bare.processMs << " ms   ratio " << program.processMs / bare.processMs << '\n'
        << "peak memory:                       " << program.peakMb << " MB, bare QMainWindow " << bare.peakMb
        << " MB\n";
    return 0;
}
