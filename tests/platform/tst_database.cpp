#include "TestSupport.h"

#include "common/DatabaseMessages.h"
#include "platform/SchemaLoader.h"

#include <QDir>
#include <QFile>

using platform::Database;
using platform::DbFailure;
using platform::SchemaLoader;

class TestDatabase : public WorldTest {
    Q_OBJECT
    std::unique_ptr<Database> scratch() {
        world->exec(Database::userFileName(),
                    QStringLiteral("CREATE TABLE Notes (Id INTEGER PRIMARY KEY, Body TEXT, Extra TEXT)"));
        return world->user();
    }

private slots:
    void nullIsToldApartFromTheEmptyText() {
        auto db = scratch();
        QVERIFY(db->execute(QStringLiteral("INSERT INTO Notes (Body, Extra) VALUES (?, NULL)"), {QString("")}));
        auto rs = db->query(QStringLiteral("SELECT * FROM Notes"));
        QVERIFY(!rs.eof());
        QVERIFY(!rs.isNull(QStringLiteral("body")));
        QVERIFY(rs.isNull(QStringLiteral("EXTRA")));
        QCOMPARE(rs.text(QStringLiteral("Extra")), QString());
        rs.moveNext();
        QVERIFY(rs.eof());
    }

    void aRefusedRequestIsToldInTheUsersWords_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("another copy saving") << int(DbFailure::Busy);
        QTest::newRow("folder cannot be written") << int(DbFailure::ReadOnly);
        QTest::newRow("disk full") << int(DbFailure::DiskFull);
        QTest::newRow("row already there") << int(DbFailure::Constraint);
        QTest::newRow("table from a newer version") << int(DbFailure::MissingTable);
    }
    void aRefusedRequestIsToldInTheUsersWords() {
        QFETCH(int, kind);
        const auto failure = DbFailure(kind);
        world->exec(Database::userFileName(),
                    QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, Morning) VALUES (1, 1, 'first')"));
        Database::setBusyTimeout(10);
        std::unique_ptr<HeldLock> held;
        if (failure == DbFailure::Busy)
            held = std::make_unique<HeldLock>(QDir(world->folder()).filePath(Database::userFileName()), false);
        Database::setOpenReadOnly(failure == DbFailure::ReadOnly);
        auto db = world->user();
        if (failure == DbFailure::DiskFull) {
            // The file may not grow past the pages it has: the engine's own "full".
            const int pages = db->query(QStringLiteral("PRAGMA page_count")).value(0).toInt();
            db->query(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
        }
        const QString sql = failure == DbFailure::Constraint
                                ? QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, Morning) VALUES (1, 1, ?)")
                            : failure == DbFailure::MissingTable
                                ? QStringLiteral("INSERT INTO Souvenirs (Item) VALUES (?)")
                                : QStringLiteral("INSERT INTO UserTips (Tip) VALUES (?)");
        const QString told =
            Database::failureMessage(failure, QDir(world->folder()).filePath(Database::userFileName()));
        // The database returns the failure and shows nothing itself...
        QVERIFY(!db->execute(sql, {QString(20000, QLatin1Char('t'))}));
        QCOMPARE(db->lastFailure(), failure);
        QCOMPARE(db->failureText(), told);
        QVERIFY(!told.contains(db->lastError()));
        QCOMPARE(world->dialogs().messages(), QStringList());
        // ...and a window's request tells the user once, in the same words.
        world->dialogs().answerMessage();
        QVERIFY(!common::executeOrSay(*db, sql, {QString(20000, QLatin1Char('t'))}));
        QCOMPARE(world->dialogs().messages(), QStringList{told});
        held.reset();
        QCOMPARE(world->user()->query(QStringLiteral("SELECT Morning FROM Schedule")).value(0).toString(),
                 QStringLiteral("first"));
    }

    void statementsSplitOutsideQuotesAndComments() {
        const QStringList s = SchemaLoader::splitStatements(
            QStringLiteral("CREATE TABLE T (A TEXT); -- a comment; with a semicolon\n"
                           "INSERT INTO T VALUES ('it''s; fine');\n/* block; */ INSERT INTO T VALUES (\"x;y\")"));
        QCOMPARE(s.size(), 3);
        QCOMPARE(s[1], QStringLiteral("INSERT INTO T VALUES ('it''s; fine')"));
        QVERIFY(s[2].endsWith(QStringLiteral("(\"x;y\")")));
    }

    void anExistingDatabaseOnlyTakesNewerFilesAndKeepsItsRows() {
        QTemporaryDir sql;
        auto write = [&](const QString& name, const QByteArray& text) {
            QFile f(sql.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        write(QStringLiteral("001_base.sql"), "CREATE TABLE T (A TEXT); INSERT INTO T VALUES ('shipped');");
        const QString path = QDir(world->folder()).filePath(QStringLiteral("x.db"));
        auto r = SchemaLoader::ensure(path, sql.path());
        QVERIFY(r.ok && r.created);
        QCOMPARE(r.version, 1);
        {
            auto db = Database::open(path);
            QVERIFY(db->execute(QStringLiteral("INSERT INTO T VALUES ('mine')")));
        }
        write(QStringLiteral("002_more.sql"), "ALTER TABLE T ADD COLUMN B INTEGER DEFAULT 5;");
        r = SchemaLoader::ensure(path, sql.path());
        QVERIFY(r.ok && !r.created);
        QCOMPARE(r.version, 2);
        auto db = Database::open(path);
        auto rs = db->query(QStringLiteral("SELECT A, B FROM T ORDER BY A"));
        QCOMPARE(rs.recordCount(), 2);
        QCOMPARE(rs.text(QStringLiteral("A")), QStringLiteral("mine"));
        QCOMPARE(rs.integer(QStringLiteral("B")), 5);
    }

    void aBrokenFileLeavesNoHalfBuiltDatabase() {
        QTemporaryDir sql;
        QFile f(sql.filePath(QStringLiteral("001_bad.sql")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("CREATE TABLE T (A TEXT); INSERT INTO Missing VALUES (1);");
        f.close();
        const QString path = QDir(world->folder()).filePath(QStringLiteral("bad.db"));
        const auto r = SchemaLoader::ensure(path, sql.path());
        QVERIFY(!r.ok);
        QVERIFY(r.error.contains(QStringLiteral("001_bad.sql")));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
