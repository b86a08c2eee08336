#pragma once

#include "cli/HeadlessCommand.h"

// `cars [--json]`: the cars in the store's order, the current one marked.
class CarsCommand : public HeadlessCommand
{
public:
    CarsCommand();

protected:
    int execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err) override;

private:
    const QCommandLineOption m_json = jsonOption();
};
