#include "contrastrepair.h"

#include "contrast.h"
#include "oklch.h"

#include <QVector>

#include <cmath>
#include <limits>

namespace {

constexpr double lightnessStep = 0.0005;

// The pairs one role takes part in, with the colour on the other side.
struct Partner
{
    QColor color;
    double need;
};

QVector<Partner> partners(const QStringList &colors, int role)
{
    QVector<Partner> found;
    for (const ContrastPair &pair : skinContrastPairs()) {
        const int other = pair.foreground == role ? pair.background
                          : pair.background == role ? pair.foreground
                                                     : -1;
        const QColor color(colors.value(other));
        if (other >= 0 && isColorValue(colors.value(other)))
            found.append({color, requiredRatio(pair.need)});
    }
    return found;
}

struct Standing
{
    bool passes = true;
    double margin = std::numeric_limits<double>::infinity(); // worst ratio over its need
    double worstRatio = std::numeric_limits<double>::infinity();
};

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

QString colorName(const QColor &color)
{
    return color.name().toUpper();
}

// Cut, not rounded, to two decimals: a ratio never shows as a need it misses.
QString ratioText(double ratio)
{
    return QString::number(std::floor(ratio * 100) / 100, 'f', 2) + QStringLiteral(":1");
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
    const Oklch start = toOklch(original);
    const QVector<Partner> others = partners(colors, role);
    const Standing first = standing(original, others);
    fix.lightnessBefore = fix.lightnessAfter = start.lightness;
    fix.worstBefore = fix.worstAfter = first.worstRatio;
    if (first.passes)
        return fix;

    const auto at = [&start](double lightness) { return fromOklch({lightness, start.chroma, start.hue}); };
    // Outwards from the colour's own lightness, both ways at once, until a
    // lightness passes; the best worst pair is kept on the way.
    double bestLightness = start.lightness;
    Standing best = first;
    double found = -1;
    double lastFailing = start.lightness;
    for (int k = 1; found < 0 && k * lightnessStep < 1 + lightnessStep; ++k) {
        for (const double direction : {-1.0, 1.0}) {
            const double lightness = qBound(0.0, start.lightness + direction * k * lightnessStep, 1.0);
            if (std::abs(lightness - start.lightness) < (k - 1) * lightnessStep)
                continue; // this side already ended at black or white
            const Standing s = standing(at(lightness), others);
            if (s.passes) {
                found = lightness;
                lastFailing = start.lightness + direction * (k - 1) * lightnessStep;
                break;
            }
            if (s.margin > best.margin) {
                best = s;
                bestLightness = lightness;
            }
        }
    }
    if (found >= 0) {
        // The first passing colour between the last failing step and this one.
        for (int i = 0; i < 12; ++i) {
            const double middle = (found + lastFailing) / 2;
            (standing(at(middle), others).passes ? found : lastFailing) = middle;
        }
        bestLightness = found;
    }
    const QColor repaired = at(bestLightness);
    const Standing after = standing(repaired, others);
    fix.after = colorName(repaired);
    fix.lightnessAfter = toOklch(repaired).lightness;
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
            .arg(role, fix.before, ratioText(fix.worstBefore));
    }
    const double moved = fix.lightnessAfter - fix.lightnessBefore;
    const QString line = QStringLiteral("moved %1 %2 -> %3  lightness %4%5, worst pair %6 -> %7")
                             .arg(role, fix.before, fix.after, moved < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                             .arg(std::abs(moved), 0, 'f', 3)
                             .arg(ratioText(fix.worstBefore), ratioText(fix.worstAfter));
    return fix.meetsAll ? line
                        : line + QStringLiteral("; no lightness meets every pair: the skin cannot be repaired by "
                                                "this colour alone");
}
