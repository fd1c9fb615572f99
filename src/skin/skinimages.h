#ifndef SKINIMAGES_H
#define SKINIMAGES_H

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QString>
#include <QStringList>
#include <QVector>

// A transparent ARGB image of `width` x `height` units at `scale` pixels per
// unit, to paint on in units.
QImage transparentImage(int width, int height, int scale = 1);

// A painted image in the plain (not premultiplied) ARGB form it is stored
// in, one pixel per unit again.
QImage finishedImage(const QImage &image);

// A gradient from `from` at y = `top` to `to` at y = `bottom`.
QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor &from, const QColor &to);

// One image of an image set, under the file name a style sheet refers to.
struct NamedImage
{
    QString name;   // file name, e.g. "checkbox_checked.png"
    QImage image;
};

// The colours an indicator set is drawn in: branch signs and month arrows in
// `text`, faces in `panel`, frames in `border`; ticks and dots in `mark` and
// the other arrows in `arrow`, or in `text` and `border` when those are not
// given. Disabled indicators have the face `disabledFace`, the frame
// `disabledFrame` and the mark `disabledMark`, or light greys of their own.
struct IndicatorColours
{
    QColor text;
    QColor panel;
    QColor border;
    QColor mark = {};
    QColor arrow = {};
    QColor disabledFace = {};
    QColor disabledFrame = {};
    QColor disabledMark = {};
};

// The 18 arrow, branch and indicator images of one template-form image set,
// 20 x 20 times `scale` pixels.
QVector<NamedImage> indicatorSet(const IndicatorColours &colours, int scale = 1);

// The 10 images of the classic rule set, at `scale` times their size.
QVector<NamedImage> classicSet(int scale = 1);

// The classic rule set's 10 images drawn like an indicator set, in its
// colours: check boxes and radio buttons 20 x 20, arrows 10 x 9 or 9 x 10,
// times `scale` pixels.
QVector<NamedImage> classicSet(const IndicatorColours &colours, int scale = 1);

// The colours that draw a skin's indicators visibly on its panel, from its
// eight colours in role order (`panel`, if valid, in place of the panel
// colour): ticks and dots in the highlight colour, or the text colour when
// the highlight does not stand out 3:1 from the panel; branch signs and
// arrows in the text colour; frames in the border colour, or the text colour
// when the border nearly vanishes on the panel (below 1.5:1). A colour that
// still fails gives way to black or white. Disabled indicators have a face
// shaded towards the frame, the frame of the enabled ones and their mark
// halfway to that face, yet 3:1 on it.
IndicatorColours skinIndicatorColours(const QStringList &colors, const QColor &panel = QColor());

// PNG bytes; paletted images keep their colour table.
QByteArray pngBytes(const QImage &image);

#endif // SKINIMAGES_H
