#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/PictureButton.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/frmTamble.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using platform::Forms;

namespace {

// One item of the menu bar: the menu it drops from (index into kMenus), its
// control, caption and the window it opens; `handler`, when set, replaces
// the plain opening of the window.
struct MenuItem {
    int menu;
    QAction* frmTamble::*action;
    const char* name;
    const char* caption;
    const char* form;
    void (frmTamble::*handler)();
};

struct TopMenu {
    QMenu* frmTamble::*menu;
    const char* name;
    const char* caption;
};

// A quick-link button: its control, top in twips, the caption its picture
// shows, and the menu item whose handler a click runs (none for the two
// buttons with handlers of their own).
struct QuickLink {
    common::PictureButton* frmTamble::*button;
    const char* name;
    int left;
    int top;
    int width;
    const char* caption;
    QAction* frmTamble::*runs;
};

const QString kWizard = QStringLiteral("frmWizard");

} // namespace

// The tables of the menu bar and the quick links name the window's controls
// and handlers.
struct TambleNavigation {
    static const TopMenu kMenus[];
    static const MenuItem kItems[];
    static const QuickLink kQuickLinks[];
};

const TopMenu TambleNavigation::kMenus[] = {
    {&frmTamble::mnuFile, "mnuFile", "File"},
    {&frmTamble::mnuOptions, "mnuOptions", "Special Features"},
    {&frmTamble::mnuGeneral, "mnuGeneral", "General Info"},
    {&frmTamble::mnuMK, "mnuMK", "Magic Kingdom"},
    {&frmTamble::mnuEpcot, "mnuEpcot", "Epcot"},
    {&frmTamble::mnuMGM, "mnuMGM", "MGM Studios"},
    {&frmTamble::mnuAK, "mnuAK", "Animal Kingdom"},
    {&frmTamble::mnuTrivia, "mnuTrivia", "Trivia"},
    {&frmTamble::mnuHelp, "mnuHelp", "Help"},
    {&frmTamble::mnuAbout1, "mnuAbout1", "About"},
};

#define ITEM(menu, control, caption, form)                                                                             \
    { menu, &frmTamble::control, #control, caption, form, nullptr }
#define SPECIAL(menu, control, caption, form)                                                                          \
    { menu, &frmTamble::control, #control, caption, form, &frmTamble::control##_Click }

const MenuItem TambleNavigation::kItems[] = {
    SPECIAL(0, mnuExit, "Exit", ""),

    SPECIAL(1, mnuWizard, "Set Your Preferences", "frmWizard"),
    ITEM(1, mnuChecklist, "Travisto Checklist", "frmCheckListNew"),
    ITEM(1, mnuFlight, "My Flight and Hotel Reservations", "frmPlane"),
    SPECIAL(1, mnuItenerary, "Itinerary Suggestions", "frmLoading"),
    ITEM(1, mnuSchedule, "Schedule Making Tips", "frmScheduleTips"),
    SPECIAL(1, mnuViewSchedule, "My Daily Schedule", "frmSchedule"),
    ITEM(1, mnuDetails, "Write About My Vacation", "frmDetails"),
    ITEM(1, mnuHome, "Don't Leave Me at Home ", "frmList"),
    ITEM(1, mnuMyTips, "Store My Own Tips", "frmMyTips"),
    ITEM(1, mnuSearch, "Search our Database", "frmSearch"),
    ITEM(1, mnuBudget, "Your Disney Budget", "frmBudget"),
    ITEM(1, mnuLinks, "Useful Web Links", "frmLinks"),

    ITEM(2, mnuBasics, "The Basics - Look here first timers.", "frmBasics"),
    ITEM(2, mnuQuick, "Quick Ride Descriptions", "frmQuick"),
    ITEM(2, mnuQuickRestaurant, "Quick Restaurant Descriptions", "frmQuickRestaurant"),
    ITEM(2, mnuContact, "Disney World Contact List", "frmContact"),
    ITEM(2, mnuResortMap, "Disney Resort Overview Map", "frmResortMap"),
    ITEM(2, mnuHotels, "Disney World Hotels", "frmHotels"),
    ITEM(2, mnuHotelReviews, "Disney Hotel Reviews", "frmHotelReviews"),
    ITEM(2, mnuResortFood, "Resort And Downtown Disney Food options", "frmResortFood"),
    SPECIAL(2, mnuResortFoodReviews, "Resort and Downtown Disney Food reviews", "frmHotelFoodReviews"),
    ITEM(2, mnuWhile, "Weather While I'm There", "frmWhenYouGo"),
    ITEM(2, mnuAttendance, "Attendance While I'm There", "frmAttendance"),
    ITEM(2, mnuTickets, "Park Tickets Info", "frmTickets"),
    ITEM(2, mnuParkHours, "Park Hours", "frmCountdown"),
    ITEM(2, mnuDowntown, "Downtown Disney General Information", "frmDowntown"),
    ITEM(2, mnuLines, "Line Buster Tips", "frmLines"),
    ITEM(2, mnuFastPass, "Fastpass Information", "frmFastpass"),
    ITEM(2, mnuEarlyEntry, "2004 Early Magic Hour Parks", "frmEarlyEntry"),
    ITEM(2, mnuCharacterDining, "2004 Character Dining Locations", "frmCharacterDining"),
    ITEM(2, mnuHeight, "Rides with Height Requirements", "frmHeight"),
    ITEM(2, mnuFireworks, "Firework Shows", "frmFireworks"),
    ITEM(2, mnuStuff, "Fun Stuff For Kids", "frmKidsStuff"),
    ITEM(2, mnuMoney, "Money Saving Tips", "frmSaveMoney"),
    ITEM(2, mnuBring, "Bring Home a Piece of the Magic", "frmBringHome"),
    ITEM(2, mnuFavorite, "Travisto's Favorite Attractions", "frmFavorite"),
    ITEM(2, mnuGeneralTips, "Travisto's General Tips ", "frmDPGeneral"),

    ITEM(3, mnuMkTips, "Magic Kingdom Tips", "frmMKTips"),
    ITEM(3, mnuMkAttractions, "Magic Kingdom Attractions", "frmMkAttractions"),
    ITEM(3, mnuMagicFood, "Magic Kingdom Food", "frmMkFood"),
    ITEM(3, mnuMKFoodReviews, "Magic Kingdom Food Reviews", "frmMkFoodReview"),
    ITEM(3, mnuMkMap, "Magic Kingdom Map Overview", "frmMkMap"),

    ITEM(4, mnuEpcotTips, "Epcot Tips", "frmEpcotTips"),
    ITEM(4, mnuEpcotAttractions, "Epcot Attractions", "frmEpcotAttractions"),
    ITEM(4, mnuEpcotFood, "Epcot Food", "frmEpcotFood"),
    ITEM(4, mnuEpcotFoodReviews, "Epcot Food Reviews", "frmEpcotFoodReview"),
    ITEM(4, mnuEpcotMap, "Epcot Map Overview", "frmEpcotMap"),

    ITEM(5, mnuMgmTips, "MGM Tips", "frmMgmTips"),
    ITEM(5, mnuAttractions, "MGM Attractions", "frmMGMAttractions"),
    ITEM(5, mnuMGMFood, "MGM Food", "frmMGMfood"),
    ITEM(5, mnuMGMFoodReviews, "MGM Food Reviews", "frmMGMFoodReview"),
    ITEM(5, mnuMGMMap, "MGM Map Overview", "frmMgmMap"),

    ITEM(6, mnuAKTips, "Animal Kingdom Tips", "frmAKTips"),
    ITEM(6, mnuAKAttractions, "Animal Kingdom Attractions", "frmAkAttractions"),
    ITEM(6, mnuAKFood, "Animal Kingdom Food", "frmAKFood"),
    ITEM(6, mnuAKFoodREviews, "Animal Kingdom Food Reviews", "frmAkFoodReview"),
    ITEM(6, mnuAKMap, "Animal Kingdom Map Overview", "frmAkMap"),

    ITEM(7, mnuWDTrivia, "Walt Disney World Trivia", "frmDWTrivia"),

    ITEM(8, MnuFaq, "FAQ", "frmHelp"),

    ITEM(9, mnuAbout, "About Info", "frmMe"),
};

#undef ITEM
#undef SPECIAL

const QuickLink TambleNavigation::kQuickLinks[] = {
    {&frmTamble::Picture12, "Picture12", 480, 2880, 2430, "Start Here", nullptr},
    {&frmTamble::Picture10, "Picture10", 480, 3360, 2430, "Travisto Checklist", &frmTamble::mnuChecklist},
    {&frmTamble::Picture5, "Picture5", 480, 3840, 2430, "Itinerary Suggestions", &frmTamble::mnuItenerary},
    {&frmTamble::Picture6, "Picture6", 480, 4320, 2430, "My Daily Schedule", &frmTamble::mnuViewSchedule},
    {&frmTamble::Picture7, "Picture7", 480, 4800, 2430, "Don't Leave Me at Home", &frmTamble::mnuHome},
    {&frmTamble::Picture8, "Picture8", 480, 5280, 2430, "Store My Own Tips", &frmTamble::mnuMyTips},
    {&frmTamble::Picture11, "Picture11", 480, 5760, 2430, "Search Our Database", &frmTamble::mnuSearch},
    {&frmTamble::Picture4, "Picture4", 480, 6240, 2430, "Play Disney World Trivia", &frmTamble::mnuWDTrivia},
    {&frmTamble::Picture9, "Picture9", 4200, 6240, 1230, "Exit", nullptr},
};

// The menu bar and the quick-link buttons, every one of them usable.
void frmTamble::buildNavigation() {
    // The ten menus share the window's width: the menu font of the desktop the
    // window was laid out for keeps them on one line.
    menuBar()->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 8));
    for (const TopMenu& top : TambleNavigation::kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(top.caption));
        menu->setObjectName(QString::fromLatin1(top.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.name));
        this->*top.menu = menu;
    }
    for (const MenuItem& item : TambleNavigation::kItems) {
        QAction* action = (this->*TambleNavigation::kMenus[item.menu].menu)->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        this->*item.action = action;
        if (item.handler) {
            connect(action, &QAction::triggered, this, item.handler);
        } else {
            const QString form = QString::fromLatin1(item.form);
            connect(action, &QAction::triggered, this, [form] { openFeature(form); });
        }
    }

    for (const QuickLink& link : TambleNavigation::kQuickLinks) {
        auto* button = new common::PictureButton(client());
        button->setObjectName(QString::fromLatin1(link.name));
        platform::placeTwips(button, link.left, link.top, link.width, 390);
        const QString caption = QString::fromLatin1(link.caption);
        button->setPicture(
            link.button == &frmTamble::Picture12
                ? common::PictureButton::captionPicture(button->size(), caption, Qt::white, QColor(204, 0, 0))
                : common::PictureButton::linkPicture(button->size(), caption));
        this->*link.button = button;
        if (link.runs)
            connect(button, &common::PictureButton::clicked, this->*link.runs, &QAction::trigger);
    }
    connect(Picture12, &common::PictureButton::clicked, this, &frmTamble::Picture12_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &frmTamble::Picture9_Click);
}

void frmTamble::openFeature(const QString& formName) {
    Forms::open(formName);
}

void frmTamble::openAndCloseMain(const QString& formName) {
    // The main window goes only once its successor shows: a window that
    // failed to load must not leave the user with no window at all.
    platform::Form* target = Forms::open(formName);
    if (!target || !target->isVisible())
        return;
    Forms::unload(objectName());
}

bool frmTamble::StartHereCheck(const QString& profileQuery) {
    auto db = common::openContentOrSay();
    if (!db)
        return false; // the user has been told why
    const platform::Recordset rs = common::queryOrSay(*db, profileQuery);
    if (!rs.ok())
        return false; // the user has been told why
    if (rs.eof()) {
        platform::msgBox(QStringLiteral("Please complete the Start Here Page"));
        return false;
    }
    return true;
}

void frmTamble::mnuExit_Click() {
    Picture9_Click();
}

void frmTamble::Picture9_Click() {
    Forms::closeAllWindows();
}

void frmTamble::mnuWizard_Click() {
    openAndCloseMain(kWizard);
}

void frmTamble::Picture12_Click() {
    // Start Here opens the wizard over the main window.
    openFeature(kWizard);
}

void frmTamble::mnuItenerary_Click() {
    if (!StartHereCheck(QStringLiteral("Select * From TravelInfo")))
        return;
    // The loading page opens the suggestions window when its time is up.
    openFeature(QStringLiteral("frmLoading"));
}

void frmTamble::mnuViewSchedule_Click() {
    if (!StartHereCheck(QStringLiteral("Select DaysOfTrip From TravelInfo")))
        return;
    openAndCloseMain(QStringLiteral("frmSchedule"));
}

void frmTamble::mnuResortFoodReviews_Click() {
    openAndCloseMain(QStringLiteral("frmHotelFoodReviews"));
}
