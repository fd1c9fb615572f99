// vantuskin-cli: the skin generator's skins without its window.
#include "commands.h"
#include "skinsource.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <memory>

namespace {

struct Command
{
    const char *name;
    const char *summary;
    int (*run)(const QStringList &arguments);
};

const Command commands[] = {
    {"list", "list the built-in skins and their colours", runList},
    {"compose", "write a skin's style sheet, as the window's Save does", runCompose},
    {"export", "write a skin as a bundle for another Qt project", runExport},
    {"check", "list the url()s of a style sheet that do not resolve", runCheck},
    {"audit", "check the contrast of the colour pairs a skin draws", runAudit},
    {"census", "check every widget a Qt program shows in a skin, from its pixels", runCensus},
    {"use", "record your skin, the one programs under the vantuskin style show", runUse},
#ifdef VANTUSKIN_GALLERY
    {"gallery", "render the window in skins to PNG images with an HTML index", runGallery},
#endif
};

QString usage()
{
    QString text = QStringLiteral("Usage: vantuskin-cli COMMAND [options]\n"
                                  "   or: vantuskin-cli COMMAND --help\n\nCommands:\n");
    for (const Command &command : commands)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(command.name), -10).arg(QLatin1String(command.summary));
    return text + QStringLiteral("\nOptions:\n  -h, --help     Displays this help.\n"
                                 "  --help-all     Displays this help and that of every command.\n"
                                 "  -v, --version  Displays version information.\n");
}

// The usage, then each command's --help under a heading, indented: the
// whole of the manual page's text.
QString allHelp()
{
    QString text = usage();
    for (const Command &command : commands) {
        QString help;
        collectHelpInto(&help);
        command.run({QStringLiteral("vantuskin-cli ") + QLatin1String(command.name), QStringLiteral("--help")});
        help.replace(QRegularExpression(QStringLiteral("^(?=.)"), QRegularExpression::MultilineOption),
                     QStringLiteral("  "));
        text += QStringLiteral("\nThe %1 command:\n").arg(QLatin1String(command.name)) + help;
    }
    collectHelpInto(nullptr);
    return text;
}

// The toolkit's own notices (the off-screen platform's missing features, an
// unset XDG_RUNTIME_DIR) are no news to a user of a command; only critical
// and fatal messages get through, besides the command's own lines.
void keepToolkitNoiseOut(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    // Only the gallery and the census draw widgets, and they draw them off
    // screen; the other commands need no display.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && (qstrcmp(argv[1], "gallery") == 0 || qstrcmp(argv[1], "census") == 0)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepToolkitNoiseOut);
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("vantuskin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTUSKIN_VERSION));

    QStringList arguments = QCoreApplication::arguments();
    const QString first = arguments.value(1);
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        QTextStream(stdout) << usage();
        return 0;
    }
    if (first == QLatin1String("--help-all")) {
        QTextStream(stdout) << allHelp();
        return 0;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        QTextStream(stdout) << VANTUSKIN_PROGRAM " " << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    for (const Command &command : commands) {
        if (first == QLatin1String(command.name)) {
            // The program's name as the command's usage line shows it.
            arguments.removeAt(1);
            arguments[0] = QStringLiteral("vantuskin-cli ") + QLatin1String(command.name);
            return command.run(arguments);
        }
    }
    QStringList names;
    for (const Command &command : commands)
        names << QLatin1String(command.name);
    return fail(QStringLiteral("%1; the commands are: %2 (see --help)")
                    .arg(first.isEmpty() ? QStringLiteral("no command given")
                                         : QStringLiteral("unknown command \"%1\"").arg(first),
                         names.join(QStringLiteral(", "))));
}
