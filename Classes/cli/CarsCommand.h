#pragma once

#include "cli/HeadlessCommand.h"

// `cars [--json]`: the cars in the store's order, the current one marked.
class CarsCommand : public HeadlessCommand
{
public:
    QString name() const override { return QStringLiteral("cars"); }
    QString synopsis() const override { return QStringLiteral("[--json]"); }
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};
