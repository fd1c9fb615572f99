#include "zavocreator.h"
#include "qtversion.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

namespace {

// Whether the program would start without a display to show its window on:
// on X11 and Wayland systems Qt then aborts with a message about
// reinstalling the application, which tells a user nothing.
bool lacksDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return false;
    }
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
           && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (lacksDisplay(argc, argv)) {
        std::fprintf(stderr, "%s: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it in a desktop "
                             "session, or in a virtual display: xvfb-run -a %s\n",
                     qPrintable(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()), argv[0]);
        return 1;
    }
    QtVersion::enableHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setFont(programFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main.ico")));

    ZavoCreator window;
    window.setWindowTitle(QStringLiteral("Vantu皮肤生成器"));
    window.show();
    return app.exec();
}
