#include "platform/Database.h"

#include "platform/Services.h"

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

std::unique_ptr<Database> Database::open(const QString& path) {
    if (!QFileInfo::exists(path)) {
        msgBox(QStringLiteral("The database file %1 could not be found.").arg(path));
        return nullptr;
    }
    static std::atomic<int> counter{0};
    const QString connection = QStringLiteral("travisto_%1").arg(++counter);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QString error = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            msgBox(QStringLiteral("The database file %1 could not be opened: %2").arg(path, error));
            return nullptr;
        }
    }
    return std::unique_ptr<Database>(new Database(path, connection));
}

std::unique_ptr<Database> Database::openContent() {
    return open(App::file(contentFileName()));
}

std::unique_ptr<Database> Database::openUser() {
    return open(App::file(userFileName()));
}

Database::Database(const QString& path, const QString& connection) : m_path(path), m_connection(connection) {}

Database::~Database() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void Database::report(const QString& sql, const QString& error) {
    m_lastError = error;
    qWarning("SQL failed: %s: %s", qPrintable(sql), qPrintable(error));
    if (m_reportErrors)
        msgBox(QStringLiteral("The database %1 could not carry out a request: %2").arg(m_path, error));
}

Recordset Database::query(const QString& sql, const Binds& binds) {
    Recordset rs;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        report(sql, q.lastError().text());
        rs.m_ok = false;
        return rs;
    }
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        report(sql, q.lastError().text());
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
    return rs;
}

bool Database::execute(const QString& sql, const Binds& binds) {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    m_rowsAffected = 0;
    if (!q.prepare(sql)) {
        report(sql, q.lastError().text());
        return false;
    }
    for (const QVariant& v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        report(sql, q.lastError().text());
        return false;
    }
    m_rowsAffected = q.numRowsAffected();
    return true;
}

bool Database::transaction(const std::function<bool()>& work) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        report(QStringLiteral("BEGIN"), db.lastError().text());
        return false;
    }
    if (!work()) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        report(QStringLiteral("COMMIT"), db.lastError().text());
        db.rollback();
        return false;
    }
    return true;
}

} // namespace platform
