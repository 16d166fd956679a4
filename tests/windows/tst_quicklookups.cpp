#include "TestSupport.h"

#include "common/ListBox.h"

using platform::Forms;

Q_DECLARE_METATYPE(QList<QStringList>)

// The quick ride and restaurant look-ups: every entry by name, and the entry
// the user moves to, by mouse or keyboard, shown with its description and
// where it is.
class TestQuickLookups : public WorldTest {
    Q_OBJECT
private slots:
    // Two entries share a name (either shows the first of them); names with an
    // apostrophe and a small first letter; a place no park has, or none.
    void eachEntryShowsTheFirstRowOfItsName_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QStringList>("shownFirst");     // the title, then the look-up before any move
        QTest::addColumn<QList<QStringList>>("entries"); // each as listed, then as shown
        QTest::newRow("rides") << "frmQuick"
                               << "INSERT INTO ParkPlanner (ParkId, Attraction, Description) VALUES "
                                  "(2, 'Zebra Walk', 'Along the lagoon.'), (1, 'Character Meet', 'In the castle.'), "
                                  "(7, 'o''Hara''s Rapids', 'A water park ride.'), (3, 'Character Meet', 'Studios.')"
                               << QStringList{"Quick Ride Description", "Ride Description", "", ""}
                               << QList<QStringList>{{"Character Meet", "In the castle.", "Magic Kingdom"},
                                                     {"Character Meet", "In the castle.", "Magic Kingdom"},
                                                     {"o'Hara's Rapids", "A water park ride.", ""},
                                                     {"Zebra Walk", "Along the lagoon.", "Epcot"}};
        QTest::newRow("restaurants")
            << "frmQuickRestaurant"
            << "INSERT INTO Reservations (Restaurant, ParkLocation, ParkLand, Location, Description) VALUES "
               "(1, 1, 'Fantasyland', 'Cinderella''s Royal Table', 'Inside the castle.'), "
               "(0, 2, 'Future World', 'behind the Seeds Tour', 'Greenhouses.'), "
               "(1, 5, 'Downtown', 'Arthur''s 27', 'High above.'), "
               "(1, 2, 'World Showcase', 'Biergarten', 'First of two.'), "
               "(1, 7, 'BoardWalk', 'Biergarten', 'Second of two.'), (1, 8, NULL, 'Zero Place', NULL)"
            << QStringList{"Quick Restaurant Description", "Description", "", ""}
            << QList<QStringList>{{"Arthur's 27", "High above.", "Downtown"},
                                  {"behind the Seeds Tour", "Greenhouses.", "Future World"},
                                  {"Biergarten", "First of two.", "World Showcase"},
                                  {"Biergarten", "First of two.", "World Showcase"},
                                  {"Cinderella's Royal Table", "Inside the castle.", "Fantasyland"},
                                  {"Zero Place", "", ""}};
    }
    void eachEntryShowsTheFirstRowOfItsName() {
        QFETCH(QString, form);
        QFETCH(QString, rows);
        QFETCH(QStringList, shownFirst);
        QFETCH(QList<QStringList>, entries);
        const QStringList lookUp = {"Label2", "txtRide", "Label3"};
        platform::Form* w = Forms::open(form);
        QVERIFY(w);
        QCOMPARE(must<common::ListBox>(w, "lstRides")->count(), 0); // an empty table gives an empty list
        world->closeAll();
        world->exec(platform::Database::contentFileName(), rows);
        w = Forms::open(form);
        QVERIFY(w);
        QCOMPARE(QStringList{w->windowTitle()} + shownTexts(w, lookUp), shownFirst);
        auto* list = must<common::ListBox>(w, "lstRides");
        QStringList names;
        for (const QStringList& entry : entries)
            names << entry.first();
        QCOMPARE(itemTexts(list), names);

        // A click, then the keys: the look-up follows every move.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(shownTexts(w, lookUp), entries[1]);
        const int last = int(entries.size()) - 1;
        const std::pair<Qt::Key, int> moves[] = {
            {Qt::Key_End, last}, {Qt::Key_Home, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}};
        for (const auto& [key, row] : moves) {
            QTest::keyClick(list, key);
            QCOMPARE(shownTexts(w, lookUp), entries[row]);
        }
        clickOn(w, "Picture1");
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestQuickLookups)
#include "tst_quicklookups.moc"
