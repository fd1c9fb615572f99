#include "skinfile.h"

#include "colorroles.h"
#include "coverage.h"

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

QString skinTextProblem(const QString &text)
{
    if (text.trimmed().isEmpty())
        return QStringLiteral("it is empty");
    int depth = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('/') && text.mid(i, 2) == QLatin1String("/*")) {
            i = text.indexOf(QLatin1String("*/"), i + 2);
            if (i < 0)
                return QStringLiteral("it ends inside a comment (written only in part?)");
            ++i;
        } else if (text.at(i) == QLatin1Char('{')) {
            ++depth;
        } else if (text.at(i) == QLatin1Char('}') && --depth < 0) {
            return QStringLiteral("it closes a rule it never opened");
        }
    }
    if (depth != 0)
        return QStringLiteral("it ends inside a rule (written only in part?)");
    if (!sheetColours(text))
        return QStringLiteral("it is no skin: it has no colour trailer and holds no classic skin's colours");
    return QString();
}
