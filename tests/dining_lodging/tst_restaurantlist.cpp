#include "TestSupport.h"

#include "common/RichTextBox.h"

#include <QAction>
#include <QWidget>

using platform::Forms;

class TestRestaurantList : public WorldTest {
    Q_OBJECT
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
    // Each list as the user sees it: names bulleted and bold (red on the park
    // lists), the resort areas red headings; the overview numbered and plain.
    void eachListShowsItsRestaurantsPrintsThemAndCloses_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("MK") << "frmMkFood" << "Magic Kingdom Restaurants"
            << "* {bold,red:  Aloha Isle} - Adventureland - Expensive -  - Dole Whip.\n\n"
               "* {bold,red:  Casey's Corner} - Main Street - Inexpensive - Counter Service - Hot dogs.\n\n\n";
        QTest::newRow("Epcot") << "frmEpcotFood" << "Epcot Restaurants"
            << "* {bold,red:  Biergarten} - World Showcase - Expensive - Sit Down Meal - German.\n\n\n";
        QTest::newRow("MGM") << "frmMGMfood" << "MGM Restaurants"
            << "* {bold,red:  50's Prime Time Cafe} Echo Lake - Moderately Priced - Sit Down Meal - Meatloaf.\n\n\n";
        QTest::newRow("AK empty") << "frmAKFood" << "Animal Kingdom Restaurants" << "\n";
        QTest::newRow("resort") << "frmResortFood" << "Walt Disney Resorts and Downtown Disney Food Options"
            << "{bold,red:Polynesian Resort}\n* {bold:  Ohana} - Expensive - Sit Down Meal - Skewers.\n\n"
               "{bold,red:BoardWalk}\n* {bold:  Spoodles} - Moderate - Sit Down Meal - Tapas.\n\n"
               "*   {bold:Cafe} - Inexpensive - Counter Service - Same area text.\n\n"
               "{bold,red:Boardwalk}\n*   {bold:Kona} - Moderate - Counter Service - Case.\n\n"
               "\n* {bold:  Nowhere} - Inexpensive - Sit Down Meal - No area.\n\n"
               "\n* {bold:  Elsewhere} - Inexpensive - Sit Down Meal - No area.\n\n\n";
        QTest::newRow("overview, numbered") << "frmRestaurants" << "Walt Disney World Restaurants"
            << "Magic Kingdom Restaurants:\n\n"
               "1.  Casey's Corner - Main Street - Inexpensive - Counter Service - American\n"
               "2.  Aloha Isle - Adventureland - Expensive -  - \n\n"
               "Epcot Restaurants:\n\n1.  Biergarten - German. - World Showcase\n\n"
               "MGM Restaurants:\n\n1.  50's Prime Time Cafe - Meatloaf. - Echo Lake\n\n"
               "Animal Kingdom Restaurants:\n\n\n";
        // clang-format on
    }
    void eachListShowsItsRestaurantsPrintsThemAndCloses() {
        QFETCH(QString, form);
        QFETCH(QString, header);
        platform::Form* w = Forms::open(form);
        QVERIFY(w);
        QTEST(paneMarkup(*must<common::RichTextBox>(w, "rtParks")), "shown");
        must<QAction>(w, "mnuPrint")->trigger();
        QVERIFY(world->printer().words(0, 0).contains(header));
        QTest::mouseClick(must<QWidget>(w, "Picture9"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestRestaurantList)
#include "tst_restaurantlist.moc"
