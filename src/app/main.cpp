#include "zavocreator.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(programFont());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/main.ico")));

    ZavoCreator window;
    window.setWindowTitle(QStringLiteral("Vantu皮肤生成器"));
    window.show();
    return app.exec();
}
