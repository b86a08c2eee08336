#include "store/Setting.h"

#include "platform/Clock.h"
#include "platform/DocumentsDirectory.h"
#include "store/Session.h"

#include <QLockFile>
#include <QSettings>

namespace {

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

// QSettings keeps one parsed copy per file for the process and reads the file again when it
// changed, so opening it per call is cheap and sees what other programs stored.
QSettings openPreferences()
{
    return QSettings(Setting::preferencesPath(), QSettings::IniFormat);
}

// Held around every write of the preferences. Other programs write the same file (a command
// while the app runs): a default is stored only if the key is still unset with the lock held,
// so it can never land over a value another program stored and confirmed meanwhile.
class WriteLock
{
public:
    WriteLock()
        : m_lock(DocumentsDirectory::filePath(QStringLiteral("preferences.guard")))
    {
        m_locked = m_lock.tryLock(kTimeoutMs);
    }
    bool isLocked() const { return m_locked; }

private:
    static constexpr int kTimeoutMs = 3000;
    QLockFile m_lock;
    bool m_locked = false;
};

bool store(const char* name, const QVariant& value)
{
    const WriteLock lock;
    if (!lock.isLocked())
        return false;
    QSettings preferences = openPreferences();
    preferences.setValue(key(name), value);
    preferences.sync();
    return preferences.status() == QSettings::NoError;
}

// Stores the default unless the key holds a value by now (a stored 0 counts as none when
// zeroIsUnset), and answers the value the key then holds. When nothing can be stored the
// default is answered all the same; the next read tries again.
QVariant storeDefault(const char* name, const QVariant& value, bool zeroIsUnset = false)
{
    const WriteLock lock;
    if (!lock.isLocked())
        return value;
    QSettings preferences = openPreferences();
    const QVariant stored = preferences.value(key(name));
    if (stored.isValid() && !(zeroIsUnset && stored.toDouble() == 0))
        return stored;
    preferences.setValue(key(name), value);
    preferences.sync();
    return value;
}

Setting::StartDateDefault& startDateDefault()
{
    return Session::current().startDateDefault();
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
    if (value.isValid() && value.toDouble() != 0)
        return Date(value.toDouble());
    std::optional<Date> start;
    if (!value.isValid() && startDateDefault()) {
        QString error;
        start = startDateDefault()(&error);
        // A default taken from a log that could not be read would be wrong for good: keep
        // the period open for this read and store nothing.
        if (!error.isEmpty())
            return Clock::now();
    }
    if (!start)
        start = Clock::now();
    return Date(storeDefault(kCarFilterStartDate, start->timeIntervalSince1970(), true).toDouble());
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
    return (value.isValid() ? value : storeDefault(kPrecisionDigits, 2)).toInt();
}

bool Setting::setFloatValuePrecisionDigits(int digits)
{
    return store(kPrecisionDigits, digits < 1 || digits > 3 ? 2 : digits);
}

bool Setting::getGPSFlag()
{
    const QVariant value = openPreferences().value(key(kGPSFlag));
    return (value.isValid() ? value : storeDefault(kGPSFlag, true)).toBool();
}

bool Setting::setGPSFlag(bool on)
{
    return store(kGPSFlag, on);
}

void Setting::setStartDateDefault(StartDateDefault source)
{
    startDateDefault() = std::move(source);
}
