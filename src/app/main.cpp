#include "zavocreator.h"
#include "qtversion.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QtVersion::enableHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setFont(programFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main.ico")));

    ZavoCreator window;
    window.setWindowTitle(QStringLiteral("Vantu皮肤生成器"));
    window.show();
    return app.exec();
}
