#pragma once

#include "cli/HeadlessCommand.h"

// `init`: puts the seed database in place and prints the data directory.
class InitCommand : public HeadlessCommand
{
public:
    InitCommand();

protected:
    int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) override;
};
