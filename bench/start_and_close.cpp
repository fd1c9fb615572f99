// Starts the skin generator exactly as main() does, and closes its window as
// soon as it has painted once, so that start-up can be timed and checked
// for leaks from the outside. With --bare it does the same for an empty
// QMainWindow, the floor start-up is compared against.
//
// Prints two numbers: the milliseconds from the moment given by
// --since <steady-clock nanoseconds> (the parent's clock just before it
// started this process; without it, entry into main) to the end of the
// first painted frame, and the peak resident memory in KB. Tearing the
// window down afterwards is not part of the time.
#include "qtversion.h"
#include "zavocreator.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <string>
#include <memory>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

// The frame is painted and flushed by the time the posted close runs.
class CloseAfterFirstPaint : public QObject
{
public:
    Clock::time_point firstFrame;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && firstFrame == Clock::time_point()) {
            QTimer::singleShot(0, static_cast<QWidget *>(watched), [this, watched] {
                firstFrame = Clock::now();
                static_cast<QWidget *>(watched)->close();
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    Clock::time_point since = Clock::now();
    bool bare = false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--bare") == 0)
            bare = true;
        else if (qstrcmp(argv[i], "--since") == 0 && i + 1 < argc)
            since = Clock::time_point(Clock::duration(std::stoll(argv[++i])));
    }

    int exitCode = 0;
    CloseAfterFirstPaint closer;
    {
        QtVersion::enableHighDpiScaling();
        QApplication app(argc, argv);
        std::unique_ptr<QMainWindow> window;
        if (bare) {
            window = std::make_unique<QMainWindow>();
        } else {
            QApplication::setFont(programFont());
            QApplication::setWindowIcon(QIcon(QStringLiteral(":/main.ico")));
            window = std::make_unique<ZavoCreator>();
            window->setWindowTitle(QStringLiteral("Vantu皮肤生成器"));
        }
        window->installEventFilter(&closer);
        window->show();
        exitCode = app.exec();
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const double ms = std::chrono::duration<double, std::milli>(closer.firstFrame - since).count();
    QTextStream(stdout) << ms << ' ' << usage.ru_maxrss << '\n';
    return exitCode;
}
