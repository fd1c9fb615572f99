#ifndef UIFORM_H
#define UIFORM_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

// A user's Designer form (.ui), read once and made into widgets as often as
// needed. The images of the .qrc files the form names in its <resources>
// are reachable at the paths the form uses for as long as the UiForm lives:
// each .qrc, found relative to the form, is compiled with Qt's rcc into a
// private folder and registered. Classes the loader cannot create (promoted
// widgets, plugins of the user's program) become placeholders of the base
// class Designer records for them (ShownClassProperty names the class);
// the widgets whose palette the form sets carry OwnPaletteProperty (see
// census.h).
class UiForm
{
public:
    // Reads the form at `path`. Nothing, with one line naming the file and
    // what is wrong with it in `error`, if it is missing or unreadable, not
    // a Designer form, or malformed. A .qrc that is missing or that rcc
    // refuses costs its images only: one line for it in warnings().
    static std::unique_ptr<UiForm> open(const QString &path, QString *error);
    ~UiForm();

    // The form's widgets, a new set on each call, as a child of `parent` or
    // a window of its own; nothing, with the loader's reason, if it fails.
    std::unique_ptr<QWidget> create(QWidget *parent, QString *error) const;

    QString path() const { return filePath; }
    // The form's file name, as windows, galleries and reports name it.
    QString fileName() const;
    QStringList warnings() const { return resourceWarnings; }

private:
    UiForm() = default;
    void registerResources(const QStringList &qrcFiles);

    QString filePath;
    QByteArray contents;
    QHash<QString, QString> baseClasses;  // custom class -> what it extends
    QStringList ownPalettes;              // the widgets whose palette the form sets
    QTemporaryDir compiled;
    QStringList registered;               // the .rcc files registered
    QStringList resourceWarnings;
};

// Reads the forms at `paths` in order. Nothing, with the reason of the
// first that cannot be read in `error`; the warnings of the others (their
// .qrc files that cost images) go to `warnings`.
std::optional<std::vector<std::unique_ptr<UiForm>>> openForms(const QStringList &paths, QStringList *warnings,
                                                             QString *error);

#endif // UIFORM_H
