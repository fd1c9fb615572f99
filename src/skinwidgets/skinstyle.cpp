#include "skinstyle.h"

#include "skinfollower.h"

#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QProxyStyle>

namespace {

// Puts the skin on at the first widget polish or at the start of the event
// loop, whichever comes first, then goes away.
class SkinStart : public QObject
{
public:
    explicit SkinStart(QApplication *app) : QObject(app)
    {
        app->installEventFilter(this);
        QMetaObject::invokeMethod(this, [this] { start(); }, Qt::QueuedConnection);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && object->isWidgetType())
            start();
        return false;
    }

private:
    void start()
    {
        qApp->removeEventFilter(this);
        deleteLater();
        if (m_started)
            return;
        m_started = true;
        if (!qApp->styleSheet().isEmpty())
            warnSkin(QStringLiteral("the program has a style sheet of its own; the skin is left off"));
        else
            VantuSkin::followSkin(qEnvironmentVariable("VANTUSKIN_SKIN"));
    }

    bool m_started = false;
};

class SkinStyle : public QProxyStyle
{
public:
    SkinStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    // Called again each time the program's style or application sheet
    // changes, the skin's own included: the skin starts only once.
    void polish(QApplication *app) override
    {
        QProxyStyle::polish(app);
        static QPointer<QApplication> startedIn;
        if (startedIn != app) {
            startedIn = app;
            new SkinStart(app);
        }
    }
    using QProxyStyle::polish;
};

} // namespace

QStyle *createSkinStyle()
{
    return new SkinStyle;
}
