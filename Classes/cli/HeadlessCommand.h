#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

class CarInfo;

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

protected:
    // What the app does at launch before it shows anything, except that only init and the app
    // create a log: checks the log in the data directory and makes the stored default car
    // current. False, with the reason on err, when there is no usable log there.
    static bool openLog(QTextStream& err);

    // Prints "pumpora: MESSAGE" on err and answers the failure status.
    static int fail(QTextStream& err, const QString& message);

    // A text from the log as the terminal may show it: control characters escaped ("\n",
    // "\x1b"), so that a name cannot move the cursor, clear the screen or fake a line.
    static QString printable(const QString& text);

    // The car with that key, or the current car for a null key. nullptr, with the reason on
    // err and the exit status in status, when there is no such car.
    static CarInfo* chooseCar(const QString& key, QTextStream& err, int& status);
};
