#pragma once

#include "cli/HeadlessCommand.h"

// `report [--car KEY] [--json]`: a car's whole-period figures and its month lines, exactly as
// the overview and the report screen show them.
class ReportCommand : public HeadlessCommand
{
public:
    ReportCommand();

protected:
    int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) override;

private:
    const QCommandLineOption m_car = carOption();
    const QCommandLineOption m_json = jsonOption();
};
