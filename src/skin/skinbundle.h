#ifndef SKINBUNDLE_H
#define SKINBUNDLE_H

#include "coverage.h"

#include <QByteArray>
#include <QString>
#include <QPair>
#include <QStringList>
#include <QVector>

#include <optional>

// A skin bundle is a folder a Qt project can take as it is:
//
//   NAME.css    the style sheet, every url() pointing at :PREFIX/images/...
//   images/     exactly the images the sheet refers to (with --recolor also
//               each as name@2x.png at double size)
//   NAME.qrc    the sheet and the images under PREFIX
//   NAME.rcc    optional: the same, compiled by Qt's rcc
//   NAME.files.css  optional: the sheet with url()s that are absolute paths
//               to images/, for `program -stylesheet DIR/NAME.files.css`
//   README.txt  the CMake and C++ lines that add and apply the skin

// The targets of the url(...)s of a style sheet, without quotes, each once,
// in order of first appearance.
QStringList sheetUrls(const QString &sheet);

// The sheet with every url(...) pointing at ":<prefix>/images/<file name>",
// the file name being that of the url's target.
QString rewriteUrls(const QString &sheet, const QString &prefix);

// The sheet with every url(...) pointing at `folder` + "/" + the file name,
// quoted when the path holds anything but letters, digits and "_-./".
QString rewriteUrlsToFolder(const QString &sheet, const QString &folder);

// The .qrc text that lists `files` (paths relative to the .qrc) under
// `prefix`.
QByteArray qrcText(const QString &prefix, const QStringList &files);

// Bundle and file names: a letter, digit or "_" followed by letters, digits,
// "_", "-" and ".": safe in file names, resource paths and unquoted url()s.
bool isBundleName(const QString &name);

// The resource prefix as a bundle uses it: "/" followed by names as above,
// separated by "/" (a missing leading "/" is added, a trailing one dropped);
// nothing if it is not of that form.
std::optional<QString> bundlePrefix(const QString &prefix);

struct SkinBundle
{
    QString name;        // file name of the sheet and the .qrc, without suffix
    QString sheet;       // the skin's style sheet, url()s into the built-in resources
    QStringList colors;  // its eight colours in role order, for recolouring
    // What the skin paints on what: the README's palette and the coverage
    // layer come from it. Without it the README sets the palette from the
    // panel colour alone.
    std::optional<SkinColours> colours;
    // Lines the README ends with, such as what an accessible export changed.
    QStringList readmeNotes;
};

struct BundleOptions
{
    QString prefix;        // resource prefix; "/" + name if empty
    bool recolor = false;  // draw the images in the skin's colours, also at 2x
    QString rccProgram;    // Qt's rcc: also write NAME.rcc; no .rcc if empty
    bool force = false;    // replace an existing folder
    bool complete = false; // append the coverage layer and add its images
    bool files = false;    // also write NAME.files.css
};

// The README.txt of a bundle in a folder named `folderName`. Its two
// indented blocks are the CMake lines and the C++ lines, in that order.
QString bundleReadme(const QString &folderName, const SkinBundle &bundle, const QString &prefix, bool withRcc,
                     bool withFiles = false);

// Writes the bundle into a new folder beside `dir` and renames it into
// place, so that `dir` is either the complete bundle or as it was before.
// An existing `dir` is refused unless options.force; with it, the old folder
// is renamed away first and deleted only once the new one is in place. On
// failure returns false with a reason fit to show the user.
bool writeSkinBundle(const QString &dir, const SkinBundle &bundle, const BundleOptions &options, QString *error);

// The image files for the sheet's url()s: file name and bytes, the built-in
// ones as they are or, with `recolor`, drawn in the skin's colours at single
// and double size (name@2x.png). Nothing, with the reason, if an image
// cannot be read or has no drawing.
std::optional<QVector<QPair<QString, QByteArray>>> bundleImages(const SkinBundle &bundle, bool recolor,
                                                                QString *error);

// Puts the finished folder `ready` in place of `dir`; an existing `dir` is
// moved into the empty folder `parking` first and moved back if that fails.
bool moveIntoPlace(const QString &ready, const QString &dir, const QString &parking, QString *error);

// Where check looks up the url()s of a sheet.
enum class ResourceSet {
    Linked,  // the resources compiled into this program (and plain files)
    Qrc,     // the files a .qrc lists that exist beside it
    Rcc,     // the contents of a binary .rcc
};

// The url()s of `sheet` that name nothing in `set` (`file` is the .qrc or
// .rcc), in order of first appearance; nothing, with the reason in `error`,
// if `file` cannot be read.
std::optional<QStringList> unresolvedUrls(const QString &sheet, ResourceSet set, const QString &file, QString *error);

#endif // SKINBUNDLE_H
