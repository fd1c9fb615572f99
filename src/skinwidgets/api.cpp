// The public interface of the widgets library (VantuSkin/widgets.h).
#include <VantuSkin/widgets.h>

#include "skinapply.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace VantuSkin {

void applySkin(const QString &sheet)
{
    QApplication::setPalette(sheet.isEmpty() ? QApplication::style()->standardPalette() : skinPalette(sheet));
    restyleApplication(sheet);
}

void showSkinned(QWidget *window, const QString &sheet)
{
    VantuSkin::applySkin(sheet);
    window->show();
}

} // namespace VantuSkin
