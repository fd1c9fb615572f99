// VantuSkin/widgets.h: a skin put on a whole running program (link
// VantuSkin::widgets, which brings VantuSkin::skin and QtWidgets).
//
// Start-up: build the window first, then call showSkinned(). A skin set
// before the window is built costs several times as much: every widget that
// is put into a parent re-polishes the subtree it joins, under the skin.
// Applied to the finished window before it is shown, the skin polishes each
// widget once.
//
//     QApplication app(argc, argv);
//     MainWindow window;                                        // build ...
//     VantuSkin::showSkinned(&window, VantuSkin::builtInSkin("psblack"));
//     return app.exec();                                        // ... then skin and show
//
// Later switches go through applySkin(), which restyles every widget of the
// program once instead of once per ancestor as Qt's setStyleSheet() does.
#ifndef VANTUSKIN_WIDGETS_H
#define VANTUSKIN_WIDGETS_H

#include <VantuSkin/skin.h>

class QWidget;

namespace VantuSkin {

// Whether applySkin() appends the coverage layer of `vantuskin-cli export
// --complete`: rules, drawn from the skin's colours, for what real programs
// show and a skin alone leaves out (disabled menu items and widgets, docks,
// tool bars, tab, view and header parts). Its images are drawn when the
// skin is applied and registered as resources; no files are needed.
enum class Coverage {
    Added,    // the default: the same look as a bundle made with --complete
    LeftOut,  // the skin's own text only
};

// Puts `sheet` on the whole program: first the palette skinPalette(sheet),
// then the sheet as the application style sheet (with the coverage layer
// unless `coverage` is Coverage::LeftOut, or the sheet has it already, or
// its colours are unknown), restyling every widget once. An empty sheet
// takes the style sheet off again.
void applySkin(const QString &sheet, Coverage coverage = Coverage::Added);

// The cheap start-up order in one call: applies `sheet` as applySkin() does,
// then shows `window`. Call it once `window` is fully built.
void showSkinned(QWidget *window, const QString &sheet, Coverage coverage = Coverage::Added);

// Puts a skin on the whole program as applySkin() does and keeps it there:
// `nameOrFile` is a built-in skin (style or display name, as builtInSkin()
// takes it), a skin file, or empty for the user's own skin, the one
// `vantuskin-cli use` records ($XDG_CONFIG_HOME/vantuskin/skin.css). A file
// is followed: each time it is saved again (renamed over, as the window's
// Save and `vantuskin-cli compose -o` do, or rewritten in place), the program
// restyles itself once, a moment after the writes settle. A file that is
// empty, written in part or no skin is never applied: the program keeps its
// skin and says so in one line on standard error. A name that is no
// built-in skin and no skin file gets one such line too, and the program
// shows flat white until the file becomes a skin. Returns false in that
// case. A later call replaces the earlier one; once the program sets an
// application style sheet of its own (applySkin() included), the file is
// followed no more.
//
//     VantuSkin::followSkin(QStringLiteral("/home/me/skins/night.css"));
//     window.show();
bool followSkin(const QString &nameOrFile = QString());

} // namespace VantuSkin

#endif // VANTUSKIN_WIDGETS_H
