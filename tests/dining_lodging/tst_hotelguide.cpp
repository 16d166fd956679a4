#include "TestSupport.h"

#include "common/RichTextBox.h"
#include "dining_lodging/HotelGuide.h"

#include <QLabel>

using platform::Forms;

class TestHotelGuide : public WorldTest {
    Q_OBJECT
    static platform::Form* openGuide() { return Forms::open(QStringLiteral("frmHotels")); }
    static QString adviceShown(QObject* w) { return must<QLabel>(w, "Label10")->text(); }
    void content(const QString& sql, const platform::Binds& binds = {}) {
        world->exec(platform::Database::contentFileName(), sql, binds);
    }

private slots:
    void listsEachCategoryUnderItsHeadingInStoredOrder() {
        const dining_lodging::HotelList list = dining_lodging::composeHotelList({
            {3, "Polynesian", "$299", "Islands."},
            {1, "Pop Century", "$77", "Decades."},
            {7, "Not A Category", "$1", "Never listed."},
            {5, "Fort Wilderness", "", "Cabins."},
            {1, "All-Star Music", "$77", ""},
        });
        QCOMPARE(list.text,
                 QStringLiteral("Disney Value Resorts:\r\n\r\n  Pop Century - $77 - Decades.\r\n\r\n"
                                "  All-Star Music - $77 - \r\n\r\n\r\n\r\n"
                                "Disney Moderate Resorts:\r\n\r\n\r\n\r\n"
                                "Disney Deluxe Resorts:\r\n\r\n  Polynesian - $299 - Islands.\r\n\r\n\r\n\r\n"
                                "Disney Home Away From Home Resorts:\r\n\r\n"
                                "Disney Campground:\r\n\r\n  Fort Wilderness -  - Cabins.\r\n\r\n"));
        QCOMPARE(list.names, QStringList({"", "Pop Century", "All-Star Music", "Polynesian", "Fort Wilderness"}));
    }

    void adviceFollowsTheAnswerStoredWhenTheGuideOpens_data() {
        QTest::addColumn<QVariant>("lodging");
        QTest::addColumn<QString>("advice");
        const QString tail = QStringLiteral("stay at a Disney resort.  You will receive first class customer service "
                                            "and transportation to all things Disney");
        const QString good = "You have made a good choice deciding to " + tail;
        QTest::newRow("yes") << QVariant(0) << good;
        QTest::newRow("unanswered") << QVariant(-1) << good;
        const QString reconsider = "Travisto thinks you should reconsider and " + tail;
        QTest::newRow("no") << QVariant(1) << reconsider;
        QTest::newRow("null") << QVariant() << reconsider;
    }
    void adviceFollowsTheAnswerStoredWhenTheGuideOpens() {
        QFETCH(QVariant, lodging);
        QFETCH(QString, advice);
        platform::Form* w = openGuide();
        QVERIFY(w);
        QCOMPARE(adviceShown(w), QString()); // no trip profile: no advice
        content(QStringLiteral("INSERT INTO TravelInfo (Lodging) VALUES (?)"), {lodging});
        QCOMPARE(openGuide(), w);
        QCOMPARE(adviceShown(w), QString()); // still open: not rebuilt
        chooseItem(w, "mnuClose");
        w = openGuide();
        QVERIFY(w);
        QCOMPARE(adviceShown(w), advice);
    }

    void listFormatsHeadingsAndHotelsAndPrintsWithoutTheAdvice() {
        content(QStringLiteral("INSERT INTO TravelInfo (Lodging) VALUES (1)"));
        content(QStringLiteral("INSERT INTO Hotels VALUES (4, 'Old Key West', '$259', 'Villas.'), "
                               "(9, 'Hidden Resort', '$1', 'Never.')"));
        platform::Form* w = openGuide();
        QVERIFY(w);
        auto* pane = must<common::RichTextBox>(w, "rtParks");
        const QString text = pane->text();
        QVERIFY(!text.contains("Hidden Resort"));
        const int heading = int(text.indexOf("Disney Moderate Resorts:"));
        QCOMPARE(pane->formatAt(heading + 1).foreground().color(), QColor(255, 0, 0));
        QVERIFY(pane->isBulleted(int(text.indexOf("Old Key West"))) && !pane->isBulleted(heading + 1));

        chooseItem(w, "mnuPrint");
        QCOMPARE(world->printer().documents.size(), 1);
        const QString printed = world->printer().words(0, 0).join(' ');
        QVERIFY2(printed.startsWith("Walt Disney World Resorts:") && printed.contains("Page 1 Call (407)") &&
                     printed.contains("Value Season: 1/1 to 2/11; 8/29 to 9/29; 10/31 to 12/19 Regular Season:") &&
                     printed.contains("Holiday Season: 12/20 to 12/31 Disney Value Resorts:") &&
                     printed.contains("Old Key West - $259 - Villas.") && !printed.contains("reconsider"),
                 qPrintable(printed));
    }

    void contactLinkOpensTheContactListOnPress() {
        platform::Form* w = openGuide();
        QVERIFY(w);
        auto* link = must<QWidget>(w, QStringLiteral("Label9"));
        QVERIFY(link->isEnabled());
        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(Forms::loadedNames(), (QStringList{"frmHotels", "frmContact"})); // the guide stays open
        QVERIFY(isShown(QStringLiteral("frmContact")));
    }
};

QTEST_MAIN(TestHotelGuide)
#include "tst_hotelguide.moc"
