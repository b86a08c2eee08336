#include "store/Utility.h"

#include "platform/DeviceLocale.h"
#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "reports/NumberConversion.h"
#include "store/Oil.h"
#include "store/StoreStatement.h"

#include <QFile>
#include <QSaveFile>
#include <QSysInfo>
#include <QUuid>

#include <cmath>
#include <optional>
#include <string>
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

namespace {

enum class DatabaseState
{
    Usable,
    Empty,
    Foreign,
    Unreadable
};

// What is at the database path: our two tables, an empty database (no tables at all, as
// sqlite3_open leaves behind on a missing path), someone else's tables, or not a database.
DatabaseState inspectDatabase(const QString& path)
{
    StoreStatement tables(QStringLiteral("select name from sqlite_master where type='table'"), path);
    if (!tables.isPrepared())
        return DatabaseState::Unreadable;
    bool hasCars = false;
    bool hasFillUps = false;
    bool hasAny = false;
    while (tables.nextRow()) {
        const QString name = tables.columnText(0);
        hasAny = true;
        hasCars = hasCars || name == QLatin1String("car_information");
        hasFillUps = hasFillUps || name == QLatin1String("oil_history");
    }
    if (hasCars && hasFillUps)
        return DatabaseState::Usable;
    return hasAny ? DatabaseState::Foreign : DatabaseState::Empty;
}

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

void setError(QString* errorMessage, const QString& text)
{
    if (errorMessage)
        *errorMessage = text;
}

} // namespace

QString Utility::getDBPath()
{
    return DocumentsDirectory::filePath(QStringLiteral("oil_db.sqlite"));
}

bool Utility::copyDatabase(QString* errorMessage)
{
    if (!DocumentsDirectory::ensureExists()) {
        setError(errorMessage,
            QStringLiteral("cannot create the data directory %1").arg(DocumentsDirectory::path()));
        return false;
    }
    const QString path = getDBPath();
    if (QFile::exists(path)) {
        switch (inspectDatabase(path)) {
        case DatabaseState::Usable:
            return true;
        case DatabaseState::Empty:
            break;
        case DatabaseState::Foreign:
            setError(errorMessage,
                QStringLiteral("%1 holds other tables than a fuel log; it was left untouched").arg(path));
            return false;
        case DatabaseState::Unreadable:
            setError(errorMessage,
                QStringLiteral("%1 cannot be opened as a database; it was left untouched").arg(path));
            return false;
        }
    }
    if (!installResource(
            MainBundle::pathForResource(QStringLiteral("oil_db"), QStringLiteral("sqlite")), path)) {
        setError(errorMessage, QStringLiteral("cannot put the seed database at %1").arg(path));
        return false;
    }
    return true;
}

bool Utility::copyResourceIfMissing(const QString& resourcePath, const QString& destinationPath)
{
    if (QFile::exists(destinationPath))
        return true;
    return DocumentsDirectory::ensureExists() && installResource(resourcePath, destinationPath);
}

bool Utility::executeSQL(const QString& sql)
{
    StoreStatement statement(sql);
    return statement.isPrepared() && statement.execute();
}

QString Utility::UUID()
{
    const QString result = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    Q_ASSERT_X(result.size() == 36, "Utility::UUID", "result != nil");
    return result;
}

QString Utility::getCurrencySybol()
{
    static const QString symbol = currencySymbolForLocale(DeviceLocale::localeName());
    return symbol;
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
