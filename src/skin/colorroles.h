#ifndef COLORROLES_H
#define COLORROLES_H

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The eight colour roles of a skin, in their fixed order. Role n (counting
// from 1) fills every "#C" + n of the style-sheet template, is stored in the
// colour field "txt" + key, shown on the button "btn" + key and recorded in
// a skin file's colour trailer under its key.
struct ColorRole
{
    const char *key;
    const char *field;
    const char *button;
    const char *placeholder;
};

constexpr int ColorRoleCount = 8;
extern const std::array<ColorRole, ColorRoleCount> colorRoles;

// A colour: "#" followed by exactly six hexadecimal digits, in either case.
// Nothing else is one: no colour words, no short forms, no blanks.
bool isColorValue(const QString &value);

// True when `values` holds one colour per role, eight in all.
bool allColorValues(const QStringList &values);

// The one-rule style sheet that paints a colour button in its role's colour.
QString swatchStyleSheet(const QString &value);

struct Composition
{
    QString sheet;
    // False, and the sheet empty, unless all eight values were colours.
    bool complete = false;
};

// Puts each role's colour in place of its placeholder in one pass over the
// template: a value once put in is never searched again, so a value such as
// "#C8C8D0" survives the later roles. Composes nothing unless `values` holds
// eight colours (allColorValues), so no skin ever carries a placeholder or a
// text that is not a colour.
Composition composeSkin(const QString &templateText, const QStringList &values);

// The built-in template ":/qss/template.css" composed with eight colours.
QString composeBuiltInTemplate(const QStringList &values);

// The panel colour of a skin text: the seven characters after
// "QPalette{background:" at the start of every skin (invalid if they are not
// a colour name).
QColor skinPanelColor(const QString &sheet);

// Resource texts (template, finished skins): one character per byte,
// up to the first zero byte.
QString decodeResourceText(const QByteArray &bytes);

// Reads a resource text such as ":/qss/template.css"; a null text, and
// `opened` false if asked, when it does not open.
QString readResourceText(const QString &path, bool *opened = nullptr);

// Skin files opened by the user: UTF-8, up to the first zero byte.
QString decodeSkinFileText(const QByteArray &bytes);

// Reads the eight colours back from a skin file's colour trailer, in role
// order. The match runs from the first "TextColor:" to the end of the text;
// the keys, comment marks and CR LF pairs are removed and the rest split at
// the commas left by each "*/". Returns nothing unless there is a "#" in the
// text and exactly eight parts come out.
std::optional<QStringList> parseColorTrailer(const QString &fileText);

#endif // COLORROLES_H
