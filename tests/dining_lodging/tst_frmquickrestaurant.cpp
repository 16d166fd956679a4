#include "TestSupport.h"

#include "common/ListBox.h"
#include "common/PictureButton.h"
#include "dining_lodging/frmQuickRestaurant.h"

#include <QLabel>
#include <QPlainTextEdit>

using platform::Forms;

class TestFrmQuickRestaurant : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmQuickRestaurant* openLookup() {
        Forms::open(QStringLiteral("frmQuickRestaurant"));
        return Forms::findAs<frmQuickRestaurant>(QStringLiteral("frmQuickRestaurant"));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void listsEveryPlaceByNameAndShowsTheFirstMatchingRow() {
        frmQuickRestaurant* empty = openLookup();
        QVERIFY(empty);
        QCOMPARE(empty->lstRides->count(), 0); // an empty table gives an empty list
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
        frmQuickRestaurant* w = openLookup();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Quick Restaurant Description"));
        QStringList names;
        for (int i = 0; i < w->lstRides->count(); ++i)
            names << w->lstRides->item(i)->text();
        QCOMPARE(names, QStringList({"Arthur's 27", "behind the Seeds Tour", "Biergarten", "Biergarten",
                                     "Cinderella's Royal Table", "Zero Place"}));
        QCOMPARE(w->Label2->text(), QStringLiteral("Description"));

        auto* list = child<common::ListBox>(w, "lstRides");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
        QCOMPARE(w->Label2->text(), QStringLiteral("Cinderella's Royal Table"));
        QCOMPARE(w->txtRide->toPlainText(), QStringLiteral("Inside the castle."));
        QCOMPARE(w->Label3->text(), QStringLiteral("Fantasyland"));
        // Either Biergarten shows the first row of that name; the keyboard picks as the mouse does.
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(w->Label2->text(), QStringLiteral("Biergarten"));
        QCOMPARE(w->txtRide->toPlainText(), QStringLiteral("First of two."));
        QCOMPARE(w->Label3->text(), QStringLiteral("World Showcase"));
        // A row without description or land empties both.
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(w->txtRide->toPlainText(), QString());
        QCOMPARE(w->Label3->text(), QString());

        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmQuickRestaurant")));
    }
};

QTEST_MAIN(TestFrmQuickRestaurant)
#include "tst_frmquickrestaurant.moc"
