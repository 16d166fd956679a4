#include "TestSupport.h"

#include "common/PictureButton.h"
#include "platform/Twips.h"
#include "shell/frmTamble.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using platform::Forms;

// The menu bar as the program has it, against the windows it can open now.
// No stand-in windows are registered here: what is not built yet stays disabled.
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

// The windows of this part of the program: their items must never wait.
const QStringList kShellWindows = {"frmSearch", "frmLinks", "frmHelp", "frmMe", "frmLoading", "frmScheduleTips"};

} // namespace

class TestMenuBar : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmTamble* openMain() {
        Forms::open(QStringLiteral("frmTamble"));
        return Forms::findAs<frmTamble>(QStringLiteral("frmTamble"));
    }

    // The windows a menu item needs that the program does not have yet.
    static QStringList missingFor(const QString& item) {
        QStringList missing;
        for (const QString& form : shell::windowsOpenedBy(item))
            if (!Forms::isRegistered(form))
                missing << form;
        return missing;
    }

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
        frmTamble* main = openMain();
        QStringList menus;
        QStringList items;
        for (QAction* top : main->menuBar()->actions()) {
            menus << top->objectName() + QLatin1Char('=') + top->text();
            QVERIFY(top->menu());
            for (QAction* item : top->menu()->actions())
                items << top->objectName() + QLatin1Char('/') + item->objectName() + QLatin1Char('=') + item->text();
        }
        QCOMPARE(menus, (QStringList{"mnuFile=File", "mnuOptions=Special Features", "mnuGeneral=General Info",
                                     "mnuMK=Magic Kingdom", "mnuEpcot=Epcot", "mnuMGM=MGM Studios",
                                     "mnuAK=Animal Kingdom", "mnuTrivia=Trivia", "mnuHelp=Help", "mnuAbout1=About"}));
        QStringList expected;
        for (const Row& row : kRows)
            expected << QStringLiteral("%1/%2=%3").arg(row.menu, row.name, QString::fromUtf8(row.caption));
        QCOMPARE(items, expected);
        for (QAction* action : main->menuBar()->findChildren<QAction*>()) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->isCheckable());
            QVERIFY(!action->isSeparator());
        }
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
        auto* action = main->findChild<QAction*>(item);
        QVERIFY(action);
        const bool available = missingFor(item).isEmpty();
        QCOMPARE(action->isEnabled(), available);
        action->trigger();
        world->settle();
        QCOMPARE(Forms::isLoaded(form), available);
        if (available)
            QVERIFY(Forms::find(form)->isVisible());
        else
            QCOMPARE(Forms::loadedNames(), QStringList{"frmTamble"});
    }

    void stillDisabledItemsWaitOnlyForWindowsNotBuilt() {
        frmTamble* main = openMain();
        QStringList disabled;
        for (const Row& row : kRows) {
            auto* action = main->findChild<QAction*>(QLatin1String(row.name));
            const QStringList missing = missingFor(row.name);
            QCOMPARE(action->isEnabled(), missing.isEmpty());
            if (action->isEnabled())
                continue;
            for (const QString& form : missing) {
                QVERIFY2(!Forms::isRegistered(form), qPrintable(form));
                QVERIFY2(!kShellWindows.contains(form), qPrintable(form));
            }
            disabled << QStringLiteral("%1 (%2)").arg(row.name, missing.join(QStringLiteral(", ")));
        }
        qInfo("%lld menu items still disabled:\n  %s", qint64(disabled.size()),
              qPrintable(disabled.join(QStringLiteral("\n  "))));
        for (const QString& form : kShellWindows)
            QVERIFY2(Forms::isRegistered(form), qPrintable(form));
        QVERIFY(main->mnuExit->isEnabled());
    }

    void quickLinksStandInTheirColumnAndFollowTheirItems_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("item");
        QTest::newRow("Start Here") << "Picture12" << QRect(480, 2880, 2430, 390) << "";
        QTest::newRow("Checklist") << "Picture10" << QRect(480, 3360, 2430, 390) << "mnuChecklist";
        QTest::newRow("Itinerary") << "Picture5" << QRect(480, 3840, 2430, 390) << "mnuItenerary";
        QTest::newRow("Schedule") << "Picture6" << QRect(480, 4320, 2430, 390) << "mnuViewSchedule";
        QTest::newRow("Home") << "Picture7" << QRect(480, 4800, 2430, 390) << "mnuHome";
        QTest::newRow("My tips") << "Picture8" << QRect(480, 5280, 2430, 390) << "mnuMyTips";
        QTest::newRow("Search") << "Picture11" << QRect(480, 5760, 2430, 390) << "mnuSearch";
        QTest::newRow("Trivia") << "Picture4" << QRect(480, 6240, 2430, 390) << "mnuWDTrivia";
        QTest::newRow("Exit") << "Picture9" << QRect(4200, 6240, 1230, 390) << "mnuExit";
    }
    void quickLinksStandInTheirColumnAndFollowTheirItems() {
        QFETCH(QString, button);
        QFETCH(QRect, twips);
        QFETCH(QString, item);
        frmTamble* main = openMain();
        auto* picture = main->findChild<common::PictureButton*>(button);
        QVERIFY(picture);
        QCOMPARE(picture->geometry(),
                 QRect(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y()),
                       platform::twipsToPixels(twips.width()), platform::twipsToPixels(twips.height())));
        QVERIFY(!picture->picture().isNull());
        const bool usable = item.isEmpty() ? Forms::isRegistered(QStringLiteral("frmWizard"))
                                           : main->findChild<QAction*>(item)->isEnabled();
        QCOMPARE(picture->isEnabled(), usable);
    }

    void searchQuickLinkOpensTheSearch() {
        frmTamble* main = openMain();
        QTest::mouseClick(main->Picture11, Qt::LeftButton);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmSearch")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
    }
};

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
