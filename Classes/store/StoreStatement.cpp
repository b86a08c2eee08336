#include "store/StoreStatement.h"

#include "store/Utility.h"

#include <sqlite3.h>

StoreStatement::StoreStatement(const QString& sql, const QString& databasePath)
{
    const QByteArray path = (databasePath.isEmpty() ? Utility::getDBPath() : databasePath).toUtf8();
    sqlite3* database = nullptr;
    // Read-write without SQLITE_OPEN_CREATE: a missing file is a failure, not a new empty
    // database that every later start would take for the real one.
    if (sqlite3_open_v2(path.constData(), &database, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(database);
        return;
    }
    m_database = database;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_database, text.constData(), -1, &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

StoreStatement::~StoreStatement()
{
    sqlite3_finalize(m_statement);
    sqlite3_close(m_database);
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

bool StoreStatement::nextRow()
{
    return m_statement && sqlite3_step(m_statement) == SQLITE_ROW;
}

bool StoreStatement::execute()
{
    return m_statement && sqlite3_step(m_statement) == SQLITE_DONE;
}

bool StoreStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

double StoreStatement::columnDouble(int column) const
{
    return sqlite3_column_double(m_statement, column);
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
