#ifndef FORMPREVIEW_H
#define FORMPREVIEW_H

#include <QFileSystemWatcher>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class QMimeData;
class UiForm;

// A user's form in a top-level window of its own, titled with the form's
// file name. It takes the application's skin as every window does, and
// when the file changes on disk (also when an editor saves it by writing a
// new file and renaming it over the old one) it loads the form again in
// place, keeping the window's size and position. A form that no longer
// loads leaves the last one shown and says why in the title.
class FormPreview : public QWidget
{
public:
    // Opens the form at `path`; nothing, with one line naming the file and
    // what is wrong in `error`, if it cannot be read. The window is a child
    // of `owner` (closed with it), but a window of its own.
    static FormPreview *open(const QString &path, QWidget *owner, QString *error);
    ~FormPreview() override;

    // The form's widgets now shown.
    QWidget *form() const { return shown; }

private:
    FormPreview(std::unique_ptr<UiForm> form, QWidget *owner);
    void display(std::unique_ptr<UiForm> form);
    void reload();
    void watch();

    std::unique_ptr<UiForm> loaded;
    QWidget *shown = nullptr;
    QString path;
    QFileSystemWatcher watcher;
    QTimer settle;  // an editor's save is several changes in a row
};

// Opens a preview of each form; one line per file that could not be opened.
QStringList openFormPreviews(const QStringList &paths, QWidget *owner);

// The local .ui files among dropped `data`.
QStringList droppedForms(const QMimeData *data);

// Tells the user in one message box, without waiting for it to close, what
// could not be opened; nothing if `problems` is empty.
void reportFormProblems(QWidget *parent, const QStringList &problems);

#endif // FORMPREVIEW_H
