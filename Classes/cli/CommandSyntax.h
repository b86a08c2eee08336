#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// What a command line takes, declared once: its options and its positional arguments. The
// parser, the synopsis in the command overview, the --help text and the usage errors are all
// made from the declaration, so none of them can tell a different story.
//
// Options come before the arguments: from the first argument on, everything is an argument,
// so that a value such as a negative number of seconds is never taken for an option.
class CommandSyntax
{
public:
    CommandSyntax& option(const QCommandLineOption& option);
    // An option that only asks for information (--help, --version): it is left out of the
    // synopsis, and with it given the arguments are not checked.
    CommandSyntax& informationOption(const QCommandLineOption& option);
    // An argument every call gives, in the order declared.
    CommandSyntax& argument(const QString& name, const QString& description);
    // What follows the declared arguments, as the synopsis shows it ("[ARGS]"); anything goes.
    CommandSyntax& remainder(const QString& syntax);

    // "[--car KEY] [--json]", "KEY VALUE".
    QString synopsis() const;

    // The "Options:" table, information options last, and the "Arguments:" table, descriptions
    // wrapped to the terminal's 80 columns.
    QString tables() const;

    // Parses the arguments (without the program's or the command's name) into parser. False,
    // with the reason in *error, for an unknown option, a missing or empty value or, unless an
    // information option was given, the wrong number of arguments.
    bool parse(QCommandLineParser& parser, const QStringList& arguments, QString* error) const;

    // -h, --help, which every command line takes.
    static QCommandLineOption helpOption();

    // Text wrapped to width columns, every line after the first indented by indent spaces.
    static QString wrapped(const QString& text, int indent, int width = 80);

private:
    struct Option
    {
        QCommandLineOption option;
        bool informational;
    };
    struct Argument
    {
        QString name;
        QString description;
    };

    QList<Option> m_options;
    QList<Argument> m_arguments;
    QString m_remainder; // empty when nothing may follow the arguments
};
