#ifndef BUNDLEWRITER_H
#define BUNDLEWRITER_H

#include "skinbundle.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// Writing skin bundles (see skinbundle.h) and the folders of other outputs,
// and reading them back: the part of bundles that touches files and runs
// Qt's rcc.

struct BundleOptions
{
    QString prefix;        // resource prefix; "/" + name if empty
    bool recolor = false;  // draw the images in the skin's colours, also at 2x
    QString rccProgram;    // Qt's rcc: also write NAME.rcc; no .rcc if empty
    bool force = false;    // replace an existing folder
    bool complete = false; // append the coverage layer and add its images
    bool files = false;    // also write NAME.files.css
    bool python = false;   // also write NAME.py, which loads NAME.rcc: needs rccProgram
    bool qtct = false;     // also write NAME.qtct.conf (and NAME.files.css)
};

// Writes the bundle into a new folder beside `dir` and renames it into
// place, so that `dir` is either the complete bundle or as it was before.
// An existing `dir` is refused unless options.force; with it, the old folder
// is renamed away first and deleted only once the new one is in place. On
// failure returns false with a reason fit to show the user.
bool writeSkinBundle(const QString &dir, const SkinBundle &bundle, const BundleOptions &options, QString *error);

// The image files for the sheet's url()s: file name and bytes, the built-in
// ones as they are or, with `recolor`, drawn in the skin's colours; each at
// single and double size (name@2x.png). Nothing, with the reason, if an image
// cannot be read or has no drawing.
std::optional<QVector<QPair<QString, QByteArray>>> bundleImages(const SkinBundle &bundle, bool recolor,
                                                                QString *error);

// The file every folder this program writes whole carries, so that a later
// run knows the folder as its own output.
extern const char OutputMarkerName[];

// Whether the folder `dir` (as the user gave it) may become a new output
// folder: it does not exist, or, with `replace`, it is an empty folder or one
// that holds the marker (an earlier output). Anything else is refused, the
// reason naming the folder: a plain file, a symbolic link, a folder with
// other content, the current folder or one that contains it, the root and
// the home folder. On refusal returns false with the reason in `error`.
bool mayWriteOutputFolder(const QString &dir, bool replace, QString *error);

// One line for the user on what the output folder `dir` holds: its files
// by name and its subfolders with the number of files in them.
QString outputFolderSummary(const QString &dir);

// Writes the marker into the folder `dir`, saying what made it.
bool writeOutputMarker(const QString &dir, const QString &what, QString *error);

// Puts the finished folder `ready` in place of `dir`; an existing `dir` is
// moved into the empty folder `parking` first and moved back if that fails.
bool moveIntoPlace(const QString &ready, const QString &dir, const QString &parking, QString *error);

// Qt's rcc: $VANTUSKIN_RCC, else the one of the Qt this program runs on.
QString qtRccProgram();

// Runs Qt's rcc `program` on the .qrc file `qrc`, writing the binary
// resource file `output`; false, with rcc's complaint in `error`, if it fails.
bool compileBinaryResource(const QString &program, const QString &qrc, const QString &output, QString *error);

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

#endif // BUNDLEWRITER_H
