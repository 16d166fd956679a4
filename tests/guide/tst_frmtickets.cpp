#include "TestSupport.h"

#include "common/RichTextBox.h"
#include "guide/frmTickets.h"

#include <QAction>
#include <QLabel>

using guide::frmTickets;
using platform::Forms;

class TestFrmTickets : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

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
        const QString text = QStringLiteral("Day Ticket\n  One park\n  Two parks\n\nPark Hopper\n\n"
                                            "Annual Pass\n  Free parking\n     \n  Yes\n\n"
                                            "Premium Annual Pass\n  Costs more than a Day Ticket\n\n\n  Untitled\n\n");
        QCOMPARE(rtParks->text(), text);

        // Titles red on their own lines only; feature lines bulleted and readable.
        int at = 0;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const bool feature = line.startsWith(QStringLiteral("  "));
            if (!line.isEmpty()) {
                const QColor ink = rtParks->formatAt(feature ? at + 2 : at).foreground().color();
                QCOMPARE(rtParks->isBulleted(at), feature);
                QCOMPARE(ink == QColor(Qt::red), !feature);
                QVERIFY(ink != QColor(Qt::white));
            }
            at += int(line.size()) + 1;
        }
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
