#ifndef SKINFILE_H
#define SKINFILE_H

#include <QByteArray>
#include <QString>

// No skin comes near this size; a larger file is refused rather than read.
constexpr qint64 MaxSkinFileSize = 16 * 1024 * 1024;

// The bytes of a skin file for a skin text: UTF-8, every line ended by
// CR LF, on every platform.
QByteArray skinFileBytes(const QString &sheet);

// Writes a skin file atomically: the previous file under that name stays
// untouched unless the whole new content reached the disk. On failure
// returns false and, if asked, a reason fit to show the user.
bool writeSkinFile(const QString &fileName, const QString &sheet, QString *errorText = nullptr);

enum class SkinFileRead { Ok, CannotOpen, TooLarge };

// Reads a skin file the user chose and decodes it (UTF-8 up to the first
// zero byte). Files over MaxSkinFileSize are not read into memory.
SkinFileRead readSkinFile(const QString &fileName, QString *text, QString *errorText = nullptr);

// Why a text read from a skin file is not a whole skin, or an empty string
// if it is one: it is empty, it ends inside a comment or a rule (a file
// caught half-written), or it is no skin (no colour trailer, and not the
// colours of a classic skin). A following program applies only whole skins.
QString skinTextProblem(const QString &text);

#endif // SKINFILE_H
