#ifndef SKINSOURCE_H
#define SKINSOURCE_H

#include "builtinskins.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// Writes "vantuskin-cli: <message>" as one line to standard error and
// returns 1, the exit code of a usage error or bad input.
int fail(const QString &message);

// A skin named on the command line by --skin, --colors or --from.
struct SkinSource
{
    QString name;           // style name, or the file's base name, or "skin"
    QStringList colors;     // eight colours in role order
    QString builtInSheet;   // --skin only: the built-in skin's sheet
    const BuiltInSkin *builtIn = nullptr;  // --skin only
};

// The skin's style sheet: the built-in one, or else the composition of its
// colours.
QString skinSheet(const SkinSource &skin);

// Adds --skin, --colors and --from to a command's parser.
void addSkinSourceOptions(QCommandLineParser &parser);

// The one skin the options name. Exactly one of the three must be given; on
// any problem the reason, fit for fail(), goes to `error`.
std::optional<SkinSource> skinSource(const QCommandLineParser &parser, QString *error);

// A skin found by style name ("psblack") or display name ("黑色扁平").
std::optional<SkinSource> builtInSkin(const QString &name, QString *error);

// Parses `arguments` with `parser` (adding --help), printing Qt's message
// and returning false on an unknown option or a missing value.
bool parseArguments(QCommandLineParser &parser, const QStringList &arguments);

// From this call on, parseArguments() appends a command's --help to `sink`
// and returns false instead of printing it and ending the process, so that
// --help-all can gather the help of every command in one run.
void collectHelpInto(QString *sink);

// As parseArguments(), for a command that takes options only: anything else
// on the line fails with "<command> takes no arguments besides its options".
bool parseOptions(QCommandLineParser &parser, const QStringList &arguments);

#endif // SKINSOURCE_H
