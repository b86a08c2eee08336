#include "cli/CommandLineTool.h"

#include "cli/CarsCommand.h"
#include "cli/ExportPdfCommand.h"
#include "cli/InitCommand.h"
#include "cli/PrefsCommand.h"
#include "cli/PrefsSetCommand.h"
#include "cli/ReportCommand.h"
#include "store/Session.h"

CommandLineTool::CommandLineTool()
    : m_dataDirectory(QStringLiteral("data-dir"),
        QStringLiteral("The folder that holds the whole log; without it, PUMPORA_DATA_DIR, else the "
                       "platform's application data folder."),
        QStringLiteral("DIR"))
    , m_version(QStringLiteral("version"), QStringLiteral("Print the version, then exit."))
{
    m_syntax.option(m_dataDirectory)
        .informationOption(CommandSyntax::helpOption())
        .informationOption(m_version)
        .remainder(QStringLiteral("[COMMAND [ARGS]]"));
    m_commands.push_back(std::make_unique<InitCommand>());
    m_commands.push_back(std::make_unique<PrefsCommand>());
    m_commands.push_back(std::make_unique<PrefsSetCommand>());
    m_commands.push_back(std::make_unique<CarsCommand>());
    m_commands.push_back(std::make_unique<ReportCommand>());
    m_commands.push_back(std::make_unique<ExportPdfCommand>());
}

CommandLineTool::~CommandLineTool() = default;

CommandLineTool::Invocation CommandLineTool::parse(const QStringList& arguments) const
{
    Invocation invocation;
    QCommandLineParser parser;
    if (!m_syntax.parse(parser, arguments, &invocation.error))
        return invocation;
    invocation.dataDirectory = parser.value(m_dataDirectory);
    invocation.help = parser.isSet(CommandSyntax::helpOption());
    invocation.version = parser.isSet(m_version);
    invocation.command = parser.positionalArguments();
    // "pumpora help" asks for the help as well.
    if (invocation.command == QStringList { QStringLiteral("help") }) {
        invocation.help = true;
        invocation.command.clear();
    }
    return invocation;
}

bool CommandLineTool::startsApp(const QStringList& arguments) const
{
    const Invocation invocation = parse(arguments);
    return invocation.error.isEmpty() && !invocation.help && !invocation.version
        && invocation.command.isEmpty();
}

QString CommandLineTool::dataDirectory(const QStringList& arguments) const
{
    return parse(arguments).dataDirectory;
}

int CommandLineTool::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const Invocation invocation = parse(arguments);
    if (!invocation.error.isEmpty()) {
        err << "pumpora: " << HeadlessCommand::printable(invocation.error) << " (see pumpora --help)\n";
        return HeadlessCommand::UsageError;
    }
    if (invocation.help) {
        out << helpText();
        return HeadlessCommand::Success;
    }
    if (invocation.version) {
        out << "pumpora " << PUMPORA_VERSION << '\n';
        return HeadlessCommand::Success;
    }
    if (invocation.command.isEmpty()) {
        err << helpText();
        return HeadlessCommand::UsageError;
    }
    qsizetype taken = 0;
    HeadlessCommand* command = commandFor(invocation.command, taken);
    if (!command) {
        err << "pumpora: unknown command '" << HeadlessCommand::printable(invocation.command.first())
            << "' (see pumpora --help)\n";
        return HeadlessCommand::UsageError;
    }
    // Every command works in a session of its own, as the app does.
    const Session session(invocation.dataDirectory);
    return command->run(invocation.command.mid(taken), out, err);
}

HeadlessCommand* CommandLineTool::commandFor(const QStringList& words, qsizetype& taken) const
{
    HeadlessCommand* found = nullptr;
    taken = 0;
    for (const auto& command : m_commands) {
        const QStringList name = command->name().split(QLatin1Char(' '));
        if (name.size() > taken && words.mid(0, name.size()) == name) {
            found = command.get();
            taken = name.size();
        }
    }
    return found;
}

QString CommandLineTool::helpText() const
{
    QString commands;
    for (const auto& command : m_commands) {
        commands += QLatin1String("  ") + command->usage() + QLatin1String("\n      ")
            + CommandSyntax::wrapped(command->summary(), 6, 74) + QLatin1Char('\n');
    }
    const QString description
        = QStringLiteral("Without a command, pumpora opens its window; with one, it runs the command "
                         "without a display and prints its results. pumpora COMMAND --help describes a "
                         "command.");
    return QStringLiteral("Usage: pumpora %1\n\n%2\n\n%3\nCommands:\n%4")
        .arg(m_syntax.synopsis(), CommandSyntax::wrapped(description, 0), m_syntax.tables(), commands);
}
