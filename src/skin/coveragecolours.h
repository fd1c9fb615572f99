#ifndef COVERAGECOLOURS_H
#define COVERAGECOLOURS_H

#include "skincolours.h"

#include <QColor>

// The colours the coverage layer draws in, worked out once from a skin's
// colours: its rules use them and its images are drawn in them. Each reads
// a little above its ratio (4.7:1 for text, 3.3:1 for marks) where the
// backgrounds allow, so that antialiased edges still reach 4.5 and 3.
struct CoverageColours
{
    QColor text;            // on the panel, 4.5:1
    QColor disabled;        // disabled text on the panel, 3:1, unlike the text
    QColor alternateBack;   // alternate rows of views
    QColor alternateText;   // view items on alternate rows, 4.5:1
    QColor alternateDisabled; // disabled view items on alternate rows
    QColor selectedText;    // view items on selected rows, 4.5:1
    QColor menuDisabled;    // disabled menu items, 3:1 on the menu
    QColor buttonText;      // on both gradients: buttons, tool bars, dock titles, 4.5:1
    QColor tabText;         // headers and tabs, on the dark gradient
    QColor selectedTabText; // selected and hovered tabs
    QColor tabDisabled;     // disabled tabs
    QColor onTab;           // tab close buttons and sort arrows, 3:1
    QColor buttonDisabled;  // disabled text on the normal gradient, 3:1
    QColor onBar;           // marks on bars: dock, tab and title buttons, arrows, 3:1
    QColor onMenu;          // submenu arrows, 3:1 on the menu
    QColor onPanel;         // marks on the panel and on input fields: frames, arrows, handles, 3:1
    QColor handle;          // slider and scroll-bar handles, 3:1 on their groove
    QColor tick;            // indicator ticks and dots, 3:1 on the panel
    QColor disabledFace;    // disabled indicators' face, plainly unlike the panel
    QColor disabledTick;    // their ticks and dots, halfway to that face yet 3:1 on it
    QColor mdiBack;         // behind the sub-windows of an MDI area
    QColor onHigh;          // selected text on the highlight: black or white
    QColor onWhite;         // sub-window titles, which Qt draws on white, 4.5:1
    QColor groove;          // the empty part of progress bars
    QColor chunk;           // their filled part, 3:1 on the groove
    QColor progressText;    // progress-bar text, on the filled part and the groove, 4.5:1
    QColor progressDisabled; // the same, disabled
    QColor focus;           // focus rings in the place of a border, 3:1 on the border (and the panel)
    QColor focusOnButton;   // push buttons' focus rings, 3:1 on the normal gradient and the border they replace
    QColor focusOnFace;     // focus borders of classic-form tool buttons, 3:1 on the normal gradient
    QColor focusOnPanel;    // focus frames of check boxes and radio buttons, 3:1 on the panel
    QColor focusOnTab;      // focus frames of selected tabs, 3:1 on them
    QColor focusHandle;     // focused slider handles, 3:1 on the handle
    QColor checkedEdge;     // the edge of checked buttons, 3:1 on the border
    QColor checkedFace;     // the edge of checked buttons without a border, 3:1 on their face
};

CoverageColours coverageColours(const SkinColours &colours);

#endif // COVERAGECOLOURS_H
