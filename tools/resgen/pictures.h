// The application's own pictures: message symbols, button pictures, icon.
#pragma once

#include "skinimages.h"

#include <QImage>
#include <QVector>

// Message symbols and button pictures of the application collection.
QVector<NamedImage> applicationPictures();

// The 128 x 128 application icon.
QImage applicationIcon();
