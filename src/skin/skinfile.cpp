#include "skinfile.h"

#include "colorroles.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

QByteArray skinFileBytes(const QString &sheet)
{
    QString text = sheet;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text.toUtf8();
}

bool writeSkinFile(const QString &fileName, const QString &sheet, QString *errorText)
{
    QSaveFile file(fileName);
    const QByteArray bytes = skinFileBytes(sheet);
    // Unbuffered, so that a short write (disk full, file size limit) shows in
    // write()'s count: a buffered flush inside commit() can lose it. Writing
    // on after a short write brings out the system's reason.
    bool complete = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 done = 0; complete && done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        complete = written > 0;
        done += written;
    }
    if (complete && file.commit())
        return true;
    if (errorText)
        *errorText = file.errorString();
    file.cancelWriting();
    return false;
}

SkinFileRead readSkinFile(const QString &fileName, QString *text, QString *errorText)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return SkinFileRead::CannotOpen;
    }
    // Read one byte past the limit so that devices without a size are
    // refused as well.
    const QByteArray bytes = file.read(MaxSkinFileSize + 1);
    if (bytes.size() > MaxSkinFileSize)
        return SkinFileRead::TooLarge;
    *text = decodeSkinFileText(bytes);
    return SkinFileRead::Ok;
}
