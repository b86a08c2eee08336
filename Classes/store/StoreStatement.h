#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

// Damaged data found while reading the store.
Q_DECLARE_LOGGING_CATEGORY(lcStore)

struct sqlite3;
struct sqlite3_stmt;

// One store operation: opens the database file read-write (never creating it), prepares
// exactly one statement, and finalizes the statement and closes the connection when it goes
// out of scope. No connection outlives its operation and none is shared.
//
// Another program may be writing to the same file: every connection waits up to a few seconds
// for it, and a step that still fails is an error, never the end of the rows. hasError() says
// whether opening, preparing or any step failed and errorString() why; a reader checks it after
// its last row, so that a failed read is never taken for an empty one.
class StoreStatement
{
public:
    // How long a statement waits for another program's commit before it reports "busy".
    static constexpr int kBusyTimeoutMs = 3000;

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

    // Steps once: true when a row came back; false at the end of the rows and on an error.
    bool nextRow();
    // Steps once: true only when the statement ran to completion (SQLITE_DONE).
    bool execute();

    bool hasError() const { return m_errorCode != 0; }
    // The other program's lock outlasted the wait.
    bool isBusy() const;
    // What failed, for the user: "busy" in so many words, anything else with SQLite's own message.
    QString errorString() const;
    // SQLite's own message alone ("file is not a database").
    QString sqliteErrorString() const { return m_errorMessage; }

    bool isNull(int column) const;
    // A stored value that is not finite (only a damaged or foreign log holds one) reads as 0,
    // and the first one of the run is reported as damaged data (logging category pumpora.store).
    double columnDouble(int column) const;
    int columnInt(int column) const;
    // A null string for a NULL column.
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;

    qint64 lastInsertRowId() const;

    // The text pasted between single quotes in a formatted statement, its quotes doubled, so
    // that a key can neither end the literal nor change the statement.
    static QString escapedText(const QString& text);

    // The message every store failure of that kind shows.
    static QString busyMessage();

private:
    int step();
    void fail(int code);

    QString m_path;
    sqlite3* m_database = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    int m_errorCode = 0;
    QString m_errorMessage;
    bool m_hasReturnedRows = false;
};
