#include "TestSupport.h"

#include "common/RichTextBox.h"
#include "guide/AttractionGuide.h"

#include <QAction>
#include <QScrollBar>

using guide::AttractionGuide;
using platform::Forms;

class TestAttractionGuides : public WorldTest {
    Q_OBJECT
private slots:
    // Rows are tagged with the window's title. Headings red and bold on their
    // own lines only; each attraction bulleted, its name bold (red on the
    // studios guide); "Asia" in a description stays plain.
    void eachGuideShowsFormatsPrintsAndLinks_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Magic Kingdom Attractions")
            << "frmMkAttractions"
            << "{bold,red:Main Street, U.S.A. Attractions}\n\n*   {bold:TRAIN} - Round the park.\n\n"
               "{bold,red:Adventureland Attractions}\n\n*   {bold:JUNGLE CRUISE} - A boat ride.\n\n"
               "{bold,red:Frontierland Attractions}\n\n*   {bold:PIRATES} - \n\n";
        QTest::newRow("Epcot Attractions")
            << "frmEpcotAttractions"
            << "{bold,red:Spaceship Earth Attractions}\n\n*   {bold:STRASSE} - Cars.\n\n"
               "{bold,red:Spaceship Earth Attractions}\n\n*   {bold:SOARIN} - Fly.\n\n"
               "{bold,red:Spaceship Earth Attractions}\n\n*   {bold:MAELSTROM} - A boat.\n\n";
        QTest::newRow("Animal Kingdom Attractions")
            << "frmAkAttractions"
            << "{bold,red:Discovery Island}\n\n*   {bold:SAFARI} - Animals, as seen in Asia too.\n\n"
               "{bold,red:Asia}\n\n*   {bold:RAPIDS} - Wet.\n\n{bold,red:DinoLand U.S.A}\n\n*   {bold:TREK} - Walk.\n\n"
               "{bold,red:DinoLand U.S.A}\n\n*   {bold:DIG} - Fossils.\n\n";
        QTest::newRow("MGM Attractions")
            << "frmMGMAttractions"
            << "*   {bold,red:ROCK 'N' ROLLER} - Loud.\n\n*   {bold,red:STAR TOURS} - Space.\n\n"
               "*   {bold,red:THE GREAT MOVIE RIDE} - Films.\n\n";
    }
    void eachGuideShowsFormatsPrintsAndLinks() {
        QFETCH(QString, form);
        // Each group is headed by the entry at the land before it, so a gap shifts the headings (Magic
        // Kingdom land 4 after land 2); every land 0 row starts a group under entry 0, and so does the group
        // after it (Epcot); after a land beyond the table (Animal Kingdom land 7) the heading repeats.
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Description, land) VALUES "
                                   "(1, 'Jungle Cruise', 'A boat ride.', 2), (1, 'Train', 'Round the park.', 1), "
                                   "(1, 'Pirates', NULL, 4), (4, 'Rapids', 'Wet.', 5), (4, 'Trek', 'Walk.', 7), "
                                   "(4, 'Safari', 'Animals, as seen in Asia too.', 4), (4, 'Dig', 'Fossils.', 8), "
                                   "(3, 'The Great Movie Ride', 'Films.', 1), (3, 'star tours', 'Space.', 4), "
                                   "(3, 'Rock ''n'' Roller', 'Loud.', 6), (2, 'Maelstrom', 'A boat.', 10), "
                                   "(2, 'Straße', 'Cars.', 0), (2, 'Soarin', 'Fly.', 0)"));
        platform::Form* w = Forms::open(form);
        QVERIFY(qobject_cast<AttractionGuide*>(w));
        auto* rtParks = must<common::RichTextBox>(w, "rtParks");
        const QString title = QString::fromLatin1(QTest::currentDataTag());
        QCOMPARE(w->windowTitle(), title);
        QTEST(paneMarkup(*rtParks), "shown");
        // The guide opens at its first line.
        QCOMPARE(rtParks->selStart(), 0);
        QCOMPARE(rtParks->verticalScrollBar()->value(), 0);

        must<QAction>(w, "mnuPrint")->trigger();
        QTest::mouseClick(must<QWidget>(w, "Picture1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().documents.size(), 2);
        QCOMPARE(world->printer().words(1, 0).first(), title);

        // The links open their pages (the Animal Kingdom guide's as the button goes down); the guide stays open.
        QTest::mouseClick(must<QWidget>(w, "Label2"), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mousePress(must<QWidget>(w, "Label3"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(Forms::isLoaded(QStringLiteral("frmTickets")), form == QLatin1String("frmAkAttractions"));
        QTest::mouseRelease(must<QWidget>(w, "Label3"), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(Forms::loadedNames(), (QStringList{form, "frmFastpass", "frmTickets"}));
        QTest::mouseClick(must<QWidget>(w, "Picture9"), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestAttractionGuides)
#include "tst_attractionguides.moc"
