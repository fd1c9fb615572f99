#include "skinstyle.h"

#include "skinfollower.h"

#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

namespace {

class SkinStyle : public QProxyStyle
{
public:
    SkinStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    // Qt polishes the application with the style as soon as the style is
    // set: for -style and QT_STYLE_OVERRIDE while the application object is
    // made, before any widget exists, as Qt itself applies -stylesheet. It
    // does so again on every later change of the style or the application
    // sheet, the skin's own included: the skin goes on only the first time.
    void polish(QApplication *app) override
    {
        QProxyStyle::polish(app);
        static QPointer<QApplication> skinned;
        if (skinned == app)
            return;
        skinned = app;
        if (!app->styleSheet().isEmpty())
            warnSkin(QStringLiteral("the program has a style sheet of its own; the skin is left off"));
        else
            VantuSkin::followSkin(qEnvironmentVariable("VANTUSKIN_SKIN"));
    }
    using QProxyStyle::polish;
};

} // namespace

QStyle *createSkinStyle()
{
    return new SkinStyle;
}
