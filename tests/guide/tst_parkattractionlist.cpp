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

    void pagesAreComposedPerPark_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("Fastpass") << "frmFastpass"
                                  << "Magic Kingdom participating FASTPASS attractions:\r\n\r\n"
                                     "--Space Mountain\r\n--Peter Pan's Flight\r\n\r\n"
                                     "Epcot participating FASTPASS attractions:\r\n\r\n\r\n"
                                     "MGM participating FASTPASS attractions:\r\n\r\n--Tower of Terror\r\n\r\n"
                                     "Animal Kingdom participating FASTPASS attractions:\r\n\r\n\r\n"
                                  << QStringList{"", "--", "--", "--"}
                                  << QStringList{"Magic Kingdom participating FASTPASS attractions:",
                                                 "Epcot participating FASTPASS attractions:",
                                                 "MGM participating FASTPASS attractions:",
                                                 "Animal Kingdom participating FASTPASS attractions:"};
        QTest::newRow("Height") << "frmHeight"
                                << "Magic Kingdom attractions with height restrictions:\r\n\r\n"
                                   "--Space Mountain - Must be 44 inches tall\r\n\r\n"
                                   "Epcot attractions with height restrictions:\r\n\r\n"
                                   "--Mission: SPACE - Must be 44 inches tall\r\n\r\n"
                                   "MGM attractions with height restrictions:\r\n\r\n"
                                   "--Rock n Roller Coaster - Must be 48 inches tall\r\n\r\n"
                                   "Animal Kingdom attractions with height restrictions:\r\n\r\n"
                                   "--Kali River Rapids - Must be 38 inches tall\r\n\r\n"
                                << QStringList{"", "--", "--", "--", "--"}
                                << QStringList{"Magic Kingdom attractions with height restrictions:",
                                               "Epcot attractions with height restrictions:",
                                               "MGM attractions with height restrictions:",
                                               "Animal Kingdom attractions with height restrictions:"};
        QTest::newRow("Favorite") << "frmFavorite"
                                  << "Magic Kingdom\r\n\r\n  SPACE MOUNTAIN -  Dark and fast\r\n\r\n"
                                     "Epcot \r\n\r\n  MISSION: SPACE -  Best ride in Epcot\r\n\r\n"
                                     "MGM \r\n\r\n\r\n"
                                     "Animal Kingdom \r\n\r\n  KALI RIVER RAPIDS -  \r\n\r\n"
                                  << QStringList{"", "  Space Mountain", "  Mission: SPACE", "  Kali River Rapids"}
                                  << QStringList{"Magic Kingdom", "Epcot", "MGM", "Animal Kingdom"};
    }
    void pagesAreComposedPerPark() {
        QFETCH(QString, form);
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, headings);
        addRows();
        const guide::ParkListSpec& spec = form == "frmFastpass" ? guide::fastpassSpec()
                                          : form == "frmHeight" ? guide::heightSpec()
                                                                : guide::favoriteSpec();
        QCOMPARE(spec.formName, form);
        const guide::ParkListPage page = guide::composeParkList(spec, *world->content());
        QCOMPARE(page.text, text);
        QCOMPARE(page.rowEntries, rows);
        QCOMPARE(page.headingEntries, headings);

        // The window shows the page with the markers whitened and the headings red.
        Forms::open(form);
        auto* w = Forms::findAs<ParkAttractionList>(form);
        QVERIFY(w);
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(w->rtParks->text(), shown);
        QCOMPARE(w->rtParks->formatAt(0).foreground().color(), QColor(255, 0, 0));
        const int firstRow = int(shown.indexOf(QLatin1Char('\n'))) + 2;
        QVERIFY(w->rtParks->isBulleted(firstRow));
        QVERIFY(!w->rtParks->isBulleted(0));
        if (rows[1] == "--")
            QCOMPARE(w->rtParks->formatAt(firstRow).foreground().color(), QColor(255, 255, 255));
    }

    void windowsCarryTheirCaptionsPrintAndClose_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("header");
        QTest::newRow("Fastpass") << "frmFastpass"
                                  << "Fastpass Information"
                                  << "Participating Fastpass attractions";
        QTest::newRow("Height") << "frmHeight"
                                << "Rides With Height Restrictions"
                                << "Attractions with Height restrictions";
        QTest::newRow("Favorite") << "frmFavorite"
                                  << "Travisto's Favorite Attractions"
                                  << "Travisto's Favorite Attractions:";
    }
    void windowsCarryTheirCaptionsPrintAndClose() {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QString, header);
        addRows();
        Forms::open(form);
        auto* w = Forms::findAs<ParkAttractionList>(form);
        QCOMPARE(w->windowTitle(), caption);
        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        for (const auto& doc : docs) {
            QStringList texts;
            for (const auto& item : doc.pages[0].items)
                texts << item.text;
            QVERIFY(texts.contains(header));
            QVERIFY(texts.contains(QStringLiteral("Mountain"), Qt::CaseInsensitive));
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
        QCOMPARE(w->Label2->text(), guide::fastpassSpec().note);
        // Opening it again only brings it forward.
        QCOMPARE(Forms::open(QStringLiteral("frmFastpass")), w);
    }
};

QTEST_MAIN(TestParkAttractionList)
#include "tst_parkattractionlist.moc"
