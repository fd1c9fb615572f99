// Slot colour tables of the classic-form skin files.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct ClassicSkin
{
    QString style;
    QStringList slotColours;    // K1 .. K23
};

const QVector<ClassicSkin> &classicSkins();
