#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/WebPageViewer.h"
#include "dining_lodging/ResortComparison.h"
#include "dining_lodging/frmHotelCategory.h"
#include "dining_lodging/frmSample.h"

#include <QAction>
#include <QDir>
#include <QFile>

using platform::Forms;

namespace {

const QString kTop = QStringLiteral(
    "<html><body><center><h3>Walt Disney World Resort Comparison</h3></center><table width='100%' align='center' "
    "border = '0' cellspacing='0' cellpadding='0'><tr><td width='15%'><b>Hotel Name</b></td><td width='15%'><b>Theme"
    "</b></td><td width='15%'><b>Dining Options</b></td><td width='20%'><b>Amenities</b></td><td width='10%'><b>"
    "Category</b></td><td width='10%'><b>Holds</b></td><td width='5%'><b>Room Size</b></td><td width='10%'><b>"
    "Closest To</b></td></tr><tr><td width='15%'><hr/></td><td width='15%'><hr/></td><td width='15%'><hr/></td><td "
    "width='20%'><hr/></td><td width='10%'><hr/></td><td width='10%'><hr/></td><td width='5%'><hr/></td><td "
    "width='10%'><hr/></td></tr>");
const QString kBottom = QStringLiteral("</table></body></html>");

QString row(const QString& colour, const QString& name, const QString& category) {
    return "<tr bgcolor = " + colour + "><td>" + name +
           "</td><td>Theme</td><td>Food & more</td><td><a href=''>View "
           "Amenities</a></td><td>" +
           category + "</td><td>4</td><td><260</td><td></td></tr>";
}

} // namespace

class TestResortPages : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    QString pagePath() const { return QDir(world->folder()).filePath("Hotels.htm"); }
    void addResorts() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO HotelInfo VALUES ('Polynesian', 'Theme', 'Food & more', 'Deluxe', 4, "
                                   "'<260', NULL), ('Beach Club', 'Theme', 'Food & more', 'Deluxe', 4, '<260', NULL), "
                                   "('Pop Century', 'Theme', 'Food & more', 'Value', 4, '<260', NULL)"));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void pageHoldsOneRowPerResortInAlternatingColours() {
        QCOMPARE(dining_lodging::resortComparisonPage({}), kTop + kBottom);
        const dining_lodging::ResortInfo r{"A", "Theme", "Food & more", "Value", "4", "<260", ""};
        QCOMPARE(dining_lodging::resortComparisonPage({r, r, r}), kTop + row("white", "A", "Value") +
                                                                      row("yellow", "A", "Value") +
                                                                      row("white", "A", "Value") + kBottom);
    }

    void loadWritesAndShowsThePageSortedByCategoryThenName() {
        addResorts();
        const QString expected = kTop + row("white", "Beach Club", "Deluxe") + row("yellow", "Polynesian", "Deluxe") +
                                 row("white", "Pop Century", "Value") + kBottom + "\r\n";
        for (int opening = 0; opening < 2; ++opening) {
            Forms::open("frmSample");
            auto* w = Forms::findAs<frmSample>("frmSample");
            QFile file(pagePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), expected);
            QCOMPARE(w->WebBrowser1->currentPath(), pagePath());
            QVERIFY(w->WebBrowser1->toPlainText().contains("Polynesian"));
            w->mnuPrint->trigger(); // straight to the printer, no dialog
            QCOMPARE(world->printer().documents.last().pages[0].kind, QStringLiteral("document"));
            w->mnuClose->trigger();
            TestWorld::settle();
        }
    }

    void aPageThatCannotBeWrittenIsReportedAndStillShown() {
        addResorts();
        QVERIFY(QDir(world->folder()).mkdir("Hotels.htm")); // a folder where the file should go
        world->dialogs().answerMessage();
        Forms::open("frmSample");
        auto* w = Forms::findAs<frmSample>("frmSample");
        QCOMPARE(world->dialogs().messages().size(), 1);
        QVERIFY(world->dialogs().messages().first().startsWith("The resort comparison page could not be saved"));
        QVERIFY(w->WebBrowser1->toPlainText().contains("Pop Century"));
    }

    void categoryChartFitsTheWindowAndPrintsOnClick() {
        Forms::open("frmHotelCategory");
        auto* w = Forms::findAs<frmHotelCategory>("frmHotelCategory");
        QCOMPARE(w->Picture1->picture().size(), QSize(400, 500));
        QVERIFY(w->client()->width() >= 400 && w->client()->height() >= 500);
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages[0].kind, QStringLiteral("image"));
    }
};

QTEST_MAIN(TestResortPages)
#include "tst_resortpages.moc"
