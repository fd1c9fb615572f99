#ifndef SKINAPPLY_H
#define SKINAPPLY_H

#include <QString>

// Makes `sheet` the application style sheet, restyling every widget once.
void restyleApplication(const QString &sheet);

// Installs the palette built from the skin's panel colour and then the skin
// as the application style sheet, in that order.
void applySkin(const QString &sheet);

#endif // SKINAPPLY_H
