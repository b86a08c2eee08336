#include "cli/PrefsCommand.h"

#include "store/Setting.h"

#include <QLocale>

PrefsCommand::PrefsCommand()
    : HeadlessCommand(QStringLiteral("prefs"),
        QStringLiteral("Print the preferences, CarFilterStartDate in seconds since 1970."))
{ }

const QStringList& PrefsCommand::keys()
{
    static const QStringList keys {
        QLatin1String(Setting::kDefaultCar),
        QLatin1String(Setting::kCarFilterStartDate),
        QLatin1String(Setting::kPrecisionDigits),
        QLatin1String(Setting::kGPSFlag),
    };
    return keys;
}

int PrefsCommand::execute(const QCommandLineParser&, QTextStream& out, QTextStream& err)
{
    // The start date's first read takes its default from the current car, as in the app.
    if (!openLog(err))
        return Failure;
    for (const QString& key : keys())
        out << line(key) << '\n';
    return Success;
}

QString PrefsCommand::line(const QString& key)
{
    QString value;
    if (key == QLatin1String(Setting::kDefaultCar))
        value = printable(Setting::getDefaultCarID());
    else if (key == QLatin1String(Setting::kCarFilterStartDate))
        value = QString::number(
            Setting::getStartDate().timeIntervalSince1970(), 'f', QLocale::FloatingPointShortest);
    else if (key == QLatin1String(Setting::kPrecisionDigits))
        value = QString::number(Setting::getFloatValuePrecisionDigits());
    else
        value = Setting::getGPSFlag() ? QStringLiteral("true") : QStringLiteral("false");
    return key + QLatin1Char('=') + value;
}
