#include "zavocreator.h"
#include "formpreview.h"
#include "qtversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// --help and --version are answered before the application object exists,
// so that they need no display (the manual page is made from them at build
// time). Everything else on the line is Qt's: -style, -platform, ...
bool answeredInformationOption(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: %s [--preview FILE.ui ...] [Qt options]\n"
                        "The skin generator: pick eight colours (text, panel, border, the start and end of a normal\n"
                        "and of a dark gradient, and a highlight); the window composes its style-sheet template\n"
                        "from them, applies the result to itself and shows it on a large preview. Save writes the\n"
                        "skin as a .css file, Open loads a saved one back. vantuskin-cli does the same without the\n"
                        "window.\n\n"
                        "Options:\n"
                        "  -h, --help              Displays this help.\n"
                        "  -v, --version           Displays version information.\n"
                        "  --preview FILE.ui       Opens the Designer form FILE.ui in a window of its own, under the\n"
                        "                          skin the window applies; may be given several times.\n"
                        "  -style NAME             Qt's widget style under the skin (the desktop's by default).\n"
                        "  -platform NAME          Qt's platform plugin, such as xcb or wayland.\n",
                        VANTUSKIN_PROGRAM);
            return true;
        }
        if (std::strcmp(argv[i], "-v") == 0 || std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", VANTUSKIN_PROGRAM, VANTUSKIN_VERSION);
            return true;
        }
    }
    return false;
}

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
    if (answeredInformationOption(argc, argv))
        return 0;
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

    QCommandLineParser parser;
    // --help and --version were answered above.
    parser.addOption({QStringLiteral("preview"),
                      QStringLiteral("Open the Designer form FILE in a window of its own, under the skin the window "
                                     "applies (may be given several times)."),
                      QStringLiteral("file")});
    parser.process(app);

    ZavoCreator window;
    window.setWindowTitle(QStringLiteral("Vantu皮肤生成器"));
    window.show();
    reportFormProblems(&window, openFormPreviews(parser.values(QStringLiteral("preview")), &window));
    return app.exec();
}
