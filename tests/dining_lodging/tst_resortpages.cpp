#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/WebPageViewer.h"
#include "dining_lodging/ResortComparison.h"

#include <QDir>
#include <QFile>
#include <optional>

using platform::Forms;

static const QString kTop = QStringLiteral(
    "<html><body><center><h3>Walt Disney World Resort Comparison</h3></center><table width='100%' align='center' "
    "border = '0' cellspacing='0' cellpadding='0'><tr><td width='15%'><b>Hotel Name</b></td><td width='15%'><b>Theme"
    "</b></td><td width='15%'><b>Dining Options</b></td><td width='20%'><b>Amenities</b></td><td width='10%'><b>"
    "Category</b></td><td width='10%'><b>Holds</b></td><td width='5%'><b>Room Size</b></td><td width='10%'><b>"
    "Closest To</b></td></tr><tr><td width='15%'><hr/></td><td width='15%'><hr/></td><td width='15%'><hr/></td><td "
    "width='20%'><hr/></td><td width='10%'><hr/></td><td width='10%'><hr/></td><td width='5%'><hr/></td><td "
    "width='10%'><hr/></td></tr>");
static const QString kBottom = QStringLiteral("</table></body></html>");

static QString row(const QString& colour, const QString& name, const QString& category) {
    return "<tr bgcolor = " + colour + "><td>" + name +
           "</td><td>Theme</td><td>Food & more</td><td><a href=''>View Amenities</a></td><td>" + category +
           "</td><td>4</td><td><260</td><td></td></tr>";
}

class TestResortPages : public WorldTest {
    Q_OBJECT
    QString pagePath() const { return QDir(world->folder()).filePath("Hotels.htm"); }
    static platform::Form* openSample() { return Forms::open(QStringLiteral("frmSample")); }
    static common::WebBrowser* page(QObject* w) { return must<common::WebBrowser>(w, "WebBrowser1"); }
    void addResorts() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO HotelInfo VALUES ('Polynesian', 'Theme', 'Food & more', 'Deluxe', 4, "
                                   "'<260', NULL), ('Beach Club', 'Theme', 'Food & more', 'Deluxe', 4, '<260', NULL), "
                                   "('All-Star Music', 'Theme', 'Food & more', 'Value', 4, '<260', NULL)"));
    }

private slots:
    void eachOpeningWritesAndShowsThePageOfTheResortsSortedByCategoryThenName() {
        const QString rows = row("white", "Beach Club", "Deluxe") + row("yellow", "Polynesian", "Deluxe") +
                             row("white", "All-Star Music", "Value");
        for (int opening = 0; opening < 2; ++opening) { // an empty table first, then three resorts
            if (opening == 1)
                addResorts();
            platform::Form* w = openSample();
            QVERIFY(w);
            QFile file(pagePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), kTop + (opening ? rows : QString()) + kBottom + "\r\n");
            QCOMPARE(page(w)->currentPath(), pagePath());
            QCOMPARE(page(w)->toPlainText().contains("All-Star Music"), opening == 1);
            chooseItem(w, "mnuPrint"); // straight to the printer, no dialog
            QCOMPARE(world->printer().documents.value(opening).pages.value(0).kind, QStringLiteral("document"));
            chooseItem(w, "mnuClose");
            TestWorld::settle();
        }
    }

    void aPageThatCannotBeWrittenIsReportedAndStillShown_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder in the way") << false << "a folder of that name is there";
        QTest::newRow("disk full part way") << true << "the disk is full";
    }
    void aPageThatCannotBeWrittenIsReportedAndStillShown() {
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        addResorts();
        QFile old(pagePath());
        if (diskFull) {
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("<html>last time's page</html>");
            old.close();
        } else {
            QVERIFY(QDir(world->folder()).mkdir("Hotels.htm"));
        }
        world->dialogs().answerMessage();
        std::optional<FullDisk> full;
        if (diskFull)
            full.emplace(512);
        platform::Form* w = openSample();
        full.reset();
        QVERIFY(w);
        QCOMPARE(world->dialogs().messages(),
                 QStringList{QStringLiteral("The resort comparison page could not be saved as %1 (%2). It is shown, "
                                            "but not kept in the program's folder.")
                                 .arg(pagePath(), reason)});
        QVERIFY(page(w)->toPlainText().contains("All-Star Music"));
        if (diskFull) {
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("<html>last time's page</html>"));
        }
    }

    void categoryChartFitsTheWindowAndPrintsOnClick() {
        platform::Form* w = Forms::open(QStringLiteral("frmHotelCategory"));
        QVERIFY(w);
        QCOMPARE(must<common::PictureButton>(w, "Picture1")->picture().size(), QSize(400, 500));
        QVERIFY(w->client()->width() >= 400 && w->client()->height() >= 500);
        clickOn(w, "Picture1");
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.value(0).kind, QStringLiteral("image"));
    }
};

QTEST_MAIN(TestResortPages)
#include "tst_resortpages.moc"
