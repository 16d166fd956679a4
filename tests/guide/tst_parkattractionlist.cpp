#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/ParkAttractionList.h"

#include <QAction>
#include <QLabel>

using guide::ParkAttractionList;
using platform::Forms;

class TestParkAttractionList : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    void addRows() {
        const QString content = platform::Database::contentFileName();
        world->exec(content, QStringLiteral("INSERT INTO Tips (ParkId, Tip) VALUES (6, 'Space Mountain'), "
                                            "(6, 'Peter Pan''s Flight'), (8, 'Tower of Terror'), (1, 'Not listed')"));
        world->exec(content,
                    QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Height, Favorite, Reason) VALUES "
                                   "(1, 'Space Mountain', 44, 1, 'Dark and fast'), (1, 'Dumbo', 0, 0, NULL), "
                                   "(2, 'Mission: SPACE', 44, 1, 'Best ride in Epcot'), "
                                   "(3, 'Rock n Roller Coaster', 48, 0, NULL), (4, 'Kali River Rapids', 38, 1, NULL)"));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void eachListShowsPrintsAndClosesItsPage_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("printHeader");
        QTest::addColumn<QString>("text");
        QTest::newRow("Fastpass") << "frmFastpass"
                                  << "Fastpass Information"
                                  << "Participating Fastpass attractions"
                                  << "Magic Kingdom participating FASTPASS attractions:\n\n"
                                     "--Space Mountain\n--Peter Pan's Flight\n\n"
                                     "Epcot participating FASTPASS attractions:\n\n\n"
                                     "MGM participating FASTPASS attractions:\n\n--Tower of Terror\n\n"
                                     "Animal Kingdom participating FASTPASS attractions:\n\n\n";
        QTest::newRow("Height") << "frmHeight"
                                << "Rides With Height Restrictions"
                                << "Attractions with Height restrictions"
                                << "Magic Kingdom attractions with height restrictions:\n\n"
                                   "--Space Mountain - Must be 44 inches tall\n\n"
                                   "Epcot attractions with height restrictions:\n\n"
                                   "--Mission: SPACE - Must be 44 inches tall\n\n"
                                   "MGM attractions with height restrictions:\n\n"
                                   "--Rock n Roller Coaster - Must be 48 inches tall\n\n"
                                   "Animal Kingdom attractions with height restrictions:\n\n"
                                   "--Kali River Rapids - Must be 38 inches tall\n\n";
        QTest::newRow("Favorite") << "frmFavorite"
                                  << "Travisto's Favorite Attractions"
                                  << "Travisto's Favorite Attractions:"
                                  << "Magic Kingdom\n\n  SPACE MOUNTAIN -  Dark and fast\n\n"
                                     "Epcot \n\n  MISSION: SPACE -  Best ride in Epcot\n\n"
                                     "MGM \n\n\n"
                                     "Animal Kingdom \n\n  KALI RIVER RAPIDS -  \n\n";
    }
    void eachListShowsPrintsAndClosesItsPage() {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QString, printHeader);
        QFETCH(QString, text);
        addRows();
        Forms::open(form);
        auto* w = Forms::findAs<ParkAttractionList>(form);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->rtParks->text(), text);
        // Headings are red; attraction rows are bulleted, their "--" markers whitened.
        QCOMPARE(w->rtParks->formatAt(0).foreground().color(), QColor(255, 0, 0));
        int at = 0;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const bool row = line.startsWith(QStringLiteral("--")) || line.startsWith(QStringLiteral("  "));
            if (!line.isEmpty())
                QCOMPARE(w->rtParks->isBulleted(at), row);
            if (line.startsWith(QStringLiteral("--")))
                QCOMPARE(w->rtParks->formatAt(at).foreground().color(), QColor(255, 255, 255));
            at += int(line.size()) + 1;
        }

        // Print from the menu and from the picture: one document each, under its header.
        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().documents.size(), 2);
        for (int d = 0; d < 2; ++d) {
            QVERIFY(world->printer().words(d, 0).contains(printHeader));
            QVERIFY(world->printer().words(d, 0).contains(QStringLiteral("Mountain"), Qt::CaseInsensitive));
        }
        QTest::mouseClick(w->Picture9, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }

    void theShippedFastpassPageListsEveryParkTopic() {
        world = std::make_unique<TestWorld>(true);
        Forms::open(QStringLiteral("frmFastpass"));
        auto* w = Forms::findAs<ParkAttractionList>(QStringLiteral("frmFastpass"));
        const QString text = w->rtParks->text();
        QVERIFY(text.contains(QStringLiteral("\n--Space Mountain (Tomorrowland)\n")));
        QVERIFY(text.contains(QStringLiteral("\n--Kilimanjaro Safaris (Africa)\n")));
        QVERIFY(text.indexOf(QStringLiteral("Epcot participating")) < text.indexOf(QStringLiteral("--Test Track")));
        // Opening it again only brings it forward.
        QCOMPARE(Forms::open(QStringLiteral("frmFastpass")), w);
    }
};

QTEST_MAIN(TestParkAttractionList)
#include "tst_parkattractionlist.moc"
