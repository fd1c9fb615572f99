#ifndef SKINCATALOGUE_H
#define SKINCATALOGUE_H

#include <QString>
#include <QStringList>
#include <QVector>

// One predefined skin: the display name is its menu text and lookup key, the
// style name the base name of its finished file ":/qss/<style>.css", and the
// colours its eight role values in role order.
struct SkinEntry
{
    QString displayName;
    QString styleName;
    QStringList colors;
};

// The 23 predefined skins in menu order.
const QVector<SkinEntry> &skinCatalogue();

// The first entry whose display name equals `displayName` exactly (case and
// blanks count), or null.
const SkinEntry *findSkin(const QString &displayName);

// The skin the program starts with.
QString defaultSkinName();

#endif // SKINCATALOGUE_H
