#include "TestSupport.h"

#include "itinerary/ScheduleStore.h"
#include "organiser/TripJournal.h"
#include "platform/SchemaLoader.h"

#include <QDir>
#include <QThread>
#include <future>
#include <thread>

using platform::Database;
using platform::DbFailure;
using platform::SchemaLoader;

// The program's databases as another copy of the program, an older version
// or a folder that cannot be written leaves them.
class TestDatabaseFiles : public WorldTest {
    Q_OBJECT
public:
    TestDatabaseFiles() : WorldTest(true) {}

private:
    QString userPath() const { return QDir(world->folder()).filePath(Database::userFileName()); }
    QString contentPath() const { return QDir(world->folder()).filePath(Database::contentFileName()); }
    int count(const QString& file, const QString& sql) {
        auto db = Database::open(QDir(world->folder()).filePath(file));
        return db ? db->query(sql).value(0).toInt() : -1;
    }
    void storeScheduleNote(const QString& note) {
        world->exec(Database::userFileName(),
                    QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, Morning) VALUES (1, 1, ?)"), {note});
    }
    QString scheduleNote() {
        auto db = world->user();
        return db->query(QStringLiteral("SELECT Morning FROM Schedule")).text(QStringLiteral("Morning"));
    }

private slots:
    void startWaitsForABriefLockAndReportsOneThatStays_data() {
        QTest::addColumn<bool>("stays");
        QTest::newRow("released after 20 ms") << false;
        QTest::newRow("held throughout") << true;
    }
    void startWaitsForABriefLockAndReportsOneThatStays() {
        QFETCH(bool, stays);
        storeScheduleNote(QStringLiteral("my day"));
        std::promise<void> locked;
        std::thread briefHolder;
        std::unique_ptr<HeldLock> held;
        if (stays) {
            Database::setBusyTimeout(10);
            held = std::make_unique<HeldLock>(userPath(), true);
        } else {
            briefHolder = std::thread([&] {
                HeldLock lock(userPath(), true);
                locked.set_value();
                QThread::msleep(20);
            });
            locked.get_future().wait();
        }
        // Start-up shows what it is told; the loader itself shows nothing.
        const SchemaLoader::Readiness started = SchemaLoader::ensureProgramDatabases();
        if (briefHolder.joinable())
            briefHolder.join();
        held.reset();
        QCOMPARE(started.ok, !stays);
        QCOMPARE(started.messages,
                 stays ? QStringList{Database::failureMessage(DbFailure::Busy, userPath())} : QStringList());
        QCOMPARE(world->dialogs().messages(), QStringList());
        QCOMPARE(scheduleNote(), QStringLiteral("my day"));
    }

    void aFileWithoutItsStampIsTakenAsItIsNotBuiltAgain() {
        storeScheduleNote(QStringLiteral("restored from a dump"));
        const int tips = count(Database::contentFileName(), QStringLiteral("SELECT COUNT(*) FROM tblHomeTips"));
        QVERIFY(tips > 0);
        for (const QString& file : {Database::userFileName(), Database::contentFileName()})
            world->exec(file, QStringLiteral("PRAGMA user_version = 0"));
        for (const QString& path : {userPath(), contentPath()}) {
            const auto r = SchemaLoader::ensure(path, path == userPath() ? SchemaLoader::userSqlFolder()
                                                                         : SchemaLoader::contentSqlFolder());
            QVERIFY2(r.ok, qPrintable(r.error));
            QVERIFY(r.version > 0);
            QCOMPARE(r.added, QStringList());
        }
        QCOMPARE(scheduleNote(), QStringLiteral("restored from a dump"));
        QCOMPARE(count(Database::contentFileName(), QStringLiteral("SELECT COUNT(*) FROM tblHomeTips")), tips);
        QVERIFY(count(Database::userFileName(), QStringLiteral("PRAGMA user_version")) > 0);
    }

    void anOlderFileGetsWhatItLacksAndKeepsItsRows() {
        storeScheduleNote(QStringLiteral("kept"));
        world->exec(
            Database::userFileName(),
            QStringLiteral("INSERT INTO Details (TripNum, DayNum, Details, Different) VALUES (1, 1, 'day', 'x')"));
        world->exec(Database::userFileName(), QStringLiteral("DROP TABLE Budget"));
        world->exec(Database::userFileName(), QStringLiteral("DROP TABLE DontForget"));
        world->exec(Database::userFileName(), QStringLiteral("ALTER TABLE Details DROP COLUMN Different"));
        const int tips = count(Database::contentFileName(), QStringLiteral("SELECT COUNT(*) FROM tblHomeTips"));
        world->exec(Database::contentFileName(), QStringLiteral("DROP TABLE tblHomeTips"));

        const auto user = SchemaLoader::ensure(userPath(), SchemaLoader::userSqlFolder());
        const auto content = SchemaLoader::ensure(contentPath(), SchemaLoader::contentSqlFolder());
        QVERIFY(user.ok && content.ok);
        QCOMPARE(user.added, (QStringList{"table Budget", "column Details.Different", "table DontForget"}));
        QCOMPARE(content.added, QStringList{"table tblHomeTips"});
        // The shipped tips come back with their table; the user's rows stay.
        QCOMPARE(count(Database::contentFileName(), QStringLiteral("SELECT COUNT(*) FROM tblHomeTips")), tips);
        QCOMPARE(scheduleNote(), QStringLiteral("kept"));
        auto db = world->user();
        const auto day = organiser::JournalStore(*db).read(1, 1);
        QVERIFY(day);
        QCOMPARE(day->details, QStringLiteral("day"));
        QCOMPARE(day->food, QString());
        QVERIFY(db->execute(QStringLiteral("INSERT INTO DontForget (Item) VALUES ('passports')")));
        QVERIFY(db->execute(QStringLiteral("INSERT INTO Budget (Adults) VALUES ('2')")));
        // The next start finds nothing to do and changes nothing.
        QCOMPARE(SchemaLoader::ensureProgramDatabases().messages, QStringList());
        QCOMPARE(SchemaLoader::ensure(userPath(), SchemaLoader::userSqlFolder()).added, QStringList());
    }

    void aColumnThatCannotBeAddedIsNamedInPlainWords() {
        world->exec(Database::userFileName(), QStringLiteral("DROP TABLE Details"));
        world->exec(Database::userFileName(), QStringLiteral("CREATE TABLE Details (TripNum INTEGER, Details TEXT)"));
        const SchemaLoader::Readiness started = SchemaLoader::ensureProgramDatabases();
        QVERIFY(started.ok);
        QCOMPARE(started.messages,
                 QStringList{QStringLiteral("The database file %1 comes from an older version of Travisto and cannot "
                                            "be fully brought up to date: the table Details lacks its column DayNum, "
                                            "which cannot be added to it. The windows that use it may not work.")
                                 .arg(userPath())});
        // What could be added was added.
        QCOMPARE(count(Database::userFileName(),
                       QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Details') WHERE name = 'Park8Name'")),
                 1);
    }

    void twoCopiesSavingTheSameNewDaysBothSucceed_data() {
        QTest::addColumn<bool>("journal");
        QTest::newRow("planner") << false;
        QTest::newRow("journal") << true;
    }
    void twoCopiesSavingTheSameNewDaysBothSucceed() {
        QFETCH(bool, journal);
        constexpr int days = 150;
        auto copy = [&](int copyNum, std::promise<int>* refused) {
            int failures = 0;
            {
                auto db = Database::open(userPath());
                for (int d = 1; d <= days; ++d) {
                    const QString note = QStringLiteral("copy %1").arg(copyNum);
                    if (journal) {
                        organiser::JournalDay day;
                        day.dayNum = d;
                        day.details = note;
                        failures += organiser::JournalStore(*db).write(1, day) ? 0 : 1;
                    } else {
                        itinerary::ScheduleDay day;
                        day.dayNum = d;
                        day.parts[0].notes = note;
                        failures += itinerary::ScheduleStore(*db).write(1, day) ? 0 : 1;
                    }
                }
            }
            refused->set_value(failures);
        };
        std::promise<int> first, second;
        std::thread a(copy, 1, &first), b(copy, 2, &second);
        a.join();
        b.join();
        QCOMPARE(first.get_future().get() + second.get_future().get(), 0);
        QCOMPARE(count(Database::userFileName(), journal ? QStringLiteral("SELECT COUNT(*) FROM Details")
                                                         : QStringLiteral("SELECT COUNT(*) FROM Schedule")),
                 days);
    }
};

QTEST_MAIN(TestDatabaseFiles)
#include "tst_databasefiles.moc"
