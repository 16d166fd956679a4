#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/WebPageViewer.h"
#include "shell/frmLinks.h"
#include "shell/frmLoading.h"
#include "shell/frmTamble.h"

#include <QAction>
#include <QTimer>

using platform::Forms;

// The gate, the openers that close the main window, Exit and the loading
// page. Windows that other parts of the program bring are used when they are
// there; until then a small stand-in takes their name in this test program.
namespace {

class StandIn : public platform::Form {
public:
    explicit StandIn(const QString& name) : platform::Form(name) { setClientSizeTwips(3000, 2000); }
    void Form_Load() override {
        ++loads[objectName()];
        if (failToLoad.contains(objectName()))
            Forms::unload(objectName());
    }
    static inline QHash<QString, int> loads;
    static inline QSet<QString> failToLoad;
};

// The checklist leads back to the main window when it closes, and keeps a
// hidden print source loaded.
class StandInChecklist : public StandIn {
public:
    StandInChecklist() : StandIn(QStringLiteral("frmCheckListNew")) {}
    void Form_Load() override {
        StandIn::Form_Load();
        Forms::load(QStringLiteral("frmCheckList"));
    }
    void Form_Unload() override { Forms::returnToMainWindow(objectName()); }
};

QStringList standIns;

void standIn(const QString& name, Forms::Factory factory = {}) {
    if (Forms::isRegistered(name))
        return;
    Forms::registerForm(
        name, factory ? factory : [name] { return new StandIn(name); });
    standIns << name;
}

bool isStandIn(const QString& name) {
    return standIns.contains(name);
}

void addProfile(TestWorld& world) {
    world.exec(platform::Database::contentFileName(),
               QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                              "VALUES ('2004-06-20', 2, 1, 0, 0, 0, 0)"));
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmTamble* openMain() {
        Forms::open(QStringLiteral("frmTamble"));
        return Forms::findAs<frmTamble>(QStringLiteral("frmTamble"));
    }

    // Clicks a quick link or chooses a menu item of the main window.
    static void choose(frmTamble* main, const QString& control) {
        if (auto* button = main->findChild<common::PictureButton*>(control)) {
            QVERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            auto* action = main->findChild<QAction*>(control);
            QVERIFY2(action, qPrintable(control));
            QVERIFY(action->isEnabled());
            action->trigger();
        }
    }

private slots:
    void initTestCase() {
        for (const char* name : {"frmWizard", "frmParks", "frmSchedule", "frmHotelFoodReviews", "frmCheckList"})
            standIn(QLatin1String(name));
        standIn(QStringLiteral("frmCheckListNew"), [] { return new StandInChecklist(); });
        if (!standIns.isEmpty())
            qInfo("stand-ins: %s", qPrintable(standIns.join(QStringLiteral(", "))));
    }
    void init() {
        world = std::make_unique<TestWorld>();
        StandIn::loads.clear();
        StandIn::failToLoad.clear();
    }
    void cleanup() { world.reset(); }

    void withoutAProfileTheGateOpensNothing_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("Itinerary Suggestions") << "mnuItenerary";
        QTest::newRow("My Daily Schedule") << "mnuViewSchedule";
        QTest::newRow("Itinerary quick link") << "Picture5";
        QTest::newRow("Schedule quick link") << "Picture6";
    }
    void withoutAProfileTheGateOpensNothing() {
        QFETCH(QString, control);
        frmTamble* main = openMain();
        world->dialogs().answerMessage();
        choose(main, control);
        world->settle();
        QCOMPARE(world->dialogs().messages(), QStringList{"Please complete the Start Here Page"});
        QCOMPARE(Forms::loadedNames(), QStringList{"frmTamble"});
        QVERIFY(main->isVisible());
    }

    void openersWithAProfile_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<bool>("mainStays");
        QTest::newRow("Itinerary Suggestions") << "mnuItenerary"
                                               << "frmLoading" << true;
        QTest::newRow("Itinerary quick link") << "Picture5"
                                              << "frmLoading" << true;
        QTest::newRow("My Daily Schedule") << "mnuViewSchedule"
                                           << "frmSchedule" << false;
        QTest::newRow("Schedule quick link") << "Picture6"
                                             << "frmSchedule" << false;
        QTest::newRow("Set Your Preferences") << "mnuWizard"
                                              << "frmWizard" << false;
        QTest::newRow("Start Here") << "Picture12"
                                    << "frmWizard" << true;
        QTest::newRow("resort food reviews") << "mnuResortFoodReviews"
                                             << "frmHotelFoodReviews" << false;
        QTest::newRow("search") << "mnuSearch"
                                << "frmSearch" << true;
    }
    void openersWithAProfile() {
        QFETCH(QString, control);
        QFETCH(QString, opens);
        QFETCH(bool, mainStays);
        addProfile(*world);
        choose(openMain(), control);
        world->settle();
        QVERIFY(Forms::isLoaded(opens));
        QVERIFY(Forms::find(opens)->isVisible());
        QCOMPARE(Forms::isLoaded(QStringLiteral("frmTamble")), mainStays);
        QVERIFY(world->dialogs().messages().isEmpty());
        QCOMPARE(world->quitCount(), 0);
    }

    void aWindowThatFailsToLoadLeavesTheMainWindowOpen() {
        const QString reviews = QStringLiteral("frmHotelFoodReviews");
        if (!isStandIn(reviews))
            QSKIP("needs the stand-in that fails to load");
        StandIn::failToLoad << reviews;
        frmTamble* main = openMain();
        main->mnuResortFoodReviews->trigger();
        world->settle();
        QVERIFY(!Forms::isLoaded(reviews));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
        QVERIFY(main->isVisible());
    }

    void choosingAnOpenWindowBringsItForwardWithoutReloading() {
        frmTamble* main = openMain();
        main->mnuLinks->trigger();
        auto* links = Forms::findAs<frmLinks>(QStringLiteral("frmLinks"));
        QVERIFY(links);
        links->Label1->setText(QStringLiteral("changed since the window loaded"));
        main->mnuLinks->trigger();
        QCOMPARE(Forms::findAs<frmLinks>(QStringLiteral("frmLinks")), links);
        QCOMPARE(links->Label1->text(), QStringLiteral("changed since the window loaded"));
    }

    void exitClosesEveryWindowAndEndsTheProgram_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("File > Exit") << "mnuExit";
        QTest::newRow("Exit picture") << "Picture9";
    }
    void exitClosesEveryWindowAndEndsTheProgram() {
        QFETCH(QString, control);
        frmTamble* main = openMain();
        for (QAction* item :
             {main->mnuSearch, main->mnuLinks, main->MnuFaq, main->mnuAbout, main->mnuSchedule, main->mnuChecklist})
            item->trigger();
        QTest::mouseClick(main->Picture12, Qt::LeftButton);
        QVERIFY(Forms::loadedNames().size() >= 7);
        choose(main, control);
        world->settle();
        QCOMPARE(Forms::loadedNames(), QStringList());
        QCOMPARE(world->quitCount(), 1);
    }

    void exitWithTheChecklistOpenDoesNotReopenTheMainWindow() {
        frmTamble* main = openMain();
        main->mnuChecklist->trigger();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        main->mnuExit->trigger();
        world->settle();
        QCOMPARE(Forms::loadedNames(), QStringList());
        QCOMPARE(world->quitCount(), 1);
    }

    void exitWhileTheLoadingPageWaitsOpensNoSuggestions() {
        addProfile(*world);
        frmTamble* main = openMain();
        main->mnuItenerary->trigger();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmLoading")));
        main->Picture9_Click();
        QTest::qWait(2500);
        world->settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmParks")));
        QCOMPARE(Forms::loadedNames(), QStringList());
        QCOMPARE(world->quitCount(), 1);
    }

    void theLoadingPageOpensTheSuggestionsOnceAndCloses() {
        addProfile(*world);
        frmTamble* main = openMain();
        main->mnuItenerary->trigger();
        auto* loading = Forms::findAs<frmLoading>(QStringLiteral("frmLoading"));
        QVERIFY(loading);
        QVERIFY(loading->WebBrowser1->currentPath().endsWith(QStringLiteral("loading.htm")));
        QVERIFY(loading->WebBrowser1->pageFound());
        QVERIFY(loading->Timer1->isActive());
        QCOMPARE(loading->Timer1->interval(), 2000);
        world->settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmParks")));
        QTRY_VERIFY_WITH_TIMEOUT(Forms::isLoaded(QStringLiteral("frmParks")), 5000);
        QVERIFY(Forms::find(QStringLiteral("frmParks"))->isVisible());
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmLoading")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
        if (isStandIn(QStringLiteral("frmParks"))) {
            QTest::qWait(300);
            QCOMPARE(StandIn::loads.value(QStringLiteral("frmParks")), 1);
        }
    }

    void theLoadingPageOnlyBringsOpenSuggestionsForward() {
        addProfile(*world);
        platform::Form* parks = Forms::open(QStringLiteral("frmParks"));
        QVERIFY(parks);
        frmTamble* main = openMain();
        main->mnuItenerary->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!Forms::isLoaded(QStringLiteral("frmLoading")), 5000);
        QCOMPARE(Forms::find(QStringLiteral("frmParks")), parks);
        if (isStandIn(QStringLiteral("frmParks")))
            QCOMPARE(StandIn::loads.value(QStringLiteral("frmParks")), 1);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
