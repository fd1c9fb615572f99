#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *on = new QCheckBox("Option");
    on->setChecked(true);
    layout->addWidget(on);
    layout->addWidget(new QCheckBox("Option"));
    auto *flatWhite = new QPushButton("Flat white");
    layout->addWidget(flatWhite);

    // Switching at run time: a built-in skin from the library.
    QObject::connect(flatWhite, &QPushButton::clicked,
                     [] { VantuSkin::applySkin(VantuSkin::builtInSkin("flatwhite")); });

    // Start-up: the window is built; skin it, then show it. The skin made at
    // build time is a resource: ":/<name>/<name>.css" and its images.
    VantuSkin::showSkinned(&window, VantuSkin::readSkinFile(":/psblack/psblack.css"));
    return app.exec();
}
