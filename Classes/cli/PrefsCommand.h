#pragma once

#include "cli/HeadlessCommand.h"

// `prefs`: prints the four preferences as KEY=VALUE lines; `prefs set KEY VALUE` stores one
// through its setter, so the setter's rules apply.
class PrefsCommand : public HeadlessCommand
{
public:
    QString name() const override { return QStringLiteral("prefs"); }
    QString synopsis() const override { return QStringLiteral("[set KEY VALUE]"); }
    QString summary() const override;
    int run(const QStringList& arguments, QTextStream& out, QTextStream& err) override;

private:
    static int set(const QString& key, const QString& value, QTextStream& out, QTextStream& err);
    static QString line(const QString& key);
};
