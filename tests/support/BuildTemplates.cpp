// Builds, once per build, the databases that every test copies into its
// program folder: both files with the rows the program ships (full/), and
// both with the schema alone (schema/) for tests that bring their own rows.
// Usage: travisto_test_templates FOLDER
#include "platform/Database.h"
#include "platform/SchemaLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

using platform::SchemaLoader;

namespace {

[[noreturn]] void fail(const QString& what) {
    qCritical("travisto_test_templates: %s", qPrintable(what));
    std::exit(1);
}

// Builds `path` afresh from the SQL files of `sqlFolder`.
void build(const QString& path, const QString& sqlFolder) {
    QFile::remove(path);
    const auto result = SchemaLoader::ensure(path, sqlFolder);
    if (!result.ok)
        fail(QStringLiteral("cannot build %1: %2").arg(path, result.error));
}

// Copies the SQL files of `sqlFolder` to `schemaFolder` without their INSERTs.
void writeSchemaOnly(const QString& sqlFolder, const QString& schemaFolder) {
    QDir().mkpath(schemaFolder);
    for (const auto& [number, source] : SchemaLoader::numberedFiles(sqlFolder)) {
        QFile in(source);
        QFile out(QDir(schemaFolder).filePath(QFileInfo(source).fileName()));
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
            fail(QStringLiteral("cannot copy %1 to %2").arg(source, out.fileName()));
        QStringList creates;
        for (const QString& s : SchemaLoader::splitStatements(QString::fromUtf8(in.readAll())))
            if (!s.startsWith(QStringLiteral("INSERT"), Qt::CaseInsensitive))
                creates << s;
        if (out.write(creates.join(QStringLiteral(";\n")).toUtf8()) < 0)
            fail(QStringLiteral("cannot write %1").arg(out.fileName()));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        fail(QStringLiteral("usage: travisto_test_templates FOLDER"));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("full")) || !out.mkpath(QStringLiteral("schema")))
        fail(QStringLiteral("cannot make %1").arg(out.path()));
    for (const auto& [file, sqlFolder] :
         {std::pair{platform::Database::contentFileName(), SchemaLoader::contentSqlFolder()},
          std::pair{platform::Database::userFileName(), SchemaLoader::userSqlFolder()}}) {
        const QString schemaSql = out.filePath(QStringLiteral("sql/") + QFileInfo(file).baseName());
        build(out.filePath(QStringLiteral("full/") + file), sqlFolder);
        writeSchemaOnly(sqlFolder, schemaSql);
        build(out.filePath(QStringLiteral("schema/") + file), schemaSql);
    }
    QFile stamp(out.filePath(QStringLiteral("templates.stamp")));
    return stamp.open(QIODevice::WriteOnly) ? 0 : 1;
}
