#pragma once

#include "platform/Database.h"

#include <QString>
#include <QStringList>

namespace platform {

// Builds and upgrades the two database files from the SQL the program carries.
//
// Each database has a folder of SQL files named NNN_name.sql. A new database
// runs them all in number order; an existing one runs only the files whose
// number is above its PRAGMA user_version, so a later version adds tables,
// columns or rows without touching what the user has stored. Afterwards the
// user_version is the highest number applied.
//
// Every start also checks the file against the tables and columns that the
// SQL files create: a missing table is made again (with the rows the program
// ships for it) and a missing column added, leaving the user's rows as they
// are. A file whose user_version is 0 but which already holds the tables (one
// restored from a text dump) is taken as up to date: the stamp is set and
// nothing is created twice. A file that another copy of the program holds is
// waited for (Database::busyTimeout) and otherwise reported as busy.
class SchemaLoader {
public:
    struct Result {
        bool ok = true;
        bool created = false;
        int version = 0;
        // The engine's text of a failure, for the log.
        QString error;
        DbFailure failure = DbFailure::None;
        // What was added to an older file: "table Budget", "column Details.Different".
        QStringList added;
        // What is wrong with the file and could not be mended, in plain words;
        // the file is still used.
        QStringList problems;
    };

    // What preparing the program's databases came to: `ok` is false when a
    // file could not be prepared, and the program cannot start; `messages`
    // holds what the user is to be told, in order (also about a file that is
    // used although it could not be fully brought up to date).
    struct Readiness {
        bool ok = true;
        QStringList messages;
    };

    // The resource folders of the content and user databases.
    static QString contentSqlFolder() { return QStringLiteral(":/sql/content"); }
    static QString userSqlFolder() { return QStringLiteral(":/sql/user"); }

    // Creates the database at `path` from `sqlFolder` when missing, or brings
    // it up to date; never overwrites a file that is there.
    static Result ensure(const QString& path, const QString& sqlFolder);
    // Both databases of the program's folder; shows nothing itself.
    static Readiness ensureProgramDatabases();

    // Splits SQL text into statements at semicolons outside quotes and comments.
    static QStringList splitStatements(const QString& sql);
    // The files of a folder with their numbers, in number order.
    static QList<QPair<int, QString>> numberedFiles(const QString& sqlFolder);
};

} // namespace platform
