#pragma once

#include "cli/HeadlessCommand.h"

// `prefs`: prints the four preferences as KEY=VALUE lines.
class PrefsCommand : public HeadlessCommand
{
public:
    PrefsCommand();

    // The four keys, in the order they are printed.
    static const QStringList& keys();
    // "KEY=VALUE" as printed; reading a preference stores its default the first time, as the
    // app's first read does.
    static QString line(const QString& key);

protected:
    int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) override;
};
