#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QCheckBox>
#include <QMenu>
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
    auto *edit = new QPushButton("Edit");
    auto *menu = new QMenu(edit);
    menu->addAction("Undo");
    menu->addAction("Cut")->setEnabled(false);
    edit->setMenu(menu);
    layout->addWidget(edit);

    // Switching at run time: a built-in skin from the library, with the
    // coverage layer (the disabled "Cut" is greyed) as a bundle has it.
    QObject::connect(flatWhite, &QPushButton::clicked,
                     [] { VantuSkin::applySkin(VantuSkin::builtInSkin("flatwhite")); });

    // Start-up: the window is built; skin it, then show it. The skin made at
    // build time is a resource: ":/<name>/<name>.css" and its images.
    VantuSkin::showSkinned(&window, VantuSkin::readSkinFile(":/psblack/psblack.css"));
    return app.exec();
}
