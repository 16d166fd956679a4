#include "platform/Database.h"

#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace platform {

QVariant Recordset::value(const QString& name) const {
    if (eof())
        return {};
    const auto it = m_columns.constFind(name.toLower());
    if (it == m_columns.constEnd())
        return {};
    return m_rows[m_row][it.value()];
}

QVariant Recordset::value(int column) const {
    if (eof() || column < 0 || column >= m_rows[m_row].size())
        return {};
    return m_rows[m_row][column];
}

bool Recordset::isNull(const QString& name) const {
    return value(name).isNull();
}

QString Recordset::text(const QString& name) const {
    const QVariant v = value(name);
    return v.isNull() ? QString() : v.toString();
}

int Recordset::integer(const QString& name, int fallback) const {
    const QVariant v = value(name);
    if (v.isNull())
        return fallback;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

namespace {

std::atomic<int> busyWait{3000};
std::atomic<bool> readOnly{false};

// SQLite's primary result codes.
enum : int {
    kBusy = 5,
    kLocked = 6,
    kPermission = 3,
    kReadOnly = 8,
    kFull = 13,
    kCannotOpen = 14,
    kConstraint = 19,
};

} // namespace

int Database::busyTimeout() {
    return busyWait;
}

void Database::setBusyTimeout(int milliseconds) {
    busyWait = milliseconds;
}

void Database::setOpenReadOnly(bool on) {
    readOnly = on;
}

QString Database::upsertSql(const QString& table, const QStringList& keys, const QStringList& columns) {
    QStringList sets;
    for (const QString& c : columns)
        sets << QStringLiteral("%1 = excluded.%1").arg(c);
    const QString comma = QStringLiteral(",");
    return QStringLiteral("Insert Into %1(%2,%3) Values(?%4) On Conflict(%2) Do Update Set %5")
        .arg(table, keys.join(comma), columns.join(comma),
             QStringLiteral(",?").repeated(keys.size() + columns.size() - 1), sets.join(comma));
}

QString Database::connectOptions() {
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout()) +
           (readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString());
}

DbFailure Database::classify(const QSqlError& error) {
    if (!error.isValid())
        return DbFailure::None;
    bool numbered = false;
    const int code = error.nativeErrorCode().toInt(&numbered) & 0xff;
    const QString text = error.databaseText();
    if (numbered) {
        switch (code) {
        case kBusy:
        case kLocked:
            return DbFailure::Busy;
        case kReadOnly:
        case kPermission:
        case kCannotOpen: // an open file whose journal cannot be made beside it
            return DbFailure::ReadOnly;
        case kFull:
            return DbFailure::DiskFull;
        case kConstraint:
            return DbFailure::Constraint;
        default:
            break;
        }
    }
    if (text.startsWith(QLatin1String("no such table")) || text.startsWith(QLatin1String("no such column")) ||
        text.contains(QLatin1String("has no column named")))
        return DbFailure::MissingTable;
    return DbFailure::Other;
}

QString Database::failureMessage(DbFailure kind, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    switch (kind) {
    case DbFailure::None:
        return QString();
    case DbFailure::Busy:
        return QStringLiteral("Another copy of Travisto is saving to %1 right now. Please try again in a moment.")
            .arg(file);
    case DbFailure::ReadOnly:
        return QStringLiteral("The program's folder cannot be written, so %1 could not be changed.").arg(file);
    case DbFailure::DiskFull:
        return QStringLiteral("The disk is full, so %1 could not be changed. Please make room and try again.")
            .arg(file);
    case DbFailure::Constraint:
        return QStringLiteral("%1 already holds a record like this one, so it was not stored again.").arg(file);
    case DbFailure::MissingTable:
        return QStringLiteral("%1 lacks a table or column that this window needs; it may come from an older "
                              "version of Travisto.")
            .arg(file);
    case DbFailure::Other:
        break;
    }
    return QStringLiteral("The database file %1 could not carry out a request; it may be damaged.").arg(file);
}

std::unique_ptr<Database> Database::open(const QString& path, QString* why) {
    if (!QFileInfo::exists(path)) {
        qWarning("no database file %s", qPrintable(path));
        if (why)
            *why = QStringLiteral("The database file %1 could not be found.").arg(path);
        return nullptr;
    }
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("travisto_%1").arg(++counter);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(connectOptions());
        if (!db.open()) {
            qWarning("cannot open %s: %s", qPrintable(path), qPrintable(db.lastError().text()));
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            if (why)
                *why = QStringLiteral("The database file %1 could not be opened.").arg(path);
            return nullptr;
        }
    }
    return std::unique_ptr<Database>(new Database(path, connection));
}

std::unique_ptr<Database> Database::openContent(QString* why) {
    return open(App::file(contentFileName()), why);
}

std::unique_ptr<Database> Database::openUser(QString* why) {
    return open(App::file(userFileName()), why);
}

Database::Database(const QString& path, const QString& connection) : m_path(path), m_connection(connection) {}

Database::~Database() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void Database::fail(const QString& sql, const QSqlError& error) {
    m_lastError = error.text();
    m_lastFailure = classify(error);
    qWarning("SQL failed: %s: %s", qPrintable(sql), qPrintable(m_lastError));
}

Recordset Database::query(const QString& sql, const Binds& binds) {
    Recordset rs;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        fail(sql, q.lastError());
        rs.m_ok = false;
        return rs;
    }
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        fail(sql, q.lastError());
        rs.m_ok = false;
        return rs;
    }
    const QSqlRecord record = q.record();
    const int columns = record.count();
    for (int c = 0; c < columns; ++c) {
        const QString name = record.fieldName(c).toLower();
        if (!rs.m_columns.contains(name))
            rs.m_columns.insert(name, c);
    }
    while (q.next()) {
        QVector<QVariant> row(columns);
        for (int c = 0; c < columns; ++c)
            row[c] = q.value(c);
        rs.m_rows.append(std::move(row));
    }
    if (q.lastError().isValid()) {
        // A row that could not be fetched: what was read is not the whole answer.
        fail(sql, q.lastError());
        rs.m_rows.clear();
        rs.m_ok = false;
        return rs;
    }
    succeeded();
    return rs;
}

bool Database::execute(const QString& sql, const Binds& binds) {
    // A lone statement is its own transaction that takes the write lock
    // first: a statement that reads before it writes could otherwise meet
    // another copy's save half way and give up at once instead of waiting.
    if (!m_inTransaction)
        return transaction([&] { return run(sql, binds); });
    return run(sql, binds);
}

bool Database::run(const QString& sql, const Binds& binds) {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    m_rowsAffected = 0;
    if (!q.prepare(sql)) {
        fail(sql, q.lastError());
        return false;
    }
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        fail(sql, q.lastError());
        return false;
    }
    m_rowsAffected = q.numRowsAffected();
    succeeded();
    return true;
}

bool Database::transaction(const std::function<bool()>& work) {
    if (m_inTransaction)
        return work(); // part of the transaction already running
    // The write lock is taken at the start, so that two copies saving at once
    // queue one behind the other instead of both reading and then colliding.
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        fail(QStringLiteral("BEGIN IMMEDIATE"), q.lastError());
        return false;
    }
    m_inTransaction = true;
    const bool done = work();
    m_inTransaction = false;
    if (!done) {
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        fail(QStringLiteral("COMMIT"), q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    succeeded();
    return true;
}

} // namespace platform
