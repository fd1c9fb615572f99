#ifndef COVERAGEIMAGES_H
#define COVERAGEIMAGES_H

#include "skincolours.h"
#include "skinimages.h"

#include <QVector>

// Every image coverageBlock() refers to, drawn in the colours of
// coverageColours(), each also as "name@2x.png" at twice the size unless
// `doubleSize` is false.
QVector<NamedImage> coverageImages(const SkinColours &colours, bool doubleSize = true);

#endif // COVERAGEIMAGES_H
