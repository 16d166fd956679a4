#include "shell/frmTamble.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/HoverLink.h"
#include "common/TripProfile.h"
#include "common/WebLink.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

using platform::placeTwips;

namespace shell {

const QString kNavigateMessage = QStringLiteral("Use the menus at the top of this page to navigate Travisto.");
const QString kCountdownCaption = QStringLiteral("I go see Tamble in");

Countdown countdownCaption(const QDate& tripDate, const QDate& today) {
    if (!tripDate.isValid())
        return {kNavigateMessage, false};
    const qint64 daysLeft = today.daysTo(tripDate);
    if (daysLeft < 1)
        return {kNavigateMessage, false};
    return {kCountdownCaption + QLatin1Char(' ') + QString::number(daysLeft) + QStringLiteral(" Days!"), true};
}

QStringList screenWarnings(int twipsPerPixelX, int screenWidthTwips) {
    QStringList warnings;
    if (twipsPerPixelX < 15)
        warnings << QStringLiteral(
            "Travisto is best viewed with the 'small fonts' setting. See windows help to change this setting");
    if (twipsPerPixelX > 0 && screenWidthTwips / twipsPerPixelX < 800)
        warnings << QStringLiteral(
            "Travisto is best viewed at 600 X 800 screen resolution.  See windows help to change this setting");
    return warnings;
}

} // namespace shell

namespace {

using common::makeFont;
using common::setInk;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h,
                  const QFont& font, const QColor& ink) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    setInk(label, ink);
    placeTwips(label, l, t, w, h);
    return label;
}

// The title banner: the product's name and its slogan on white.
QPixmap bannerPicture() {
    QPixmap pixmap(700, 125);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 125);
    sky.setColorAt(0, QColor(40, 70, 160));
    sky.setColorAt(1, QColor(120, 160, 230));
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(62, 62), 48, 48);
    // A castle outline inside the circle.
    p.setBrush(Qt::white);
    QPainterPath castle;
    castle.addRect(40, 60, 44, 34);
    castle.addRect(36, 48, 10, 46);
    castle.addRect(78, 48, 10, 46);
    castle.addRect(56, 38, 12, 56);
    p.drawPath(castle);
    p.setPen(QColor(20, 40, 120));
    p.setFont(makeFont(QStringLiteral("Georgia"), 40, true));
    p.drawText(QRect(125, 10, 560, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Travisto"));
    p.setFont(makeFont(QStringLiteral("Verdana"), 13));
    p.setPen(QColor(160, 30, 30));
    p.drawText(QRect(128, 80, 560, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Your own guide to planning a Walt Disney World vacation"));
    return pixmap;
}

// The picture that lists the guide's topics.
QPixmap topicsPicture() {
    QPixmap pixmap(150, 220);
    pixmap.fill(QColor(255, 255, 230));
    QPainter p(&pixmap);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, 149, 219);
    p.setFont(makeFont(QStringLiteral("Arial"), 9, true));
    p.drawText(QRect(6, 4, 138, 20), Qt::AlignCenter, QStringLiteral("Inside Travisto"));
    const QStringList topics = {QStringLiteral("Magic Kingdom"),   QStringLiteral("Epcot"),
                                QStringLiteral("MGM Studios"),     QStringLiteral("Animal Kingdom"),
                                QStringLiteral("Downtown Disney"), QStringLiteral("The Resorts"),
                                QStringLiteral("Water Parks"),     QStringLiteral("Restaurants"),
                                QStringLiteral("Schedules"),       QStringLiteral("Saving Time & Money")};
    p.setFont(makeFont(QStringLiteral("Arial"), 8));
    int y = 28;
    for (const QString& topic : topics) {
        p.drawText(QRect(10, y, 136, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("\u2022 ") + topic);
        y += 19;
    }
    return pixmap;
}

} // namespace

frmTamble::frmTamble() : platform::Form(QStringLiteral("frmTamble")) {
    setWindowTitle(QStringLiteral("Travisto"));
    setBackColor(platform::bgrColor(0x00E0E0E0));
    setClientSizeTwips(9915, 7065);
    QWidget* c = client();

    Picture3_1 = new QLabel(c);
    Picture3_1->setObjectName(QStringLiteral("Picture3_1"));
    Picture3_1->setPixmap(bannerPicture());
    Picture3_1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Picture3_1, 0, 0, 10500, 1875);

    Label11 = makeLabel(c, QStringLiteral("Label11"), shell::kCountdownCaption, 3000, 2040, 4245, 855,
                        makeFont(QStringLiteral("Verdana"), 11.25, true), Qt::black);
    Label11->setWordWrap(true);
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label13 = makeLabel(c, QStringLiteral("Label13"), QStringLiteral("Quick Links"), 960, 2520, 1395, 300,
                        makeFont(QStringLiteral("MS Sans Serif"), 12, true), palette().color(QPalette::ButtonText));
    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Today's Tip:"), 3720, 3120, 1905, 360,
                       makeFont(QStringLiteral("Arial"), 15.75, true), platform::bgrColor(0x00FF0000));
    lblTip = makeLabel(c, QStringLiteral("lblTip"), QString(), 3720, 3600, 3015, 1695,
                       makeFont(QStringLiteral("Verdana"), 9.75, true), Qt::black);
    lblTip->setWordWrap(true);
    lblTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTip->setAutoFillBackground(true);
    {
        QPalette pal = lblTip->palette();
        pal.setColor(QPalette::Window, Qt::white);
        lblTip->setPalette(pal);
    }

    Image1_0 = new QLabel(c);
    Image1_0->setObjectName(QStringLiteral("Image1_0"));
    Image1_0->setPixmap(topicsPicture());
    placeTwips(Image1_0, 6960, 2760, 2250, 3300);

    Label3 = new common::HoverLink(homePageAddress(), c);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(makeFont(QStringLiteral("MS Sans Serif"), 12, true));
    Label3->setColors(platform::bgrColor(0x00FF0000), platform::bgrColor(0x000000FF));
    Label3->setKeepUnderline(true);
    placeTwips(Label3, 7080, 6240, 2370, 300);
    connect(Label3, &common::HoverLink::clicked, this, &frmTamble::Label3_Click);

    buildNavigation();
}

void frmTamble::Form_Load() {
    for (const QString& warning :
         shell::screenWarnings(platform::Screen::twipsPerPixelX(), platform::Screen::widthTwips()))
        platform::msgBox(warning);

    auto db = common::openContentOrSay();
    if (!db)
        return;
    showTipOfTheDay(*db);
    showCountdown(*db);
}

void frmTamble::showTipOfTheDay(platform::Database& db) {
    platform::Recordset rs = common::queryOrSay(db, QStringLiteral("Select * from tblHomeTips Order By Counter"));
    if (rs.eof())
        return;
    lblTip->setText(rs.text(QStringLiteral("Tip")));
    // The counter is the program's own bookkeeping: a folder that cannot be
    // written leaves it as it is without troubling the user (the database logs it).
    db.execute(QStringLiteral("Update tblHomeTips Set Counter = Counter + 1 Where intId = ?"),
               {rs.value(QStringLiteral("intId"))});
}

void frmTamble::showCountdown(platform::Database& db) {
    const std::optional<common::TripProfile> profile = common::readTripProfile(db);
    if (!profile)
        common::sayDatabaseFailure(db);
    const shell::Countdown countdown =
        shell::countdownCaption(profile ? profile->tripDate : QDate(), platform::Clock::today());
    Label11->setText(countdown.caption);
    setInk(Label11, countdown.red ? platform::bgrColor(0x000000FF) : QColor(Qt::black));
}

void frmTamble::Label3_Click() {
    common::OpenWebLink(homePageAddress());
}

// Closing the main window by its close box is the program's Exit.
void frmTamble::closeAction() {
    platform::Forms::closeAllWindows();
}
