#pragma once

#include <QLoggingCategory>
#include <QString>

// A locale the date and number formats cannot serve.
Q_DECLARE_LOGGING_CATEGORY(lcLocale)

// The device's locale and time zone, as every calendar, date pattern and number rule sees them.
// Both start from the process environment (LANG, TZ); tests set them explicitly.
class DeviceLocale
{
public:
    // ICU locale identifier, for example "en_US" or "zh_CN".
    static QString localeName();
    static void setLocaleName(const QString& name);

    // Olson identifier, for example "Asia/Shanghai".
    static void setTimeZoneId(const QString& id);

    // Chinese is the language of the string table's keys, so it needs no translation.
    static bool isChinese();
};
