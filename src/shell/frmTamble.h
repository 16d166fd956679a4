#pragma once

#include "platform/Forms.h"

#include <QDate>
#include <array>

class QAction;
class QLabel;
class QMenu;

namespace platform {
class Database;
}

namespace common {
class HoverLink;
class PictureButton;
} // namespace common

// The main window: title banner, trip countdown, tip of the day, quick links,
// the topics picture and the link to the product's home page.
class frmTamble : public platform::Form {
    Q_OBJECT
public:
    frmTamble();

    void Form_Load() override;
    void closeAction() override;

    static QString homePageAddress() { return QStringLiteral("www.travisto.com"); }

private:
    friend struct TambleNavigation;

    void Label3_Click();
    void Label1_Click() {}

    // The openers that do more than open their window.
    void mnuExit_Click();
    void mnuWizard_Click();
    void mnuItenerary_Click();
    void mnuViewSchedule_Click();
    void mnuResortFoodReviews_Click();
    void Picture12_Click();
    // Exit: closes every window and ends the program.
    void Picture9_Click();
    // True when the trip profile exists; otherwise the user has been told.
    static bool StartHereCheck(const QString& profileQuery);

    QLabel* Picture3_1 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTip = nullptr;
    QLabel* Image1_0 = nullptr;
    common::HoverLink* Label3 = nullptr;

    // The menu bar: ten menus and their items.
    QMenu* mnuFile = nullptr;
    QMenu* mnuOptions = nullptr;
    QMenu* mnuGeneral = nullptr;
    QMenu* mnuMK = nullptr;
    QMenu* mnuEpcot = nullptr;
    QMenu* mnuMGM = nullptr;
    QMenu* mnuAK = nullptr;
    QMenu* mnuTrivia = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuAbout1 = nullptr;

    QAction* mnuExit = nullptr;
    QAction* mnuWizard = nullptr;
    QAction* mnuChecklist = nullptr;
    QAction* mnuFlight = nullptr;
    QAction* mnuItenerary = nullptr;
    QAction* mnuSchedule = nullptr;
    QAction* mnuViewSchedule = nullptr;
    QAction* mnuDetails = nullptr;
    QAction* mnuHome = nullptr;
    QAction* mnuMyTips = nullptr;
    QAction* mnuSearch = nullptr;
    QAction* mnuBudget = nullptr;
    QAction* mnuLinks = nullptr;
    QAction* mnuBasics = nullptr;
    QAction* mnuQuick = nullptr;
    QAction* mnuQuickRestaurant = nullptr;
    QAction* mnuContact = nullptr;
    QAction* mnuResortMap = nullptr;
    QAction* mnuHotels = nullptr;
    QAction* mnuHotelReviews = nullptr;
    QAction* mnuResortFood = nullptr;
    QAction* mnuResortFoodReviews = nullptr;
    QAction* mnuWhile = nullptr;
    QAction* mnuAttendance = nullptr;
    QAction* mnuTickets = nullptr;
    QAction* mnuParkHours = nullptr;
    QAction* mnuDowntown = nullptr;
    QAction* mnuLines = nullptr;
    QAction* mnuFastPass = nullptr;
    QAction* mnuEarlyEntry = nullptr;
    QAction* mnuCharacterDining = nullptr;
    QAction* mnuHeight = nullptr;
    QAction* mnuFireworks = nullptr;
    QAction* mnuStuff = nullptr;
    QAction* mnuMoney = nullptr;
    QAction* mnuBring = nullptr;
    QAction* mnuFavorite = nullptr;
    QAction* mnuGeneralTips = nullptr;
    QAction* mnuMkTips = nullptr;
    QAction* mnuMkAttractions = nullptr;
    QAction* mnuMagicFood = nullptr;
    QAction* mnuMKFoodReviews = nullptr;
    QAction* mnuMkMap = nullptr;
    QAction* mnuEpcotTips = nullptr;
    QAction* mnuEpcotAttractions = nullptr;
    QAction* mnuEpcotFood = nullptr;
    QAction* mnuEpcotFoodReviews = nullptr;
    QAction* mnuEpcotMap = nullptr;
    QAction* mnuMgmTips = nullptr;
    QAction* mnuAttractions = nullptr;
    QAction* mnuMGMFood = nullptr;
    QAction* mnuMGMFoodReviews = nullptr;
    QAction* mnuMGMMap = nullptr;
    QAction* mnuAKTips = nullptr;
    QAction* mnuAKAttractions = nullptr;
    QAction* mnuAKFood = nullptr;
    QAction* mnuAKFoodREviews = nullptr;
    QAction* mnuAKMap = nullptr;
    QAction* mnuWDTrivia = nullptr;
    QAction* MnuFaq = nullptr;
    QAction* mnuAbout = nullptr;

    // The quick links, top to bottom, and the Exit button.
    common::PictureButton* Picture12 = nullptr;
    common::PictureButton* Picture10 = nullptr;
    common::PictureButton* Picture5 = nullptr;
    common::PictureButton* Picture6 = nullptr;
    common::PictureButton* Picture7 = nullptr;
    common::PictureButton* Picture8 = nullptr;
    common::PictureButton* Picture11 = nullptr;
    common::PictureButton* Picture4 = nullptr;
    common::PictureButton* Picture9 = nullptr;

    // Opens the window of a plain menu item; the main window stays open.
    static void openFeature(const QString& formName);
    // Opens `formName` and, once it shows, closes the main window.
    void openAndCloseMain(const QString& formName);

    void buildNavigation();
    void showTipOfTheDay(platform::Database& db);
    void showCountdown(platform::Database& db);
};

namespace shell {

// The countdown caption for a trip starting on `tripDate`, seen on `today`;
// an invalid date stands for "no trip profile". `red` tells the colour.
struct Countdown {
    QString caption;
    bool red = false;
};
Countdown countdownCaption(const QDate& tripDate, const QDate& today);

// The screen-setting warnings due for these metrics, in the order shown.
QStringList screenWarnings(int twipsPerPixelX, int screenWidthTwips);

} // namespace shell
