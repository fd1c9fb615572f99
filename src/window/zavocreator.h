#ifndef ZAVOCREATOR_H
#define ZAVOCREATOR_H

#include <QFont>
#include <QMainWindow>
#include <QString>
#include <QStringList>

namespace Ui {
class ZavoCreator;
}

// The skin generator's one window. It owns the form, the style-sheet
// template, the last composed skin and the switch that decides whether a
// composition is applied to the whole program at once. Everything it does is
// one of the private slots below (their order is their meta-object index);
// the skin work itself lives in the skin library's plain functions.
class ZavoCreator : public QMainWindow
{
    Q_OBJECT

public:
    explicit ZavoCreator(QWidget *parent = nullptr);
    ~ZavoCreator() override;

    // Leaves the window as choosing a skin from the menu does: the colours
    // in the fields and on their buttons, `sheet` applied to the whole
    // program. The menu restyles once per field and once for the file;
    // this restyles once.
    void showSkin(const QStringList &colors, const QString &sheet);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void initForm();
    void initTableWidget();
    void initTreeWidget();
    void initListWidget();
    void initOther();
    void initStyle(QString style);
    void initTranslator();
    void styleSlot();

    void on_txtTextColor_textChanged(QString arg1);
    void on_txtPanelColor_textChanged(QString arg1);
    void on_txtBorderColor_textChanged(QString arg1);
    void on_txtNormalColorStart_textChanged(QString arg1);
    void on_txtNormalColorEnd_textChanged(QString arg1);
    void on_txtDarkColorStart_textChanged(QString arg1);
    void on_txtDarkColorEnd_textChanged(QString arg1);
    void on_txtHighColor_textChanged(QString arg1);

    void on_btnSave_clicked();

    void on_btnTextColor_clicked();
    void on_btnPanelColor_clicked();
    void on_btnBorderColor_clicked();
    void on_btnNormalColorStart_clicked();
    void on_btnNormalColorEnd_clicked();
    void on_btnDarkColorStart_clicked();
    void on_btnDarkColorEnd_clicked();
    void on_btnHighColor_clicked();

    void on_btnOpen_clicked();

private:
    // Tests reach the window's state and its two non-slot methods through
    // this one seam instead of widening the class's interface.
    friend class ZavoCreatorProbe;

    void composeStyle(bool storeOnly);
    void changeStyle(QString name);
    // Open's work once a file is chosen: show it, load its colours.
    void openSkinFile(const QString &fileName);

    Ui::ZavoCreator *ui;
    QString templateSheet;
    QString composedSheet;
    bool autoApply;
};

// The application font the program sets before it creates the window; the
// window's layout, and so its size, depends on it.
QFont programFont();

#endif // ZAVOCREATOR_H
