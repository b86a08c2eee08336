#pragma once

#include "cli/CommandSyntax.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

class CarInfo;

// One subcommand of the pumpora executable; it runs without a display. A command declares its
// options and arguments once, in its constructor; parsing, its --help and its usage errors
// come from that declaration.
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

    // The words that call it ("cars", "prefs set").
    QString name() const { return m_name; }
    QString summary() const { return m_summary; }
    // "prefs set KEY VALUE", "report [--car KEY] [--json]".
    QString usage() const;
    QString helpText() const;

    // Runs with the arguments after the name: prints the help when asked, refuses what the
    // declaration does not allow with the usage error status, and otherwise executes. Results
    // go to out, errors to err.
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

    // A text from the log or the command line as the terminal may show it: control characters
    // escaped ("\n", "\x1b"), so that a name cannot move the cursor, clear the screen or fake a
    // line.
    static QString printable(const QString& text);

protected:
    HeadlessCommand(const QString& name, const QString& summary);

    // Where the command declares what it takes.
    CommandSyntax& syntax() { return m_syntax; }

    // Runs with the arguments parsed as declared; returns the exit status.
    virtual int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) = 0;

    // Options several commands share.
    static QCommandLineOption carOption();
    static QCommandLineOption jsonOption();

    // What the app does at launch before it shows anything, except that only init and the app
    // create a log: checks the log in the data directory and makes the stored default car
    // current. False, with the reason on err, when there is no usable log there.
    static bool openLog(QTextStream& err);

    // Prints "pumpora: MESSAGE" on err and answers the failure status.
    static int fail(QTextStream& err, const QString& message);

    // The car with that key, or the current car for a null key. nullptr, with the reason on
    // err and the exit status in status, when there is no such car.
    static CarInfo* chooseCar(const QString& key, QTextStream& err, int& status);

private:
    QString m_name;
    QString m_summary;
    CommandSyntax m_syntax;
};
