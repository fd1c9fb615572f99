#ifndef CENSUS_H
#define CENSUS_H

#include "skincolours.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <functional>

class QImage;
class QWidget;
class CensusWindow;

// One check of the census: a widget (or a part of one), what was checked
// and the figures found.
struct CensusCheck
{
    QString widget;   // "QPushButton default", "QMenu disabled and selected", ...
    QString check;    // "text", "disabled text", "mark", "states", "surface", "title"
    QString figures;  // what was measured, e.g. "5.1:1, #FFFFFF on #444444"
    bool passed = true;
    bool limited = false;  // failed, but the skin's own colours cannot meet it
    QString outside;       // why it failed where no skin reaches, if that is so
};

// Renders `window`, skinned as the application is now, page by page, with
// its menus open and with each standard dialog, and checks it from its
// pixels against the skin's `colours`:
// - text stands 4.5:1 against what is behind it; disabled text 3:1 and
//   visibly not the colour of its enabled twin;
// - marks (indicators, arrows, branch marks, close and float buttons, the
//   sort arrow, the size grip, slider handles) show at 3:1 in a few pixels;
// - the states of each indicator (checked, unchecked, partial, disabled)
//   differ visibly from each other;
// - under a skin with a dark panel no toolkit-default surface shows
//   (Fusion's window grey, the MDI area's grey, a white view base);
// - group-box titles lie clear of their first child;
// - on each page, the states of stateCensus() (censusstates.h): a progress
//   bar's value and text, keyboard focus, checked buttons.
// A failed text or mark check is `limited` when the skin's own colours
// cannot meet it: its text on its panel stands under 4.5:1 (for what lies
// on the panel), its text colour on the background found stands under
// 4.5:1 (for a mark: its text, border and highlight all under 3:1), or, on
// buttons and bars, no colour at all reads on both stops of its gradient.
// Figures allow for the small differences of antialiasing between CPUs:
// a text colour is that of the third-strongest pixel, a mark needs four.
// Each rendering it judges goes to `shots`, if given, under a name such as
// "buttons", "menu" or "file".
// Without `withPalette` (the program keeps its own palette, as under
// -stylesheet), link colours are `outside` a failure's count: a style sheet
// cannot set them. Neither can the palette or the sheet set the placeholder
// colour under Qt 6.0 to 6.4 (see QtVersion::placeholderColourReachable).
using CensusShots = std::function<void(const QString &name, const QImage &image)>;
QVector<CensusCheck> takeCensus(CensusWindow &window, const SkinColours &colours, bool withPalette = true,
                                const CensusShots &shots = {});

// The same checks on the widgets of `form`, any widget tree (a user's
// form): each named widget, and each button of a button box, is checked as
// fits its kind (text, disabled and placeholder text, marks, indicator
// states, group-box titles, surfaces), page by page of its tabs, stacks and
// tool boxes. A check names its widget "objectName (Class)". A failure where
// the form sets colours itself (a style sheet or OwnPaletteProperty on the
// widget or around it, colours in its rich text) is `outside` the skin's count, saying
// it comes from the form's own colours.
QVector<CensusCheck> takeFormCensus(QWidget &form, const SkinColours &colours, bool withPalette = true,
                                    const CensusShots &shots = {});

// The dynamic property in which a widget that stands in for a class it is
// not (a form's placeholder for a class the loader cannot create) names
// that class; the census names it so.
extern const char ShownClassProperty[];

// The dynamic property, true, of a widget whose palette its form sets (the
// style sheets of a widget and its own palette cannot be told apart once
// Qt's style-sheet style has set palettes of its own).
extern const char OwnPaletteProperty[];

// The figures of a check's line: "4.50:1", "#FFFFFF".
QString ratioText(double ratio);
QString colourText(const QColor &colour);

// "QPushButton default: text: 5.1:1, #FFFFFF on #444444: ok" ("FAILED",
// "limited by the skin's colours", "beyond a style sheet").
QString censusLine(const CensusCheck &check);

// "ok", "FAILED", "limited by the skin's colours" or "beyond a style sheet
// (...)": the verdict at the end of censusLine().
QString censusVerdict(const CensusCheck &check);

// "census: N checks, M failed, K limited by the skin's colours".
QString censusSummary(int checks, int failed, int limited);

#endif // CENSUS_H
