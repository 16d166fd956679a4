#include "platform/SchemaLoader.h"

#include "platform/Database.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

SchemaLoader::Result SchemaLoader::ensure(const QString& path, const QString& sqlFolder) {
    Result result;
    result.created = !QFileInfo::exists(path);
    const QString connection = QStringLiteral("travisto_schema_") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        auto fail = [&](const QString& error) {
            result.ok = false;
            result.error = error;
        };
        if (!db.open()) {
            fail(db.lastError().text());
        } else {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA user_version"));
            const int current = q.next() ? q.value(0).toInt() : 0;
            q.finish();
            result.version = current;
            const auto files = numberedFiles(sqlFolder);
            int target = current;
            db.transaction();
            for (const auto& [number, file] : files) {
                if (number <= current)
                    continue;
                QFile f(file);
                if (!f.open(QIODevice::ReadOnly)) {
                    fail(QStringLiteral("cannot read %1").arg(file));
                    break;
                }
                const QStringList statements = splitStatements(QString::fromUtf8(f.readAll()));
                for (const QString& statement : statements) {
                    if (!q.exec(statement)) {
                        fail(QStringLiteral("%1: %2").arg(QFileInfo(file).fileName(), q.lastError().text()));
                        break;
                    }
                }
                if (!result.ok)
                    break;
                target = number;
            }
            if (result.ok && target != current)
                result.ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(target));
            if (result.ok) {
                db.commit();
                result.version = target;
            } else {
                db.rollback();
            }
            q.finish();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    // A database that could not be built is not left behind half made.
    if (!result.ok && result.created)
        QFile::remove(path);
    return result;
}

bool SchemaLoader::ensureProgramDatabases() {
    const struct {
        QString file;
        QString folder;
    } databases[] = {{Database::contentFileName(), contentSqlFolder()}, {Database::userFileName(), userSqlFolder()}};
    bool ok = true;
    for (const auto& d : databases) {
        const QString path = App::file(d.file);
        const Result r = ensure(path, d.folder);
        if (!r.ok) {
            msgBox(QStringLiteral("The database file %1 could not be prepared: %2").arg(path, r.error));
            ok = false;
        }
    }
    return ok;
}

} // namespace platform
