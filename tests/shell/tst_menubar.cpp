#include "TestSupport.h"

#include "common/PictureButton.h"
#include "platform/Twips.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

using platform::Forms;

// The menu bar and the quick links against the table of captions and the
// windows they open, and every window of the program by the name its openers
// use. The names are written out here, not taken from the program's own
// tables, so that a window registered under another name than its menu item,
// quick link, link or button asks for fails here.
namespace {

struct Row {
    const char* menu;
    const char* name;
    const char* caption;
    const char* form;
};

const Row kRows[] = {
    {"mnuFile", "mnuExit", "Exit", ""},
    {"mnuOptions", "mnuWizard", "Set Your Preferences", "frmWizard"},
    {"mnuOptions", "mnuChecklist", "Travisto Checklist", "frmCheckListNew"},
    {"mnuOptions", "mnuFlight", "My Flight and Hotel Reservations", "frmPlane"},
    {"mnuOptions", "mnuItenerary", "Itinerary Suggestions", "frmLoading"},
    {"mnuOptions", "mnuSchedule", "Schedule Making Tips", "frmScheduleTips"},
    {"mnuOptions", "mnuViewSchedule", "My Daily Schedule", "frmSchedule"},
    {"mnuOptions", "mnuDetails", "Write About My Vacation", "frmDetails"},
    {"mnuOptions", "mnuHome", "Don't Leave Me at Home ", "frmList"},
    {"mnuOptions", "mnuMyTips", "Store My Own Tips", "frmMyTips"},
    {"mnuOptions", "mnuSearch", "Search our Database", "frmSearch"},
    {"mnuOptions", "mnuBudget", "Your Disney Budget", "frmBudget"},
    {"mnuOptions", "mnuLinks", "Useful Web Links", "frmLinks"},
    {"mnuGeneral", "mnuBasics", "The Basics - Look here first timers.", "frmBasics"},
    {"mnuGeneral", "mnuQuick", "Quick Ride Descriptions", "frmQuick"},
    {"mnuGeneral", "mnuQuickRestaurant", "Quick Restaurant Descriptions", "frmQuickRestaurant"},
    {"mnuGeneral", "mnuContact", "Disney World Contact List", "frmContact"},
    {"mnuGeneral", "mnuResortMap", "Disney Resort Overview Map", "frmResortMap"},
    {"mnuGeneral", "mnuHotels", "Disney World Hotels", "frmHotels"},
    {"mnuGeneral", "mnuHotelReviews", "Disney Hotel Reviews", "frmHotelReviews"},
    {"mnuGeneral", "mnuResortFood", "Resort And Downtown Disney Food options", "frmResortFood"},
    {"mnuGeneral", "mnuResortFoodReviews", "Resort and Downtown Disney Food reviews", "frmHotelFoodReviews"},
    {"mnuGeneral", "mnuWhile", "Weather While I'm There", "frmWhenYouGo"},
    {"mnuGeneral", "mnuAttendance", "Attendance While I'm There", "frmAttendance"},
    {"mnuGeneral", "mnuTickets", "Park Tickets Info", "frmTickets"},
    {"mnuGeneral", "mnuParkHours", "Park Hours", "frmCountdown"},
    {"mnuGeneral", "mnuDowntown", "Downtown Disney General Information", "frmDowntown"},
    {"mnuGeneral", "mnuLines", "Line Buster Tips", "frmLines"},
    {"mnuGeneral", "mnuFastPass", "Fastpass Information", "frmFastpass"},
    {"mnuGeneral", "mnuEarlyEntry", "2004 Early Magic Hour Parks", "frmEarlyEntry"},
    {"mnuGeneral", "mnuCharacterDining", "2004 Character Dining Locations", "frmCharacterDining"},
    {"mnuGeneral", "mnuHeight", "Rides with Height Requirements", "frmHeight"},
    {"mnuGeneral", "mnuFireworks", "Firework Shows", "frmFireworks"},
    {"mnuGeneral", "mnuStuff", "Fun Stuff For Kids", "frmKidsStuff"},
    {"mnuGeneral", "mnuMoney", "Money Saving Tips", "frmSaveMoney"},
    {"mnuGeneral", "mnuBring", "Bring Home a Piece of the Magic", "frmBringHome"},
    {"mnuGeneral", "mnuFavorite", "Travisto's Favorite Attractions", "frmFavorite"},
    {"mnuGeneral", "mnuGeneralTips", "Travisto's General Tips ", "frmDPGeneral"},
    {"mnuMK", "mnuMkTips", "Magic Kingdom Tips", "frmMKTips"},
    {"mnuMK", "mnuMkAttractions", "Magic Kingdom Attractions", "frmMkAttractions"},
    {"mnuMK", "mnuMagicFood", "Magic Kingdom Food", "frmMkFood"},
    {"mnuMK", "mnuMKFoodReviews", "Magic Kingdom Food Reviews", "frmMkFoodReview"},
    {"mnuMK", "mnuMkMap", "Magic Kingdom Map Overview", "frmMkMap"},
    {"mnuEpcot", "mnuEpcotTips", "Epcot Tips", "frmEpcotTips"},
    {"mnuEpcot", "mnuEpcotAttractions", "Epcot Attractions", "frmEpcotAttractions"},
    {"mnuEpcot", "mnuEpcotFood", "Epcot Food", "frmEpcotFood"},
    {"mnuEpcot", "mnuEpcotFoodReviews", "Epcot Food Reviews", "frmEpcotFoodReview"},
    {"mnuEpcot", "mnuEpcotMap", "Epcot Map Overview", "frmEpcotMap"},
    {"mnuMGM", "mnuMgmTips", "MGM Tips", "frmMgmTips"},
    {"mnuMGM", "mnuAttractions", "MGM Attractions", "frmMGMAttractions"},
    {"mnuMGM", "mnuMGMFood", "MGM Food", "frmMGMfood"},
    {"mnuMGM", "mnuMGMFoodReviews", "MGM Food Reviews", "frmMGMFoodReview"},
    {"mnuMGM", "mnuMGMMap", "MGM Map Overview", "frmMgmMap"},
    {"mnuAK", "mnuAKTips", "Animal Kingdom Tips", "frmAKTips"},
    {"mnuAK", "mnuAKAttractions", "Animal Kingdom Attractions", "frmAkAttractions"},
    {"mnuAK", "mnuAKFood", "Animal Kingdom Food", "frmAKFood"},
    {"mnuAK", "mnuAKFoodREviews", "Animal Kingdom Food Reviews", "frmAkFoodReview"},
    {"mnuAK", "mnuAKMap", "Animal Kingdom Map Overview", "frmAkMap"},
    {"mnuTrivia", "mnuWDTrivia", "Walt Disney World Trivia", "frmDWTrivia"},
    {"mnuHelp", "MnuFaq", "FAQ", "frmHelp"},
    {"mnuAbout1", "mnuAbout", "About Info", "frmMe"},
};

// Every registered window.
const char* const kWindows[] = {
    // The main window, search, About, web links, help and the loading page.
    "frmTamble", "frmSearch", "frmMe", "frmLinks", "frmHelp", "frmLoading",
    // The preferences wizard, the itinerary suggestions, the day planner and its tips page.
    "frmWizard", "frmParks", "frmSchedule", "frmScheduleTips",
    // Attraction guides, tip pages, Fastpass, height and favourite lists.
    "frmMkAttractions", "frmEpcotAttractions", "frmMGMAttractions", "frmAkAttractions", "frmMKTips", "frmEpcotTips",
    "frmMgmTips", "frmAKTips", "frmDPGeneral", "frmDowntown", "frmSaveMoney", "frmBringHome", "frmLines",
    "frmKidsStuff", "frmFastpass", "frmHeight", "frmFavorite",
    // Information pages and maps, quick rides, tickets, park hours, basics, trivia.
    "frmWhenYouGo", "frmAttendance", "frmFireworks", "frmEarlyEntry", "frmResortMap", "frmMkMap", "frmEpcotMap",
    "frmMgmMap", "frmAkMap", "frmQuick", "frmTickets", "frmCountdown", "frmBasics", "frmDWTrivia", "frmResults2",
    "frmTrivia", "frmResults",
    // Restaurant lists, quick restaurants, character dining, reviews, hotels.
    "frmMkFood", "frmEpcotFood", "frmMGMfood", "frmAKFood", "frmResortFood", "frmQuickRestaurant", "frmCharacterDining",
    "frmHotelReviews", "frmMkFoodReview", "frmEpcotFoodReview", "frmMGMFoodReview", "frmAkFoodReview",
    "frmHotelFoodReviews", "frmHotels",
    // Budget, reservations, checklist, journal, contacts, own tips, don't-forget list.
    "frmBudget", "frmPlane", "frmCheckListNew", "frmDetails", "frmContact", "frmMyTips", "frmList",
    // Windows that no opener names.
    "frmGeneral", "frmRestaurants", "frmSample", "frmHotelCategory", "frmCheckList"};

// A quick link's place, given in twips; every link is 390 twips high.
QRect twips(int left, int top, int width) {
    using platform::twipsToPixels;
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(390));
}

} // namespace

class TestMenuBar : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static platform::Form* openMain() { return Forms::open(QStringLiteral("frmTamble")); }

private slots:
    // One program folder for all, its tables empty but for a trip profile (so
    // that the gated items open their windows): every item starts from the main
    // window alone, which stays loaded from one item to the next unless the
    // item closed it.
    void initTestCase() {
        world = std::make_unique<TestWorld>(false);
        world->addTripProfile();
    }
    void cleanup() {
        if (Forms::exiting()) {
            world->closeAll();
            return;
        }
        for (const QString& name : Forms::loadedNames())
            if (name != QLatin1String("frmTamble"))
                Forms::unload(name);
        TestWorld::settle();
    }
    void cleanupTestCase() { world.reset(); }

    void tenMenusEachWithItsItemsInOrder() {
        platform::Form* main = openMain();
        QVERIFY(main);
        QStringList menus, items, expected;
        for (QAction* top : main->menuBar()->actions()) {
            menus << top->objectName() + QLatin1Char('=') + top->text();
            for (QAction* item : top->menu()->actions()) {
                items << top->objectName() + QLatin1Char('/') + item->objectName() + QLatin1Char('=') + item->text();
                QVERIFY(item->shortcut().isEmpty() && !item->isCheckable());
            }
        }
        QCOMPARE(menus, (QStringList{"mnuFile=File", "mnuOptions=Special Features", "mnuGeneral=General Info",
                                     "mnuMK=Magic Kingdom", "mnuEpcot=Epcot", "mnuMGM=MGM Studios",
                                     "mnuAK=Animal Kingdom", "mnuTrivia=Trivia", "mnuHelp=Help", "mnuAbout1=About"}));
        for (const Row& row : kRows)
            expected << QStringLiteral("%1/%2=%3").arg(row.menu, row.name, QString::fromUtf8(row.caption));
        QCOMPARE(items, expected);
    }

    // Every item is usable and opens exactly its own window, nothing else.
    void everyItemOpensExactlyItsWindow_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        for (const Row& row : kRows)
            if (*row.form)
                QTest::newRow(row.name) << row.name << row.form;
    }
    void everyItemOpensExactlyItsWindow() {
        QFETCH(QString, item);
        QFETCH(QString, form);
        platform::Form* main = openMain();
        QVERIFY(main);
        auto* action = must<QAction>(main, item);
        QVERIFY(action->isEnabled());
        action->trigger();
        world->settle();
        QStringList opened = Forms::loadedNames();
        opened.removeOne(QStringLiteral("frmTamble"));
        QCOMPARE(opened, QStringList{form});
        QVERIFY(isShown(form));
    }

    // A window that no menu item opens opens under its own name; the others
    // are opened through their items above.
    void everyOtherWindowOpensUnderItsName_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : kWindows)
            if (std::none_of(std::begin(kRows), std::end(kRows),
                             [name](const Row& row) { return !qstrcmp(row.form, name); }))
                QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyOtherWindowOpensUnderItsName() {
        QFETCH(QString, name);
        platform::Form* form = Forms::open(name);
        QVERIFY(form);
        QCOMPARE(form->objectName(), name);
        QVERIFY(form->isVisible());
    }

    void noWindowIsRegisteredBesideThese() {
        QStringList expected;
        for (const char* name : kWindows)
            expected << QString::fromLatin1(name);
        QStringList registered = Forms::registeredNames();
        std::sort(expected.begin(), expected.end());
        std::sort(registered.begin(), registered.end());
        QCOMPARE(registered, expected);
    }

    // Eight links one under the other and Exit beside the last, each usable and
    // running what its menu item runs.
    void quickLinkStandsInPlaceAndOpensItsWindow_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("form"); // empty: Exit
        // clang-format off
        QTest::newRow("Start Here") << "Picture12" << twips(480, 2880, 2430) << "frmWizard";
        QTest::newRow("Travisto Checklist") << "Picture10" << twips(480, 3360, 2430) << "frmCheckListNew";
        QTest::newRow("Itinerary Suggestions") << "Picture5" << twips(480, 3840, 2430) << "frmLoading";
        QTest::newRow("My Daily Schedule") << "Picture6" << twips(480, 4320, 2430) << "frmSchedule";
        QTest::newRow("Don't Leave Me at Home") << "Picture7" << twips(480, 4800, 2430) << "frmList";
        QTest::newRow("Store My Own Tips") << "Picture8" << twips(480, 5280, 2430) << "frmMyTips";
        QTest::newRow("Search Our Database") << "Picture11" << twips(480, 5760, 2430) << "frmSearch";
        QTest::newRow("Play Disney World Trivia") << "Picture4" << twips(480, 6240, 2430) << "frmDWTrivia";
        QTest::newRow("Exit") << "Picture9" << twips(4200, 6240, 1230) << "";
        // clang-format on
    }
    void quickLinkStandsInPlaceAndOpensItsWindow() {
        QFETCH(QString, link);
        QFETCH(QRect, place);
        QFETCH(QString, form);
        platform::Form* main = openMain();
        QVERIFY(main);
        auto* picture = must<common::PictureButton>(main, link);
        QCOMPARE(picture->geometry(), place);
        QVERIFY(picture->isEnabled() && !picture->picture().isNull());
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
        world->settle();
        QStringList opened = Forms::loadedNames();
        opened.removeOne(QStringLiteral("frmTamble"));
        QCOMPARE(opened, form.isEmpty() ? QStringList() : QStringList{form});
        QCOMPARE(world->quitCount(), form.isEmpty() ? 1 : 0);
    }
};

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
