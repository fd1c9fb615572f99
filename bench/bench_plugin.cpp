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

#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
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

// The census window, closed once it has painted once; prints the ms from
// `since` (the parent's clock when it started this process) to then.
int firstFrame(QApplication &app, Clock::time_point since)
{
    struct CloseAfterPaint : QObject {
        Clock::time_point since;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                QTimer::singleShot(0, watched, [this, watched] {
                    QTextStream(stdout) << msSince(since) << '\n';
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
// saving the followed file; prints the three medians: applySkin, the
// followed restyle, and the notice.
int switches(const QString &folder, int runs)
{
    const QString skins[] = {VantuSkin::builtInSkin("psblack"), VantuSkin::builtInSkin("darkblue")};
    const QString file = folder + QStringLiteral("/followed.css");
    VantuSkin::writeSkinFile(file, skins[0]);
    CensusWindow window;
    VantuSkin::applySkin(skins[0]);
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> apply, follow, noticed;
    for (int i = 1; i <= 2 * runs; ++i) {
        const Clock::time_point start = Clock::now();
        VantuSkin::applySkin(skins[i % 2]);
        QCoreApplication::processEvents();
        apply.push_back(msSince(start));
    }

    struct NoticeClock : QObject {
        Clock::time_point at;
        bool eventFilter(QObject *, QEvent *event) override
        {
            // Out of the way at once: a filter on the application would
            // slow down every event of the restyle.
            if (event->type() == QEvent::ApplicationPaletteChange && at == Clock::time_point()) {
                at = Clock::now();
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
        noticed.push_back(std::chrono::duration<double, std::milli>(notice.at - start).count());
    }
    QTextStream(stdout) << median(apply) << ' ' << median(follow) << ' ' << median(noticed) << '\n';
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

    // Taken in turns, so that a busy moment of the machine falls on both.
    std::vector<double> styled, sheeted, apply, follow, notice;
    for (int i = 0; i < processes; ++i) {
        styled.push_back(child({QStringLiteral("-style"), QStringLiteral("vantuskin")}, environment).value(0));
        sheeted.push_back(child({QStringLiteral("-stylesheet"), bundle + QStringLiteral("/psblack.files.css")},
                                environment).value(0));
        const QVector<double> figures = child({QStringLiteral("--switch"), work.path(), QStringLiteral("5")},
                                              environment);
        apply.push_back(figures.value(0));
        follow.push_back(figures.value(1));
        notice.push_back(figures.value(2));
    }
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(1);
    out << "start to first frame, -style vantuskin:          " << median(styled) << " ms\n"
        << "start to first frame, -stylesheet --files --complete: " << median(sheeted) << " ms\n";
    out.setRealNumberPrecision(2);
    out << "  ratio " << median(styled) / median(sheeted) << " (aim <= 1.05)\n";
    out.setRealNumberPrecision(1);
    out << "switch, applySkin:                    " << median(apply) << " ms\n"
        << "switch, followed file (from notice):  " << median(follow) << " ms\n"
        << "notice, end of save to restyle start: " << median(notice) << " ms\n";
    out.setRealNumberPrecision(2);
    out << "  ratio " << median(follow) / median(apply) << " (aim <= 1.10, plus the notice)\n"
        << processes << " processes per figure, median; switches: median of 10 in each\n";
    return 0;
}
