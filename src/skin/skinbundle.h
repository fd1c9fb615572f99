#ifndef SKINBUNDLE_H
#define SKINBUNDLE_H

#include "coverage.h"

#include <QByteArray>
#include <QPalette>
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
//   NAME.py     optional, with NAME.rcc: a module whose apply() puts the
//               skin on a Python program's QApplication
//   NAME.qtct.conf  optional: the skin's palette as a qt5ct/qt6ct colour
//               scheme, for those tools with NAME.files.css as their sheet
//   README.txt  the CMake and C++ lines that add and apply the skin
//
// These are the texts a bundle is made of; src/bundle writes them.

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

// That rule in words, for messages: "a letter, digit or "_" followed by ...".
QString bundleNameRule();

// The resource prefix as a bundle uses it: names as above separated by "/",
// with a leading "/" (added if missing; a trailing one is dropped); nothing
// if it is not of that form.
std::optional<QString> bundlePrefix(const QString &prefix);

// Python module names: letters, digits and "_", not starting with a digit,
// not a keyword.
bool isPythonModuleName(const QString &name);

// That rule in words, for messages.
QString pythonModuleNameRule();

// A Python module name close to the bundle name `name`: every character
// other than a letter, digit or "_" becomes "_", a leading digit gets
// "skin_" before it and a keyword "_" after it.
QString pythonModuleName(const QString &name);

// The text of NAME.py, the Python module of a bundle named `name` whose
// sheet is the resource `sheetPath`: its apply() registers NAME.rcc from
// the module's folder and sets `palette` (every role in all three groups,
// written into the module) and the sheet on the running QApplication, with
// PyQt6, PyQt5, PySide6 or PySide2.
QString pythonModule(const QString &name, const QString &sheetPath, const QPalette &palette);

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

// The resource path of the bundle's sheet: ":PREFIX/NAME.css".
QString bundleSheetPath(const QString &name, const QString &prefix);

// The README.txt of a bundle in a folder named `folderName`. Its first two
// indented blocks are the CMake lines and the C++ lines, in that order;
// `withPython` adds the Python lines as a third.
QString bundleReadme(const QString &folderName, const SkinBundle &bundle, const QString &prefix, bool withRcc,
                     bool withFiles = false, bool withPython = false);

// A palette as a colour scheme of qt5ct and qt6ct: a [ColorScheme] group
// with active_colors, disabled_colors and inactive_colors, each the 21
// colours of QPalette's roles from WindowText to PlaceholderText in the
// order of the enum, as #AARRGGBB separated by ", ". Lines end in LF.
QString qtctColorScheme(const QPalette &palette);

#endif // SKINBUNDLE_H
