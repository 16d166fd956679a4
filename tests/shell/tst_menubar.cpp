#include "TestSupport.h"

#include "common/PictureButton.h"
#include "platform/Twips.h"
#include "shell/frmTamble.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using platform::Forms;

// The menu bar against the windows the program has now. No stand-ins are
// registered here: what is not built yet stays disabled.
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

// The windows a menu item needs that the program does not have yet.
QStringList missingFor(const QString& item) {
    QStringList missing;
    for (const QString& form : shell::windowsOpenedBy(item))
        if (!Forms::isRegistered(form))
            missing << form;
    return missing;
}

// A quick link's place, given in twips; every link is 390 twips high.
QRect twips(int left, int top, int width) {
    using platform::twipsToPixels;
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(390));
}

} // namespace

class TestMenuBar : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmTamble* openMain() { return dynamic_cast<frmTamble*>(Forms::open(QStringLiteral("frmTamble"))); }

private slots:
    void init() {
        world = std::make_unique<TestWorld>();
        // A trip profile, so that the gated items open their windows.
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                                   "VALUES ('2004-06-20', 1, 0, 0, 0, 0, 0)"));
    }
    void cleanup() { world.reset(); }

    void tenMenusEachWithItsItemsInOrder() {
        QStringList menus, items, expected;
        for (QAction* top : openMain()->menuBar()->actions()) {
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

    void everyItemOpensItsWindowOrWaitsForIt_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        for (const Row& row : kRows)
            if (*row.form)
                QTest::newRow(row.name) << row.name << row.form;
    }
    void everyItemOpensItsWindowOrWaitsForIt() {
        QFETCH(QString, item);
        QFETCH(QString, form);
        frmTamble* main = openMain();
        const bool available = missingFor(item).isEmpty();
        main->findChild<QAction*>(item)->trigger();
        world->settle();
        QCOMPARE(Forms::isLoaded(form) && Forms::find(form)->isVisible(), available);
        if (!available) // and no placeholder in its stead
            QCOMPARE(Forms::loadedNames(), QStringList{"frmTamble"});
    }

    // Lists the items still waiting for their windows: the list can only shrink.
    void stillDisabledItemsWaitOnlyForWindowsNotBuilt() {
        frmTamble* main = openMain();
        QStringList disabled;
        for (const Row& row : kRows) {
            const QStringList missing = missingFor(row.name);
            QCOMPARE(main->findChild<QAction*>(QLatin1String(row.name))->isEnabled(), missing.isEmpty());
            if (!missing.isEmpty())
                disabled << QStringLiteral("%1 (%2)").arg(row.name, missing.join(QStringLiteral(", ")));
        }
        qInfo("%lld menu items still disabled:\n  %s", qint64(disabled.size()),
              qPrintable(disabled.join(QStringLiteral("\n  "))));
        for (const char* form : {"frmSearch", "frmLinks", "frmHelp", "frmMe", "frmLoading", "frmScheduleTips"})
            QVERIFY2(Forms::isRegistered(QLatin1String(form)), form);
    }

    // Eight links one under the other, each usable when its item is, and Exit.
    void quickLinksStandInTheirColumnAndFollowTheirItems() {
        frmTamble* main = openMain();
        const QStringList links = {"Picture12", "Picture10", "Picture5",  "Picture6",
                                   "Picture7",  "Picture8",  "Picture11", "Picture4"};
        const QStringList items = {"",        "mnuChecklist", "mnuItenerary", "mnuViewSchedule",
                                   "mnuHome", "mnuMyTips",    "mnuSearch",    "mnuWDTrivia"};
        for (int i = 0; i < 8; ++i) {
            auto* picture = main->findChild<common::PictureButton*>(links[i]);
            QCOMPARE(picture->geometry(), twips(480, 2880 + 480 * i, 2430));
            QVERIFY(!picture->picture().isNull());
            const bool usable = i == 0 ? Forms::isRegistered(QStringLiteral("frmWizard"))
                                       : main->findChild<QAction*>(items[i])->isEnabled();
            QVERIFY2(picture->isEnabled() == usable, qPrintable(links[i]));
        }
        QCOMPARE(main->Picture9->geometry(), twips(4200, 6240, 1230));
        QVERIFY(main->Picture9->isEnabled() && !main->Picture9->picture().isNull());
    }
};

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
