#ifndef CLASSICSLOTS_H
#define CLASSICSLOTS_H

#include <QString>
#include <QStringList>
#include <QVector>

// The slot colours of the seven classic-form skin files: each file is the
// classic rule set with its slots K1 .. K23 filled in.
struct ClassicSkin
{
    QString style;
    QStringList slotColours;    // K1 .. K23
};

const QVector<ClassicSkin> &classicSkins();

// The classic-form skin with that style name, or null.
const ClassicSkin *findClassicSkin(const QString &style);

// The classic-form skin whose slot colours all occur in `sheet` (a finished
// classic file, also as exported), or null.
const ClassicSkin *findClassicSkinIn(const QString &sheet);

#endif // CLASSICSLOTS_H
