#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/WebPageViewer.h"
#include "guide/frmCountdown.h"

#include <QAction>
#include <QTest>

using platform::Forms;

class TestInfoPages : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void eachPageShowsItsFilePrintsTwiceTheSame_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::newRow("weather") << "frmWhenYouGo"
                                 << "Weather While I'm There"
                                 << "weather.htm";
        QTest::newRow("attendance") << "frmAttendance"
                                    << "Historical Attendance Levels"
                                    << "attendance.htm";
        QTest::newRow("fireworks") << "frmFireworks"
                                   << "Disney Fireworks"
                                   << "fireworks.htm";
        QTest::newRow("early") << "frmEarlyEntry"
                               << "2004 Early Magic Hour Parks"
                               << "earlymagic.htm";
        QTest::newRow("resort") << "frmResortMap"
                                << "Resort Map Overview"
                                << "resortmap.gif";
        QTest::newRow("mk") << "frmMkMap"
                            << "Magic Kingdom Park Overview and Attraction Locations"
                            << "images/mkmap.gif";
        QTest::newRow("epcot") << "frmEpcotMap"
                               << "Epcot Map Overview"
                               << "images/epcotmap.GIF";
        QTest::newRow("mgm") << "frmMgmMap"
                             << "MGM Map Overview"
                             << "images/mgmmap.gif";
        QTest::newRow("ak") << "frmAkMap"
                            << "Animal Kingdom Map Overview"
                            << "images/akmap.gif";
        QTest::newRow("character") << "frmCharacterDining"
                                   << "2004 Character Dining"
                                   << "character.htm";
    }
    void eachPageShowsItsFilePrintsTwiceTheSame() {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        auto* w = dynamic_cast<common::WebPageViewer*>(Forms::open(form));
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(w->WebBrowser1->pageFound());
        QCOMPARE(w->WebBrowser1->currentPath(), platform::App::file(file));

        // Menu and picture print the same thing at once, without any dialog;
        // a map prints as the picture itself.
        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        QCOMPARE(docs[0].pages[0].kind, file.endsWith(QLatin1String("htm")) ? "document" : "image");
        QCOMPARE(docs[1].pages[0].items[0].text, docs[0].pages[0].items[0].text);
    }

    void parkHoursLinksOpenTheSiteAndTheEarlyEntryPage() {
        auto* hours = dynamic_cast<frmCountdown*>(Forms::open(QStringLiteral("frmCountdown")));
        QTest::mouseClick(hours->Label6, Qt::LeftButton);
        world->shell().succeed = false;
        world->dialogs().answerMessage();
        QTest::mouseClick(hours->Label6, Qt::LeftButton);
        QCOMPARE(world->shell().opened.size(), 2);
        QCOMPARE(world->dialogs().messages().size(), 1);

        // The early entry page, open already, comes forward and the park hours go.
        platform::Form* early = Forms::open(QStringLiteral("frmEarlyEntry"));
        QTest::mouseClick(hours->Label5, Qt::LeftButton);
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCountdown")));
        QCOMPARE(Forms::find(QStringLiteral("frmEarlyEntry")), early);
        QVERIFY(early->isVisible());
    }
};

QTEST_MAIN(TestInfoPages)
#include "tst_infopages.moc"
