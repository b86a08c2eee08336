#pragma once

#include "cli/HeadlessCommand.h"

// `export-pdf [--car KEY] [--out FILE]`: writes a car's PDF report exactly as the report
// screen's export does (its month lines, its charts) and prints the file's path.
class ExportPdfCommand : public HeadlessCommand
{
public:
    QString name() const override { return QStringLiteral("export-pdf"); }
    QString synopsis() const override { return QStringLiteral("[--car KEY] [--out FILE]"); }
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};
