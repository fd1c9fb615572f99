#include "skinapply.h"

#include "colorroles.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QVector>
#include <QWidget>

namespace {

// Swallows the style-change notices of the intermediate, unstyled state: the
// widgets get them again, with the final style, a moment later.
class StyleChangeSink : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::StyleChange; }
};

} // namespace

void restyleApplication(const QString &sheet)
{
    if (sheet.isEmpty() || qApp->styleSheet().isEmpty()) {
        qApp->setStyleSheet(sheet);
        return;
    }

    // Replacing one application style sheet by another makes Qt re-polish
    // each widget once for itself and once more for every ancestor. Going
    // through an empty sheet instead has Qt set up a fresh style-sheet style
    // and polish every widget exactly once, with the same end result.
    //
    // Containers with a style sheet of their own are the exception: Qt
    // re-polishes their subtrees once per level on every change of the
    // application sheet. They are taken out for the change and given their
    // sheets back afterwards, which restyles each subtree once.
    QVector<QPair<QWidget *, QString>> ownSheets;
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (!widget->styleSheet().isEmpty() && widget->findChild<QWidget *>())
            ownSheets.append({widget, widget->styleSheet()});
    }

    StyleChangeSink sink;
    qApp->installEventFilter(&sink);
    for (const auto &own : qAsConst(ownSheets))
        own.first->setStyleSheet(QString());
    qApp->setStyleSheet(QString());
    qApp->removeEventFilter(&sink);

    qApp->setStyleSheet(sheet);
    for (auto own = ownSheets.crbegin(); own != ownSheets.crend(); ++own)
        own->first->setStyleSheet(own->second);
}

void applySkin(const QString &sheet)
{
    applySkin(sheet, QPalette(skinPanelColor(sheet)));
}

void applySkin(const QString &sheet, const QPalette &palette)
{
    QApplication::setPalette(palette);
    restyleApplication(sheet);
}

