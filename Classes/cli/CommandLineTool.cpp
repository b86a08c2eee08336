#include "cli/CommandLineTool.h"

#include "cli/CarsCommand.h"
#include "cli/ExportPdfCommand.h"
#include "cli/InitCommand.h"
#include "cli/PrefsCommand.h"
#include "cli/ReportCommand.h"
#include "store/Session.h"

namespace {

const QLatin1String kDataDirOption("--data-dir");

} // namespace

CommandLineTool::CommandLineTool()
{
    m_commands.push_back(std::make_unique<InitCommand>());
    m_commands.push_back(std::make_unique<PrefsCommand>());
    m_commands.push_back(std::make_unique<CarsCommand>());
    m_commands.push_back(std::make_unique<ReportCommand>());
    m_commands.push_back(std::make_unique<ExportPdfCommand>());
}

CommandLineTool::~CommandLineTool() = default;

CommandLineTool::Invocation CommandLineTool::parse(const QStringList& arguments)
{
    Invocation invocation;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kDataDirOption) {
            if (i + 1 == arguments.size() || arguments.at(i + 1).isEmpty()) {
                invocation.error = QStringLiteral("--data-dir needs a directory");
                return invocation;
            }
            invocation.dataDirectory = arguments.at(++i);
        } else if (argument.startsWith(kDataDirOption + QLatin1Char('='))) {
            invocation.dataDirectory = argument.mid(kDataDirOption.size() + 1);
            if (invocation.dataDirectory.isEmpty()) {
                invocation.error = QStringLiteral("--data-dir needs a directory");
                return invocation;
            }
        } else {
            break;
        }
    }
    invocation.rest = arguments.mid(i);
    return invocation;
}

bool CommandLineTool::startsApp(const QStringList& arguments)
{
    const Invocation invocation = parse(arguments);
    return invocation.error.isEmpty() && invocation.rest.isEmpty();
}

int CommandLineTool::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const Invocation invocation = parse(arguments);
    if (!invocation.error.isEmpty()) {
        err << "pumpora: " << invocation.error << '\n';
        return HeadlessCommand::UsageError;
    }
    if (invocation.rest.isEmpty()) {
        printHelp(err);
        return HeadlessCommand::UsageError;
    }

    const QString& name = invocation.rest.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp(out);
        return HeadlessCommand::Success;
    }
    if (name == QLatin1String("--version")) {
        out << "pumpora " << PUMPORA_VERSION << '\n';
        return HeadlessCommand::Success;
    }
    for (const auto& command : m_commands) {
        if (command->name() == name) {
            // Every command works in a session of its own, as the app does.
            Session session(invocation.dataDirectory);
            return command->run(invocation.rest.mid(1), out, err);
        }
    }
    err << "pumpora: unknown command '" << name << "' (see pumpora --help)\n";
    return HeadlessCommand::UsageError;
}

void CommandLineTool::printHelp(QTextStream& out) const
{
    out << "Usage: pumpora [--data-dir DIR]                 start the app\n"
           "       pumpora [--data-dir DIR] COMMAND [ARGS]  run a command without a display\n"
           "\n"
           "The data directory holds the whole log; it defaults to PUMPORA_DATA_DIR, else to\n"
           "the platform's application data folder.\n"
           "\n"
           "Commands:\n";
    for (const auto& command : m_commands) {
        out << "  " << command->name();
        if (!command->synopsis().isEmpty())
            out << ' ' << command->synopsis();
        out << "\n      " << QString(command->summary()).replace(QLatin1Char('\n'), QLatin1String("\n      "))
            << '\n';
    }
    out << "  --help, --version\n";
}
