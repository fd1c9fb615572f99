#include "formpreview.h"

#include "uiform.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>

FormPreview *FormPreview::open(const QString &path, QWidget *owner, QString *error)
{
    std::unique_ptr<UiForm> form = UiForm::open(path, error);
    if (!form)
        return nullptr;
    for (const QString &warning : form->warnings())
        qWarning("%s", qPrintable(warning));
    auto *preview = new FormPreview(std::move(form), owner);
    preview->show();
    return preview;
}

FormPreview::FormPreview(std::unique_ptr<UiForm> form, QWidget *owner)
    : QWidget(owner, Qt::Window), path(QFileInfo(form->path()).absoluteFilePath())
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    display(std::move(form));
    resize(shown->size().expandedTo(shown->minimumSizeHint()));
    settle.setSingleShot(true);
    settle.setInterval(150);
    connect(&settle, &QTimer::timeout, this, &FormPreview::reload);
    connect(&watcher, &QFileSystemWatcher::fileChanged, &settle, qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &settle, qOverload<>(&QTimer::start));
    watch();
}

// The widgets go before the form whose resources they use.
FormPreview::~FormPreview()
{
    delete shown;
}

void FormPreview::display(std::unique_ptr<UiForm> form)
{
    QString error;
    std::unique_ptr<QWidget> widgets = form->create(this, &error);
    if (!widgets) {
        setWindowTitle(QStringLiteral("%1 (not reloaded: %2)").arg(QFileInfo(path).fileName(), error));
        return;
    }
    widgets->setWindowFlags(Qt::Widget);
    delete shown;
    shown = widgets.release();
    loaded = std::move(form);
    layout()->addWidget(shown);
    setWindowTitle(loaded->fileName());
}

void FormPreview::reload()
{
    watch();
    if (!QFileInfo::exists(path))
        return;
    QString error;
    std::unique_ptr<UiForm> form = UiForm::open(path, &error);
    if (form)
        display(std::move(form));
    else
        setWindowTitle(QStringLiteral("%1 (not reloaded: %2)").arg(QFileInfo(path).fileName(), error));
}

// An editor that saves by renaming a new file over the old one leaves the
// watch on the old file: the folder's watch sees the new one come, and the
// file's watch is set anew on whatever file the path now names.
void FormPreview::watch()
{
    if (watcher.files().contains(path))
        watcher.removePath(path);
    if (QFileInfo::exists(path))
        watcher.addPath(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!watcher.directories().contains(folder))
        watcher.addPath(folder);
}

QStringList openFormPreviews(const QStringList &paths, QWidget *owner)
{
    QStringList problems;
    for (const QString &path : paths) {
        QString error;
        if (!FormPreview::open(path, owner, &error))
            problems << error;
    }
    return problems;
}

QStringList droppedForms(const QMimeData *data)
{
    QStringList forms;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".ui"), Qt::CaseInsensitive))
            forms << url.toLocalFile();
    }
    return forms;
}

void reportFormProblems(QWidget *parent, const QStringList &problems)
{
    if (problems.isEmpty())
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Form preview"),
                                problems.join(QLatin1Char('\n')), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
