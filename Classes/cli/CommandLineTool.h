#pragma once

#include "cli/HeadlessCommand.h"

#include <memory>
#include <vector>

// The pumpora command line: global options (--data-dir DIR, --help, --version) and the
// headless subcommands. Without a subcommand the executable starts the app instead.
class CommandLineTool
{
public:
    CommandLineTool();
    ~CommandLineTool();

    struct Invocation
    {
        QString dataDirectory; // from --data-dir; empty when not given
        QStringList rest; // what follows the global options
        QString error; // a malformed global option
    };
    // Splits the arguments (without the program name) into the global options and the rest.
    static Invocation parse(const QStringList& arguments);

    // True when the arguments ask for the app's window rather than a headless command.
    static bool startsApp(const QStringList& arguments);

    // Runs the command the arguments name (without the program name), after applying
    // --data-dir; returns the exit status.
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

private:
    void printHelp(QTextStream& out) const;

    std::vector<std::unique_ptr<HeadlessCommand>> m_commands;
};
