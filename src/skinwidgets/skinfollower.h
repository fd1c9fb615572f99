#ifndef SKINFOLLOWER_H
#define SKINFOLLOWER_H

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// The file `vantuskin-cli use` records the user's skin in, and that a
// program skinned without a named skin follows:
// QStandardPaths::GenericConfigLocation + "/vantuskin/skin.css", that is
// $XDG_CONFIG_HOME/vantuskin/skin.css. It may not exist.
QString userSkinFile();

// Writes "vantuskin: <message>" as one line to standard error.
void warnSkin(const QString &message);

// The sheet of a whole skin in `fileName`; a null string, with the reason in
// `problem`, for a file that cannot be read or is not a whole skin (see
// skinTextProblem()).
QString readWholeSkin(const QString &fileName, QString *problem);

// Follows a skin file for the whole program: each time the file is
// replaced (renamed over, rewritten in place, deleted and written again) it
// waits until the writes settle, then restyles the program once with the
// new skin, as VantuSkin::applySkin() does. A file that is not a whole skin
// is never applied; the program keeps its last skin and says so once until
// a whole skin comes again. Once the program has set an application style
// sheet of its own, it says so and follows no more.
class SkinFollower : public QObject
{
public:
    // `applied` is the text of the skin the program shows now (null if it
    // shows another).
    SkinFollower(const QString &fileName, const QString &applied, QObject *parent);

    // How long the file must stay unchanged before it is read, in ms.
    static constexpr int SettleTime = 50;

private:
    void watch();
    void takeChange();

    QString m_file;
    QString m_applied;      // the skin text last applied
    QString m_programSheet; // the application sheet as the last restyle left it
    bool m_warned = false;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

#endif // SKINFOLLOWER_H
