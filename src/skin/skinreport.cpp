#include "skinreport.h"

#include "colorroles.h"
#include "contrast.h"

#include <QUrl>

#include <cmath>

namespace {

QString roleKey(int role)
{
    return role < ColorRoleCount ? QLatin1String(colorRoles.at(role).key) : QStringLiteral("ButtonText");
}

// Rounded to two decimals, except that a failing ratio such as 4.4995 is
// cut to 4.49 rather than shown as the 4.50 it does not reach.
QString ratioText(const ContrastCheck &check)
{
    const QString rounded = QString::number(check.ratio, 'f', 2);
    if (check.passes || rounded.toDouble() < requiredRatio(check.pair.need))
        return rounded;
    return QString::number(std::floor(check.ratio * 100) / 100, 'f', 2);
}

QString needText(const ContrastCheck &check)
{
    return QString::number(requiredRatio(check.pair.need), 'f', 1);
}

QString verdict(const ContrastCheck &check)
{
    return check.passes ? QStringLiteral("pass") : QStringLiteral("FAIL");
}

QString link(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}

} // namespace

QStringList contrastTableLines(const QStringList &colors)
{
    QStringList lines;
    for (const ContrastCheck &check : checkContrast(colors)) {
        const int fore = check.pair.foreground;
        const int back = check.pair.background;
        lines << QStringLiteral("%1 %2 on %3 %4 %5:1  needs %6:1  %7")
                     .arg(roleKey(fore), -16).arg(colors.at(fore))
                     .arg(roleKey(back), -16).arg(colors.at(back))
                     .arg(ratioText(check), 6).arg(needText(check), verdict(check));
    }
    return lines;
}

QString contrastTableHtml(const QStringList &colors)
{
    QString html = QStringLiteral("<table class=\"contrast\"><tr><th>Foreground</th><th>Background</th>"
                                  "<th>Ratio</th><th>Needs</th><th></th></tr>\n");
    for (const ContrastCheck &check : checkContrast(colors)) {
        const int fore = check.pair.foreground;
        const int back = check.pair.background;
        html += QStringLiteral("<tr%1><td>%2 %3</td><td>%4 %5</td><td>%6:1</td><td>%7:1</td><td>%8</td></tr>\n")
                    .arg(check.passes ? QString() : QStringLiteral(" class=\"fail\""))
                    .arg(roleKey(fore), colors.at(fore), roleKey(back), colors.at(back))
                    .arg(ratioText(check), needText(check), verdict(check));
    }
    return html + QStringLiteral("</table>\n");
}

int failingPairCount(const QStringList &colors)
{
    int failing = 0;
    for (const ContrastCheck &check : checkContrast(colors))
        failing += check.passes ? 0 : 1;
    return failing;
}

QString galleryIndexHtml(const QVector<GallerySection> &sections)
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Skin gallery</title>\n<style>\n"
        "body{font-family:sans-serif;margin:2em}section{margin-bottom:3em}\n"
        ".swatch{display:inline-block;margin:0 .5em .5em 0;font-size:small;text-align:center}\n"
        ".swatch span{display:block;width:6em;height:2em;border:1px solid #888}\n"
        "table.contrast{border-collapse:collapse;font-family:monospace}\n"
        "table.contrast td,table.contrast th{padding:.1em .6em;text-align:left}\n"
        "tr.fail{color:#B00020;font-weight:bold}\n"
        "table.census{border-collapse:collapse;font-size:small}table.census td{padding:0 .6em}\n"
        "figure{display:inline-block;margin:.5em}figure img{width:255px;border:1px solid #888}\n"
        "</style></head><body>\n<h1>Skin gallery</h1>\n");
    for (const GallerySection &section : sections) {
        html += QStringLiteral("<section id=\"%1\"><h2>%1</h2>\n").arg(section.name.toHtmlEscaped());
        if (!section.note.isEmpty())
            html += QStringLiteral("<p>%1</p>\n").arg(section.note.toHtmlEscaped());
        html += QStringLiteral("<div>");
        for (int role = 0; role < section.colors.size(); ++role) {
            html += QStringLiteral("<div class=\"swatch\"><span style=\"background:%1\"></span>%2<br>%1</div>")
                        .arg(section.colors.at(role).toHtmlEscaped(), roleKey(role));
        }
        html += QStringLiteral("</div>\n") + contrastTableHtml(section.colors);
        if (!section.censusSummary.isEmpty()) {
            html += QStringLiteral("<details><summary>%1</summary>\n<table class=\"census\">\n")
                        .arg(section.censusSummary.toHtmlEscaped());
            for (const QStringList &row : section.census) {
                const bool failed = row.value(3) == QLatin1String("FAILED");
                html += failed ? QStringLiteral("<tr class=\"fail\">") : QStringLiteral("<tr>");
                for (const QString &cell : row)
                    html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
                html += QStringLiteral("</tr>\n");
            }
            html += QStringLiteral("</table></details>\n");
        }
        html += QStringLiteral("<div>\n");
        for (int i = 0; i < section.images.size(); ++i) {
            html += QStringLiteral("<figure><a href=\"%1\"><img src=\"%1\" alt=\"%2\"></a>"
                                   "<figcaption>%2</figcaption></figure>\n")
                        .arg(link(section.images.at(i)), section.captions.value(i).toHtmlEscaped());
        }
        html += QStringLiteral("</div></section>\n");
    }
    return html + QStringLiteral("</body></html>\n");
}
