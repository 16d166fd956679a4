#include "TestSupport.h"

#include "common/ListBox.h"

using platform::Forms;

class TestFrmQuick : public WorldTest {
    Q_OBJECT
public:
    TestFrmQuick() : WorldTest(false) {}

    static platform::Form* openQuick() { return Forms::open(QStringLiteral("frmQuick")); }
    static QStringList entries(QObject* w) { return itemTexts(must<common::ListBox>(w, "lstRides")); }
    // What the look-up shows: the ride's name, its description and its park.
    static QStringList shownRide(QObject* w) { return shownTexts(w, {"Label2", "txtRide", "Label3"}); }

private slots:
    // Listed by name; two rides share a name (either entry shows the first of
    // them), one has an apostrophe, a small first letter and a park number no park has.
    void eachEntryShowsTheFirstRideOfItsNameAndItsPark() {
        for (const QVariantList& ride : {QVariantList{2, "Zebra Walk", "Along the lagoon."},
                                         QVariantList{1, "Character Meet", "In the castle courtyard."},
                                         QVariantList{7, "o'Hara's Rapids", "A water park ride."},
                                         QVariantList{3, "Character Meet", "On Hollywood Boulevard."}})
            world->exec(platform::Database::contentFileName(),
                        QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Description) VALUES (?, ?, ?)"),
                        ride);
        const QList<QStringList> shown = {{"Character Meet", "In the castle courtyard.", "Magic Kingdom"},
                                          {"Character Meet", "In the castle courtyard.", "Magic Kingdom"},
                                          {"o'Hara's Rapids", "A water park ride.", ""},
                                          {"Zebra Walk", "Along the lagoon.", "Epcot"}};
        platform::Form* w = openQuick();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quick Ride Description"));
        QCOMPARE(shownRide(w), QStringList({"Ride Description", "", ""}));
        QCOMPARE(entries(w), (QStringList{"Character Meet", "Character Meet", "o'Hara's Rapids", "Zebra Walk"}));
        // A click, then the keys: the look-up follows every move.
        auto* list = must<common::ListBox>(w, "lstRides");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(shownRide(w), shown[1]);
        const std::pair<Qt::Key, int> moves[] = {
            {Qt::Key_End, 3}, {Qt::Key_Home, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 2}};
        for (const auto& [key, row] : moves) {
            QTest::keyClick(list, key);
            QCOMPARE(shownRide(w), shown[row]);
        }
    }
};

QTEST_MAIN(TestFrmQuick)
#include "tst_frmquick.moc"
