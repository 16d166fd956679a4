#include "TestSupport.h"

#include "common/RichTextBox.h"

#include <QAction>
#include <QWidget>

using platform::Forms;

class TestRestaurantList : public WorldTest {
    Q_OBJECT
public:
    TestRestaurantList() : WorldTest(false) {}

private slots:
    void init() {
        WorldTest::init();
        world->exec(platform::Database::contentFileName(),
                    "INSERT INTO Reservations VALUES "
                    "(1, 1, 'Main Street', 'Casey''s Corner', 'Hot dogs.', 1, 1, 'American'), "
                    "(1, 1, 'Adventureland', 'Aloha Isle', 'Dole Whip.', NULL, 3, NULL), "
                    "(0, 1, 'Frontierland', 'Not a restaurant', 'Tour.', 1, 1, NULL), "
                    "(1, 2, 'World Showcase', 'Biergarten', 'German.', 0, 2, NULL), "
                    "(1, 3, 'Echo Lake', '50''s Prime Time Cafe', 'Meatloaf.', 2, 2, NULL), "
                    "(1, 7, 'BoardWalk', 'Spoodles', 'Tapas.', 2, 2, NULL), "
                    "(1, 6, 'Polynesian Resort', 'Ohana', 'Skewers.', 3, 2, NULL), "
                    "(1, 8, 'BoardWalk', 'Cafe', 'Same area text.', 1, 1, NULL), "
                    "(1, 8, 'Boardwalk', 'Kona', 'Case.', 2, 1, NULL), "
                    "(1, 9, NULL, 'Nowhere', 'No area.', 1, 2, NULL), "
                    "(1, 9, NULL, 'Elsewhere', 'No area.', 1, 2, NULL)");
    }
    void eachListShowsItsRestaurantsPrintsThemAndCloses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("name"); // a bulleted restaurant name; -1: nothing formatted
        QTest::addColumn<int>("red");  // a red park list name or resort heading
        // clang-format off
        QTest::newRow("MK") << "frmMkFood" << "Magic Kingdom Restaurants"
            << "  Aloha Isle - Adventureland - Expensive -  - Dole Whip.\n\n"
               "  Casey's Corner - Main Street - Inexpensive - Counter Service - Hot dogs.\n\n\n" << 2 << 2;
        QTest::newRow("Epcot") << "frmEpcotFood" << "Epcot Restaurants"
            << "  Biergarten - World Showcase - Expensive - Sit Down Meal - German.\n\n\n" << 2 << 2;
        QTest::newRow("MGM") << "frmMGMfood" << "MGM Restaurants"
            << "  50's Prime Time Cafe Echo Lake - Moderately Priced - Sit Down Meal - Meatloaf.\n\n\n" << 2 << 2;
        QTest::newRow("AK empty") << "frmAKFood" << "Animal Kingdom Restaurants" << "\n" << -1 << -1;
        QTest::newRow("resort") << "frmResortFood" << "Walt Disney Resorts and Downtown Disney Food Options"
            << "Polynesian Resort\n  Ohana - Expensive - Sit Down Meal - Skewers.\n\n"
               "BoardWalk\n  Spoodles - Moderate - Sit Down Meal - Tapas.\n\n"
               "  Cafe - Inexpensive - Counter Service - Same area text.\n\n"
               "Boardwalk\n  Kona - Moderate - Counter Service - Case.\n\n"
               "\n  Nowhere - Inexpensive - Sit Down Meal - No area.\n\n"
               "\n  Elsewhere - Inexpensive - Sit Down Meal - No area.\n\n\n" << 20 << 0;
        QTest::newRow("overview, numbered") << "frmRestaurants" << "Walt Disney World Restaurants"
            << "Magic Kingdom Restaurants:\n\n"
               "1.  Casey's Corner - Main Street - Inexpensive - Counter Service - American\n"
               "2.  Aloha Isle - Adventureland - Expensive -  - \n\n"
               "Epcot Restaurants:\n\n1.  Biergarten - German. - World Showcase\n\n"
               "MGM Restaurants:\n\n1.  50's Prime Time Cafe - Meatloaf. - Echo Lake\n\n"
               "Animal Kingdom Restaurants:\n\n\n" << -1 << -1;
        // clang-format on
    }
    void eachListShowsItsRestaurantsPrintsThemAndCloses() {
        QFETCH(QString, form);
        QFETCH(QString, header);
        QFETCH(QString, text);
        QFETCH(int, name);
        QFETCH(int, red);
        platform::Form* w = Forms::open(form);
        QVERIFY(w);
        auto* pane = must<common::RichTextBox>(w, "rtParks");
        QCOMPARE(pane->text(), text);
        if (name >= 0) {
            QVERIFY(pane->isBulleted(name));
            QCOMPARE(pane->formatAt(red).foreground().color(), QColor(255, 0, 0));
        }
        must<QAction>(w, "mnuPrint")->trigger();
        QVERIFY(world->printer().words(0, 0).contains(header));
        QTest::mouseClick(must<QWidget>(w, "Picture9"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestRestaurantList)
#include "tst_restaurantlist.moc"
