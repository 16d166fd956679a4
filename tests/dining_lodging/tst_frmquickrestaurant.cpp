#include "TestSupport.h"

#include "common/ListBox.h"

using platform::Forms;

namespace {

// What the look-up shows: the place's name, its description and where it lies.
QStringList shownPlace(QObject* w) {
    return shownTexts(w, {"Label2", "txtRide", "Label3"});
}

} // namespace

class TestFrmQuickRestaurant : public WorldTest {
    Q_OBJECT
public:
    TestFrmQuickRestaurant() : WorldTest(false) {}

    static platform::Form* openLookup() { return Forms::open(QStringLiteral("frmQuickRestaurant")); }

private slots:
    void listsEveryPlaceByNameAndShowsTheFirstMatchingRow() {
        platform::Form* empty = openLookup();
        QVERIFY(empty);
        QCOMPARE(must<common::ListBox>(empty, "lstRides")->count(), 0); // an empty table gives an empty list
        world->closeAll();
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Reservations (Restaurant, ParkLocation, ParkLand, Location, "
                                   "Description) VALUES "
                                   "(1, 1, 'Fantasyland', 'Cinderella''s Royal Table', 'Inside the castle.'), "
                                   "(0, 2, 'Future World', 'behind the Seeds Tour', 'Greenhouses.'), "
                                   "(1, 5, 'Downtown', 'Arthur''s 27', 'High above.'), "
                                   "(1, 2, 'World Showcase', 'Biergarten', 'First of two.'), "
                                   "(1, 7, 'BoardWalk', 'Biergarten', 'Second of two.'), "
                                   "(1, 8, NULL, 'Zero Place', NULL)"));
        platform::Form* w = openLookup();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quick Restaurant Description"));
        auto* list = must<common::ListBox>(w, "lstRides");
        QCOMPARE(itemTexts(list), QStringList({"Arthur's 27", "behind the Seeds Tour", "Biergarten", "Biergarten",
                                               "Cinderella's Royal Table", "Zero Place"}));
        QCOMPARE(shownPlace(w), QStringList({"Description", "", ""}));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
        QCOMPARE(shownPlace(w), QStringList({"Cinderella's Royal Table", "Inside the castle.", "Fantasyland"}));
        // Either Biergarten shows the first row of that name; the keyboard picks as the mouse does.
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(shownPlace(w), QStringList({"Biergarten", "First of two.", "World Showcase"}));
        // A row without description or land empties both.
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(shownPlace(w), QStringList({"Zero Place", "", ""}));

        clickOn(w, "Picture1");
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmQuickRestaurant")));
    }
};

QTEST_MAIN(TestFrmQuickRestaurant)
#include "tst_frmquickrestaurant.moc"
