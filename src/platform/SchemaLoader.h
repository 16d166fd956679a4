#pragma once

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
class SchemaLoader {
public:
    struct Result {
        bool ok = true;
        bool created = false;
        int version = 0;
        QString error;
    };

    // The resource folders of the content and user databases.
    static QString contentSqlFolder() { return QStringLiteral(":/sql/content"); }
    static QString userSqlFolder() { return QStringLiteral(":/sql/user"); }

    // Creates the database at `path` from `sqlFolder` when missing, or brings
    // it up to date; never overwrites a file that is there.
    static Result ensure(const QString& path, const QString& sqlFolder);
    // Both databases of the program's folder; failures are reported to the user.
    static bool ensureProgramDatabases();

    // Splits SQL text into statements at semicolons outside quotes and comments.
    static QStringList splitStatements(const QString& sql);
    // The files of a folder with their numbers, in number order.
    static QList<QPair<int, QString>> numberedFiles(const QString& sqlFolder);
};

} // namespace platform
