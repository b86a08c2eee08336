#pragma once

#include "cli/HeadlessCommand.h"

// `init`: puts the seed database in place and prints the data directory.
class InitCommand : public HeadlessCommand
{
public:
    QString name() const override { return QStringLiteral("init"); }
    QString synopsis() const override { return QString(); }
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;
};
