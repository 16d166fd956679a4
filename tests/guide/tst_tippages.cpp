#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/TipPageViewer.h"
#include "guide/TipPages.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using common::TipPageViewer;
using platform::Forms;

// What each page shows, as the user sees it.
struct Page {
    QString form, caption;
    int topic = 0;
    QString marker, pane, header, closeItem;
};
Q_DECLARE_METATYPE(Page)

namespace {

const QColor kWhite(255, 255, 255);

// The tips of a topic in the order a page shows them.
QStringList tipsOf(TestWorld& world, int topic, bool byOrderId) {
    auto db = world.content();
    platform::Recordset rs = db->query(QStringLiteral("Select Tip from Tips Where ParkId = ? Order By ") +
                                           (byOrderId ? QStringLiteral("orderid") : QStringLiteral("rowid")),
                                       {topic});
    QStringList tips;
    for (; !rs.eof(); rs.moveNext())
        tips << rs.text(QStringLiteral("Tip"));
    return tips;
}

void addTips(TestWorld& world, int topic, const QStringList& tips) {
    int order = int(tips.size());
    for (const QString& tip : tips)
        world.exec(platform::Database::contentFileName(),
                   QStringLiteral("INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (?, ?, ?, 0)"),
                   {topic, tip, order--});
}

} // namespace

class TestTipPages : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static TipPageViewer* openPage(const QString& name) { return qobject_cast<TipPageViewer*>(Forms::open(name)); }
    // Every paragraph that begins with the marker is bulleted and its marker is white and bold.
    static void checkMarkers(TipPageViewer* page, const QString& marker, int paragraphs) {
        const QString text = page->pane()->text();
        int found = 0;
        for (qsizetype at = 0; at < text.size(); at = text.indexOf(QLatin1Char('\n'), at) + 1) {
            if (!text.mid(at).startsWith(marker))
                continue;
            ++found;
            QVERIFY(page->pane()->isBulleted(int(at)));
            QCOMPARE(page->pane()->formatAt(int(at)).foreground().color(), kWhite);
            QCOMPARE(page->pane()->formatAt(int(at)).fontWeight(), int(QFont::Bold));
            if (text.indexOf(QLatin1Char('\n'), at) < 0)
                break;
        }
        QCOMPARE(found, paragraphs);
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void everyPageShowsItsTopicAndPrintsIt_data() {
        QTest::addColumn<Page>("p");
        const Page pages[] = {
            {"frmMKTips", "Magic Kingdom Tips", 1, "--", "rtTips", "Magic Kingdom Tips", "mnuClose"},
            {"frmEpcotTips", "Epcot Tips", 2, "--", "rtTips", "Epcot Tips", "mnuClose"},
            {"frmMgmTips", "MGM Tips", 3, "--", "rtTips", "MGM Studio's Tips", "mnuClose"},
            {"frmAKTips", "Animal Kingdom Tips", 4, "--", "rtTips", "Animal Kingdom Tips", "mnuClose"},
            {"frmDPGeneral", "Travisto's General Tips", 10, "--", "rtParks", "Travisto's General Tips:", "mnuHome"},
            {"frmDowntown", "Downtown Disney Info", 11, "*", "rtParks", "Dowtown Disney Area Info:", "mnuClose"},
            {"frmSaveMoney", "Money Saving Tips", 13, "--", "rtTips", "Money Saving Tips", "mnuClose"},
            {"frmBringHome", "Bring Home Some of the Magic", 14, "--", "rtTips", "Bring Home a Piece of the Magic",
             "mnuClose"},
            {"frmLines", "Line Buster Tips", 15, "--", "rtTips", "Line Buster Tips", "mnuClose"},
            {"frmKidsStuff", "Fun Stuff for Kids", 16, "--", "rtParks", "Fun Stuff for Kids", "mnuClose"},
        };
        for (const Page& p : pages)
            QTest::newRow(qPrintable(p.form)) << p;
    }
    void everyPageShowsItsTopicAndPrintsIt() {
        QFETCH(Page, p);
        const QString &form = p.form, &marker = p.marker, &header = p.header;
        const int topic = p.topic;
        TipPageViewer* page = openPage(form);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), p.caption);
        QCOMPARE(page->pane()->objectName(), p.pane);
        QVERIFY(page->pane()->isReadOnly());

        const QStringList tips = tipsOf(*world, topic, topic == 1);
        QVERIFY(tips.size() > 5);
        QString expected;
        for (const QString& tip : tips)
            expected += marker + tip + QStringLiteral("\n\n");
        if (form == QLatin1String("frmDPGeneral"))
            expected += QLatin1Char('\n');
        QCOMPARE(page->pane()->text(), expected);
        checkMarkers(page, marker, int(tips.size()));

        page->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        QTest::mouseClick(page->findChild<common::PictureButton*>(QStringLiteral("Picture1")), Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 2);
        QVERIFY(world->printer().words(0, 0).contains(header));
        QVERIFY(world->printer().words(0, 0).contains(marker + tips[0].section(QLatin1Char(' '), 0, 0)));

        page->findChild<QAction*>(p.closeItem)->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(form));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTamble")));
    }

    void titlesAndLabelsAsEachPageSetsThem_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("MGM title") << "frmMgmTips"
                                   << "lblTips"
                                   << "MGM Studio's Tips";
        QTest::newRow("downtown paragraph") << "frmDowntown"
                                            << "Label2"
                                            << "Downtown Disney could be considered a big shopping mall, a miniature "
                                               "theme park, or even a nighttime party world for adults.  The Downtown "
                                               "Disney area stays open late every evening, and if you're staying in a "
                                               "Disney resort you'll have bus transportation to and from! Admission is "
                                               "free to the Downtown Disney marketplace!";
    }
    void titlesAndLabelsAsEachPageSetsThem() {
        QFETCH(QString, form);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QCOMPARE(openPage(form)->label(label)->text(), text);
    }

    void theMagicKingdomPageFollowsOrderIdTheOthersTheirRows() {
        world = std::make_unique<TestWorld>(false);
        addTips(*world, 1, {QStringLiteral("third"), QStringLiteral("second"), QStringLiteral("first")});
        addTips(*world, 2, {QStringLiteral("one"), QStringLiteral("two")});
        QCOMPARE(openPage(QStringLiteral("frmMKTips"))->pane()->text(),
                 QStringLiteral("--first\n\n--second\n\n--third\n\n"));
        QCOMPARE(openPage(QStringLiteral("frmEpcotTips"))->pane()->text(), QStringLiteral("--one\n\n--two\n\n"));
    }

    void anEmptyTopicPrintsAHeaderOnlyPage() {
        world = std::make_unique<TestWorld>(false);
        TipPageViewer* page = openPage(QStringLiteral("frmLines"));
        QVERIFY(page->pane()->text().isEmpty());
        page->printPage();
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.size(), 1);
        QCOMPARE(world->printer().words(0, 0).first(), QStringLiteral("Line Buster Tips"));
        QCOMPARE(world->printer().words(0, 0).last(), QStringLiteral("Page 1"));
    }

    void aTipHoldingTheMarkerKeepsEveryParagraphBulleted() {
        world = std::make_unique<TestWorld>(false);
        addTips(*world, 11,
                {QStringLiteral("Shops * restaurants"), QStringLiteral("Clubs"), QStringLiteral("Bowling")});
        TipPageViewer* page = openPage(QStringLiteral("frmDowntown"));
        const QString text = page->pane()->text();
        QCOMPARE(text, QStringLiteral("*Shops * restaurants\n\n*Clubs\n\n*Bowling\n\n"));
        checkMarkers(page, QStringLiteral("*"), 3);
        // The asterisk inside the tip stays readable.
        QVERIFY(page->pane()->formatAt(int(text.indexOf(QStringLiteral(" * ")) + 1)).foreground().color() != kWhite);
    }

    void aNullTipIsAMarkerAloneAndLongTopicsAreFullyFormatted() {
        world = std::make_unique<TestWorld>(false);
        world->exec(platform::Database::contentFileName(), QStringLiteral("INSERT INTO Tips (ParkId) VALUES (13)"));
        QStringList many;
        for (int i = 0; i < 150; ++i)
            many << QStringLiteral("Tip number %1").arg(i);
        addTips(*world, 13, many);
        TipPageViewer* page = openPage(QStringLiteral("frmSaveMoney"));
        QVERIFY(page->pane()->text().startsWith(QStringLiteral("--\n\n--Tip number 0\n\n")));
        checkMarkers(page, QStringLiteral("--"), 151);
    }

    void menusAsEachPageNamesThem() {
        auto captions = [](const QString& form) {
            QStringList list;
            for (QAction* a : Forms::find(form)->findChildren<QAction*>())
                if (!a->objectName().isEmpty() && a->objectName() != QLatin1String("mnuFile"))
                    list << a->objectName() + QLatin1Char('=') + a->text();
            list.sort();
            return list;
        };
        openPage(QStringLiteral("frmDowntown"));
        QCOMPARE(captions(QStringLiteral("frmDowntown")), (QStringList{"mnuClose=Close ", "mnuPrint=Print"}));
        openPage(QStringLiteral("frmDPGeneral"));
        QCOMPARE(captions(QStringLiteral("frmDPGeneral")), (QStringList{"mnuHome=Close", "mnuPrint=Print"}));
        openPage(QStringLiteral("frmGeneral"));
        QCOMPARE(captions(QStringLiteral("frmGeneral")),
                 (QStringList{"mnuClose=Close", "mnuHome=Return to Home Page", "mnuPrint=Print"}));
        QVERIFY(openPage(QStringLiteral("frmLines"))->findChild<QScrollBar*>(QStringLiteral("VScroll1")));
        QVERIFY(!openPage(QStringLiteral("frmKidsStuff"))->findChild<QScrollBar*>(QStringLiteral("VScroll1")));
    }

    void generalInformationShowsAndPrintsItsParagraphs() {
        TipPageViewer* page = openPage(QStringLiteral("frmGeneral"));
        QCOMPARE(page->windowTitle(), QStringLiteral("WDW General Information"));
        QCOMPARE(page->label(QStringLiteral("lblTips"))->text(),
                 QStringLiteral("Walt Disney World General Information"));
        for (int i = 1; i <= 8; ++i)
            QVERIFY(page->label(QStringLiteral("Label%1").arg(i))->text().size() > 60);
        QTest::mouseClick(page->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("Walt Disney World General Information")));
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("Epcot")));
        page->findChild<QAction*>(QStringLiteral("mnuHome"))->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmGeneral")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
    }

    // Registers a stand-in for the tickets page, so it runs last.
    void zDowntownTicketsLinkWaitsForTheTicketsPage() {
        common::HoverLink* link =
            qobject_cast<common::HoverLink*>(openPage(QStringLiteral("frmDowntown"))->label(QStringLiteral("Label3")));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("Park Tickets Info"));
        QVERIFY(!link->isEnabled());
        Forms::unload(QStringLiteral("frmDowntown"));
        TestWorld::settle();

        if (!Forms::isRegistered(QStringLiteral("frmTickets")))
            Forms::registerForm(QStringLiteral("frmTickets"),
                                [] { return new platform::Form(QStringLiteral("frmTickets")); });
        link =
            qobject_cast<common::HoverLink*>(openPage(QStringLiteral("frmDowntown"))->label(QStringLiteral("Label3")));
        QVERIFY(link->isEnabled());
        QCOMPARE(link->currentColor(), kWhite);
        QVERIFY(link->isUnderlined());
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTickets")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmDowntown")));
    }
};

QTEST_MAIN(TestTipPages)
#include "tst_tippages.moc"
