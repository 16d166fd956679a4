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

TipPageViewer* openPage(const QString& name) {
    return qobject_cast<TipPageViewer*>(Forms::open(name));
}

// The shipped tips of a topic in the order a page shows them.
QStringList tipsOf(TestWorld& world, int topic, bool byOrderId) {
    QStringList tips;
    for (auto rs = world.content()->query(QStringLiteral("Select Tip from Tips Where ParkId = ? Order By ") +
                                              (byOrderId ? QStringLiteral("orderid") : QStringLiteral("rowid")),
                                          {topic});
         !rs.eof(); rs.moveNext())
        tips << rs.text(QStringLiteral("Tip"));
    return tips;
}

// Every paragraph begins with a bulleted, white, bold marker; the marker inside a tip keeps its colour.
void checkMarkers(TipPageViewer* page, const QString& marker, int paragraphs) {
    const QString text = page->pane()->text();
    int found = 0;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + marker.size())) {
        const QTextCharFormat format = page->pane()->formatAt(int(at));
        if (at > 0 && text[at - 1] != QLatin1Char('\n')) {
            QVERIFY(format.foreground().color() != kWhite);
            continue;
        }
        ++found;
        QVERIFY(page->pane()->isBulleted(int(at)));
        QCOMPARE(format.foreground().color(), kWhite);
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
    }
    QCOMPARE(found, paragraphs);
}

} // namespace

class TestTipPages : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void everyPageShowsItsTopicPrintsAndCloses_data() {
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
    void everyPageShowsItsTopicPrintsAndCloses() {
        QFETCH(Page, p);
        TipPageViewer* page = openPage(p.form);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), p.caption);
        QCOMPARE(page->pane()->objectName(), p.pane);
        QVERIFY(page->pane()->isReadOnly());

        const QStringList tips = tipsOf(*world, p.topic, p.topic == 1);
        QVERIFY(tips.size() > 5);
        QString expected;
        for (const QString& tip : tips)
            expected += p.marker + tip + QStringLiteral("\n\n");
        if (p.form == QLatin1String("frmDPGeneral"))
            expected += QLatin1Char('\n');
        QCOMPARE(page->pane()->text(), expected);
        checkMarkers(page, p.marker, int(tips.size()));

        page->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        QTest::mouseClick(page->findChild<common::PictureButton*>(QStringLiteral("Picture1")), Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 2);
        QVERIFY(world->printer().words(0, 0).contains(p.header));
        QVERIFY(world->printer().words(0, 0).contains(p.marker + tips[0].section(QLatin1Char(' '), 0, 0)));

        page->findChild<QAction*>(p.closeItem)->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(p.form));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTamble")));
    }

    void eachPageListsItsOwnRowsInItsOrder_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("topic");
        QTest::addColumn<QStringList>("tips"); // stored with falling orderid; "<null>" is a row without a tip
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("text");
        QStringList many = {"<null>"};
        QString manyText = QStringLiteral("--\n\n");
        for (int i = 0; i < 150; ++i) {
            many << QStringLiteral("Tip number %1").arg(i);
            manyText += QStringLiteral("--Tip number %1\n\n").arg(i);
        }
        QTest::newRow("Magic Kingdom by orderid") << "frmMKTips" << 1 << QStringList{"third", "second", "first"} << "--"
                                                  << "--first\n\n--second\n\n--third\n\n";
        QTest::newRow("Epcot by row") << "frmEpcotTips" << 2 << QStringList{"one", "two"} << "--"
                                      << "--one\n\n--two\n\n";
        QTest::newRow("marker inside a tip")
            << "frmDowntown" << 11 << QStringList{"Shops * restaurants", "Clubs", "Bowling"} << "*"
            << "*Shops * restaurants\n\n*Clubs\n\n*Bowling\n\n";
        QTest::newRow("null tip and a long topic") << "frmSaveMoney" << 13 << many << "--" << manyText;
        QTest::newRow("empty topic") << "frmLines" << 15 << QStringList() << "--" << QString();
    }
    void eachPageListsItsOwnRowsInItsOrder() {
        QFETCH(QString, form);
        QFETCH(int, topic);
        QFETCH(QStringList, tips);
        QFETCH(QString, marker);
        QFETCH(QString, text);
        world = std::make_unique<TestWorld>(false);
        int order = int(tips.size());
        for (const QString& tip : tips)
            world->exec(platform::Database::contentFileName(),
                        tip == QLatin1String("<null>")
                            ? QStringLiteral("INSERT INTO Tips (ParkId, orderid, Search) VALUES (?, ?, 0)")
                            : QStringLiteral("INSERT INTO Tips (ParkId, orderid, Search, Tip) VALUES (?, ?, 0, ?)"),
                        tip == QLatin1String("<null>") ? platform::Binds{topic, order--}
                                                       : platform::Binds{topic, order--, tip});
        TipPageViewer* page = openPage(form);
        QVERIFY(page);
        QCOMPARE(page->pane()->text(), text);
        checkMarkers(page, marker, int(tips.size()));
    }

    void anEmptyTopicPrintsAHeaderOnlyPage() {
        world = std::make_unique<TestWorld>(false);
        TipPageViewer* page = openPage(QStringLiteral("frmLines"));
        QVERIFY(page);
        page->printPage();
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.size(), 1);
        QCOMPARE(world->printer().words(0, 0).first(), QStringLiteral("Line Buster Tips"));
        QCOMPARE(world->printer().words(0, 0).last(), QStringLiteral("Page 1"));
    }

    void labelsAndMenusAsEachPageNamesThem() {
        auto* title = child<QLabel>(openPage(QStringLiteral("frmMgmTips")), QStringLiteral("lblTips"));
        auto* intro = child<QLabel>(openPage(QStringLiteral("frmDowntown")), QStringLiteral("Label2"));
        QVERIFY(title && intro);
        QCOMPARE(title->text(), QStringLiteral("MGM Studio's Tips"));
        QCOMPARE(intro->text(),
                 QStringLiteral("Downtown Disney could be considered a big shopping mall, a miniature theme park, or "
                                "even a nighttime party world for adults.  The Downtown Disney area stays open late "
                                "every evening, and if you're staying in a Disney resort you'll have bus "
                                "transportation to and from! Admission is free to the Downtown Disney marketplace!"));
        auto menus = [](const QString& form) {
            QStringList list;
            TipPageViewer* page = openPage(form);
            if (!page)
                return QStringList{form + QStringLiteral(" did not open")};
            for (QAction* a : page->findChildren<QAction*>())
                if (!a->objectName().isEmpty() && a->objectName() != QLatin1String("mnuFile"))
                    list << a->objectName() + QLatin1Char('=') + a->text();
            list.sort();
            return list;
        };
        QCOMPARE(menus(QStringLiteral("frmDowntown")), (QStringList{"mnuClose=Close ", "mnuPrint=Print"}));
        QCOMPARE(menus(QStringLiteral("frmDPGeneral")), (QStringList{"mnuHome=Close", "mnuPrint=Print"}));
        QCOMPARE(menus(QStringLiteral("frmGeneral")),
                 (QStringList{"mnuClose=Close", "mnuHome=Return to Home Page", "mnuPrint=Print"}));
        QVERIFY(child<QScrollBar>(openPage(QStringLiteral("frmLines")), QStringLiteral("VScroll1")));
        QVERIFY(openPage(QStringLiteral("frmKidsStuff")));
        QVERIFY(!child<QScrollBar>(openPage(QStringLiteral("frmKidsStuff")), QStringLiteral("VScroll1")));
    }

    void generalInformationShowsAndPrintsItsParagraphs() {
        TipPageViewer* page = openPage(QStringLiteral("frmGeneral"));
        QVERIFY(page);
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

    void downtownTicketsLinkOpensTheTicketsPage() {
        auto* link = child<common::HoverLink>(openPage(QStringLiteral("frmDowntown")), QStringLiteral("Label3"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("Park Tickets Info"));
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
