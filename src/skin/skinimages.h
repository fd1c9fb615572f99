#ifndef SKINIMAGES_H
#define SKINIMAGES_H

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

// One image of an image set, under the file name a style sheet refers to.
struct NamedImage
{
    QString name;   // file name, e.g. "checkbox_checked.png"
    QImage image;
};

// The colours an indicator set is drawn in: marks in `text`, faces in
// `panel`, frames and arrows in `border`.
struct IndicatorColours
{
    QColor text;
    QColor panel;
    QColor border;
};

// The 18 arrow, branch and indicator images (20 x 20) of one template-form
// image set.
QVector<NamedImage> indicatorSet(const IndicatorColours &colours);

// The 10 images of the classic rule set.
QVector<NamedImage> classicSet();

// PNG bytes; paletted images keep their colour table.
QByteArray pngBytes(const QImage &image);

#endif // SKINIMAGES_H
