#include "TestSupport.h"

#include "common/ListBox.h"
#include "common/PictureButton.h"

#include <QLabel>
#include <QTextEdit>

using platform::Forms;

class TestFrmQuick : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static platform::Form* openQuick() { return Forms::open(QStringLiteral("frmQuick")); }
    static QStringList entries(QObject* w) {
        auto* rides = must<common::ListBox>(w, "lstRides");
        QStringList list;
        for (int i = 0; i < rides->count(); ++i)
            list << rides->item(i)->text();
        return list;
    }
    // What the look-up shows: the ride's name, its description and its park.
    static QStringList shownRide(QObject* w) {
        return {must<QLabel>(w, "Label2")->text(), must<QTextEdit>(w, "txtRide")->toPlainText(),
                must<QLabel>(w, "Label3")->text()};
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void listsEveryAttractionByName() {
        platform::Form* w = openQuick();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quick Ride Description"));
        const QStringList list = entries(w);
        QCOMPARE(list.size(), 106);
        QStringList sorted = list;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(list, sorted);
        QCOMPARE(shownRide(w), QStringList({"Ride Description", "", ""}));
    }

    // Two rides share a name (either entry shows the first of them), one has
    // an apostrophe and a park number no park has.
    void eachEntryShowsTheFirstRideOfItsNameAndItsPark() {
        world = std::make_unique<TestWorld>(false);
        for (const QVariantList& ride : {QVariantList{2, "Zebra Walk", "Along the lagoon."},
                                         QVariantList{1, "Character Meet", "In the castle courtyard."},
                                         QVariantList{7, "O'Hara's Rapids", "A water park ride."},
                                         QVariantList{3, "Character Meet", "On Hollywood Boulevard."}})
            world->exec(platform::Database::contentFileName(),
                        QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Description) VALUES (?, ?, ?)"),
                        ride);
        const QList<QStringList> shown = {{"Character Meet", "In the castle courtyard.", "Magic Kingdom"},
                                          {"Character Meet", "In the castle courtyard.", "Magic Kingdom"},
                                          {"O'Hara's Rapids", "A water park ride.", ""},
                                          {"Zebra Walk", "Along the lagoon.", "Epcot"}};
        platform::Form* w = openQuick();
        QVERIFY(w);
        QCOMPARE(entries(w), (QStringList{"Character Meet", "Character Meet", "O'Hara's Rapids", "Zebra Walk"}));
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
