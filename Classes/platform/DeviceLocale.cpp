#include "platform/DeviceLocale.h"

#include <cstdlib>
#include <ctime>
#include <string>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

Q_LOGGING_CATEGORY(lcLocale, "pumpora.locale")

QString DeviceLocale::localeName()
{
    return QString::fromLatin1(icu::Locale::getDefault().getName());
}

void DeviceLocale::setLocaleName(const QString& name)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(name.toLatin1().constData()), status);
}

void DeviceLocale::setTimeZoneId(const QString& id)
{
    icu::TimeZone::adoptDefault(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(id.toStdString())));
    // Keep the C library (and with it Qt's local time) in step with ICU.
    qputenv("TZ", id.toUtf8());
    tzset();
}

bool DeviceLocale::isChinese()
{
    return qstrcmp(icu::Locale::getDefault().getLanguage(), "zh") == 0;
}
