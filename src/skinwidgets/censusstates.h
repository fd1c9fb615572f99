#ifndef CENSUSSTATES_H
#define CENSUSSTATES_H

#include "census.h"

#include <QSet>

#include <functional>

class QAbstractButton;
class QProgressBar;
class QWidget;

// The states a user must see, checked on any widget of a shown window: each
// check renders the widget as its window shows it, in the state and out of
// it, and measures the difference from its pixels. The widget is left as it
// was. Each rendering judged goes to `shots`, if given, under a name such
// as "value-progressNormal", "focus-pushDefault" or "checked-toolCheckable".

// A progress bar at half its range, its text hidden: its filled half
// against its empty one (the groove), 3:1.
CensusCheck valueCheck(QProgressBar *bar, const CensusShots &shots = {});

// A progress bar at half its range: its text against each part it lies
// over (the filled part, the groove, whatever shows between segments),
// 4.5:1 on the worst of them. The text's pixels are those that differ from
// the same bar with its text hidden.
CensusCheck valueTextCheck(QProgressBar *bar, const CensusShots &shots = {});

// Keyboard focus given as a Tab gives it (Qt::TabFocusReason, with the
// window's WA_KeyboardFocusChange): the pixels of the widget and two around
// it whose colour changes 3:1 against the unfocused picture must form a
// straight line at least half as long as the widget's shorter side.
CensusCheck focusCheck(QWidget *widget, const CensusShots &shots = {});

// A checkable button checked against unchecked: the same change.
CensusCheck toggleCheck(QAbstractButton *button, const CensusShots &shots = {});

// The classes whose keyboard focus focusCheck() checks: push and tool
// buttons, check box, radio button, combo box, spin box, slider, tab bar,
// list, tree and table views, line and text edits.
const QVector<const char *> &focusClasses();

// The checks above for the widgets shown under `root` (the window must be
// shown): the first progress bar of each orientation with a range (its
// text too, if shown), the
// first widget of each of focusClasses() that takes focus by Tab, the first
// checkable push button, tool button and tool-bar button. The parts of compound widgets
// (the line edit of a spin box, ...) are left out. `seen` names what was
// checked; what it already names is left out, so that a caller can go
// through the pages of a window. `adjust`, if given, may rename or judge
// again each check, with the widget it was made on.
QVector<CensusCheck> stateCensus(QWidget *root, QSet<QString> *seen, const CensusShots &shots = {},
                                 const std::function<void(const QWidget *, CensusCheck *)> &adjust = {});

#endif // CENSUSSTATES_H
