#pragma once

#include "cli/CommandSyntax.h"
#include "cli/HeadlessCommand.h"

#include <memory>
#include <vector>

// The pumpora command line: the global options (--data-dir DIR, --help, --version) and the
// headless commands. Without a command the executable starts the app instead. A new command
// is a HeadlessCommand added in the constructor; the help lists it from its declaration.
class CommandLineTool
{
public:
    CommandLineTool();
    ~CommandLineTool();

    // Whether the arguments (without the program's name) ask for the app's window: no
    // command, no --help or --version, nothing the parser refuses.
    bool startsApp(const QStringList& arguments) const;
    // The data directory --data-dir names; empty for the default one.
    QString dataDirectory(const QStringList& arguments) const;

    // Runs the command the arguments (without the program's name) name, in a session of its
    // own over the data directory; returns the exit status.
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

    QString helpText() const;

private:
    struct Invocation
    {
        QString error; // the parser refused the global options
        QString dataDirectory;
        bool help = false;
        bool version = false;
        QStringList command; // the command's name and arguments
    };
    Invocation parse(const QStringList& arguments) const;

    // The command the leading words name, the longest match first ("prefs set" before
    // "prefs"); nullptr when none does. words is how many of them its name took.
    HeadlessCommand* commandFor(const QStringList& words, qsizetype& taken) const;

    const QCommandLineOption m_dataDirectory;
    const QCommandLineOption m_version;
    CommandSyntax m_syntax;
    std::vector<std::unique_ptr<HeadlessCommand>> m_commands;
};
