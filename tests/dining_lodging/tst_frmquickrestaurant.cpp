#include "TestSupport.h"

#include "common/PictureButton.h"
#include "dining_lodging/frmQuickRestaurant.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

using platform::Forms;

class TestFrmQuickRestaurant : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmQuickRestaurant* openLookup() {
        Forms::open(QStringLiteral("frmQuickRestaurant"));
        return Forms::findAs<frmQuickRestaurant>(QStringLiteral("frmQuickRestaurant"));
    }
    static QStringList names(QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void listsEveryPlaceByNameAndShowsTheFirstMatchingRow() {
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
        QCOMPARE(w->windowTitle(), QStringLiteral("Quick Restaurant Description"));
        QCOMPARE(names(w->lstRides), QStringList({"Arthur's 27", "behind the Seeds Tour", "Biergarten", "Biergarten",
                                                  "Cinderella's Royal Table", "Zero Place"}));
        QCOMPARE(w->Label2->text(), QStringLiteral("Description"));
        QCOMPARE(w->Label3->text(), QString());

        w->lstRides->setCurrentRow(4);
        QCOMPARE(w->Label2->text(), QStringLiteral("Cinderella's Royal Table"));
        QCOMPARE(w->txtRide->toPlainText(), QStringLiteral("Inside the castle."));
        QCOMPARE(w->Label3->text(), QStringLiteral("Fantasyland"));

        w->lstRides->setCurrentRow(3);
        QCOMPARE(w->txtRide->toPlainText(), QStringLiteral("First of two."));
        QCOMPARE(w->Label3->text(), QStringLiteral("World Showcase"));

        w->txtRide->setPlainText(QStringLiteral("typed over"));
        w->lstRides->setCurrentRow(5);
        QCOMPARE(w->Label2->text(), QStringLiteral("Zero Place"));
        QCOMPARE(w->txtRide->toPlainText(), QString());
        QCOMPARE(w->Label3->text(), QString());
        QVERIFY(world->dialogs().messages().isEmpty());

        QCOMPARE(openLookup(), w);
        QCOMPARE(w->Label2->text(), QStringLiteral("Zero Place"));
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmQuickRestaurant")));
    }

    void anEmptyTableGivesAnEmptyList() {
        frmQuickRestaurant* w = openLookup();
        QCOMPARE(w->lstRides->count(), 0);
    }
};

QTEST_MAIN(TestFrmQuickRestaurant)
#include "tst_frmquickrestaurant.moc"
