// Prints what checking a user's form costs next to rendering it: the time
// of a vantuskin-cli census --ui process on the test form against a
// gallery --ui process on the same form and skin, and their ratio. Each
// figure is the median of several processes (Qt seeds its hashes anew in
// each); the ratio is that of the two medians. Argument: the number of
// processes per figure (default 5). Not a test: it never fails.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

double runMs(const QStringList &arguments)
{
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    cli.start(CLI_PATH, arguments);
    if (!cli.waitForFinished(600000) || cli.exitCode() != 0)
        qFatal("vantuskin-cli %s failed", qPrintable(arguments.join(' ')));
    return timer.nsecsElapsed() / 1e6;
}

double medianMs(int runs, const QStringList &arguments)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(runMs(arguments));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = qMax(1, QCoreApplication::arguments().value(1, "5").toInt());
    QTemporaryDir dir;
    const QString form = QStringLiteral(FORM_PATH);
    const double census = medianMs(runs, {"census", "--skin", "psblack", "--ui", form});
    const double gallery = medianMs(runs, {"gallery", "--skin", "psblack", "--ui", form, "-o", dir.filePath("g")});
    QTextStream(stdout) << "users' forms, psblack, test form; median of " << runs << " processes each (ms)\n"
                        << QStringLiteral("census --ui   %1\ngallery --ui  %2\nratio         %3\n")
                               .arg(census, 0, 'f', 0).arg(gallery, 0, 'f', 0).arg(census / gallery, 0, 'f', 3);
    return 0;
}
