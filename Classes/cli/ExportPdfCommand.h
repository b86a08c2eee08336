#pragma once

#include "cli/HeadlessCommand.h"

// `export-pdf [--car KEY] [--out FILE]`: writes a car's PDF report exactly as the report
// screen's export does (its month lines, its charts) and prints the file's path.
class ExportPdfCommand : public HeadlessCommand
{
public:
    ExportPdfCommand();

protected:
    int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) override;

private:
    const QCommandLineOption m_car = carOption();
    const QCommandLineOption m_out;
};
