#ifndef SKINAPPLY_H
#define SKINAPPLY_H

#include <QPalette>
#include <QString>

// Makes `sheet` the application style sheet, restyling every widget once.
void restyleApplication(const QString &sheet);

// Installs the palette built from the skin's panel colour and then the skin
// as the application style sheet, in that order.
void applySkin(const QString &sheet);

// Installs `palette` (for a user's program, skinPalette() of the skin's
// colours) and then the skin as the application style sheet.
void applySkin(const QString &sheet, const QPalette &palette);

#endif // SKINAPPLY_H
