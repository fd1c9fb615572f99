// Starts the skin generator exactly as main() does, and closes its window as
// soon as it has painted once, so that start-up can be timed and checked
// for leaks from the outside. With --bare it does the same for an empty
// QMainWindow, the floor start-up is compared against. Prints the peak
// resident memory in KB.
#include "zavocreator.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

#include <memory>

#include <sys/resource.h>

namespace {

class CloseAfterFirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, static_cast<QWidget *>(watched), &QWidget::close);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && qstrcmp(argv[1], "--bare") == 0;
    int exitCode = 0;
    {
        QApplication app(argc, argv);
        std::unique_ptr<QMainWindow> window;
        if (bare) {
            window = std::make_unique<QMainWindow>();
        } else {
            QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 9));
            QApplication::setWindowIcon(QIcon(QStringLiteral(":/main.ico")));
            window = std::make_unique<ZavoCreator>();
            window->setWindowTitle(QStringLiteral("Vantu皮肤生成器"));
        }
        CloseAfterFirstPaint closer;
        window->installEventFilter(&closer);
        window->show();
        exitCode = app.exec();
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    QTextStream(stdout) << usage.ru_maxrss << '\n';
    return exitCode;
}
