#pragma once

#include "cli/CommandLineTool.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// Runs the command line in-process and keeps what it printed.
class CommandLineRun
{
public:
    int operator()(const QStringList& arguments)
    {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return CommandLineTool().run(arguments, outStream, errStream);
    }

    QString out;
    QString err;
};
