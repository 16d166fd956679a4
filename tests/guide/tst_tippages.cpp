#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/TipPageViewer.h"
#include "guide/TipPages.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>

using common::TipPageViewer;
using platform::Forms;

// What each page shows of the shipped tips, as the user sees it.
struct Page {
    QString form, caption, pane, header, closeItem, marker;
    int paragraphs = 0;
    QString first, last; // the pane's first words and its last ones, line ends included
};
Q_DECLARE_METATYPE(Page)

namespace {

TipPageViewer* openPage(const QString& name) {
    return qobject_cast<TipPageViewer*>(Forms::open(name));
}

common::RichTextBox* paneOf(QObject* page) {
    return page->findChild<common::RichTextBox*>();
}

// Every paragraph begins with a bulleted, white, bold marker, and nothing else
// stands out: not the marker inside a tip either.
void checkMarkers(TipPageViewer* page, const QString& marker, int paragraphs) {
    const QString shown = paneMarkup(*paneOf(page));
    const QString bullet = QStringLiteral("* {bold,white:") + marker + QLatin1Char('}');
    QCOMPARE(shown.split(QLatin1Char('\n')).filter(QRegularExpression('^' + QRegularExpression::escape(bullet))).size(),
             paragraphs);
    QCOMPARE(shown.count(QLatin1Char('{')), paragraphs);
}

} // namespace

class TestTipPages : public WorldTest {
    Q_OBJECT
public:
    TestTipPages() : WorldTest(true) {}

private slots:
    void everyPageShowsItsTopicPrintsAndCloses_data() {
        QTest::addColumn<Page>("p");
        // clang-format off
        const Page pages[] = {
            {"frmMKTips", "Magic Kingdom Tips", "rtTips", "Magic Kingdom Tips", "mnuClose", "--", 14,
             "--Be at the Magic Kingdom gates 30 to 45 minutes", " prefer another park that day.\n\n"},
            {"frmEpcotTips", "Epcot Tips", "rtTips", "Epcot Tips", "mnuClose", "--", 13,
             "--Future World opens at 9 a.m., but most of", "Coral Reef in The Living Seas.\n\n"},
            {"frmMgmTips", "MGM Tips", "rtTips", "MGM Studio's Tips", "mnuClose", "--", 12,
             "--Rock 'n' Roller Coaster and The Twilight Zone", " being chosen as a contestant.\n\n"},
            {"frmAKTips", "Animal Kingdom Tips", "rtTips", "Animal Kingdom Tips", "mnuClose", "--", 12,
             "--Animal Kingdom opens early and usually closes", "es the whole family can enjoy.\n\n"},
            {"frmDPGeneral", "Travisto's General Tips", "rtParks", "Travisto's General Tips:", "mnuHome", "--", 13,
             "--Do not try to see everything. Walt Disney", "put it in each child's pocket.\n\n\n"},
            {"frmDowntown", "Downtown Disney Info", "rtParks", "Dowtown Disney Area Info:", "mnuClose", "*", 11,
             "*World of Disney in the Marketplace is the", "not have to carry them around.\n\n"},
            {"frmSaveMoney", "Money Saving Tips", "rtTips", "Money Saving Tips", "mnuClose", "--", 12,
             "--Buy the longest ticket you can use. The price", "ls are free for resort guests.\n\n"},
            {"frmBringHome", "Bring Home Some of the Magic", "rtTips", "Bring Home a Piece of the Magic", "mnuClose",
             "--", 12, "--Start a pin collection. Buy a lanyard", "ter than anything you can buy.\n\n"},
            {"frmLines", "Line Buster Tips", "rtTips", "Line Buster Tips", "mnuClose", "--", 12,
             "--Be there at park opening. The first two hours", "yone else heads for the buses.\n\n"},
            {"frmKidsStuff", "Fun Stuff for Kids", "rtParks", "Fun Stuff for Kids", "mnuClose", "--", 12,
             "--Visit Tamble's Toontown Fair in the Magic", " swimsuit for the little ones.\n\n"},
        };
        // clang-format on
        for (const Page& p : pages)
            QTest::newRow(qPrintable(p.form)) << p;
    }
    void everyPageShowsItsTopicPrintsAndCloses() {
        QFETCH(Page, p);
        TipPageViewer* page = openPage(p.form);
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), p.caption);
        auto* pane = must<common::RichTextBox>(page, p.pane);
        QVERIFY(pane->isReadOnly());

        const QString text = pane->text();
        QVERIFY2(text.startsWith(p.first), qPrintable(text.left(80)));
        QVERIFY2(text.endsWith(p.last), qPrintable(text.right(40)));
        checkMarkers(page, p.marker, p.paragraphs);

        must<QAction>(page, "mnuPrint")->trigger();
        QTest::mouseClick(must<common::PictureButton>(page, "Picture1"), Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 2);
        QVERIFY(world->printer().words(0, 0).contains(p.header));
        QVERIFY(world->printer().words(0, 0).contains(p.first.section(QLatin1Char(' '), 0, 0)));

        must<QAction>(page, p.closeItem)->trigger();
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
        QCOMPARE(paneOf(page)->text(), text);
        checkMarkers(page, marker, int(tips.size()));
    }

    void labelsAndMenusAsEachPageNamesThem() {
        auto* title = must<QLabel>(openPage(QStringLiteral("frmMgmTips")), QStringLiteral("lblTips"));
        auto* intro = must<QLabel>(openPage(QStringLiteral("frmDowntown")), QStringLiteral("Label2"));
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
        QCOMPARE(must<QLabel>(page, "lblTips")->text(), QStringLiteral("Walt Disney World General Information"));
        for (int i = 1; i <= 8; ++i)
            QVERIFY(must<QLabel>(page, QStringLiteral("Label%1").arg(i))->text().size() > 60);
        clickOn(page, "Command1");
        QCOMPARE(world->printer().documents.size(), 1);
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("Walt Disney World General Information")));
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("Epcot")));
    }

    void downtownTicketsLinkOpensTheTicketsPage() {
        auto* link = must<common::HoverLink>(openPage(QStringLiteral("frmDowntown")), QStringLiteral("Label3"));
        QCOMPARE(link->text(), QStringLiteral("Park Tickets Info"));
        QVERIFY(link->isEnabled());
        QCOMPARE(link->currentColor(), QColor(Qt::white));
        QVERIFY(link->isUnderlined());
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTickets")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmDowntown")));
    }
};

QTEST_MAIN(TestTipPages)
#include "tst_tippages.moc"
