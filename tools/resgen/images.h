// Pictures of the resource set, drawn with QPainter.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

struct NamedImage
{
    QString name;   // file name, e.g. "checkbox_checked.png"
    QImage image;
};

struct IndicatorColours
{
    QColor text;
    QColor panel;
    QColor border;
};

// The 18 arrow, branch and indicator images of one template-form set.
QVector<NamedImage> indicatorSet(const IndicatorColours &c);

// The 10 images of the classic rule set.
QVector<NamedImage> classicSet();

// Message symbols and button pictures of the application collection.
QVector<NamedImage> applicationPictures();

// The 128 x 128 application icon.
QImage applicationIcon();

// A Windows icon file holding one 32-bit image (BMP form with AND mask).
QByteArray icoFile(const QImage &image);

// PNG bytes; paletted images keep their colour table.
QByteArray pngBytes(const QImage &image);
