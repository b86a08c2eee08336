#include "cli/PrefsCommand.h"

#include "store/Setting.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

const QStringList& preferenceKeys()
{
    static const QStringList keys {
        QLatin1String(Setting::kDefaultCar),
        QLatin1String(Setting::kCarFilterStartDate),
        QLatin1String(Setting::kPrecisionDigits),
        QLatin1String(Setting::kGPSFlag),
    };
    return keys;
}

std::optional<bool> parseFlag(const QString& text)
{
    const QString lower = text.toLower();
    if (lower == QLatin1String("true") || lower == QLatin1String("yes") || lower == QLatin1String("1"))
        return true;
    if (lower == QLatin1String("false") || lower == QLatin1String("no") || lower == QLatin1String("0"))
        return false;
    return std::nullopt;
}

} // namespace

QString PrefsCommand::summary() const
{
    return QStringLiteral("Print the preferences (CarFilterStartDate in seconds since 1970),\n"
                          "or store one: DefaultCar TEXT, CarFilterStartDate SECONDS,\n"
                          "_Precision_digits_ 1|2|3, GPSFlag true|false.");
}

int PrefsCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const bool show = arguments.isEmpty();
    const bool store = arguments.size() == 3 && arguments.first() == QLatin1String("set");
    if (!show && !store) {
        err << "pumpora: usage: pumpora prefs [set KEY VALUE]\n";
        return UsageError;
    }
    // The start date's first read takes its default from the current car, as in the app.
    if (!openLog(err))
        return Failure;
    if (show) {
        for (const QString& key : preferenceKeys())
            out << line(key) << '\n';
        return Success;
    }
    return set(arguments.at(1), arguments.at(2), out, err);
}

int PrefsCommand::set(const QString& key, const QString& value, QTextStream& out, QTextStream& err)
{
    bool stored = false;
    if (key == QLatin1String(Setting::kDefaultCar)) {
        stored = Setting::setDefaultCarID(value);
    } else if (key == QLatin1String(Setting::kCarFilterStartDate)) {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !std::isfinite(seconds)) {
            err << "pumpora: " << key << " needs seconds since 1970, not '" << value << "'\n";
            return UsageError;
        }
        stored = Setting::setStartDate(Date(seconds));
    } else if (key == QLatin1String(Setting::kPrecisionDigits)) {
        bool ok = false;
        const int digits = value.toInt(&ok);
        if (!ok) {
            err << "pumpora: " << key << " needs a whole number, not '" << value << "'\n";
            return UsageError;
        }
        stored = Setting::setFloatValuePrecisionDigits(digits);
    } else if (key == QLatin1String(Setting::kGPSFlag)) {
        const std::optional<bool> flag = parseFlag(value);
        if (!flag) {
            err << "pumpora: " << key << " needs true or false, not '" << value << "'\n";
            return UsageError;
        }
        stored = Setting::setGPSFlag(*flag);
    } else {
        err << "pumpora: unknown preference '" << key
            << "' (known: " << preferenceKeys().join(QLatin1String(", ")) << ")\n";
        return UsageError;
    }
    if (!stored) {
        err << "pumpora: " << key << " could not be stored in " << Setting::preferencesPath() << '\n';
        return Failure;
    }
    out << line(key) << '\n';
    return Success;
}

QString PrefsCommand::line(const QString& key)
{
    QString value;
    if (key == QLatin1String(Setting::kDefaultCar))
        value = Setting::getDefaultCarID();
    else if (key == QLatin1String(Setting::kCarFilterStartDate))
        value = QString::number(
            Setting::getStartDate().timeIntervalSince1970(), 'f', QLocale::FloatingPointShortest);
    else if (key == QLatin1String(Setting::kPrecisionDigits))
        value = QString::number(Setting::getFloatValuePrecisionDigits());
    else
        value = Setting::getGPSFlag() ? QStringLiteral("true") : QStringLiteral("false");
    return key + QLatin1Char('=') + value;
}
