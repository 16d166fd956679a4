#include "TestSupport.h"

#include "common/WebPageViewer.h"
#include "platform/Timer.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>

using platform::Forms;

// The gate, the openers that close the main window, Exit and the loading page.

class TestNavigation : public WorldTest {
    Q_OBJECT
    static platform::Form* openMain() { return Forms::open(QStringLiteral("frmTamble")); }

    // Chooses a menu item, or clicks a quick link, a picture or a link.
    static void choose(QObject* window, const QString& control) {
        if (control.startsWith(QLatin1String("mnu"), Qt::CaseInsensitive))
            chooseItem(window, control);
        else
            clickOn(window, control);
    }
    QByteArray userFile() const {
        QFile file(QDir(world->folder()).filePath(platform::Database::userFileName()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void openersOpenTheirWindowOrTheGateStopsThem_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens"); // empty: no trip profile, the gate stops it
        QTest::addColumn<bool>("mainStays");
        // clang-format off
        QTest::newRow("gate: Itinerary Suggestions") << "mnuItenerary" << "" << true;
        QTest::newRow("gate: My Daily Schedule") << "mnuViewSchedule" << "" << true;
        QTest::newRow("gate: Itinerary quick link") << "Picture5" << "" << true;
        QTest::newRow("gate: Schedule quick link") << "Picture6" << "" << true;
        QTest::newRow("Itinerary Suggestions") << "mnuItenerary" << "frmLoading" << true;
        QTest::newRow("Itinerary quick link") << "Picture5" << "frmLoading" << true;
        QTest::newRow("My Daily Schedule") << "mnuViewSchedule" << "frmSchedule" << false;
        QTest::newRow("Schedule quick link") << "Picture6" << "frmSchedule" << false;
        QTest::newRow("Set Your Preferences") << "mnuWizard" << "frmWizard" << false;
        QTest::newRow("Start Here") << "Picture12" << "frmWizard" << true;
        QTest::newRow("resort food reviews") << "mnuResortFoodReviews" << "frmHotelFoodReviews" << false;
        QTest::newRow("search quick link") << "Picture11" << "frmSearch" << true;
        // clang-format on
    }
    void openersOpenTheirWindowOrTheGateStopsThem() {
        QFETCH(QString, control);
        QFETCH(QString, opens);
        QFETCH(bool, mainStays);
        const bool gated = opens.isEmpty();
        gated ? world->dialogs().answerMessage() : world->addTripProfile();
        platform::Form* main = openMain();
        QVERIFY(main);
        choose(main, control);
        world->settle();
        QCOMPARE(world->dialogs().messages(),
                 gated ? QStringList{"Please complete the Start Here Page"} : QStringList());
        if (gated)
            QCOMPARE(Forms::loadedNames(), QStringList{"frmTamble"});
        else
            QVERIFY(isShown(opens));
        QCOMPARE(Forms::isLoaded(QStringLiteral("frmTamble")) && main->isVisible(), mainStays);
        QCOMPARE(world->quitCount(), 0);
    }

    // Each way out of a window, and whether the main window shows after it
    // (the same one when it was open already). Leaving saves nothing.
    void eachWayOutLeadsWhereItShould_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control"); // empty: the title bar's close box
        QTest::addColumn<bool>("mainOpen");   // the main window was open beforehand
        QTest::addColumn<bool>("home");       // the main window shows afterwards
        const auto row = [](const char* form, const char* control, bool mainOpen, bool home) {
            QTest::addRow("%s %s%s", form, *control ? control : "close box", mainOpen ? ", main open" : "")
                << form << control << mainOpen << home;
        };
        row("frmSchedule", "Picture2", false, true);
        row("frmSchedule", "mnuHome", false, true);
        row("frmSchedule", "", false, true);
        row("frmParks", "Picture2", false, false);
        row("frmParks", "mnuHome", false, true);
        row("frmDetails", "Picture2", false, false);
        row("frmDetails", "mnuHome", false, true);
        row("frmPlane", "mnuClose", false, false);
        row("frmCheckList", "mnuClose", false, true);
        row("frmCheckListNew", "", false, true);
        row("frmCheckListNew", "", true, true);
        row("frmGeneral", "mnuHome", false, true);
        row("frmScheduleTips", "mnuClose", false, false);
        row("frmScheduleTips", "Picture2", false, false);
        row("frmMkAttractions", "", false, false);
        row("frmDowntown", "", false, false);
        row("frmMkFoodReview", "", false, false);
        row("frmMkFoodReview", "Picture9", true, true);
        row("frmHotelFoodReviews", "", false, true);
        row("frmHotelFoodReviews", "Picture9", false, true);
        row("frmHotels", "Picture9", false, false);
        row("frmHotels", "", false, false);
    }
    void eachWayOutLeadsWhereItShould() {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(bool, mainOpen);
        QFETCH(bool, home);
        world->addTripProfile();
        platform::Form* main = mainOpen ? openMain() : nullptr;
        const QByteArray before = userFile();
        platform::Form* window = Forms::open(form);
        QVERIFY(window);
        control.isEmpty() ? void(window->close()) : choose(window, control);
        world->settle();
        QCOMPARE(Forms::loadedNames(), home ? QStringList{"frmTamble"} : QStringList());
        QCOMPARE(isShown(QStringLiteral("frmTamble")), home);
        if (mainOpen)
            QCOMPARE(Forms::find(QStringLiteral("frmTamble")), main);
        QVERIFY(userFile() == before);
    }

    void exitClosesEveryWindowAndEndsTheProgram_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("open");
        const QStringList several = {"mnuSearch",   "mnuLinks",     "MnuFaq",   "mnuAbout",
                                     "mnuSchedule", "mnuChecklist", "Picture12"};
        QTest::newRow("File > Exit, several windows") << "mnuExit" << several;
        QTest::newRow("Exit picture, several windows") << "Picture9" << several;
        // The checklist leads back to the main window when it closes.
        QTest::newRow("checklist open") << "mnuExit" << QStringList{"mnuChecklist"};
        // The suggestions must not open once the loading page's time is up.
        QTest::newRow("loading page waiting") << "Picture9" << QStringList{"mnuItenerary"};
    }
    void exitClosesEveryWindowAndEndsTheProgram() {
        QFETCH(QString, control);
        QFETCH(QStringList, open);
        world->addTripProfile();
        platform::Form* main = openMain();
        QVERIFY(main);
        for (const QString& opener : open)
            choose(main, opener);
        QVERIFY(Forms::loadedNames().size() > open.size());
        choose(main, control);
        platform::Timer::advance(2500);
        world->settle();
        QCOMPARE(Forms::loadedNames(), QStringList());
        QCOMPARE(world->quitCount(), 1);
    }

    void theLoadingPageOpensTheSuggestionsOnceAndCloses_data() {
        QTest::addColumn<bool>("alreadyOpen");
        QTest::newRow("suggestions not open") << false;
        QTest::newRow("suggestions open: only brought forward") << true;
    }
    void theLoadingPageOpensTheSuggestionsOnceAndCloses() {
        QFETCH(bool, alreadyOpen);
        world->addTripProfile();
        platform::Form* parks = nullptr;
        if (alreadyOpen)
            QVERIFY(parks = Forms::open(QStringLiteral("frmParks")));
        platform::Form* main = openMain();
        QVERIFY(main);
        choose(main, QStringLiteral("mnuItenerary"));
        auto* loading = Forms::find(QStringLiteral("frmLoading"));
        QVERIFY(loading && loading->isVisible());
        auto* page = must<common::WebBrowser>(loading, QStringLiteral("WebBrowser1"));
        QVERIFY(page->currentPath().endsWith(QStringLiteral("loading.htm")) && page->pageFound());
        // The page fits its window: no scroll bar either way.
        QCOMPARE(page->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(page->verticalScrollBar()->maximum(), 0);

        // Nothing happens until the 2000 ms are up.
        platform::Timer::advance(1999);
        world->settle();
        QCOMPARE(Forms::loadedNames(), alreadyOpen ? (QStringList{"frmParks", "frmTamble", "frmLoading"})
                                                   : (QStringList{"frmTamble", "frmLoading"}));
        platform::Timer::advance(1);
        world->settle();
        QCOMPARE(Forms::isLoaded(QStringLiteral("frmLoading")), false);
        if (alreadyOpen) // only brought forward
            QCOMPARE(Forms::find(QStringLiteral("frmParks")), parks);
        parks = Forms::find(QStringLiteral("frmParks"));
        QVERIFY(parks && parks->isVisible());
        // Once only: later time opens nothing more.
        platform::Timer::advance(5000);
        world->settle();
        QCOMPARE(Forms::find(QStringLiteral("frmParks")), parks);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
