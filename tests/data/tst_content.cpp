#include "TestSupport.h"

#include "platform/SchemaLoader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTextDocument>

// Checks that catch a broken content file: the shipped SQL builds both
// databases (TestWorld builds them), and the rows hold only what the windows
// that read them can show.
class TestContent : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;
    std::unique_ptr<platform::Database> db;

    // Rows a query returns (the query selects the offending rows; expect none).
    QStringList offenders(const QString& sql, const QString& column = QStringLiteral("Attraction")) {
        QStringList found;
        for (auto rs = db->query(sql); !rs.eof(); rs.moveNext())
            found << rs.text(column);
        return found;
    }
    int count(const QString& sql, const platform::Binds& binds = {}) { return db->query(sql, binds).value(0).toInt(); }

private slots:
    void initTestCase() {
        world = std::make_unique<TestWorld>();
        db = world->content();
        QVERIFY(db);
    }
    void cleanupTestCase() {
        db.reset();
        world.reset();
    }

    void attractionsCarryOnlyTheCodesTheWindowsKnow() {
        QCOMPARE(offenders("SELECT Attraction FROM ParkPlanner WHERE ParkId NOT IN (1, 2, 3, 4)"
                           " OR TimeToRide NOT IN ('1', '2', '3') OR TimeOrder IS NULL"
                           " OR OnlyKids NOT IN (0, 1) OR Wild NOT IN (0, 1) OR Wet NOT IN (0, 1)"
                           " OR Show NOT IN (0, 1) OR FUNFORALL NOT IN (0, 1) OR Favorite NOT IN (0, 1)"
                           " OR (Favorite = 1 AND COALESCE(Reason, '') = '') OR COALESCE(Description, '') = ''"),
                 QStringList());
        // Each park and part of the day is ordered without ties.
        QCOMPARE(offenders("SELECT MIN(Attraction) AS Attraction FROM ParkPlanner"
                           " GROUP BY ParkId, TimeToRide, TimeOrder HAVING COUNT(*) > 1"),
                 QStringList());
        const int perPark[] = {0, 35, 20, 15, 12};
        for (int park = 1; park <= 4; ++park)
            QVERIFY2(count("SELECT COUNT(*) FROM ParkPlanner WHERE ParkId = ?", {park}) >= perPark[park],
                     qPrintable(QString::number(park)));
    }

    // The guides head land n with table entry n - 1: lands 1 to N, none left out or without a number.
    void everyLandOfEachGuideHeadingTableHasAttractions() {
        for (const auto& [park, lands] : {std::pair{1, 7}, {2, 10}, {4, 6}})
            QCOMPARE(db->query("SELECT COUNT(DISTINCT land) || ' ' || MIN(land) || '-' || MAX(land) || ' ' || "
                               "(COUNT(*) - COUNT(land)) FROM ParkPlanner WHERE ParkId = ?",
                               {park})
                         .value(0)
                         .toString(),
                     QStringLiteral("%1 1-%1 0").arg(lands));
    }

    void everyPartOfTheDayHasSuggestionsForEveryKindOfParty() {
        for (int park = 1; park <= 4; ++park)
            for (const char* part : {"1", "2", "3"})
                for (const char* flag : {"OnlyKids", "Wild", "Show", "FUNFORALL"})
                    QVERIFY2(count(QStringLiteral("SELECT COUNT(*) FROM ParkPlanner WHERE ParkId = ? AND "
                                                  "TimeToRide = ? AND %1 = 1")
                                       .arg(QLatin1String(flag)),
                                   {park, QString::fromLatin1(part)}) > 0,
                             qPrintable(QStringLiteral("park %1 part %2 %3").arg(park).arg(part).arg(flag)));
    }

    void tipTopicsAreFilled() {
        for (int topic : {1, 2, 3, 4, 10, 11, 13, 14, 15, 16}) {
            const int tips = count("SELECT COUNT(*) FROM Tips WHERE ParkId = ? AND Search = 0", {topic});
            QVERIFY2(tips >= 8 && tips <= 15, qPrintable(QStringLiteral("topic %1: %2").arg(topic).arg(tips)));
        }
        for (int topic : {6, 7, 8, 9})
            QVERIFY(count("SELECT COUNT(*) FROM Tips WHERE ParkId = ? AND Search = 1", {topic}) >= 4);
        QVERIFY(count("SELECT COUNT(*) FROM Tips WHERE ParkId = 12 AND COALESCE(Feature1, '') <> ''") >= 4);
        QCOMPARE(count("SELECT COUNT(*) FROM Tips WHERE ParkId NOT IN (1,2,3,4,6,7,8,9,10,11,12,13,14,15,16)"
                       " OR Search NOT IN (0, 1) OR COALESCE(Tip, '') = ''"),
                 0);
        QCOMPARE(count("SELECT COUNT(*) FROM Tips WHERE ParkId = 1 AND orderid IS NULL"), 0);
    }

    void restaurantsHotelsAndReviewsAgree() {
        QCOMPARE(offenders("SELECT Location FROM Reservations WHERE ParkLocation < 1 OR Restaurant NOT IN (0, 1)"
                           " OR COALESCE(Location, '') = '' OR COALESCE(Description, '') = ''"
                           " OR (Restaurant = 1 AND ServiceType NOT IN (1, 2))",
                           "Location"),
                 QStringList());
        QVERIFY(count("SELECT COUNT(*) FROM Reservations") >= 60);
        QVERIFY(count("SELECT COUNT(*) FROM Reservations WHERE Restaurant = 0") >= 1);
        QCOMPARE(
            offenders("SELECT Hotel FROM Hotels WHERE Type NOT BETWEEN 1 AND 5 OR COALESCE(Cost, '') = ''", "Hotel"),
            QStringList());
        QCOMPARE(offenders("SELECT Hotel FROM Hotels WHERE Hotel NOT IN (SELECT Name FROM HotelInfo)", "Hotel"),
                 QStringList());
        // Every reviewed restaurant is a restaurant of the lists, by its exact name.
        QCOMPARE(offenders("SELECT Restaurant FROM Reviews WHERE Restaurant IS NOT NULL"
                           " AND Restaurant NOT IN (SELECT Location FROM Reservations)",
                           "Restaurant"),
                 QStringList());
        QCOMPARE(count("SELECT COUNT(DISTINCT HotelId) FROM Reviews WHERE Restaurant IS NULL"
                       " AND HotelId BETWEEN 1 AND 17"),
                 17);
        for (int park = 1; park <= 4; ++park)
            QVERIFY(count("SELECT COUNT(DISTINCT Restaurant) FROM Reviews WHERE Park = ?"
                          " AND Restaurant IS NOT NULL",
                          {park}) >= 4);
        QCOMPARE(count("SELECT COUNT(*) FROM Reviews WHERE COALESCE(Title, '') = '' OR COALESCE(details, '') = ''"
                       " OR COALESCE(Name, '') = '' OR Quality NOT BETWEEN 1 AND 10"),
                 0);
    }

    void triviaQuestionsHaveFourDistinctAnswers() {
        QVERIFY(count("SELECT COUNT(*) FROM Trivia WHERE TriviaType = 2") >= 60);
        QVERIFY(count("SELECT COUNT(*) FROM Trivia WHERE TriviaType = 1") >= 20);
        QStringList broken;
        for (auto rs = db->query("SELECT * FROM Trivia"); !rs.eof(); rs.moveNext()) {
            const QStringList answers = {rs.text("CorrectAnswer"), rs.text("Answer2"), rs.text("Answer3"),
                                         rs.text("Answer4")};
            const QSet<QString> distinct(answers.begin(), answers.end());
            if (answers.contains(QString()) || distinct.size() != 4 || rs.text("Question").isEmpty())
                broken << rs.text("QuestionId");
        }
        QCOMPARE(broken, QStringList());
    }

    void basicsAndHomeTipsAreThere() {
        QCOMPARE(count("SELECT COUNT(DISTINCT IntId) FROM Basics WHERE IntId BETWEEN 1 AND 8"), 8);
        QVERIFY(count("SELECT COUNT(*) FROM tblHomeTips WHERE Counter = 0 AND COALESCE(Tip, '') <> ''") >= 30);
        QCOMPARE(count("SELECT COUNT(*) FROM TravelInfo"), 0);
    }

    void aSecondStartChangesNeitherDatabase() {
        const QStringList files = {platform::Database::contentFileName(), platform::Database::userFileName()};
        QList<QByteArray> before;
        for (const QString& f : files) {
            QFile file(platform::App::file(f));
            QVERIFY(file.open(QIODevice::ReadOnly));
            before << file.readAll();
        }
        QVERIFY(platform::SchemaLoader::ensureProgramDatabases().ok);
        for (int i = 0; i < files.size(); ++i) {
            QFile file(platform::App::file(files[i]));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll() == before[i], qPrintable(files[i]));
        }
    }

    void theMouseGoesByTheProgramsNameInEveryTextPageAndMap() {
        // The program's own texts call him Tamble; no text of the content may
        // call him by the other name, or one window shows both.
        const QString other = QStringLiteral("Mickey");
        QStringList found;
        for (auto tables = db->query("SELECT name FROM sqlite_master WHERE type = 'table'"); !tables.eof();
             tables.moveNext()) {
            const QString table = tables.text("name");
            const auto quoted = [](QString name) { return '"' + name.replace('"', QStringLiteral("\"\"")) + '"'; };
            for (auto columns = db->query(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table))); !columns.eof();
                 columns.moveNext()) {
                const QString column = columns.text("name");
                if (count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 LIKE ?").arg(quoted(table), quoted(column)),
                          {'%' + other + '%'}) > 0)
                    found << table + '.' + column;
            }
        }
        QStringList files;
        for (const QFileInfo& page : QDir(world->folder()).entryInfoList({QStringLiteral("*.htm")}, QDir::Files))
            files << page.filePath();
        for (const QFileInfo& map :
             QDir(QStringLiteral(TRAVISTO_DATA_DIR "/maps-src")).entryInfoList({QStringLiteral("*.svg")}, QDir::Files))
            files << map.filePath();
        QVERIFY(files.size() > 8);
        for (const QString& path : files) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            if (QString::fromLatin1(file.readAll()).contains(other, Qt::CaseInsensitive))
                found << QFileInfo(path).fileName();
        }
        QCOMPARE(found, QStringList());
    }

    void pagesAndMapsOfTheProgramsFolderLoad_data() {
        QTest::addColumn<QString>("file");
        for (const char* page : {"FAQ.htm", "loading.htm", "scheduleTips.htm", "weather.htm", "attendance.htm",
                                 "fireworks.htm", "earlymagic.htm", "character.htm"})
            QTest::newRow(page) << QString::fromLatin1(page);
        for (const char* map :
             {"resortmap.gif", "images/mkmap.gif", "images/epcotmap.GIF", "images/mgmmap.gif", "images/akmap.gif"})
            QTest::newRow(map) << QString::fromLatin1(map);
    }
    void pagesAndMapsOfTheProgramsFolderLoad() {
        QFETCH(QString, file);
        const QString path = platform::App::file(file);
        if (file.endsWith(QLatin1String(".htm"))) {
            QFile f(path);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
            QTextDocument doc;
            doc.setHtml(QString::fromLatin1(f.readAll()));
            QVERIFY(doc.toPlainText().trimmed().size() > 100);
        } else {
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            QVERIFY(image.width() >= 400);
        }
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
