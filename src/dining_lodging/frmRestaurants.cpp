#include "dining_lodging/frmRestaurants.h"

#include "common/CWordWrap.h"
#include "common/Controls.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "dining_lodging/DiningText.h"
#include "dining_lodging/RestaurantList.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>

frmRestaurants::frmRestaurants() : platform::Form(QStringLiteral("frmRestaurants")) {
    setWindowTitle(QStringLiteral("Eating in Walt Disney World"));
    const QColor darkBlue = platform::bgrColor(0x00C00000);
    setBackColor(darkBlue);
    setClientSizeTwips(9600, 7320);
    QWidget* c = client();

    Label1 = common::makeLabel(c, QStringLiteral("Label1"),
                               QStringLiteral("You've got a lot of choices when it comes to eating in Walt Disney "
                                              "World.  Listed here are the restaurants inside Disney World, their "
                                              "location, and food type."));
    Label1->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label1->setWordWrap(true);
    common::setInk(Label1, Qt::white);
    platform::placeTwips(Label1, 240, 120, 9120, 720);

    rtParks = new common::RichTextBox(c);
    rtParks->setObjectName(QStringLiteral("rtParks"));
    platform::placeTwips(rtParks, 240, 960, 9120, 5640);

    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Print"), 6690, 6780, 1230, 390);
    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 8130, 6780, 1230, 390);
    QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuHome = addNamedItem(mnuFile, QStringLiteral("mnuHome"), QStringLiteral("Return to Home Page"));

    connect(Picture1, &common::PictureButton::clicked, this, &frmRestaurants::mnuPrint_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &frmRestaurants::mnuHome_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmRestaurants::mnuPrint_Click);
    connect(mnuHome, &QAction::triggered, this, &frmRestaurants::mnuHome_Click);
}

void frmRestaurants::Form_Load() {
    auto db = platform::Database::openContent();
    if (!db) {
        platform::Forms::unload(objectName());
        return;
    }
    QList<QList<dining_lodging::RestaurantRow>> parks;
    for (int park = 1; park <= 4; ++park) {
        platform::Recordset rs =
            db->query(QStringLiteral("Select * from Reservations Where Restaurant = 1 And ParkLocation = ?"), {park});
        parks.append(dining_lodging::readRestaurantRows(rs));
    }
    rtParks->setText(dining_lodging::composeAllRestaurants(parks));
}

void frmRestaurants::mnuPrint_Click() {
    common::PrintContentPane(QStringLiteral("Walt Disney World Restaurants"), rtParks->text());
}

void frmRestaurants::mnuHome_Click() {
    platform::Forms::unload(objectName());
}
