#include "cli/InitCommand.h"

#include "platform/DocumentsDirectory.h"
#include "store/Utility.h"

QString InitCommand::summary() const
{
    return QStringLiteral("Create the data directory and its database; print the directory.");
}

int InitCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!arguments.isEmpty()) {
        err << "pumpora: init takes no arguments\n";
        return UsageError;
    }
    QString error;
    if (!Utility::copyDatabase(&error)) {
        err << "pumpora: " << error << '\n';
        return Failure;
    }
    out << DocumentsDirectory::path() << '\n';
    return Success;
}
