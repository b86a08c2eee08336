#include "store/Setting.h"

#include "platform/Clock.h"
#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "store/Session.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>

#include <filesystem>

namespace {

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
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

// The file's bytes; empty when there is no file yet, nullopt when it cannot be read.
std::optional<QByteArray> readPreferences()
{
    QFile file(Setting::preferencesPath());
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// The preferences' bytes under a name no QSettings of this process has seen. QSettings keeps
// one parsed copy per file name for the whole process and reads the file again only when its
// size or modification time changed: two programs writing files of the same size within the
// same millisecond defeat that, and the stale copy is then answered, or written back over what
// the other program stored. A copy under a new name is always parsed from its bytes.
class FreshCopy
{
public:
    FreshCopy(const QByteArray& bytes, const QString& folder)
        : m_file(QDir(folder).filePath(QStringLiteral("preferences.ini.XXXXXX")))
    {
        m_ready = m_file.open() && m_file.write(bytes) == bytes.size() && m_file.flush();
        m_file.close();
    }
    bool isReady() const { return m_ready; }
    QString fileName() const { return m_file.fileName(); }

    // Puts the copy in place of the preferences in one step.
    bool replacePreferences()
    {
        std::error_code failed;
        std::filesystem::rename(QFile::encodeName(fileName()).toStdString(),
            QFile::encodeName(Setting::preferencesPath()).toStdString(), failed);
        if (failed)
            return false;
        m_file.setAutoRemove(false);
        return true;
    }

private:
    QTemporaryFile m_file;
    bool m_ready = false;
};

// What the preferences hold now. The file is parsed again only when its bytes differ from the
// ones last parsed; it needs no lock, since it is only ever replaced whole. A file that cannot
// be read reads as empty, and the default then answered is not stored (see update).
QVariantMap currentValues()
{
    Setting::Snapshot& last = Session::current().preferences();
    const std::optional<QByteArray> bytes = readPreferences();
    if (!bytes)
        return {};
    if (last.read && last.bytes == *bytes)
        return last.values;
    // Read from a copy in the temporary folder: the data directory may be read-only.
    const FreshCopy copy(*bytes, QDir::tempPath());
    if (!copy.isReady())
        return {};
    const QSettings preferences(copy.fileName(), QSettings::IniFormat);
    QVariantMap values;
    for (const QString& name : preferences.allKeys())
        values.insert(name, preferences.value(name));
    last = { *bytes, values, true };
    return values;
}

QVariant currentValue(const char* name)
{
    return currentValues().value(key(name));
}

// Applies change to a fresh copy of the preferences with the file locked, then puts the copy
// in place of the file. change answers whether it changed anything; when it did not, the file
// stays as it is. False, with the reason, when the change could not be stored; the file is then
// as it was.
bool update(const std::function<bool(QSettings&)>& change, QString* error)
{
    const QString path = Setting::preferencesPath();
    const WriteLock lock;
    if (!lock.isLocked()) {
        setError(error, MainBundle::localizedString("偏好设置正被另一个程序写入，请稍后再试"));
        return false;
    }
    const std::optional<QByteArray> bytes = readPreferences();
    if (!bytes) {
        setError(error, MainBundle::localizedString("偏好设置 %1 无法读取").arg(path));
        return false;
    }
    FreshCopy copy(*bytes, DocumentsDirectory::path());
    if (copy.isReady()) {
        QSettings preferences(copy.fileName(), QSettings::IniFormat);
        if (!change(preferences))
            return true;
        preferences.sync();
        if (preferences.status() == QSettings::NoError && copy.replacePreferences())
            return true;
    }
    setError(error, MainBundle::localizedString("偏好设置 %1 无法写入，原有设置未变").arg(path));
    return false;
}

bool store(const char* name, const QVariant& value, QString* error)
{
    return update(
        [&](QSettings& preferences) {
            preferences.setValue(key(name), value);
            return true;
        },
        error);
}

// Stores the default unless the key holds a value by now (a stored 0 counts as none when
// zeroIsUnset), and answers the value the key then holds. When nothing can be stored the
// default is answered all the same; the next read tries again.
QVariant storeDefault(const char* name, const QVariant& value, bool zeroIsUnset = false)
{
    QVariant held = value;
    update(
        [&](QSettings& preferences) {
            const QVariant stored = preferences.value(key(name));
            if (stored.isValid() && !(zeroIsUnset && stored.toDouble() == 0)) {
                held = stored;
                return false;
            }
            preferences.setValue(key(name), value);
            return true;
        },
        nullptr);
    return held;
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
    const QVariant value = currentValue(kDefaultCar);
    return value.isValid() ? value.toString() : QString();
}

bool Setting::setDefaultCarID(const QString& carID, QString* error)
{
    return store(kDefaultCar, carID, error);
}

Date Setting::getStartDate()
{
    const QVariant value = currentValue(kCarFilterStartDate);
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

bool Setting::setStartDate(std::optional<Date> date, QString* error)
{
    if (!date)
        return true;
    return store(kCarFilterStartDate, date->timeIntervalSince1970(), error);
}

int Setting::getFloatValuePrecisionDigits()
{
    const QVariant value = currentValue(kPrecisionDigits);
    return (value.isValid() ? value : storeDefault(kPrecisionDigits, 2)).toInt();
}

bool Setting::setFloatValuePrecisionDigits(int digits, QString* error)
{
    return store(kPrecisionDigits, digits < 1 || digits > 3 ? 2 : digits, error);
}

bool Setting::getGPSFlag()
{
    const QVariant value = currentValue(kGPSFlag);
    return (value.isValid() ? value : storeDefault(kGPSFlag, true)).toBool();
}

bool Setting::setGPSFlag(bool on, QString* error)
{
    return store(kGPSFlag, on, error);
}

void Setting::setStartDateDefault(StartDateDefault source)
{
    startDateDefault() = std::move(source);
}
