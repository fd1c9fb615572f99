#include "coveragecolours.h"

#include "contrast.h"
#include "oklch.h"
#include "skinpalette.h"

#include <QVector>

#include <algorithm>

namespace {

// What the layer aims at: a little above the 4.5:1 and 3:1 that the census
// asks for, so that antialiased edges still reach them.
constexpr double kText = 4.7;
constexpr double kMark = 3.3;
// Progress-bar text is small and lies on two parts: it aims higher.
constexpr double kBarText = 5.5;

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

// `colour` at the OKLCH lightness nearest its own, hue and chroma kept,
// for which `fits` holds; where none does, the one `worth` rates highest.
template<typename Fits, typename Worth>
QColor nearestLightness(const QColor &colour, Fits fits, Worth worth)
{
    const Oklch from = toOklch(colour);
    if (fits(colour))
        return colour;
    QColor best = colour;
    for (int step = 1; step <= 100; ++step) {
        for (int sign : {-1, 1}) {
            const QColor moved = fromOklch({from.lightness + sign * step / 100.0, from.chroma, from.hue});
            if (fits(moved))
                return moved;
            if (worth(moved) > worth(best))
                best = moved;
        }
    }
    return best;
}

// `colour` moved in OKLCH lightness to stand `ratio`:1 on every one of the
// first of `choices` where it can, else of the next; failing all, as near
// to that on the last as it comes.
QColor standingOn(const QColor &colour, std::initializer_list<QVector<QColor>> choices, double ratio)
{
    for (const QVector<QColor> &backgrounds : choices) {
        const auto worst = [&](const QColor &c) { return worstRatio(c, backgrounds); };
        const QColor found = nearestLightness(colour, [&](const QColor &c) { return worst(c) >= ratio; }, worst);
        if (worst(found) >= ratio || &backgrounds == std::prev(choices.end()))
            return found;
    }
    return colour;
}

// The best a text colour can read on both `a` and `b`.
double textRoom(const QColor &a, const QColor &b)
{
    return std::max(worstRatio(Qt::black, {a, b}), worstRatio(Qt::white, {a, b}));
}

// Whether a progress bar's filled part `chunk` stands 3:1 on its `groove`
// with room for a text that reads on both.
bool barReads(const QColor &chunk, const QColor &groove)
{
    return contrastRatio(chunk, groove) >= kMark && textRoom(chunk, groove) >= kBarText;
}

double barWorth(const QColor &chunk, const QColor &groove)
{
    return std::min(contrastRatio(chunk, groove) / kMark, textRoom(chunk, groove) / kBarText);
}

// The filled part of a progress bar on `groove`: `border` moved in
// lightness until it reads; the highlight instead where it reads as it is
// and the border does not.
QColor filledPart(const QColor &border, const QColor &high, const QColor &groove)
{
    if (!barReads(border, groove) && barReads(high, groove))
        return high;
    return nearestLightness(
        border, [&](const QColor &c) { return barReads(c, groove); },
        [&](const QColor &c) { return barWorth(c, groove); });
}

// A progress bar's groove: `groove` as it is where some filled part reads
// on it, else moved in lightness, in coarse steps, to the nearest that has
// one. Whether one has is asked of greys, which take every luminance that
// a move in lightness does, at a fraction of the cost.
QColor barGroove(const QColor &groove)
{
    const auto fits = [](const QColor &g) {
        for (int level = 0; level < 256; level += 3) {
            if (barReads(QColor(level, level, level), g))
                return true;
        }
        return false;
    };
    if (fits(groove))
        return groove;
    const Oklch from = toOklch(groove);
    for (int step = 1; step <= 50; ++step) {
        for (int sign : {-1, 1}) {
            const QColor moved = fromOklch({from.lightness + sign * step / 50.0, from.chroma, from.hue});
            if (fits(moved))
                return moved;
        }
    }
    return groove;
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
    // Progress bars: template-form ones on the normal gradient's start,
    // classic-form ones on the panel.
    k.groove = barGroove(c.classic ? c.panel : c.button[0]);
    k.chunk = filledPart(c.border, c.high, k.groove);
    k.progressText = readableOnAll(c.text, {k.chunk, k.groove}, std::min(textRoom(k.chunk, k.groove), 7.0));
    // Some skins draw disabled bars on the panel.
    k.progressDisabled = disabledText(k.progressText, {c.panel, k.groove, k.chunk});
    // Focus and checked states in the highlight's hue, standing out from
    // what they replace.
    k.focus = standingOn(c.high, {{c.border, c.panel}, {c.border}}, kMark);
    // On push buttons the ring is drawn round the text and in place of the
    // border: it stands out from the face and from the border it replaces,
    // or where no colour does both (a light border on a dark face), from
    // the border, which it replaces all round.
    k.focusOnButton = standingOn(c.high, {{c.button[0], c.button[1], c.border}, {c.border}}, kMark);
    k.focusOnFace = standingOn(c.high, {{c.button[0], c.button[1]}}, kMark);
    k.focusOnPanel = standingOn(c.high, {{c.panel}}, kMark);
    k.focusOnTab = standingOn(c.high, {selectedTabs}, kMark);
    k.focusHandle = standingOn(c.high, {{k.handle}}, kMark);
    k.checkedEdge = standingOn(c.high, {{c.border, c.hover[0], c.hover[1]}, {c.border}}, kMark);
    // Classic-form tool buttons have no border: their edge replaces their face.
    k.checkedFace = standingOn(c.high, {bars}, kMark);
    return k;
}
