#include "dining_lodging/frmRestaurants.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/RichTextBox.h"
#include "dining_lodging/DiningText.h"
#include "dining_lodging/RestaurantList.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>

frmRestaurants::frmRestaurants()
    : common::PanePage(dining_lodging::restaurantFrame(QStringLiteral("frmRestaurants"),
                                                       QStringLiteral("Eating in Walt Disney World"), 5640,
                                                       QStringLiteral("mnuHome"), QStringLiteral("Return to Home Page"),
                                                       QStringLiteral("Walt Disney World Restaurants"))) {
    QLabel* Label1 = common::makeLabel(client(), QStringLiteral("Label1"),
                                       QStringLiteral("You've got a lot of choices when it comes to eating in Walt "
                                                      "Disney World.  Listed here are the restaurants inside Disney "
                                                      "World, their location, and food type."));
    Label1->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label1->setWordWrap(true);
    common::setInk(Label1, Qt::white);
    platform::placeTwips(Label1, 240, 120, 9120, 720);
}

void frmRestaurants::fillPage(platform::Database& content) {
    QList<QList<dining_lodging::RestaurantRow>> parks;
    for (int park = 1; park <= 4; ++park) {
        platform::Recordset rs = common::queryOrSay(
            content, QStringLiteral("Select * from Reservations Where Restaurant = 1 And ParkLocation = ?"), {park});
        parks.append(dining_lodging::readRestaurantRows(rs));
    }
    pane()->setText(dining_lodging::composeAllRestaurants(parks));
}
