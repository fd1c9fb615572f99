#ifndef REPORTEDSKINS_H
#define REPORTEDSKINS_H

#include "skinsource.h"

#include "skincolours.h"

#include <QVector>

// A skin as the audit and the gallery report it.
struct ReportedSkin
{
    SkinSource source;
    QStringList colors;   // the colours it paints (see BuiltInSkin::painted)
    QString note;         // where they come from, when that is not plain
};

// Adds --all to the skin-source options.
void addReportedSkinOptions(QCommandLineParser &parser);

// The skins that --all (every built-in skin, as list shows them) or one of
// --skin, --colors and --from names, each with the colours it paints: for a
// classic-form skin its own slot colours and its button text, and the note
// says so.
std::optional<QVector<ReportedSkin>> reportedSkins(const QCommandLineParser &parser, QString *error);

// Writes the coverage layer's images for `colours` into `folder` (created
// if need be); false, with the reason in `error`, if that fails.
bool writeCoverageImages(const SkinColours &colours, const QString &folder, QString *error);

#endif // REPORTEDSKINS_H
