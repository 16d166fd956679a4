#pragma once

#include "platform/Forms.h"

#include <QDate>
#include <array>

class QLabel;

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

    void Label3_Click();
    void Label1_Click() {}

    static QString homePageAddress() { return QStringLiteral("www.travisto.com"); }

    QLabel* Picture3_1 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTip = nullptr;
    QLabel* Image1_0 = nullptr;
    common::HoverLink* Label3 = nullptr;

private:
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

// Opens a web address in the default browser; tells the user when it cannot.
void OpenWebLink(const QString& address);

} // namespace shell
