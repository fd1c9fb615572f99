#ifndef COVERAGE_H
#define COVERAGE_H

#include "skinimages.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The colours a skin really paints, by what they are painted on. Both skin
// forms map onto it: template-form skins from their eight colours, the
// classic-form files from their slot colours.
struct SkinColours
{
    QColor text;        // text on the panel
    QColor panel;       // window background
    QColor border;      // frames
    QColor button[2];   // the normal gradient: buttons, tool bars, dock titles
    QColor buttonText;  // text on buttons, headers and tabs
    QColor hover[2];    // the dark gradient: hovered buttons, headers
    QColor menuText;
    QColor menuBack;
    QColor high;        // focus and selection marks
    bool classic = false;
};

// A template-form skin's colours from its eight colours in role order;
// nothing unless all eight are colours.
std::optional<SkinColours> skinColours(const QStringList &colors);

// A classic-form finished skin's colours, by style name ("black"); nothing
// for any other name.
std::optional<SkinColours> classicSkinColours(const QString &style);

// The colours of a finished or composed skin text: from its colour trailer,
// else, for a classic-form file, from the table of `style` or, without one,
// of the classic skin whose slot colours the sheet holds.
std::optional<SkinColours> sheetColours(const QString &sheet, const QString &style = QString());

// The coverage layer for a skin: style rules for what real programs show and
// the skin's own rules leave out (disabled states, window, dialog and dock
// backgrounds, dock title buttons, tab close buttons, tool-button menu parts,
// submenu arrows, tool bars, plain item-view indicators, sort arrows, the
// size grip, and the classic group-box titles). It starts with a comment
// that says what it is. Its images are referred to as `imagePrefix` + file
// name, e.g. ":/psblack/images/" or an absolute folder path ending in "/".
// Lines end in LF.
QString coverageBlock(const SkinColours &colours, const QString &imagePrefix);

// Every image coverageBlock() refers to, drawn in the skin's colours, each
// also as "name@2x.png" at twice the size.
QVector<NamedImage> coverageImages(const SkinColours &colours);

// `sheet` followed by `block`, the sheet left byte for byte as it is; the
// block takes the sheet's line ends (CR LF or LF).
QString appendCoverage(const QString &sheet, const QString &block);

// `sheet` without a coverage block appended to it (unchanged if it has
// none), so that its colour trailer can be read again.
QString withoutCoverage(const QString &sheet);

#endif // COVERAGE_H
