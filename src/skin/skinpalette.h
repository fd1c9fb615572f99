#ifndef SKINPALETTE_H
#define SKINPALETTE_H

#include "skincolours.h"

#include <QColor>
#include <QPalette>
#include <QStringList>

// A colour between `from` (amount 0) and `to` (amount 1), channel by channel.
QColor mixColors(const QColor &from, const QColor &to, double amount);

// `color`, moved towards black or white (whichever lies further from
// `background`) just far enough to stand at least `ratio`:1 against it.
QColor readableOn(const QColor &color, const QColor &background, double ratio);

// A complete palette for a skin's colours, the same for the Active and
// Inactive groups:
// - Window, Base and the tool-tip base are the panel; AlternateBase lies a
//   little towards the normal gradient; Button is the middle of the normal
//   gradient.
// - WindowText, Text and ToolTipText are the text colour, ButtonText the
//   button text, each made readable (4.5:1, aiming at 4.7) on its background.
// - Highlight is the highlight colour, moved until it stands out 1.8:1 from
//   plain and alternate rows; HighlightedText is black or white, whichever
//   reads better on it.
// - Link and LinkVisited come from the highlight and the text colour, made
//   readable (4.5:1, aiming at 4.7) on the panel; PlaceholderText reads at
//   3:1 (aiming at 3.2).
// - Disabled texts lie halfway to their background but stay at least 3:1
//   (aiming at 3.2) against it, so that they read as disabled and can still
//   be read.
// The aims leave room for antialiased edges, which never quite reach a
// glyph's colour.
QPalette skinPalette(const SkinColours &colours);

// The palette for eight colours in role order; Qt's default palette unless
// all eight are colours.
QPalette skinPalette(const QStringList &colors);

// C++ lines that build `palette` as skinPalette() made it, for a program
// that does not link this library: the palette from its button and window
// colours, one setColor() per role for all groups, and one more for each
// role whose Disabled colour differs. Statements only; needs QPalette and
// QColor.
QStringList paletteSource(const QPalette &palette);

#endif // SKINPALETTE_H
