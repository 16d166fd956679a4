#include "TestSupport.h"

#include "common/RichTextBox.h"

#include <QAction>

using platform::Forms;

class TestParkAttractionList : public WorldTest {
    Q_OBJECT
    // Rows whose texts hold the words the lists format elsewhere: a "--" inside
    // a tip and a name, park names inside a reason, a name under four letters.
    void addRows() {
        const QString content = platform::Database::contentFileName();
        world->exec(content, QStringLiteral("INSERT INTO Tips (ParkId, Tip) VALUES (6, 'Space Mountain'), "
                                            "(6, 'Peter Pan''s Flight -- go early'), (8, 'Tower of Terror'), "
                                            "(1, 'Not listed')"));
        world->exec(content,
                    QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Height, Favorite, Reason) VALUES "
                                   "(1, 'Ace', 0, 1, 'Better than anything at Epcot or MGM'), "
                                   "(1, 'Space Mountain', 44, 1, 'Dark and fast'), (1, 'Dumbo', 0, 0, NULL), "
                                   "(2, 'Mission: SPACE', 44, 1, 'Best ride in Epcot'), "
                                   "(3, 'Rock -- Roller', 48, 0, NULL), (4, 'Kali River Rapids', 38, 1, NULL), "
                                   "(4, '', 0, 1, 'A ride without a name')"));
    }

private slots:
    void eachListShowsPrintsAndClosesItsPage_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("printHeader");
        QTest::addColumn<QString>("shown");
        // Headings red, rows bulleted, each row's own "--" whitened and each
        // favourite's name bold, and nothing else formatted.
        QTest::newRow("Fastpass") << "frmFastpass"
                                  << "Fastpass Information"
                                  << "Participating Fastpass attractions"
                                  << "{bold,red:Magic Kingdom participating FASTPASS attractions:}\n\n"
                                     "* {bold,white:--}Space Mountain\n"
                                     "* {bold,white:--}Peter Pan's Flight -- go early\n\n"
                                     "{bold,red:Epcot participating FASTPASS attractions:}\n\n\n"
                                     "{bold,red:MGM participating FASTPASS attractions:}\n\n"
                                     "* {bold,white:--}Tower of Terror\n\n"
                                     "{bold,red:Animal Kingdom participating FASTPASS attractions:}\n\n\n";
        QTest::newRow("Height") << "frmHeight"
                                << "Rides With Height Restrictions"
                                << "Attractions with Height restrictions"
                                << "{bold,red:Magic Kingdom attractions with height restrictions:}\n\n"
                                   "* {bold,white:--}Space Mountain - Must be 44 inches tall\n\n"
                                   "{bold,red:Epcot attractions with height restrictions:}\n\n"
                                   "* {bold,white:--}Mission: SPACE - Must be 44 inches tall\n\n"
                                   "{bold,red:MGM attractions with height restrictions:}\n\n"
                                   "* {bold,white:--}Rock -- Roller - Must be 48 inches tall\n\n"
                                   "{bold,red:Animal Kingdom attractions with height restrictions:}\n\n"
                                   "* {bold,white:--}Kali River Rapids - Must be 38 inches tall\n\n";
        QTest::newRow("Favorite") << "frmFavorite"
                                  << "Travisto's Favorite Attractions"
                                  << "Travisto's Favorite Attractions:"
                                  << "{bold,red:Magic Kingdom}\n\n"
                                     "* {bold:  ACE} -  Better than anything at Epcot or MGM\n"
                                     "* {bold:  SPACE MOUNTAIN} -  Dark and fast\n\n"
                                     "{bold,red:Epcot} \n\n* {bold:  MISSION: SPACE} -  Best ride in Epcot\n\n"
                                     "{bold,red:MGM} \n\n\n"
                                     "{bold,red:Animal Kingdom} \n\n* {bold:  KALI RIVER RAPIDS} -  \n"
                                     "* {bold:  } -  A ride without a name\n\n";
    }
    void eachListShowsPrintsAndClosesItsPage() {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QString, printHeader);
        QFETCH(QString, shown);
        addRows();
        auto* w = Forms::open(form);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        auto* pane = must<common::RichTextBox>(w, QStringLiteral("rtParks"));
        QCOMPARE(paneMarkup(*pane), shown);

        // Print from the menu and from the picture: one document each, under its header.
        must<QAction>(w, QStringLiteral("mnuPrint"))->trigger();
        QTest::mouseClick(must<QWidget>(w, QStringLiteral("Picture1")), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().documents.size(), 2);
        for (int d = 0; d < 2; ++d) {
            QVERIFY(world->printer().words(d, 0).contains(printHeader));
            QVERIFY(world->printer().words(d, 0).contains(QStringLiteral("Mountain"), Qt::CaseInsensitive));
        }
        QTest::mouseClick(must<QWidget>(w, QStringLiteral("Picture9")), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }

    void theShippedFastpassPageListsEveryParkTopic() {
        world = std::make_unique<TestWorld>(true);
        auto* w = Forms::open(QStringLiteral("frmFastpass"));
        QVERIFY(w);
        const QString text = must<common::RichTextBox>(w, QStringLiteral("rtParks"))->text();
        QVERIFY(text.contains(QStringLiteral("\n--Space Mountain (Tomorrowland)\n")));
        QVERIFY(text.contains(QStringLiteral("\n--Kilimanjaro Safaris (Africa)\n")));
        QVERIFY(text.indexOf(QStringLiteral("Epcot participating")) < text.indexOf(QStringLiteral("--Test Track")));
        // Opening it again only brings it forward.
        QCOMPARE(Forms::open(QStringLiteral("frmFastpass")), w);
    }
};

QTEST_MAIN(TestParkAttractionList)
#include "tst_parkattractionlist.moc"
