#ifndef ZAVOCREATORPROBE_H
#define ZAVOCREATORPROBE_H

#include "ui_zavocreator.h"
#include "zavocreator.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>

// The tests' view into the window: its state members and the two methods
// that are not slots.
class ZavoCreatorProbe
{
public:
    static Ui::ZavoCreator *ui(ZavoCreator &w) { return w.ui; }
    static const QString &templateSheet(const ZavoCreator &w) { return w.templateSheet; }
    static const QString &composedSheet(const ZavoCreator &w) { return w.composedSheet; }
    static bool autoApply(const ZavoCreator &w) { return w.autoApply; }
    static void changeStyle(ZavoCreator &w, const QString &name) { w.changeStyle(name); }
    static void openSkinFile(ZavoCreator &w, const QString &fileName) { w.openSkinFile(fileName); }

    static std::array<QLineEdit *, 8> fields(ZavoCreator &w)
    {
        const Ui::ZavoCreator *u = w.ui;
        return {u->txtTextColor, u->txtPanelColor, u->txtBorderColor, u->txtNormalColorStart,
                u->txtNormalColorEnd, u->txtDarkColorStart, u->txtDarkColorEnd, u->txtHighColor};
    }

    static std::array<QPushButton *, 8> buttons(ZavoCreator &w)
    {
        const Ui::ZavoCreator *u = w.ui;
        return {u->btnTextColor, u->btnPanelColor, u->btnBorderColor, u->btnNormalColorStart,
                u->btnNormalColorEnd, u->btnDarkColorStart, u->btnDarkColorEnd, u->btnHighColor};
    }

    static QStringList fieldTexts(ZavoCreator &w)
    {
        QStringList texts;
        for (const QLineEdit *field : fields(w))
            texts << field->text();
        return texts;
    }
};

#endif // ZAVOCREATORPROBE_H
