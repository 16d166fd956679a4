#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "dining_lodging/RestaurantList.h"

#include <QAction>
#include <QLabel>

using dining_lodging::RestaurantList;
using platform::Forms;

class TestRestaurantList : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() {
        world = std::make_unique<TestWorld>(false);
        world->exec(platform::Database::contentFileName(),
                    "INSERT INTO Reservations (Restaurant, ParkLocation, ParkLand, Location, Description, Expense, "
                    "ServiceType) VALUES "
                    "(1, 1, 'Main Street', 'Casey''s Corner', 'Hot dogs.', 1, 1), "
                    "(1, 1, 'Adventureland', 'Aloha Isle', 'Dole Whip.', NULL, 3), "
                    "(0, 1, 'Frontierland', 'Not a restaurant', 'Tour.', 1, 1), "
                    "(1, 2, 'World Showcase', 'Biergarten', 'German.', 0, 2), "
                    "(1, 3, 'Echo Lake', '50''s Prime Time Cafe', 'Meatloaf.', 2, 2), "
                    "(1, 7, 'BoardWalk', 'Spoodles', 'Tapas.', 2, 2), "
                    "(1, 6, 'Polynesian Resort', 'Ohana', 'Skewers.', 3, 2), "
                    "(1, 8, 'BoardWalk', 'Cafe', 'Same area text.', 1, 1), (1, 8, 'Boardwalk', 'Kona', 'Case.', 2, 1), "
                    "(1, 9, NULL, 'Nowhere', 'No area.', 1, 2), (1, 9, NULL, 'Elsewhere', 'No area.', 1, 2)");
    }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void theOverviewNumbersEachParksRestaurantsAndPrintsThem() {
        world->exec(platform::Database::contentFileName(),
                    "UPDATE Reservations SET Cuisine = 'American' WHERE Location = 'Casey''s Corner'");
        Forms::open(QStringLiteral("frmRestaurants"));
        auto* pane = child<common::RichTextBox>(Forms::find(QStringLiteral("frmRestaurants")), "rtParks");
        QCOMPARE(pane->text(),
                 QStringLiteral("Magic Kingdom Restaurants:\n\n"
                                "1.  Casey's Corner - Main Street - Inexpensive - Counter Service - American\n"
                                "2.  Aloha Isle - Adventureland - Expensive -  - \n\n"
                                "Epcot Restaurants:\n\n1.  Biergarten - German. - World Showcase\n\n"
                                "MGM Restaurants:\n\n1.  50's Prime Time Cafe - Meatloaf. - Echo Lake\n\n"
                                "Animal Kingdom Restaurants:\n\n\n"));
        child<QAction>(Forms::find(QStringLiteral("frmRestaurants")), "mnuPrint")->trigger();
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("Walt Disney World Restaurants")));
    }

    void eachListShowsItsRestaurantsAndPrintsThem_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("MK") << "frmMkFood" << "Magic Kingdom Restaurants"
            << "  Aloha Isle - Adventureland - Expensive -  - Dole Whip.\n\n"
               "  Casey's Corner - Main Street - Inexpensive - Counter Service - Hot dogs.\n\n\n";
        QTest::newRow("Epcot") << "frmEpcotFood" << "Epcot Restaurants"
            << "  Biergarten - World Showcase - Expensive - Sit Down Meal - German.\n\n\n";
        QTest::newRow("MGM") << "frmMGMfood" << "MGM Restaurants"
            << "  50's Prime Time Cafe Echo Lake - Moderately Priced - Sit Down Meal - Meatloaf.\n\n\n";
        QTest::newRow("AK empty") << "frmAKFood" << "Animal Kingdom Restaurants" << "\n";
        QTest::newRow("resort") << "frmResortFood" << "Walt Disney Resorts and Downtown Disney Food Options"
            << "Polynesian Resort\n  Ohana - Expensive - Sit Down Meal - Skewers.\n\n"
               "BoardWalk\n  Spoodles - Moderate - Sit Down Meal - Tapas.\n\n"
               "  Cafe - Inexpensive - Counter Service - Same area text.\n\n"
               "Boardwalk\n  Kona - Moderate - Counter Service - Case.\n\n"
               "\n  Nowhere - Inexpensive - Sit Down Meal - No area.\n\n"
               "  Elsewhere - Inexpensive - Sit Down Meal - No area.\n\n\n";
        // clang-format on
    }
    void eachListShowsItsRestaurantsAndPrintsThem() {
        QFETCH(QString, form);
        QFETCH(QString, header);
        QFETCH(QString, text);
        auto* w = qobject_cast<RestaurantList*>(Forms::open(form));
        QVERIFY(w);
        QCOMPARE(w->rtParks->text(), text);
        // Park lists colour each name red; the resort list colours its headings red.
        const bool resort = form == QLatin1String("frmResortFood");
        if (text.size() > 1) {
            const int name = resort ? int(text.indexOf('\n')) + 3 : 2;
            QVERIFY(w->rtParks->isBulleted(name));
            QCOMPARE(w->rtParks->formatAt(resort ? 0 : name).foreground().color(), QColor(255, 0, 0));
        }

        w->mnuPrint->trigger();
        QVERIFY(world->printer().words(0, 0).contains(header));
        QTest::mouseClick(w->Picture9, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestRestaurantList)
#include "tst_restaurantlist.moc"
