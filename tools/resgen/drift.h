#ifndef DRIFT_H
#define DRIFT_H

#include <QString>

// Whether a committed generated file still holds what resgen writes now.
// Text is compared byte for byte. Images are compared by what they show:
// every image in the file (one in a PNG, each size in an .ico) is decoded
// and compared in size, format and premultiplied pixels, with this tolerance
// per channel, since Qt's raster engine rounds antialiased edges differently
// on different processors.
constexpr int driftTolerance = 2;

// Why the committed file `kept` differs from resgen's `fresh`, naming it
// `name` (its path below the resource folder), or nothing if it still holds
// the same. An image's reason names the first pixel that differs by more
// than the tolerance and the largest difference.
QString resourceDrift(const QString &kept, const QString &fresh, const QString &name);

#endif // DRIFT_H
