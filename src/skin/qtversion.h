// What differs between Qt 5 and Qt 6 for this project, in one place.
#pragma once

#include <QtGlobal>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QString>
#include <QTextStream>

namespace QtVersion {

// The folder of the Qt build tools (rcc, moc) of the Qt this program runs
// on: /usr/lib/qt5/bin for Debian's Qt 5, /usr/lib/qt6/libexec for Qt 6.
inline QString toolsFolder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath);
#else
    return QLibraryInfo::location(QLibraryInfo::BinariesPath);
#endif
}

// Qt 5 draws at the screen's scale only when asked before the application
// object exists; Qt 6 always does. Call first thing in main().
inline void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

// Text written to a stream as UTF-8 (Qt 5 would use the locale's encoding).
inline void writeUtf8(QTextStream &stream)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    stream.setEncoding(QStringConverter::Utf8);
#else
    stream.setCodec("UTF-8");
#endif
}

// Whether a skin can set the placeholder colour of a line edit whose text
// colour a style sheet sets: Qt 5 takes the palette's PlaceholderText, Qt 6.5
// the sheet's placeholder-text-color. Qt 6.0 to 6.4 draw it in the sheet's
// text colour at half opacity, whatever either says.
constexpr bool placeholderColourReachable =
    QT_VERSION < QT_VERSION_CHECK(6, 0, 0) || QT_VERSION >= QT_VERSION_CHECK(6, 5, 0);

// Whether a style sheet's image for a part as many device pixels wide as the
// single-size image is that image, drawn 1:1, rather than its @2x drawing:
// Qt 5 chooses among the files by pixel size, Qt 6 by the screen's scale.
constexpr bool picksImageByPixelSize = QT_VERSION < QT_VERSION_CHECK(6, 0, 0);

} // namespace QtVersion
