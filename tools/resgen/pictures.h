// The application's own pictures: message symbols, button pictures, icon.
#pragma once

#include "skinimages.h"

#include <QImage>
#include <QVector>

// Message symbols and button pictures of the application collection, at
// `scale` times their size.
QVector<NamedImage> applicationPictures(int scale = 1);

// The application icon, `size` pixels square (128 for main.ico).
QImage applicationIcon(int size = 128);

// The sizes of the icon in the freedesktop hicolor theme.
constexpr int hicolorIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
