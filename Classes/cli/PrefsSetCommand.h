#pragma once

#include "cli/HeadlessCommand.h"

// `prefs set KEY VALUE`: stores one preference through its setter, so the setter's rules
// apply, and prints it as `prefs` does.
class PrefsSetCommand : public HeadlessCommand
{
public:
    PrefsSetCommand();

protected:
    int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) override;
};
