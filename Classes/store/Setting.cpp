#include "store/Setting.h"

#include "platform/Clock.h"
#include "platform/DocumentsDirectory.h"

#include <QSettings>

namespace {

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

// QSettings keeps one parsed copy per file for the process, so opening it per call is cheap.
QSettings openPreferences()
{
    return QSettings(Setting::preferencesPath(), QSettings::IniFormat);
}

bool store(const char* name, const QVariant& value)
{
    QSettings preferences = openPreferences();
    preferences.setValue(key(name), value);
    preferences.sync();
    return preferences.status() == QSettings::NoError;
}

Setting::StartDateDefault& startDateDefault()
{
    static Setting::StartDateDefault source;
    return source;
}

} // namespace

QString Setting::preferencesPath()
{
    return DocumentsDirectory::filePath(QStringLiteral("preferences.ini"));
}

QString Setting::getDefaultCarID()
{
    const QVariant value = openPreferences().value(key(kDefaultCar));
    return value.isValid() ? value.toString() : QString();
}

bool Setting::setDefaultCarID(const QString& carID)
{
    return store(kDefaultCar, carID);
}

Date Setting::getStartDate()
{
    const QVariant value = openPreferences().value(key(kCarFilterStartDate));
    if (value.isValid()) {
        const double seconds = value.toDouble();
        if (seconds != 0)
            return Date(seconds);
        const Date now = Clock::now();
        setStartDate(now);
        return now;
    }
    std::optional<Date> start;
    if (startDateDefault())
        start = startDateDefault()();
    if (!start)
        start = Clock::now();
    setStartDate(start);
    return *start;
}

bool Setting::setStartDate(std::optional<Date> date)
{
    if (!date)
        return true;
    return store(kCarFilterStartDate, date->timeIntervalSince1970());
}

int Setting::getFloatValuePrecisionDigits()
{
    const QVariant value = openPreferences().value(key(kPrecisionDigits));
    if (!value.isValid()) {
        store(kPrecisionDigits, 2);
        return 2;
    }
    return value.toInt();
}

bool Setting::setFloatValuePrecisionDigits(int digits)
{
    return store(kPrecisionDigits, digits < 1 || digits > 3 ? 2 : digits);
}

bool Setting::getGPSFlag()
{
    const QVariant value = openPreferences().value(key(kGPSFlag));
    if (!value.isValid()) {
        store(kGPSFlag, true);
        return true;
    }
    return value.toBool();
}

bool Setting::setGPSFlag(bool on)
{
    return store(kGPSFlag, on);
}

void Setting::setStartDateDefault(StartDateDefault source)
{
    startDateDefault() = std::move(source);
}
