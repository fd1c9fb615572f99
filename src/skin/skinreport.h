#ifndef SKINREPORT_H
#define SKINREPORT_H

#include <QString>
#include <QStringList>
#include <QVector>

// Reports on skins for people: the contrast table of a skin's eight colours
// as text and as HTML, and the index page of a gallery of rendered skins.

// One line per pair of skinContrastPairs(): the two roles with their
// colours, the ratio to two decimals, what the pair needs and pass or FAIL.
QStringList contrastTableLines(const QStringList &colors);

// The same table as an HTML <table>.
QString contrastTableHtml(const QStringList &colors);

// How many pairs of the eight colours fail.
int failingPairCount(const QStringList &colors);

// One skin of a gallery: its images are paths relative to the index, each
// with a caption.
struct GallerySection
{
    QString name;
    QString note;           // how the colours were found, or empty
    QStringList colors;     // the eight colours in role order
    QStringList images;
    QStringList captions;
    QString censusSummary;           // the census's last line, or empty
    QVector<QStringList> census;     // its checks: widget, check, figures, verdict
};

// A self-contained index page: per skin its colours as swatches, its
// contrast table, its census table (folded, under its summary) and its
// images as thumbnails linking to full size.
QString galleryIndexHtml(const QVector<GallerySection> &sections);

#endif // SKINREPORT_H
