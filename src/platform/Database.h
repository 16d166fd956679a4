#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>

class QSqlError;

namespace platform {

// The rows a query returned, read forward: end test, move next, and fields
// by name without regard to case. Null is kept apart from the empty text.
class Recordset {
public:
    Recordset() = default;

    bool eof() const { return m_row >= m_rows.size(); }
    void moveNext() { ++m_row; }
    void moveFirst() { m_row = 0; }
    int recordCount() const { return int(m_rows.size()); }
    // False when the query failed; the database that ran it tells why.
    bool ok() const { return m_ok; }

    bool hasField(const QString& name) const { return m_columns.contains(name.toLower()); }
    // The value of the current row; an invalid QVariant past the end or for an unknown field.
    QVariant value(const QString& name) const;
    bool isNull(const QString& name) const;
    // The field as text, Null giving the empty text.
    QString text(const QString& name) const;
    // The field as a whole number, Null giving `fallback`.
    int integer(const QString& name, int fallback = 0) const;
    QVariant value(int column) const;

private:
    friend class Database;
    QHash<QString, int> m_columns; // lower-case name -> column
    QVector<QVector<QVariant>> m_rows;
    int m_row = 0;
    bool m_ok = true;
};

// Values bound to the :name or ? placeholders of a statement.
using Binds = QVariantList;

// What kind of failure a request met, as the user can understand and act on it.
enum class DbFailure {
    None,
    Busy,         // another copy of the program holds the file (it is saving)
    ReadOnly,     // the file or the program's folder cannot be written
    DiskFull,     // no room left on the disk
    Constraint,   // the row clashes with one already stored
    MissingTable, // a table or column is not there (a file from an older version)
    Other,
};

// One open database file. SQL text sits with its caller; every value that
// comes from the user or from a list is bound, never pasted into the text.
//
// A failure is returned to the caller, never shown: a request gives false or
// a record set whose ok() is false, and failureText() says in the user's words
// what went wrong. The window that made the request decides what the user sees.
//
// A request that meets a lock waits a short, bounded time (busyTimeout) for
// the other copy of the program to finish before it gives up as Busy.
class Database {
public:
    // Opens an existing database file. A missing file is never created empty:
    // it gives null, as does a file that cannot be opened, and `why` (when
    // given) then holds what the user is told, naming the file.
    static std::unique_ptr<Database> open(const QString& path, QString* why = nullptr);
    // Opens the content database or the user database of the program's folder.
    static std::unique_ptr<Database> openContent(QString* why = nullptr);
    static std::unique_ptr<Database> openUser(QString* why = nullptr);
    static QString contentFileName() { return QStringLiteral("Tamble25.mdb"); }
    static QString userFileName() { return QStringLiteral("VividodovUser.mdb"); }

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs a query and reads all its rows. A failing statement gives an empty
    // record set whose ok() is false.
    Recordset query(const QString& sql, const Binds& binds = {});
    // Runs a statement; false when it failed.
    bool execute(const QString& sql, const Binds& binds = {});
    // One statement that inserts a row into `table` or, when a row with the
    // same `keys` is there, rewrites its `columns`: two copies of the program
    // saving the same new row cannot both insert it. It binds the keys, then
    // the columns, in their order.
    static QString upsertSql(const QString& table, const QStringList& keys, const QStringList& columns);
    // Rows changed by the latest execute.
    int rowsAffected() const { return m_rowsAffected; }
    // Runs several statements as one transaction; on a failure nothing stays.
    bool transaction(const std::function<bool()>& work);

    QString path() const { return m_path; }
    // The engine's own text of the latest failure (for the log, not for the user).
    QString lastError() const { return m_lastError; }
    // The kind of the latest failure; None after a request that succeeded.
    DbFailure lastFailure() const { return m_lastFailure; }
    // What the user is told about the latest failure; empty after a request
    // that succeeded.
    QString failureText() const { return failureMessage(m_lastFailure, m_path); }
    // What the user is told about a failure of the kind on the file at `path`.
    static QString failureMessage(DbFailure kind, const QString& path);

    // How long a request waits for a lock held by another connection (ms).
    static int busyTimeout();
    static void setBusyTimeout(int milliseconds);
    // Opens every file read-only from now on, as a program folder that cannot
    // be written leaves them (for tests: the superuser can write anywhere).
    static void setOpenReadOnly(bool on);
    // The connection options every connection to the program's files uses.
    static QString connectOptions();
    // The kind of an engine error.
    static DbFailure classify(const QSqlError& error);

private:
    explicit Database(const QString& path, const QString& connection);
    bool run(const QString& sql, const Binds& binds);
    void fail(const QString& sql, const QSqlError& error);
    void succeeded() { m_lastFailure = DbFailure::None; }

    QString m_path;
    QString m_connection;
    QString m_lastError;
    DbFailure m_lastFailure = DbFailure::None;
    int m_rowsAffected = 0;
    bool m_inTransaction = false;
};

} // namespace platform
