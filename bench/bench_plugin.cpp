// Prints what the vantuskin style costs a program, next to what the same
// skin costs without it. Run with QT_QPA_PLATFORM=offscreen; argument: the
// number of processes per figure (default 5). Not a test: it prints figures
// and ratios and never fails on a slow machine.
//
// Start-up: a program with every widget a Qt program shows (the census
// window) started with -style vantuskin and VANTUSKIN_SKIN=psblack, against
// the same program started with -stylesheet of the psblack bundle that
// `export --files --complete` writes: milliseconds from the process's start
// to the end of its first painted frame.
//
// Switch: in one such process, VantuSkin::applySkin() of another skin on the
// shown window, against the same skin saved into the followed file: the
// restyle from the moment the program notices the new file, and apart from
// it the time from the end of the save to that notice.
#include "bundlewriter.h"
#include "censuswindow.h"
#include "skinfollower.h"

#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time, which other processes on a busy machine do not inflate as
// they do the time on the clock: of this process, or of this thread.
double cpuMs(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID)
{
    timespec now {};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The census window, closed once it has painted once; prints the ms from
// `since` (the parent's clock when it started this process) to then, and
// the process's processor time by then.
int firstFrame(QApplication &app, Clock::time_point since)
{
    struct CloseAfterPaint : QObject {
        Clock::time_point since;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                QTimer::singleShot(0, watched, [this, watched] {
                    QTextStream(stdout) << msSince(since) << ' ' << cpuMs() << '\n';
                    static_cast<QWidget *>(watched)->close();
                });
            return false;
        }
    } closer;
    closer.since = since;
    CensusWindow window;
    window.installEventFilter(&closer);
    window.show();
    return app.exec();
}

// Switches between two skins `runs` times each way, by applySkin() and by
// saving the followed file; prints the medians of applySkin, the followed
// restyle and the notice, then those of applySkin and the followed restyle
// in this thread's processor time.
int switches(const QString &folder, int runs)
{
    const QString skins[] = {VantuSkin::builtInSkin("psblack"), VantuSkin::builtInSkin("darkblue")};
    const QString file = folder + QStringLiteral("/followed.css");
    VantuSkin::writeSkinFile(file, skins[0]);
    CensusWindow window;
    VantuSkin::applySkin(skins[0]);
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> apply, follow, noticed, applyCpu, followCpu;
    for (int i = 1; i <= 2 * runs; ++i) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        VantuSkin::applySkin(skins[i % 2]);
        QCoreApplication::processEvents();
        apply.push_back(msSince(start));
        applyCpu.push_back(cpuMs(CLOCK_THREAD_CPUTIME_ID) - cpuStart);
    }

    struct NoticeClock : QObject {
        Clock::time_point at;
        double cpuAt = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            // Out of the way at once: a filter on the application would
            // slow down every event of the restyle.
            if (event->type() == QEvent::ApplicationPaletteChange && at == Clock::time_point()) {
                at = Clock::now();
                cpuAt = cpuMs(CLOCK_THREAD_CPUTIME_ID);
                qApp->removeEventFilter(this);
            }
            return false;
        }
    } notice;
    VantuSkin::followSkin(file);
    QCoreApplication::processEvents();
    for (int i = 1; i <= 2 * runs; ++i) {
        VantuSkin::writeSkinFile(file, skins[i % 2]);
        const Clock::time_point start = Clock::now();
        notice.at = Clock::time_point();
        qApp->installEventFilter(&notice);
        QElapsedTimer waited;
        for (waited.start(); notice.at == Clock::time_point() && waited.elapsed() < 5000;)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        follow.push_back(msSince(notice.at));
        followCpu.push_back(cpuMs(CLOCK_THREAD_CPUTIME_ID) - notice.cpuAt);
        noticed.push_back(std::chrono::duration<double, std::milli>(notice.at - start).count());
    }
    QTextStream(stdout) << median(apply) << ' ' << median(follow) << ' ' << median(noticed) << ' '
                        << median(applyCpu) << ' ' << median(followCpu) << '\n';
    return 0;
}

// One child process of this program; its output line as numbers.
QVector<double> child(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    const auto since = std::chrono::nanoseconds(Clock::now().time_since_epoch()).count();
    process.start(QCoreApplication::applicationFilePath(),
                  QStringList {QStringLiteral("--since"), QString::number(since)} + arguments);
    process.waitForFinished(120000);
    QVector<double> numbers;
    for (const QByteArray &number : process.readAllStandardOutput().simplified().split(' '))
        numbers << number.toDouble();
    return numbers;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1String("--since")) {
        const Clock::time_point since {Clock::duration(arguments.value(2).toLongLong())};
        if (arguments.value(3) == QLatin1String("--switch"))
            return switches(arguments.value(4), arguments.value(5).toInt());
        return firstFrame(app, since);
    }
    const int processes = std::max(1, arguments.value(1, QStringLiteral("5")).toInt());

    QTemporaryDir work;
    const QString bundle = work.filePath(QStringLiteral("psblack"));
    const QString skin = VantuSkin::builtInSkin("psblack");
    BundleOptions options;
    options.complete = options.files = true;
    QString error;
    if (!writeSkinBundle(bundle, {QStringLiteral("psblack"), skin, VantuSkin::skinColors(skin), sheetColours(skin), {}},
                         options, &error)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(PLUGIN_DIR));
    environment.insert(QStringLiteral("VANTUSKIN_SKIN"), QStringLiteral("psblack"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work.path());

    // Taken in turns, so that a busy moment of the machine falls on all.
    // Columns: start-up with the style, with -stylesheet (each on the clock
    // and in processor time), applySkin, the followed restyle, the notice,
    // applySkin and the followed restyle in processor time.
    std::vector<double> figures[9];
    for (int i = 0; i < processes; ++i) {
        const QVector<double> styled = child({QStringLiteral("-style"), QStringLiteral("vantuskin")}, environment);
        const QVector<double> sheeted =
            child({QStringLiteral("-stylesheet"), bundle + QStringLiteral("/psblack.files.css")}, environment);
        const QVector<double> switched =
            child({QStringLiteral("--switch"), work.path(), QStringLiteral("5")}, environment);
        const QVector<double> row = QVector<double> {styled.value(0), styled.value(1), sheeted.value(0),
                                                     sheeted.value(1)} + switched;
        for (int column = 0; column < 9; ++column)
            figures[column].push_back(row.value(column));
    }
    double m[9];
    for (int column = 0; column < 9; ++column)
        m[column] = median(figures[column]);
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(1);
    out << "start to first frame (census window, psblack)    clock        processor\n"
        << "  -style vantuskin                               " << m[0] << " ms     " << m[1] << " ms\n"
        << "  -stylesheet of export --files --complete       " << m[2] << " ms     " << m[3] << " ms\n";
    out.setRealNumberPrecision(2);
    out << "  ratio (aim <= 1.05)                            " << m[0] / m[2] << "         " << m[1] / m[3] << '\n';
    out.setRealNumberPrecision(1);
    out << "switch psblack <-> darkblue on the shown window\n"
        << "  applySkin                                      " << m[4] << " ms      " << m[7] << " ms\n"
        << "  followed file, from the notice                 " << m[5] << " ms      " << m[8] << " ms\n";
    out.setRealNumberPrecision(2);
    out << "  ratio (aim <= 1.10, plus the notice)           " << m[5] / m[4] << "         " << m[8] / m[7] << '\n';
    out.setRealNumberPrecision(1);
    out << "  notice, end of the save to the restyle's start " << m[6] << " ms (settle time "
        << SkinFollower::SettleTime << " ms)\n"
        << processes << " processes per figure, median; in each, the switches' median of 10\n";
    return 0;
}
