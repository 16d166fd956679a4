#include "TestSupport.h"

#include "common/RichTextBox.h"
#include "guide/frmTickets.h"

#include <QAction>
#include <QLabel>

using guide::frmTickets;
using platform::Forms;

class TestFrmTickets : public WorldTest {
    Q_OBJECT
private slots:
    void eachKindShowsItsTitleAndItsFeatures() {
        // Out of display order; features empty, missing, blank, short, and one repeating the first title.
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, "
                                   "Feature5) VALUES (12, 'Annual Pass', 3, 'Free parking', NULL, '', '   ', 'Yes'), "
                                   "(12, 'Park Hopper', 2, NULL, NULL, NULL, NULL, NULL), "
                                   "(12, 'Day Ticket', 1, 'One park', '', 'Two parks', NULL, NULL), "
                                   "(12, 'Premium Annual Pass', 4, 'Costs more than a Day Ticket', NULL, NULL, "
                                   "NULL, NULL), (12, NULL, 5, 'Untitled', NULL, NULL, NULL, NULL), "
                                   "(11, 'Not a ticket', 0, 'Shops', NULL, NULL, NULL, NULL)"));
        platform::Form* w = Forms::open(QStringLiteral("frmTickets"));
        QVERIFY(qobject_cast<frmTickets*>(w));
        auto* rtParks = must<common::RichTextBox>(w, "rtParks");
        // Titles red on their own lines only; feature lines bulleted and plain.
        QCOMPARE(
            paneMarkup(*rtParks),
            QStringLiteral("{bold,red:Day Ticket}\n*   One park\n*   Two parks\n\n{bold,red:Park Hopper}\n\n"
                           "{bold,red:Annual Pass}\n*   Free parking\n*      \n*   Yes\n\n"
                           "{bold,red:Premium Annual Pass}\n*   Costs more than a Day Ticket\n\n\n*   Untitled\n\n"));
        const QString introduction = must<QLabel>(w, "Label2")->text();
        QVERIFY(introduction.startsWith(QStringLiteral("You have several options when you are buying Disney "
                                                       "World tickets.  Below are")) &&
                introduction.endsWith(QStringLiteral("Kids under 3 are free.")));

        must<QAction>(w, "mnuPrint")->trigger();
        QTest::mouseClick(must<QWidget>(w, "Picture1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().documents.size(), 2);
        QCOMPARE(world->printer().words(1, 0).first(), QStringLiteral("Walt Disney World Park Ticket Information:"));

        // Closed and reopened, the page reads the table again.
        world->exec(platform::Database::contentFileName(), QStringLiteral("DELETE FROM Tips WHERE ParkId = 12"));
        must<QAction>(w, "mnuClose")->trigger();
        TestWorld::settle();
        w = Forms::open(QStringLiteral("frmTickets"));
        QVERIFY(w);
        QCOMPARE(must<common::RichTextBox>(w, "rtParks")->text(), QString());
    }
};

QTEST_MAIN(TestFrmTickets)
#include "tst_frmtickets.moc"
