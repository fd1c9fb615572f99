#ifndef SKINPALETTE_H
#define SKINPALETTE_H

#include <QColor>
#include <QPalette>
#include <QStringList>

// A colour between `from` (amount 0) and `to` (amount 1), channel by channel.
QColor mixColors(const QColor &from, const QColor &to, double amount);

// `color`, moved towards black or white (whichever lies further from
// `background`) just far enough to stand at least `ratio`:1 against it.
QColor readableOn(const QColor &color, const QColor &background, double ratio);

// A complete palette for a skin's eight colours in role order, the same for
// the Active and Inactive groups:
// - Window, Base and the tool-tip base are the panel; AlternateBase lies a
//   little towards the normal gradient; Button is the middle of the normal
//   gradient.
// - WindowText, Text, ButtonText and ToolTipText are the text colour.
// - Highlight is the highlight colour, moved until it stands out 1.8:1 from
//   the rows around it; HighlightedText is black or white, whichever reads
//   better on it.
// - Link and LinkVisited come from the highlight and the text colour, made
//   readable (4.5:1) on the panel; PlaceholderText reads at 3:1.
// - Disabled texts lie halfway to the panel but stay at least 3:1 against
//   it, so that they read as disabled and can still be read.
// Colours that are not valid leave the palette Qt's default.
QPalette skinPalette(const QStringList &colors);

#endif // SKINPALETTE_H
