#ifndef COMMANDS_H
#define COMMANDS_H

#include <QStringList>

// One function per command. Each gets "vantuskin-cli COMMAND" followed by the
// arguments after the command's name, parses them itself and returns the
// process's exit code: 0 on success, 1 on a usage error or bad input.
int runList(const QStringList &arguments);
int runCompose(const QStringList &arguments);
int runExport(const QStringList &arguments);
int runCheck(const QStringList &arguments);
int runAudit(const QStringList &arguments);
int runGallery(const QStringList &arguments);
int runCensus(const QStringList &arguments);
int runUse(const QStringList &arguments);

#endif // COMMANDS_H
