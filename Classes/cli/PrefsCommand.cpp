#include "cli/PrefsCommand.h"

#include "platform/MainBundle.h"
#include "store/CarManage.h"
#include "store/Setting.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

// The period filter compares against the start written with six decimals.
constexpr double kFirstMomentOf1970 = 0.000001;

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
                          "or store one: DefaultCar KEY (of a stored car), CarFilterStartDate SECONDS,\n"
                          "_Precision_digits_ 1|2|3, GPSFlag true|false. A start of 0 is stored\n"
                          "as 0.000001 (1 January 1970): a stored 0 would restart the period.");
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
    const auto refuse = [&err](const QString& message) {
        fail(err, message);
        return UsageError;
    };
    bool stored = false;
    if (key == QLatin1String(Setting::kDefaultCar)) {
        QStringList keys;
        for (const CarInfo* car : CarManage::sharedCarManage()->getAllCars())
            keys << car->carID;
        if (!keys.contains(value)) {
            return refuse(
                MainBundle::localizedString("DefaultCar 须是已存车辆的键，而不是“%1”（已存的键：%2）")
                    .arg(printable(value),
                        keys.isEmpty() ? MainBundle::localizedString("尚无车辆")
                                       : keys.join(QLatin1String(", "))));
        }
        stored = Setting::setDefaultCarID(value);
    } else if (key == QLatin1String(Setting::kCarFilterStartDate)) {
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !std::isfinite(seconds)) {
            err << "pumpora: " << key << " needs seconds since 1970, not '" << printable(value) << "'\n";
            return UsageError;
        }
        // A stored 0 means "not set yet" and would restart the period at the next read; a
        // millionth of a second, the finest step the period filter reads, keeps 1 January 1970.
        stored = Setting::setStartDate(Date(seconds == 0 ? kFirstMomentOf1970 : seconds));
    } else if (key == QLatin1String(Setting::kPrecisionDigits)) {
        bool ok = false;
        const int digits = value.toInt(&ok);
        if (!ok || digits < 1 || digits > 3)
            return refuse(
                MainBundle::localizedString("%1 须是 1、2 或 3，而不是“%2”").arg(key, printable(value)));
        stored = Setting::setFloatValuePrecisionDigits(digits);
    } else if (key == QLatin1String(Setting::kGPSFlag)) {
        const std::optional<bool> flag = parseFlag(value);
        if (!flag) {
            err << "pumpora: " << key << " needs true or false, not '" << printable(value) << "'\n";
            return UsageError;
        }
        stored = Setting::setGPSFlag(*flag);
    } else {
        err << "pumpora: unknown preference '" << printable(key)
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
