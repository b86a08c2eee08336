#include "cli/PrefsSetCommand.h"

#include "cli/PrefsCommand.h"
#include "platform/MainBundle.h"
#include "store/CarManage.h"
#include "store/Setting.h"

#include <cmath>
#include <optional>

namespace {

// The period filter compares against the start written with six decimals.
constexpr double kFirstMomentOf1970 = 0.000001;

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

PrefsSetCommand::PrefsSetCommand()
    : HeadlessCommand(QStringLiteral("prefs set"), QStringLiteral("Store one preference and print it."))
{
    syntax()
        .argument(QStringLiteral("KEY"),
            QStringLiteral("DefaultCar, CarFilterStartDate, _Precision_digits_ or GPSFlag."))
        .argument(QStringLiteral("VALUE"),
            QStringLiteral("The key of a stored car (DefaultCar); seconds since 1970 (CarFilterStartDate, "
                           "where 0 is stored as 0.000001, 1 January 1970, since a stored 0 would restart "
                           "the period); 1, 2 or 3 (_Precision_digits_); true or false (GPSFlag)."));
}

int PrefsSetCommand::execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err)
{
    if (!openLog(err))
        return Failure;
    const QString key = arguments.positionalArguments().at(0);
    const QString value = arguments.positionalArguments().at(1);
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
            << "' (known: " << PrefsCommand::keys().join(QLatin1String(", ")) << ")\n";
        return UsageError;
    }
    if (!stored) {
        err << "pumpora: " << key << " could not be stored in " << Setting::preferencesPath() << '\n';
        return Failure;
    }
    out << PrefsCommand::line(key) << '\n';
    return Success;
}
