#include "skinfollower.h"

#include "skinfile.h"

#include <VantuSkin/widgets.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

QString userSkinFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/vantuskin/skin.css");
}

void warnSkin(const QString &message)
{
    QTextStream(stderr) << "vantuskin: " << message << '\n';
}

QString readWholeSkin(const QString &fileName, QString *problem)
{
    const QString text = VantuSkin::readSkinFile(fileName, problem);
    if (text.isNull())
        return text;
    *problem = skinTextProblem(text);
    return problem->isEmpty() ? text : QString();
}

SkinFollower::SkinFollower(const QString &fileName, const QString &applied, QObject *parent)
    : QObject(parent), m_file(QFileInfo(fileName).absoluteFilePath()), m_applied(applied),
      m_programSheet(qApp->styleSheet())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleTime);
    connect(&m_settle, &QTimer::timeout, this, [this] { takeChange(); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, [this] { m_settle.start(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, [this] { m_settle.start(); });
    watch();
}

// The file itself, for writes in place, and the nearest folder on its path
// that exists, for the file's replacement, removal and creation (and for
// its folder's creation). A file renamed over or deleted drops out of the
// watch: it is added again here after each change.
void SkinFollower::watch()
{
    QStringList paths;
    if (QFileInfo(m_file).isFile())
        paths << m_file;
    QString folder = QFileInfo(m_file).absolutePath();
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    paths << folder;
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString &path : watched) {
        if (!paths.contains(path))
            m_watcher.removePath(path);
    }
    for (const QString &path : qAsConst(paths)) {
        if (!watched.contains(path))
            m_watcher.addPath(path);
    }
}

void SkinFollower::takeChange()
{
    watch();
    QString problem;
    const QString text = readWholeSkin(m_file, &problem);
    if (text.isNull()) {
        // A file gone is most often one about to be written again.
        if (!m_warned && QFileInfo::exists(m_file)) {
            warnSkin(QStringLiteral("%1: %2; keeping the skin shown").arg(QDir::toNativeSeparators(m_file), problem));
            m_warned = true;
        }
        return;
    }
    m_warned = false;
    if (text == m_applied)
        return;
    if (qApp->styleSheet() != m_programSheet) {
        warnSkin(QStringLiteral("the program has set a style sheet of its own; %1 is followed no more")
                     .arg(QDir::toNativeSeparators(m_file)));
        const QStringList watched = m_watcher.files() + m_watcher.directories();
        if (!watched.isEmpty())
            m_watcher.removePaths(watched);
        return;
    }
    VantuSkin::applySkin(text);
    m_applied = text;
    m_programSheet = qApp->styleSheet();
}
