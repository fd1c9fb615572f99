#include "coveragecolours.h"

#include "contrast.h"
#include "skinpalette.h"

#include <QVector>

#include <algorithm>

namespace {

// What the layer aims at: a little above the 4.5:1 and 3:1 that the census
// asks for, so that antialiased edges still reach them.
constexpr double kText = 4.7;
constexpr double kMark = 3.3;

double worstRatio(const QColor &colour, const QVector<QColor> &backgrounds)
{
    double worst = 21;
    for (const QColor &background : backgrounds)
        worst = std::min(worst, contrastRatio(colour, background));
    return worst;
}

// `colour`, moved the least towards black or white that makes it stand
// `ratio`:1 on every one of `backgrounds`. Where no such colour exists
// (light and dark backgrounds together), of the moves that read on the
// first `required` of them, the one that reads best on the worst of the
// others.
QColor readableOnAll(const QColor &colour, const QVector<QColor> &backgrounds, double ratio, int required = 1)
{
    if (worstRatio(colour, backgrounds) >= ratio)
        return colour;
    QColor best;
    int bestStep = 65;
    for (const QColor &pole : {QColor(Qt::black), QColor(Qt::white)}) {
        for (int step = 1; step < bestStep; ++step) {
            const QColor moved = mixColors(colour, pole, step / 64.0);
            if (worstRatio(moved, backgrounds) >= ratio) {
                best = moved;
                bestStep = step;
                break;
            }
        }
    }
    if (best.isValid())
        return best;
    // None reads on all: of those that read on the first `required`, the
    // one that reads best on the worst of the others.
    const QVector<QColor> must = backgrounds.mid(0, required);
    best = required > 1 ? readableOnAll(colour, must, ratio) : readableOn(colour, backgrounds.constFirst(), ratio);
    for (const QColor &pole : {QColor(Qt::black), QColor(Qt::white)}) {
        for (int step = 1; step <= 64; ++step) {
            const QColor moved = mixColors(colour, pole, step / 64.0);
            if (worstRatio(moved, must) >= ratio && worstRatio(moved, backgrounds) > worstRatio(best, backgrounds))
                best = moved;
        }
    }
    return best;
}

// Disabled text: between `text` and the first of `backgrounds`, as near
// halfway as it can be while it stands 3:1 on all of them (else on the
// first) and stays visibly unlike `text` (1.4:1). Failing that, readable
// at 3:1 on the first.
QColor disabledText(const QColor &text, const QVector<QColor> &backgrounds)
{
    const QColor &panel = backgrounds.constFirst();
    // All backgrounds, else the first alone.
    for (const QVector<QColor> &on : {backgrounds, QVector<QColor>{panel}}) {
        for (int offset = 0; offset <= 32; ++offset) {
            for (int sign : {-1, 1}) {
                const QColor candidate = mixColors(text, panel, (32 + sign * offset) / 64.0);
                if (worstRatio(candidate, on) >= kMark && contrastRatio(candidate, text) >= 1.4)
                    return candidate;
            }
        }
    }
    return readableOn(mixColors(text, panel, 0.5), panel, kMark);
}

} // namespace

CoverageColours coverageColours(const SkinColours &c)
{
    // What text on buttons, tool bars and dock titles lies on: both
    // gradients, the normal one first. Headers and tabs lie on the dark
    // gradient; a selected tab on the panel (template form) or on the
    // normal gradient (classic form).
    const QVector<QColor> bars = {c.button[0], c.button[1], c.hover[0], c.hover[1]};
    const QVector<QColor> tabs = {c.hover[0], c.hover[1]};
    const QVector<QColor> selectedTabs = c.classic ? QVector<QColor>{c.button[0], c.button[1]}
                                                   : QVector<QColor>{c.panel};

    const QColor buttonMiddle = mixColors(c.button[0], c.button[1], 0.5);
    CoverageColours k;
    k.text = readableOn(c.text, c.panel, kText);
    // Plain rows lie on the panel, alternate rows on the dark gradient's
    // end, selected rows on the normal gradient (classic: in the button
    // text).
    const QVector<QColor> selectedRows = {c.button[0], c.button[1]};
    // Classic sheets leave alternate rows to the palette; the layer gives
    // them the full palette's alternate colour.
    k.alternateBack = c.classic ? mixColors(c.panel, c.button[0], 0.35) : c.hover[1];
    k.alternateText = readableOn(c.text, k.alternateBack, kText);
    // Rows of views: plain, alternate and selected.
    const QVector<QColor> rows = QVector<QColor>{c.panel, k.alternateBack} + selectedRows;
    k.selectedText = readableOnAll(c.classic ? c.buttonText : c.text, selectedRows, kText);
    k.disabled = disabledText(k.text, {c.panel});
    k.alternateDisabled = disabledText(k.alternateText, {k.alternateBack});
    k.menuDisabled = disabledText(readableOn(c.menuText, c.menuBack, kText), {c.menuBack});
    k.buttonText = readableOnAll(c.buttonText, bars, kText);
    k.buttonDisabled = disabledText(k.buttonText, QVector<QColor>{buttonMiddle} + bars);
    k.onBar = readableOnAll(c.buttonText, bars, kMark);
    k.tabText = readableOnAll(c.buttonText, tabs, kText);
    k.selectedTabText = readableOnAll(c.buttonText, selectedTabs, kText);
    k.tabDisabled = disabledText(k.tabText, tabs);
    k.onTab = readableOnAll(c.buttonText, tabs, kMark);
    k.onMenu = readableOn(c.menuText, c.menuBack, kMark);
    k.onPanel = readableOnAll(c.border, rows, kMark, 2);
    // Handles lie on the groove: the normal gradient's start (template form)
    // or the border colour (classic form).
    k.handle = c.classic ? readableOnAll(c.border, {c.border, c.panel}, kMark) : k.onPanel;
    k.tick = readableOn(c.text, c.panel, kText);
    k.disabledFace = mixColors(c.panel, k.onPanel, 0.45);
    k.disabledTick = readableOn(mixColors(k.tick, k.disabledFace, 0.5), k.disabledFace, kMark);
    k.mdiBack = mixColors(c.panel, c.border, 0.5);
    k.onHigh = contrastRatio(Qt::black, c.high) > contrastRatio(Qt::white, c.high) ? QColor(Qt::black)
                                                                                   : QColor(Qt::white);
    k.onWhite = readableOn(c.text, Qt::white, 5.0);
    k.progressText = readableOnAll(c.text, {c.panel, c.border, c.button[0], c.button[1]}, kText);
    k.progressDisabled = disabledText(k.progressText, {c.panel, c.border, c.button[0], c.button[1]});
    return k;
}
