#include "store/StoreStatement.h"

#include "platform/MainBundle.h"
#include "store/Utility.h"

#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <cmath>
#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcStore, "pumpora.store")

namespace {

bool isBusyCode(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

void reportDamagedValueOnce()
{
    static std::atomic_bool reported = false;
    if (!reported.exchange(true)) {
        qCWarning(lcStore).noquote() << MainBundle::localizedString(
            "油耗记录中有不是有限数的数值（资料已损坏），已按 0 计算");
    }
}

} // namespace

StoreStatement::StoreStatement(const QString& sql, const QString& databasePath)
    : m_path(databasePath.isEmpty() ? Utility::getDBPath() : databasePath)
{
    sqlite3* database = nullptr;
    // Read-write without SQLITE_OPEN_CREATE: a missing file is a failure, not a new empty
    // database that every later start would take for the real one.
    const int opened
        = sqlite3_open_v2(m_path.toUtf8().constData(), &database, SQLITE_OPEN_READWRITE, nullptr);
    if (opened != SQLITE_OK) {
        m_errorMessage = QString::fromUtf8(database ? sqlite3_errmsg(database) : sqlite3_errstr(opened));
        m_errorCode = opened;
        sqlite3_close(database);
        return;
    }
    m_database = database;
    sqlite3_busy_timeout(m_database, kBusyTimeoutMs);
    const QByteArray text = sql.toUtf8();
    const int prepared = sqlite3_prepare_v2(m_database, text.constData(), -1, &m_statement, nullptr);
    if (prepared != SQLITE_OK) {
        fail(prepared);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

StoreStatement::~StoreStatement()
{
    sqlite3_finalize(m_statement);
    sqlite3_close(m_database);
}

void StoreStatement::fail(int code)
{
    m_errorCode = code;
    m_errorMessage = QString::fromUtf8(sqlite3_errmsg(m_database));
}

void StoreStatement::bindText(int position, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(m_statement, position, utf8.constData(), -1, SQLITE_TRANSIENT);
}

void StoreStatement::bindDouble(int position, double value)
{
    sqlite3_bind_double(m_statement, position, value);
}

void StoreStatement::bindInt(int position, int value)
{
    sqlite3_bind_int(m_statement, position, value);
}

void StoreStatement::bindBlob(int position, const QByteArray& bytes)
{
    sqlite3_bind_blob(m_statement, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

int StoreStatement::step()
{
    if (!m_statement || hasError())
        return SQLITE_MISUSE;
    QElapsedTimer waited;
    waited.start();
    int result = sqlite3_step(m_statement);
    // SQLite answers "busy" at once, without waiting, where waiting could deadlock two writers.
    // Before its first row a statement has changed and returned nothing: reset, it releases its
    // locks and can simply try again.
    while (isBusyCode(result) && !m_hasReturnedRows && waited.elapsed() < kBusyTimeoutMs) {
        sqlite3_reset(m_statement);
        QThread::msleep(5);
        result = sqlite3_step(m_statement);
    }
    if (result == SQLITE_ROW)
        m_hasReturnedRows = true;
    else if (result != SQLITE_DONE)
        fail(result);
    return result;
}

bool StoreStatement::nextRow()
{
    return step() == SQLITE_ROW;
}

bool StoreStatement::execute()
{
    return step() == SQLITE_DONE;
}

bool StoreStatement::isBusy() const
{
    return isBusyCode(m_errorCode);
}

QString StoreStatement::busyMessage()
{
    return MainBundle::localizedString("油耗记录正忙：另一个程序正在写入，请稍后再试");
}

QString StoreStatement::errorString() const
{
    if (!hasError())
        return QString();
    if (isBusy())
        return busyMessage();
    return MainBundle::localizedString("油耗记录 %1 出错：%2").arg(m_path, m_errorMessage);
}

bool StoreStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

double StoreStatement::columnDouble(int column) const
{
    const double value = sqlite3_column_double(m_statement, column);
    if (std::isfinite(value))
        return value;
    reportDamagedValueOnce();
    return 0.0;
}

int StoreStatement::columnInt(int column) const
{
    return sqlite3_column_int(m_statement, column);
}

QString StoreStatement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (!text)
        return QString();
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

QByteArray StoreStatement::columnBlob(int column) const
{
    const void* bytes = sqlite3_column_blob(m_statement, column);
    if (!bytes)
        return QByteArray();
    return QByteArray(static_cast<const char*>(bytes), sqlite3_column_bytes(m_statement, column));
}

qint64 StoreStatement::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_database);
}

QString StoreStatement::escapedText(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('\''), QLatin1String("''"));
}
