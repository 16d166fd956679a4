#include "TestSupport.h"

#include <algorithm>

using platform::Forms;

// Every window of the program by the name its openers use. The names are
// written out here, not taken from the program's own tables, so that a
// window registered under another name than its menu item, quick link, link
// or button asks for fails here.
namespace {

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

} // namespace

class TestRegistration : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    // One program folder for all: each window is closed before the next opens.
    void initTestCase() {
        world = std::make_unique<TestWorld>();
        world->addTripProfile();
    }
    void cleanup() { world->closeAll(); }
    void cleanupTestCase() { world.reset(); }

    void everyWindowOpensUnderItsName_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : kWindows)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyWindowOpensUnderItsName() {
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
};

QTEST_MAIN(TestRegistration)
#include "tst_registration.moc"
