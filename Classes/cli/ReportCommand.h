#pragma once

#include "cli/HeadlessCommand.h"

// `report [--car KEY] [--json]`: a car's whole-period figures and its month lines, exactly as
// the overview and the report screen show them.
class ReportCommand : public HeadlessCommand
{
public:
    QString name() const override { return QStringLiteral("report"); }
    QString synopsis() const override { return QStringLiteral("[--car KEY] [--json]"); }
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};
