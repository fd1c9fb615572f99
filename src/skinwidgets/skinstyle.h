#ifndef SKINSTYLE_H
#define SKINSTYLE_H

class QStyle;

// The style of the vantuskin style plugin: Fusion, with the user's skin put
// on the program. The skin is $VANTUSKIN_SKIN (a built-in skin or a skin
// file) or else the user's own (userSkinFile()), and it is followed as
// VantuSkin::followSkin() follows it. It goes on once, when the program
// polishes its first widget or its event loop starts, whichever comes
// first, so that the program's first frame already shows it; a program
// that has set an application style sheet of its own by then keeps it.
QStyle *createSkinStyle();

#endif // SKINSTYLE_H
