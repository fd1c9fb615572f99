#include "zavocreator.h"
#include "formpreview.h"
#include "qtversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char *argv[])
{
    QtVersion::enableHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setFont(programFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main.ico")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes Qt style-sheet skins from eight colours."));
    parser.addHelpOption();
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
