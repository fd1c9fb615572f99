#ifndef SKINSTYLE_H
#define SKINSTYLE_H

class QStyle;

// The style of the vantuskin style plugin: Fusion, with the user's skin put
// on the program. The skin is $VANTUSKIN_SKIN (a built-in skin or a skin
// file) or else the user's own (userSkinFile()), and it is followed as
// VantuSkin::followSkin() follows it. It goes on once, when Qt first
// polishes the application with this style: for -style and
// QT_STYLE_OVERRIDE before the program makes any widget, so that its
// first frame already shows the skin. A program that has an application
// style sheet of its own by then (-stylesheet) keeps it.
QStyle *createSkinStyle();

#endif // SKINSTYLE_H
