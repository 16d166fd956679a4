#include "TestSupport.h"

#include "common/WebPageViewer.h"

using platform::Forms;

class TestInfoPages : public WorldTest {
    Q_OBJECT
    static void row(const char* form, const char* caption, const char* file) {
        QTest::newRow(form) << QString(form) << QString(caption) << QString(file);
    }

private slots:
    void eachPageShowsItsFileAndPrintsTwiceTheSame_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        row("frmWhenYouGo", "Weather While I'm There", "weather.htm");
        row("frmAttendance", "Historical Attendance Levels", "attendance.htm");
        row("frmFireworks", "Disney Fireworks", "fireworks.htm");
        row("frmEarlyEntry", "2004 Early Magic Hour Parks", "earlymagic.htm");
        row("frmResortMap", "Resort Map Overview", "resortmap.gif");
        row("frmMkMap", "Magic Kingdom Park Overview and Attraction Locations", "images/mkmap.gif");
        row("frmEpcotMap", "Epcot Map Overview", "images/epcotmap.GIF");
        row("frmMgmMap", "MGM Map Overview", "images/mgmmap.gif");
        row("frmAkMap", "Animal Kingdom Map Overview", "images/akmap.gif");
        row("frmCharacterDining", "2004 Character Dining", "character.htm");
        row("frmScheduleTips", "Schedule Tips", "scheduleTips.htm");
    }
    void eachPageShowsItsFileAndPrintsTwiceTheSame() {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        platform::Form* w = Forms::open(form);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        auto* page = must<common::WebBrowser>(w, "WebBrowser1");
        QVERIFY(page->pageFound());
        QCOMPARE(page->currentPath(), platform::App::file(file));

        // Menu and picture print at once, without a dialog; a map prints as the picture itself.
        chooseItem(w, "mnuPrint");
        clickOn(w, "Picture1");
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        QCOMPARE(docs[0].pages[0].kind, file.endsWith(QLatin1String("htm")) ? "document" : "image");
        QCOMPARE(docs[1].pages[0].items[0].text, docs[0].pages[0].items[0].text);
    }

    void parkHoursLinksOpenTheSiteAndTheEarlyEntryPage() {
        platform::Form* hours = Forms::open(QStringLiteral("frmCountdown"));
        QVERIFY(hours);
        clickOn(hours, "Label6");
        world->shell().succeed = false;
        world->dialogs().answerMessage();
        clickOn(hours, "Label6");
        QCOMPARE(world->shell().opened.size(), 2);
        QCOMPARE(world->dialogs().messages(),
                 QStringList{"You must be connected to the internet for these links to work properly"});
        QVERIFY(hours->isVisible());

        // The early entry page, open already, comes forward and the park hours go.
        platform::Form* early = Forms::open(QStringLiteral("frmEarlyEntry"));
        QVERIFY(early);
        clickOn(hours, "Label5");
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCountdown")));
        QCOMPARE(Forms::find(QStringLiteral("frmEarlyEntry")), early);
        QVERIFY(early->isVisible());
    }
};

QTEST_MAIN(TestInfoPages)
#include "tst_infopages.moc"
