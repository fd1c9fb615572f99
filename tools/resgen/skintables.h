// Colour tables of the finished skin files.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct TemplateSkin
{
    QString style;
    QStringList colours;  // eight colours in role order
};

struct ClassicSkin
{
    QString style;
    QStringList slotColours;    // K1 .. K23
};

const QVector<TemplateSkin> &templateSkins();
const QVector<ClassicSkin> &classicSkins();
