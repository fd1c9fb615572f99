#ifndef BUILTINSKINS_H
#define BUILTINSKINS_H

#include <QString>
#include <QStringList>
#include <QVector>

// Every built-in skin, once: the finished skin files and the menu's skins
// that have none. The command-line tool's list shows exactly these, --skin
// accepts them and --all means them; so does the package's builtInSkinNames().

enum class SkinKind {
    TemplateForm, // a finished file: the template with its eight colours put in
    ClassicForm,  // a finished file from the classic rule set, its own slot colours
    Composed,     // no finished file: the template composed from the catalogue colours
};

struct BuiltInSkin
{
    QString styleName;
    QString displayName;  // the menu text; empty for a file outside the menu
    SkinKind kind;
    QStringList colors;   // eight colours in role order: the skin's own, or the catalogue's for classic ones
    // The colours it paints, for reports: the eight roles, and for classic
    // skins a ninth, the text on buttons, headers and tabs (see contrast.h).
    QStringList painted;
};

// All of them, sorted by style name.
const QVector<BuiltInSkin> &builtInSkins();

// The style names of builtInSkins(), in its order.
QStringList builtInSkinStyles();

// The skin with that style name or display name, or null.
const BuiltInSkin *findBuiltInSkin(const QString &name);

// Its style sheet: the finished file, or the template composed from its colours.
QString builtInSkinSheet(const BuiltInSkin &skin);

// "template form", "classic form" or "composed from catalogue colours".
QString skinKindText(SkinKind kind);

// A warning for a skin whose text cannot be read on its own panel (its
// text colour equals its panel colour), or an empty string.
QString unreadableTextWarning(const BuiltInSkin &skin);

// For a classic-form skin, one line saying that a contrast repair starts from
// its catalogue colours (the template form's, which the repair composes) and
// which backgrounds those paint other than the skin itself, such as
// "PanelColor #F0F0F0 becomes #464646"; an empty string for the others.
QString repairBasisNote(const BuiltInSkin &skin);

#endif // BUILTINSKINS_H
