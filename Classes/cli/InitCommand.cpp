#include "cli/InitCommand.h"

#include "platform/DocumentsDirectory.h"
#include "store/Utility.h"

InitCommand::InitCommand()
    : HeadlessCommand(QStringLiteral("init"),
        QStringLiteral("Create the data directory and its database; print the directory."))
{ }

int InitCommand::execute(const QCommandLineParser&, QTextStream& out, QTextStream& err)
{
    QString error;
    if (!Utility::copyDatabase(&error))
        return fail(err, error);
    out << DocumentsDirectory::path() << '\n';
    return Success;
}
