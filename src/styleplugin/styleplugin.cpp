// The vantuskin style: any Qt Widgets program started with -style vantuskin
// (or QT_STYLE_OVERRIDE=vantuskin) shows the user's skin and follows it.
#include "skinstyle.h"

#include <QStylePlugin>

class VantuSkinStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "vantuskin.json")

public:
    QStyle *create(const QString &key) override
    {
        return key.compare(QLatin1String("vantuskin"), Qt::CaseInsensitive) == 0 ? createSkinStyle() : nullptr;
    }
};

#include "styleplugin.moc"
