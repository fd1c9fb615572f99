// VantuSkin/skin.h: skins without widgets (link VantuSkin::skin; needs
// QtCore and QtGui only).
//
// A skin is a Qt style sheet made from eight colours, in this role order:
//   TextColor, PanelColor, BorderColor, NormalColorStart, NormalColorEnd,
//   DarkColorStart, DarkColorEnd, HighColor.
// Each colour is "#" and six hexadecimal digits. A composed skin ends with
// eight comment lines that record its colours ("/*PanelColor:#444444*/").
// Its images are resources under ":/qss/"; the built-in skins, the template
// and those images are compiled into this library and registered by it, so
// no Q_INIT_RESOURCE is needed.
//
// To put a skin on a running program, see VantuSkin/widgets.h.
#ifndef VANTUSKIN_SKIN_H
#define VANTUSKIN_SKIN_H

#include <QPalette>
#include <QString>
#include <QStringList>

namespace VantuSkin {

// The style names of every built-in skin, sorted ("black", "blackblue", ...):
// the names vantuskin-cli list shows and builtInSkin() takes.
QStringList builtInSkinNames();

// A built-in skin's style sheet, by style name ("psblack") or display name
// ("黑色扁平"); empty for an unknown name.
QString builtInSkin(const QString &name);

// The skin for eight colours in role order, composed from the template; empty
// unless all eight are colours.
QString composeSkin(const QStringList &colors);

// The eight colours a skin records, in role order; empty if it records none.
QStringList skinColors(const QString &sheet);

// The palette that goes with a skin: a complete one from its eight colours
// (window, base, buttons, texts, highlight, links and their disabled forms,
// readable against each other), for the built-in classic skins from the
// colours they paint, or, for another skin that records no colours, one
// computed by Qt from its panel colour. A skin exported with --complete
// counts as the skin it was made from.
QPalette skinPalette(const QString &sheet);

// Reads a skin file (UTF-8). On failure returns a null string and, if asked,
// a reason fit to show the user.
QString readSkinFile(const QString &fileName, QString *errorText = nullptr);

// Writes a skin file (UTF-8, CR LF) atomically: the previous file stays as it
// was unless the whole new one was written. On failure returns false and, if
// asked, a reason fit to show the user.
bool writeSkinFile(const QString &fileName, const QString &sheet, QString *errorText = nullptr);

} // namespace VantuSkin

#endif // VANTUSKIN_SKIN_H
