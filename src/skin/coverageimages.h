#ifndef COVERAGEIMAGES_H
#define COVERAGEIMAGES_H

#include "skincolours.h"
#include "skinimages.h"

#include <QVector>

// Every image coverageBlock() refers to, drawn in the colours of
// coverageColours(), each also as "name@2x.png" at twice the size.
QVector<NamedImage> coverageImages(const SkinColours &colours);

#endif // COVERAGEIMAGES_H
