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

// The catalogue entry with that style name, or null.
const SkinEntry *findStyle(const QString &styleName);

// The finished template-form skin files ":/qss/<style>.css", each the
// template with its eight colours put in. The other seven finished files are
// classic-form and carry no colours.
const QVector<SkinEntry> &templateFormSkins();

// The style names of the seven classic-form finished files, which come from
// a rule set of their own and carry no colour trailer.
const QStringList &classicFormStyles();

// The style names of all 24 finished skin files: the template-form ones,
// then the classic-form ones.
QStringList finishedSkinStyles();

// The skin the program starts with.
QString defaultSkinName();

#endif // SKINCATALOGUE_H
