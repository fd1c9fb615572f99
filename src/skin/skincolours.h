#ifndef SKINCOLOURS_H
#define SKINCOLOURS_H

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

// The colours a skin really paints, by what they are painted on. Both skin
// forms map onto it: template-form skins from their eight colours, the
// classic-form files from their slot colours.
struct SkinColours
{
    QColor text;        // text on the panel
    QColor panel;       // window background
    QColor border;      // frames
    QColor button[2];   // the normal gradient: buttons, tool bars, dock titles
    QColor buttonText;  // text on buttons, headers and tabs
    QColor hover[2];    // the dark gradient: hovered buttons, headers
    QColor menuText;
    QColor menuBack;
    QColor high;        // focus and selection marks
    bool classic = false;
};

// A template-form skin's colours from its eight colours in role order;
// nothing unless all eight are colours.
std::optional<SkinColours> skinColours(const QStringList &colors);

// A classic-form finished skin's colours, by style name ("black"); nothing
// for any other name.
std::optional<SkinColours> classicSkinColours(const QString &style);

#endif // SKINCOLOURS_H
