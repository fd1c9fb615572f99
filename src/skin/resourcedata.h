#ifndef RESOURCEDATA_H
#define RESOURCEDATA_H

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

// Files as one block of Qt's binary resource format (the format rcc
// --binary writes, version 1, uncompressed), for
// QResource::registerResource(const uchar *, root): each file then reads as
// ":" + root + "/" + its name. Names are plain file names without "/", each
// once. The block must outlive its registration.
QByteArray resourceData(const QVector<QPair<QString, QByteArray>> &files);

#endif // RESOURCEDATA_H
