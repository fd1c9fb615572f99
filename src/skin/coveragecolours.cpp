#include "coveragecolours.h"

#include "contrast.h"
#include "skinpalette.h"

#include <QVector>

namespace {

// `colour`, made readable on each of `backgrounds` in turn, the first one
// last: where light and dark backgrounds leave no colour readable on all,
// it holds on the first. Two rounds, since a later step can undo a little
// of an earlier one.
QColor readableOnAll(QColor colour, const QVector<QColor> &backgrounds, double ratio)
{
    for (int round = 0; round < 2; ++round) {
        for (int i = backgrounds.size() - 1; i >= 0; --i)
            colour = readableOn(colour, backgrounds.at(i), ratio);
    }
    return colour;
}

} // namespace

CoverageColours coverageColours(const SkinColours &c)
{
    // What text on buttons, tool bars, dock titles, headers and tabs lies
    // on: both gradients and, in the template form, the panel under
    // selected tabs.
    QVector<QColor> bars = {c.button[0], c.button[1], c.hover[0], c.hover[1]};
    if (!c.classic)
        bars.append(c.panel);
    // Rows of views lie on the panel, the gradients (alternate rows,
    // selections) and the panel.
    const QVector<QColor> rows = {c.panel, c.button[0], c.button[1], c.hover[0], c.hover[1]};
    const QColor buttonMiddle = mixColors(c.button[0], c.button[1], 0.5);
    CoverageColours k;
    k.text = readableOn(c.text, c.panel, 4.5);
    k.disabled = readableOnAll(mixColors(c.text, c.panel, 0.5), {c.panel, c.hover[1]}, 3.0);
    k.menuDisabled = readableOn(mixColors(c.menuText, c.menuBack, 0.5), c.menuBack, 3.0);
    k.buttonText = readableOnAll(c.buttonText, bars, 4.5);
    k.buttonDisabled = readableOnAll(mixColors(c.buttonText, buttonMiddle, 0.5), bars, 3.0);
    k.selectedText = readableOnAll(c.text, rows, 4.5);
    k.onBar = readableOnAll(c.buttonText, bars, 3.0);
    k.onMenu = readableOn(c.menuText, c.menuBack, 3.0);
    k.onPanel = readableOnAll(c.border, rows, 3.0);
    k.tick = readableOn(c.text, c.panel, 4.5);
    k.disabledFace = mixColors(c.panel, k.onPanel, 0.45);
    k.mdiBack = mixColors(c.panel, c.border, 0.5);
    k.onHigh = contrastRatio(Qt::black, c.high) > contrastRatio(Qt::white, c.high) ? QColor(Qt::black)
                                                                                   : QColor(Qt::white);
    k.onWhite = readableOn(c.text, Qt::white, 5.0);
    k.progressText = readableOnAll(c.text, {c.panel, c.border, c.button[0], c.button[1]}, 4.5);
    return k;
}
