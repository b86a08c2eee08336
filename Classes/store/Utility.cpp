#include "store/Utility.h"

#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "reports/NumberConversion.h"
#include "store/Oil.h"
#include "store/Session.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QSysInfo>
#include <QUuid>

#include <cmath>
#include <optional>
#include <string>
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

namespace {

struct TableShape
{
    const char* name;
    std::initializer_list<const char*> columns;
};

// Every column the store reads or writes.
const TableShape kTables[] = {
    { "car_information",
        { "car_id", "car_name", "car_capacity", "car_oil_spec", "car_init_mile", "register_date",
            "update_date", "notes", "unit", "begin_date", "end_date", "maxvolumn", "thumbnail" } },
    { "oil_history",
        { "history_id", "car_id", "oil_money", "oil_price", "oil_volumn", "oil_spec", "oil_date",
            "car_mileage", "notes", "oil_month", "longitude", "latitude", "update_date" } },
};

const char* const kListFiles[] = { "OilSpec_Info.plist", "Unit_Info.plist" };

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Whether the file at path has both tables with every column; any failure to read the
// schema is reported as it is (busy, or not a database), never taken for a missing table. One
// statement lists the columns of both tables: every start checks them.
bool checkShape(const QString& path, QString* error)
{
    QStringList tableColumns;
    for (const TableShape& table : kTables) {
        tableColumns << QStringLiteral("select '%1', name from pragma_table_info('%1')")
                            .arg(QLatin1String(table.name));
    }
    StoreStatement info(tableColumns.join(QLatin1String(" union all ")), path);
    QHash<QString, QSet<QString>> present;
    while (info.nextRow())
        present[info.columnText(0)].insert(info.columnText(1));
    if (info.hasError()) {
        setError(error,
            info.isBusy() ? info.errorString()
                          : MainBundle::localizedString("%1 无法作为数据库打开（%2），文件未作改动")
                                .arg(path, info.sqliteErrorString()));
        return false;
    }
    QStringList missingParts;
    for (const TableShape& table : kTables) {
        const QSet<QString> columns = present.value(QLatin1String(table.name));
        if (columns.isEmpty()) {
            missingParts << MainBundle::localizedString("缺少表 %1").arg(QLatin1String(table.name));
            continue;
        }
        QStringList missing;
        for (const char* column : table.columns) {
            if (!columns.contains(QLatin1String(column)))
                missing << QLatin1String(column);
        }
        if (!missing.isEmpty()) {
            missingParts << MainBundle::localizedString("表 %1 缺少列 %2")
                                .arg(QLatin1String(table.name), missing.join(QLatin1String(", ")));
        }
    }
    if (missingParts.isEmpty())
        return true;
    setError(error,
        MainBundle::localizedString("%1 不是本程序的油耗记录（%2），文件未作改动")
            .arg(path, missingParts.join(QLatin1String("; "))));
    return false;
}

// Held while the program decides whether a file of the documents directory still needs its
// seed and puts it there, so that no other program can decide the same in between.
class DirectoryLock
{
public:
    DirectoryLock()
        : m_lock(DocumentsDirectory::filePath(QStringLiteral("pumpora.lock")))
    {
        m_locked = m_lock.tryLock(StoreStatement::kBusyTimeoutMs);
    }
    bool isLocked() const { return m_locked; }
    static QString busyMessage()
    {
        return MainBundle::localizedString("数据目录 %1 正被另一个程序设置，请稍后再试")
            .arg(DocumentsDirectory::path());
    }

private:
    QLockFile m_lock;
    bool m_locked = false;
};

// Writes the resource over the destination in one step (temporary file and rename), writable
// by its owner: files compiled into the resources come out read-only otherwise.
bool installResource(const QString& resourcePath, const QString& destinationPath)
{
    QFile resource(resourcePath);
    if (resourcePath.isEmpty() || !resource.open(QIODevice::ReadOnly))
        return false;
    QSaveFile destination(destinationPath);
    if (!destination.open(QIODevice::WriteOnly))
        return false;
    if (destination.write(resource.readAll()) < 0 || !destination.commit())
        return false;
    return QFile::setPermissions(
        destinationPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

// Like scanning a float from the start of the text: the longest leading "digits[.digits]".
std::optional<float> scanVersion(const QString& versionText)
{
    const QString text = versionText.trimmed();
    qsizetype end = 0;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    if (end < text.size() && text.at(end) == QLatin1Char('.')) {
        qsizetype fraction = end + 1;
        while (fraction < text.size() && text.at(fraction).isDigit())
            ++fraction;
        if (end > 0 || fraction > end + 1)
            end = fraction;
    }
    if (end == 0)
        return std::nullopt;
    return text.left(end).toFloat();
}

int decimalDigits(qint64 wholePart)
{
    quint64 magnitude = wholePart < 0 ? 0 - quint64(wholePart) : quint64(wholePart);
    int digits = 0;
    while (magnitude != 0) {
        magnitude /= 10;
        ++digits;
    }
    return digits;
}

} // namespace

QString Utility::getDBPath()
{
    return DocumentsDirectory::filePath(QStringLiteral("oil_db.sqlite"));
}

bool Utility::copyDatabase(QString* error)
{
    if (!DocumentsDirectory::ensureExists()) {
        setError(error, MainBundle::localizedString("无法创建数据目录 %1").arg(DocumentsDirectory::path()));
        return false;
    }
    const QString path = getDBPath();
    const auto needsSeed = [&path] {
        const QFileInfo file(path);
        return !file.exists() || (file.isFile() && file.size() == 0);
    };
    // A seed is only ever put in place whole (renamed over), so a database seen in place stays
    // there: only a start that may need to seed it takes the lock, whose file is synced to disk.
    if (needsSeed()) {
        const DirectoryLock lock;
        if (!lock.isLocked()) {
            setError(error, DirectoryLock::busyMessage());
            return false;
        }
        if (needsSeed()
            && !installResource(
                MainBundle::pathForResource(QStringLiteral("oil_db"), QStringLiteral("sqlite")), path)) {
            setError(error, MainBundle::localizedString("无法在 %1 放入初始数据库").arg(path));
            return false;
        }
    }
    return checkDatabase(error);
}

bool Utility::checkDatabase(QString* error)
{
    const QString path = getDBPath();
    const QFileInfo file(path);
    if (!file.exists() || (file.isFile() && file.size() == 0)) {
        setError(error, MainBundle::localizedString("%1 中没有油耗记录").arg(DocumentsDirectory::path()));
        return false;
    }
    return checkShape(path, error);
}

bool Utility::copyResourceIfMissing(const QString& resourcePath, const QString& destinationPath)
{
    if (QFile::exists(destinationPath))
        return true;
    if (!DocumentsDirectory::ensureExists())
        return false;
    const DirectoryLock lock;
    if (!lock.isLocked())
        return false;
    return QFile::exists(destinationPath) || installResource(resourcePath, destinationPath);
}

bool Utility::isLogFile(const QString& path)
{
    QStringList logFiles { getDBPath(), Setting::preferencesPath() };
    for (const QString& suffix :
        { QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm") })
        logFiles << getDBPath() + suffix;
    for (const char* name : kListFiles)
        logFiles << DocumentsDirectory::filePath(QLatin1String(name));

    // Each file by its own path and by where its links lead.
    const auto names = [](const QString& file) {
        const QFileInfo info(file);
        QStringList paths { QDir::cleanPath(info.absoluteFilePath()) };
        if (!info.canonicalFilePath().isEmpty())
            paths << info.canonicalFilePath();
        return paths;
    };
    const QStringList target = names(path);
    for (const QString& logFile : logFiles) {
        for (const QString& name : names(logFile)) {
            if (target.contains(name))
                return true;
        }
    }
    return false;
}

bool Utility::executeSQL(const QString& sql, QString* error)
{
    StoreStatement statement(sql);
    if (statement.execute())
        return true;
    setError(error, statement.errorString());
    return false;
}

QString Utility::UUID()
{
    const QString result = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    Q_ASSERT_X(result.size() == 36, "Utility::UUID", "result != nil");
    return result;
}

QString Utility::getCurrencySybol()
{
    return Session::current().currencySymbol();
}

QString Utility::currencySymbolForLocale(const QString& localeName)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(icu::Locale(localeName.toLatin1().constData()), status);
    if (U_FAILURE(status))
        return QString();
    std::string utf8;
    return QString::fromStdString(
        symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol).toUTF8String(utf8));
}

float Utility::CurrentIOSVersion()
{
    // A remembered value above 1 is kept; anything else is scanned again on the next call.
    static float remembered = 0.0f;
    if (remembered > 1.0f)
        return remembered;
    const std::optional<float> version = scanVersion(QSysInfo::productVersion());
    if (!version)
        return 0.0f;
    remembered = *version;
    return *version;
}

float Utility::versionFromText(const QString& versionText)
{
    return scanVersion(versionText).value_or(0.0f);
}

bool Utility::IOSVersion50Late(float version)
{
    return version > 4.9f;
}

bool Utility::IOSVersion32Late(float version)
{
    return version > 3.19f;
}

bool Utility::IOSVersion31Late(float version)
{
    return version > 3.05f;
}

qint64 Utility::ChartYAxisSetOff(
    double range, quint16 markTicks, const quint64* qiwangBeisBuffers, quint8 qiwangbeisLens)
{
    const quint16 count = markTicks;
    // Checked in every build: a zero count would otherwise divide by zero below.
    if (count == 0)
        qt_assert("count != 0", __FILE__, __LINE__);

    if (qiwangBeisBuffers == nullptr || qiwangbeisLens == 0) {
        if (!std::isfinite(range))
            return 1;
        return NumberConversion::truncatedToInt64(range * 1.2 / count);
    }

    const int digits = decimalDigits(NumberConversion::truncatedToInt64(range));

    // Small ranges read best with these steps, whatever the multiples.
    if (range < 5.0)
        return 1;
    if (range <= 10.0)
        return 2;
    if (range <= 20.0)
        return 4;
    if (range <= 25.0)
        return 5;
    if (range <= 30.0)
        return 6;
    if (digits == 0)
        return 1;

    qint64 result = 1;
    double best = 0.0;
    for (int exponent = digits; exponent >= 1; --exponent) {
        const double power = std::pow(10.0, exponent);
        for (int i = 0; i < qiwangbeisLens; ++i) {
            const double step = double(qiwangBeisBuffers[i]) * power;
            const double quotient = range / step;
            if (quotient > double(count))
                break;
            if (quotient > best) {
                result = NumberConversion::truncatedToInt64(step);
                best = quotient;
            }
        }
    }
    return result;
}

bool OilDateCompare(const Oil& a, const Oil& b)
{
    if (!a.date || !b.date)
        return !a.date && b.date;
    return *a.date < *b.date;
}
