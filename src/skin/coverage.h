#ifndef COVERAGE_H
#define COVERAGE_H

#include "skincolours.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The colours of a finished or composed skin text: from its colour trailer,
// else, for a classic-form file, from the table of `style` or, without one,
// of the classic skin whose slot colours the sheet holds.
std::optional<SkinColours> sheetColours(const QString &sheet, const QString &style = QString());

// The coverage layer for a skin: style rules for what real programs show and
// the skin's own rules leave out or draw too faintly (disabled states,
// window, dialog and dock backgrounds, dock title buttons, tab close
// buttons, tool-button menu parts, submenu arrows, tool bars and their
// extension button, check and radio indicators in every state, view items,
// input arrows, slider and scroll-bar handles, sort arrows, the size grip,
// MDI areas and their sub-window titles, group-box titles, the filled part
// and the text of progress bars, keyboard focus and checked buttons). Its images
// are those of coverageImages() (coverageimages.h). It starts with a comment
// that says what it is. Its images are referred to as `imagePrefix` + file
// name, e.g. ":/psblack/images/" or an absolute folder path ending in "/".
// Lines end in LF.
QString coverageBlock(const SkinColours &colours, const QString &imagePrefix);

// `sheet` followed by `block`, the sheet left byte for byte as it is; the
// block takes the sheet's line ends (CR LF or LF).
QString appendCoverage(const QString &sheet, const QString &block);

// `sheet` without a coverage block appended to it (unchanged if it has
// none), so that its colour trailer can be read again.
QString withoutCoverage(const QString &sheet);

#endif // COVERAGE_H
