#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// One subcommand of the pumpora executable; it runs without a display.
class HeadlessCommand
{
public:
    enum ExitStatus
    {
        Success = 0,
        Failure = 1,
        UsageError = 2
    };

    virtual ~HeadlessCommand() = default;

    virtual QString name() const = 0;
    // The arguments after the name, as shown in the help ("[set KEY VALUE]").
    virtual QString synopsis() const = 0;
    virtual QString summary() const = 0;

    // Runs with the arguments after the name; returns the exit status. Results go to out,
    // errors to err.
    virtual int run(const QStringList& arguments, QTextStream& out, QTextStream& err) = 0;
};
