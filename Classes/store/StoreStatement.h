#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One store operation: opens the database file read-write (never creating it), prepares
// exactly one statement, and finalizes the statement and closes the connection when it goes
// out of scope. No connection outlives its operation and none is shared.
class StoreStatement
{
public:
    // The database is the documents directory's oil_db.sqlite unless a path is given.
    explicit StoreStatement(const QString& sql, const QString& databasePath = QString());
    ~StoreStatement();
    StoreStatement(const StoreStatement&) = delete;
    StoreStatement& operator=(const StoreStatement&) = delete;

    bool isOpen() const { return m_database != nullptr; }
    bool isPrepared() const { return m_statement != nullptr; }

    // Positions count from 1. Texts are bound as transient UTF-8 copies.
    void bindText(int position, const QString& text);
    void bindDouble(int position, double value);
    void bindInt(int position, int value);
    void bindBlob(int position, const QByteArray& bytes);

    // Steps once: true when a row came back.
    bool nextRow();
    // Steps once: true only when the statement ran to completion (SQLITE_DONE).
    bool execute();

    bool isNull(int column) const;
    double columnDouble(int column) const;
    int columnInt(int column) const;
    // A null string for a NULL column.
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;

    qint64 lastInsertRowId() const;

    // The text pasted between single quotes in a formatted statement, its quotes doubled, so
    // that a key can neither end the literal nor change the statement.
    static QString escapedText(const QString& text);

private:
    sqlite3* m_database = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};
