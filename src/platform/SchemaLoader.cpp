#include "platform/SchemaLoader.h"

#include "platform/Database.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace platform {

QStringList SchemaLoader::splitStatements(const QString& sql) {
    QStringList statements;
    QString current;
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A quoted text runs to the matching quote; a doubled quote stays inside.
            current += c;
            ++i;
            while (i < n) {
                current += sql[i];
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        current += sql[++i];
                    } else {
                        break;
                    }
                }
                ++i;
            }
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const int end = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            current += QLatin1Char(' ');
        } else if (c == QLatin1Char(';')) {
            const QString statement = current.trimmed();
            if (!statement.isEmpty())
                statements << statement;
            current.clear();
        } else {
            current += c;
        }
    }
    const QString rest = current.trimmed();
    if (!rest.isEmpty())
        statements << rest;
    return statements;
}

QList<QPair<int, QString>> SchemaLoader::numberedFiles(const QString& sqlFolder) {
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)_.*\\.sql$"));
    QList<QPair<int, QString>> files;
    const QStringList names = QDir(sqlFolder).entryList(QDir::Files);
    for (const QString& name : names) {
        const auto match = numbered.match(name);
        if (match.hasMatch())
            files.append({match.captured(1).toInt(), QDir(sqlFolder).filePath(name)});
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return files;
}

namespace {

struct Column {
    QString name;
    QString type;
    QString defaultValue; // as SQL text; empty when there is none
    bool notNull = false;
    bool key = false;
};

struct Table {
    QString name;
    QString createSql;
    QList<Column> columns;
    QStringList rows; // the INSERT statements the files ship for it
};

struct SqlFile {
    int number = 0;
    QString name;
    QStringList statements;
};

// What the SQL files of one folder say: their statements, and the tables
// and columns a database built from them has.
struct Schema {
    QList<SqlFile> files;
    QList<Table> tables;
    int lastNumber = 0;
    QString error;
};

// Tables of an open database: lower-case name -> lower-case column names.
using Shape = QHash<QString, QSet<QString>>;

QString quoted(const QString& identifier) {
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// False (with the query's error left in place) when the engine refused.
bool readShape(QSqlQuery& q, Shape& shape) {
    shape.clear();
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")))
        return false;
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    if (q.lastError().isValid())
        return false;
    for (const QString& name : names) {
        if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(name))))
            return false;
        QSet<QString>& columns = shape[name.toLower()];
        while (q.next())
            columns.insert(q.value(1).toString().toLower());
        if (q.lastError().isValid())
            return false;
    }
    return true;
}

// Builds the files' tables in a database in memory and reads them back, so
// the expected tables and columns come from the SQL itself.
void deriveTables(Schema& schema, const QString& connection) {
    static const QRegularExpression ddl(QStringLiteral("^\\s*(CREATE|ALTER)\\s+TABLE\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression insert(QStringLiteral("^\\s*INSERT\\s+INTO\\s+\"?(\\w+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QStringList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open()) {
            schema.error = db.lastError().text();
            return;
        }
        QSqlQuery q(db);
        for (const SqlFile& file : schema.files)
            for (const QString& statement : file.statements) {
                if (ddl.match(statement).hasMatch()) {
                    if (!q.exec(statement))
                        schema.error = q.lastError().text();
                } else if (const auto m = insert.match(statement); m.hasMatch()) {
                    rows[m.captured(1).toLower()] << statement;
                }
            }
        q.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                              "'sqlite_%' ORDER BY rowid"));
        while (q.next())
            schema.tables.append({q.value(0).toString(), q.value(1).toString(), {}, {}});
        for (Table& table : schema.tables) {
            q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table.name)));
            while (q.next())
                table.columns.append({q.value(1).toString(), q.value(2).toString(), q.value(4).toString(),
                                      q.value(3).toInt() != 0, q.value(5).toInt() != 0});
            table.rows = rows.value(table.name.toLower());
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// The schema of a folder, read once per program run (and again when its
// files change, as a test's folder may).
const Schema& schemaOf(const QString& sqlFolder) {
    static QHash<QString, Schema> cache;
    const auto files = SchemaLoader::numberedFiles(sqlFolder);
    QString key = sqlFolder;
    for (const auto& [number, file] : files)
        key += QStringLiteral("|%1:%2").arg(file).arg(QFileInfo(file).size());
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return it.value();
    Schema schema;
    for (const auto& [number, file] : files) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            schema.error = QStringLiteral("cannot read %1").arg(file);
            break;
        }
        schema.files.append(
            {number, QFileInfo(file).fileName(), SchemaLoader::splitStatements(QString::fromUtf8(f.readAll()))});
        schema.lastNumber = number;
    }
    if (schema.error.isEmpty())
        deriveTables(schema, QStringLiteral("travisto_schema_shape"));
    return cache.insert(key, schema).value();
}

bool canBeAdded(const Column& column) {
    // The engine adds no key column, nor a NOT NULL one without a default.
    return !column.key && !(column.notNull && column.defaultValue.isEmpty());
}

QString columnDefinition(const Column& column) {
    QString definition = quoted(column.name);
    if (!column.type.isEmpty())
        definition += QLatin1Char(' ') + column.type;
    if (column.notNull)
        definition += QStringLiteral(" NOT NULL");
    if (!column.defaultValue.isEmpty())
        definition += QStringLiteral(" DEFAULT ") + column.defaultValue;
    return definition;
}

// What a database lacks of the schema, in the schema's order: the tables and
// the columns that can be added, and, in plain words, the missing columns the
// engine cannot add.
struct Gaps {
    struct Addition {
        const Table* table;
        const Column* column; // null: the whole table is missing
    };
    QList<Addition> additions;
    QStringList problems;
};

Gaps gapsOf(const Schema& schema, const Shape& shape) {
    Gaps gaps;
    for (const Table& table : schema.tables) {
        const auto it = shape.constFind(table.name.toLower());
        if (it == shape.constEnd()) {
            gaps.additions.append({&table, nullptr});
            continue;
        }
        for (const Column& column : table.columns) {
            if (it->contains(column.name.toLower()))
                continue;
            if (canBeAdded(column))
                gaps.additions.append({&table, &column});
            else
                gaps.problems << QStringLiteral("the table %1 lacks its column %2, which cannot be added to it")
                                     .arg(table.name, column.name);
        }
    }
    return gaps;
}

bool holdsAnyTable(const Schema& schema, const Shape& shape) {
    for (const Table& table : schema.tables)
        if (shape.contains(table.name.toLower()))
            return true;
    return false;
}

} // namespace

SchemaLoader::Result SchemaLoader::ensure(const QString& path, const QString& sqlFolder) {
    Result result;
    result.created = !QFileInfo::exists(path);
    const Schema& schema = schemaOf(sqlFolder);
    if (!schema.error.isEmpty()) {
        result.ok = false;
        result.failure = DbFailure::Other;
        result.error = schema.error;
        return result;
    }
    const QString connection = QStringLiteral("travisto_schema_") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(Database::connectOptions());
        QSqlQuery q(db);
        auto fail = [&](const QSqlError& error, const QString& where = QString()) {
            result.ok = false;
            result.failure = Database::classify(error);
            result.error = where.isEmpty() ? error.text() : QStringLiteral("%1: %2").arg(where, error.text());
            return false;
        };
        auto readVersion = [&](int& version) {
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
                return fail(q.lastError());
            version = q.value(0).toInt();
            q.finish();
            return true;
        };
        // Brings the file up to date; runs inside the write transaction.
        auto update = [&](int version, Shape& shape) {
            int target = version;
            if (version == 0 && holdsAnyTable(schema, shape)) {
                // Built by the program but without its stamp: what is missing is added below.
                target = schema.lastNumber;
            }
            bool ranFiles = false;
            for (const SqlFile& file : schema.files) {
                if (file.number <= target)
                    continue;
                for (const QString& statement : file.statements)
                    if (!q.exec(statement))
                        return fail(q.lastError(), file.name);
                target = file.number;
                ranFiles = true;
            }
            if (ranFiles && !readShape(q, shape))
                return fail(q.lastError());
            for (const auto& [table, column] : gapsOf(schema, shape).additions) {
                if (!column) {
                    for (const QString& statement : QStringList{table->createSql} + table->rows)
                        if (!q.exec(statement))
                            return fail(q.lastError(), table->name);
                    result.added << QStringLiteral("table %1").arg(table->name);
                } else {
                    if (!q.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                                    .arg(quoted(table->name), columnDefinition(*column))))
                        return fail(q.lastError(), table->name);
                    result.added << QStringLiteral("column %1.%2").arg(table->name, column->name);
                }
            }
            if (target != version && !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(target)))
                return fail(q.lastError());
            result.version = target;
            return true;
        };

        int version = 0;
        Shape shape;
        if (!db.open()) {
            fail(db.lastError());
        } else if (readVersion(version) && readShape(q, shape)) {
            result.version = version;
            // A file that is up to date is only read: a read-only folder is fine then.
            if (version < schema.lastNumber || !gapsOf(schema, shape).additions.isEmpty()) {
                // The write lock first, then a fresh look: another copy may
                // have brought the file up to date meanwhile.
                if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
                    fail(q.lastError());
                } else if (!(readVersion(version) && readShape(q, shape) && update(version, shape)) ||
                           !q.exec(QStringLiteral("COMMIT"))) {
                    if (result.ok)
                        fail(q.lastError());
                    q.exec(QStringLiteral("ROLLBACK"));
                    result.added.clear();
                }
            }
            if (result.ok)
                result.problems = gapsOf(schema, shape).problems;
        } else if (result.ok) {
            fail(q.lastError());
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    // A database that could not be built is not left behind half made; one
    // that another copy is building is left to it.
    if (!result.ok && result.created && result.failure != DbFailure::Busy)
        QFile::remove(path);
    for (const QString& added : result.added)
        qInfo("%s: added the missing %s", qPrintable(path), qPrintable(added));
    if (!result.ok)
        qWarning("%s could not be prepared: %s", qPrintable(path), qPrintable(result.error));
    return result;
}

SchemaLoader::Readiness SchemaLoader::ensureProgramDatabases() {
    const struct {
        QString file;
        QString folder;
    } databases[] = {{Database::contentFileName(), contentSqlFolder()}, {Database::userFileName(), userSqlFolder()}};
    Readiness readiness;
    for (const auto& d : databases) {
        const QString path = App::file(d.file);
        const Result r = ensure(path, d.folder);
        const QString file = QDir::toNativeSeparators(path);
        if (!r.ok) {
            readiness.messages << (r.failure == DbFailure::Other
                                       ? QStringLiteral("The database file %1 could not be prepared; it may be "
                                                        "damaged or not a Travisto database.")
                                             .arg(file)
                                       : Database::failureMessage(r.failure, path));
            readiness.ok = false;
        } else if (!r.problems.isEmpty()) {
            readiness.messages << QStringLiteral("The database file %1 comes from an older version of Travisto and "
                                                 "cannot be fully brought up to date: %2. The windows that use it "
                                                 "may not work.")
                                      .arg(file, r.problems.join(QStringLiteral("; ")));
        }
    }
    return readiness;
}

} // namespace platform
