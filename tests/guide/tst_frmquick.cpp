#include "TestSupport.h"

#include "common/PictureButton.h"
#include "guide/frmQuick.h"

#include <QLabel>
#include <QListWidget>
#include <QTextEdit>

using platform::Forms;

namespace {

void addRide(TestWorld& world, int park, const QString& name, const QString& description) {
    world.exec(platform::Database::contentFileName(),
               QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Description) VALUES (?, ?, ?)"),
               {park, name, description});
}

} // namespace

class TestFrmQuick : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmQuick* openQuick() { return qobject_cast<frmQuick*>(Forms::open(QStringLiteral("frmQuick"))); }
    static QStringList entries(frmQuick* w) {
        QStringList list;
        for (int i = 0; i < w->lstRides->count(); ++i)
            list << w->lstRides->item(i)->text();
        return list;
    }
    static void clickRow(frmQuick* w, int row) {
        QListWidgetItem* item = w->lstRides->item(row);
        QTest::mouseClick(w->lstRides->viewport(), Qt::LeftButton, {}, w->lstRides->visualItemRect(item).center());
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void listsEveryAttractionByName() {
        frmQuick* w = openQuick();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quick Ride Description"));
        const QStringList list = entries(w);
        QCOMPARE(list.size(), 106);
        QStringList sorted = list;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(list, sorted);
        QCOMPARE(w->Label2->text(), QStringLiteral("Ride Description"));
        QVERIFY(w->Label3->text().isEmpty());
    }

    void aNameWithAnApostropheIsFound() {
        frmQuick* w = openQuick();
        const int row = int(entries(w).indexOf(QStringLiteral("Peter Pan's Flight")));
        QVERIFY(row >= 0);
        clickRow(w, row);
        QCOMPARE(w->Label2->text(), QStringLiteral("Peter Pan's Flight"));
        QVERIFY(!w->txtRide->toPlainText().isEmpty());
        QCOMPARE(w->Label3->text(), QStringLiteral("Magic Kingdom"));
    }

    void eachEntryShowsItsOwnParkAndUnknownParksShowNoName_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("park");
        QTest::newRow("first of two") << 0 << "Character Meet"
                                      << "In the castle courtyard."
                                      << "Magic Kingdom";
        QTest::newRow("second of two") << 1 << "Character Meet"
                                       << "On Hollywood Boulevard."
                                       << "Disney MGM Studios";
        QTest::newRow("park 7") << 2 << "O'Hara's Rapids"
                                << "A water park ride." << QString();
        QTest::newRow("Epcot") << 3 << "Zebra Walk"
                               << "Along the lagoon."
                               << "Epcot";
    }
    void eachEntryShowsItsOwnParkAndUnknownParksShowNoName() {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, park);
        world = std::make_unique<TestWorld>(false);
        addRide(*world, 2, QStringLiteral("Zebra Walk"), QStringLiteral("Along the lagoon."));
        addRide(*world, 1, QStringLiteral("Character Meet"), QStringLiteral("In the castle courtyard."));
        addRide(*world, 7, QStringLiteral("O'Hara's Rapids"), QStringLiteral("A water park ride."));
        addRide(*world, 3, QStringLiteral("Character Meet"), QStringLiteral("On Hollywood Boulevard."));
        frmQuick* w = openQuick();
        QCOMPARE(entries(w), (QStringList{"Character Meet", "Character Meet", "O'Hara's Rapids", "Zebra Walk"}));
        clickRow(w, row);
        QCOMPARE(w->Label2->text(), name);
        QCOMPARE(w->txtRide->toPlainText(), description);
        QCOMPARE(w->Label3->text(), park);
    }
};

QTEST_MAIN(TestFrmQuick)
#include "tst_frmquick.moc"
