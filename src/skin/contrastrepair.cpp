#include "contrastrepair.h"

#include "contrast.h"
#include "oklch.h"

#include <QVector>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The pairs one role takes part in, with the colour on the other side.
struct Partner
{
    QColor color;
    double luminance;
    double need;
};

QVector<Partner> partners(const QStringList &colors, int role)
{
    QVector<Partner> found;
    for (const ContrastPair &pair : skinContrastPairs()) {
        const int other = pair.foreground == role ? pair.background
                          : pair.background == role ? pair.foreground
                                                     : -1;
        if (other < 0 || !isColorValue(colors.value(other)))
            continue;
        const QColor color(colors.value(other));
        found.append({color, relativeLuminance(color), requiredRatio(pair.need)});
    }
    return found;
}

// The worst pair of a luminance among the partners, as its ratio over its need.
double marginAt(double luminance, const QVector<Partner> &partners)
{
    double margin = std::numeric_limits<double>::infinity();
    for (const Partner &p : partners)
        margin = std::min(margin, (std::max(luminance, p.luminance) + 0.05)
                                      / (std::min(luminance, p.luminance) + 0.05) / p.need);
    return margin;
}

struct Standing
{
    bool passes = true;
    double margin = std::numeric_limits<double>::infinity();
    double worstRatio = std::numeric_limits<double>::infinity();
};

// How a real colour stands, ratio for ratio as the audit counts.
Standing standing(const QColor &color, const QVector<Partner> &partners)
{
    Standing s;
    for (const Partner &partner : partners) {
        const double ratio = contrastRatio(color, partner.color);
        s.passes = s.passes && ratio >= partner.need;
        if (ratio / partner.need < s.margin) {
            s.margin = ratio / partner.need;
            s.worstRatio = ratio;
        }
    }
    return s;
}

using Range = std::pair<double, double>;

// The luminances, 0 to 1, that meet every partner's need: each partner
// allows those far enough below or above its own.
QVector<Range> passingLuminances(const QVector<Partner> &partners)
{
    QVector<Range> ranges {{0.0, 1.0}};
    for (const Partner &p : partners) {
        const double below = (p.luminance + 0.05) / p.need - 0.05;
        const double above = (p.luminance + 0.05) * p.need - 0.05;
        QVector<Range> kept;
        for (const Range &r : ranges) {
            if (r.first <= below)
                kept.append({r.first, std::min(r.second, below)});
            if (r.second >= above)
                kept.append({std::max(r.first, above), r.second});
        }
        ranges = kept;
    }
    return ranges;
}

// The luminances where one partner's falling ratio meets another's rising
// one, and black and white: among them lies the best worst pair.
QVector<double> bestLuminanceCandidates(const QVector<Partner> &partners)
{
    QVector<double> candidates {0.0, 1.0};
    for (const Partner &darker : partners) {
        for (const Partner &lighter : partners) {
            const double y = std::sqrt((darker.luminance + 0.05) * (lighter.luminance + 0.05) * lighter.need
                                       / darker.need) - 0.05;
            if (y > 0 && y < 1)
                candidates.append(y);
        }
    }
    return candidates;
}

// Along one colour's lightness, its hue and chroma kept.
struct LightnessPath
{
    Oklch start;

    QColor at(double lightness) const { return fromOklch({lightness, start.chroma, start.hue}); }

    // The lightness whose colour has that luminance (it rises with lightness).
    double lightnessOf(double luminance) const
    {
        double low = 0;
        double high = 1;
        for (int i = 0; i < 30; ++i) {
            const double middle = (low + high) / 2;
            (oklchLuminance({middle, start.chroma, start.hue}) < luminance ? low : high) = middle;
        }
        return (low + high) / 2;
    }
};

constexpr double nudge = 0.0002; // below one step of eight bits in lightness

QString colorName(const QColor &color)
{
    return color.name().toUpper();
}

// Two decimals, as the audit shows them; a failing ratio is cut, not
// rounded, so that it never shows as the need it misses.
QString ratioText(double ratio, bool passes)
{
    return QString::number(passes ? ratio : std::floor(ratio * 100) / 100, 'f', 2) + QStringLiteral(":1");
}

} // namespace

bool isForegroundRole(int role)
{
    return role == 0 || role == 2 || role == 7;
}

ColourFix nearestReadable(const QStringList &colors, int role)
{
    ColourFix fix;
    fix.role = role;
    fix.before = fix.after = colors.value(role);
    if (!isColorValue(fix.before))
        return fix;
    const QColor original(fix.before);
    const LightnessPath path {toOklch(original)};
    const QVector<Partner> others = partners(colors, role);
    const Standing first = standing(original, others);
    fix.lightnessBefore = fix.lightnessAfter = path.start.lightness;
    fix.worstBefore = fix.worstAfter = first.worstRatio;
    fix.meetsAll = first.passes;
    if (first.passes)
        return fix;

    // The nearest end of a passing range on either side; a colour that the
    // rounding to eight bits puts just outside moves on a little.
    const double luminance = relativeLuminance(original);
    QColor found;
    double distance = 2;
    for (const Range &range : passingLuminances(others)) {
        const bool below = range.second < luminance;
        const double end = path.lightnessOf(below ? range.second : range.first);
        // From a little inside the failing side: rounding to eight bits
        // may pass a colour whose exact lightness does not.
        for (int k = -20; k < 40; ++k) {
            const double lightness = end + (below ? -k : k) * nudge;
            if ((lightness - path.start.lightness) * (below ? -1 : 1) <= 0)
                continue;
            const QColor candidate = path.at(lightness);
            if (standing(candidate, others).passes) {
                if (std::abs(lightness - path.start.lightness) < distance) {
                    distance = std::abs(lightness - path.start.lightness);
                    found = candidate;
                }
                break;
            }
        }
    }
    if (!found.isValid()) {
        // No lightness passes: the best worst pair, then its best rounding.
        double bestLuminance = luminance;
        for (const double y : bestLuminanceCandidates(others)) {
            if (marginAt(y, others) > marginAt(bestLuminance, others))
                bestLuminance = y;
        }
        const double centre = path.lightnessOf(bestLuminance);
        found = original;
        double best = first.margin;
        for (int k = -8; k <= 8; ++k) {
            const QColor candidate = path.at(centre + k * nudge);
            const double margin = standing(candidate, others).margin;
            if (margin > best) {
                best = margin;
                found = candidate;
            }
        }
        if (found == original)
            return fix;
    }
    const Standing after = standing(found, others);
    fix.after = colorName(found);
    fix.lightnessAfter = toOklch(found).lightness;
    fix.worstAfter = after.worstRatio;
    fix.meetsAll = after.passes;
    return fix;
}

SkinRepair repairSkin(const QStringList &colors)
{
    SkinRepair repair;
    repair.colors = colors;
    for (int role = 0; role < ColorRoleCount; ++role) {
        if (!isForegroundRole(role))
            continue;
        const ColourFix fix = nearestReadable(colors, role);
        if (fix.after == fix.before && fix.meetsAll)
            continue;
        repair.colors[role] = fix.after;
        repair.fixes.append(fix);
    }
    for (const ContrastCheck &check : checkContrast(repair.colors))
        repair.complete = repair.complete && check.passes;
    return repair;
}

QString fixLine(const ColourFix &fix)
{
    const QString role = QStringLiteral("%1").arg(QLatin1String(colorRoles.at(fix.role).key), -16);
    if (fix.after == fix.before) {
        return QStringLiteral("kept  %1 %2  worst pair %3: no lightness does better; the skin cannot be repaired "
                              "by this colour alone")
            .arg(role, fix.before, ratioText(fix.worstBefore, false));
    }
    const double moved = fix.lightnessAfter - fix.lightnessBefore;
    const QString line = QStringLiteral("moved %1 %2 -> %3  lightness %4%5, worst pair %6 -> %7")
                             .arg(role, fix.before, fix.after, moved < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                             .arg(std::abs(moved), 0, 'f', 3)
                             .arg(ratioText(fix.worstBefore, false), ratioText(fix.worstAfter, fix.meetsAll));
    return fix.meetsAll ? line
                        : line + QStringLiteral("; no lightness meets every pair: the skin cannot be repaired by "
                                                "this colour alone");
}
