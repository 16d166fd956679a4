#include "dining_lodging/frmHotels.h"

#include "common/CWordWrap.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/TripProfile.h"
#include "dining_lodging/HotelGuide.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QScrollBar>

using common::makeFont;
using common::makeLabel;
using common::setInk;
using platform::placeTwips;

namespace {

const QString kContactList = QStringLiteral("frmContact");
const QColor kYellow = platform::bgrColor(0x0000FFFF);
const QColor kWhite = platform::bgrColor(0x00FFFFFF);

common::PanePageFrame hotelsFrame() {
    common::PanePageFrame frame;
    frame.formName = QStringLiteral("frmHotels");
    frame.caption = QStringLiteral("Disney World Resort Hotels");
    frame.heightTwips = 8700;
    frame.backColor = platform::bgrColor(0x00C00000);
    frame.paneName = QStringLiteral("rtParks");
    frame.pane = {240, 4200, 9120, 3720};
    frame.addPictures(240, 8130, 8100);
    frame.addFileMenu(QStringLiteral("mnuClose"));
    frame.printHeader = QStringLiteral("Walt Disney World Resorts:");
    return frame;
}

} // namespace

frmHotels::frmHotels() : common::PanePage(hotelsFrame()) {
    QWidget* c = client();
    const QString tahoma = QStringLiteral("Tahoma");

    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Walt Disney World Hotels"));
    Label1->setFont(makeFont(QStringLiteral("Arial"), 16, true));
    setInk(Label1, kWhite);
    placeTwips(Label1, 1560, 180, 5400, 480);

    Picture2 = makeLabel(c, QStringLiteral("Picture2"), QString());
    Picture2->setPixmap(common::PictureButton::captionPicture(QSize(76, 40), QStringLiteral("WDW"), kYellow,
                                                              platform::bgrColor(0x00800000), 14));
    placeTwips(Picture2, 240, 120, 1140, 600);

    Label9 = new common::HoverLink(QStringLiteral("Contact Numbers"), c);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label9->setColors(kWhite, platform::bgrColor(0x000000FF));
    Label9->setUnderlineAtRest(true);
    placeTwips(Label9, 7320, 240, 2040, 300);
    // The link opens on the button going down, not on a click.
    Label9->installEventFilter(this);

    Label2 = makeLabel(c, QStringLiteral("Label2"),
                       QStringLiteral("Provided is a complete list of Disney World Resorts.  Their prices will vary "
                                      "for their 3 different seasons.  Season times change slightly from year to "
                                      "year.  Visit the official Walt Disney World web site, "
                                      "disneyworld.disney.go.com, for up to date seasons and hotel rates.  2004 "
                                      "seasons for value and moderate resorts are below.  Deluxe resorts offer "
                                      "slightly longer value seasons."));
    Label2->setFont(makeFont(tahoma, 9));
    Label2->setWordWrap(true);
    setInk(Label2, kWhite);
    placeTwips(Label2, 240, 840, 9120, 900);

    const int seasonTop = 1800;
    const int rowHeight = 270;
    Label3 = makeLabel(c, QStringLiteral("Label3"), QStringLiteral("Value Season:"));
    Label4 = makeLabel(c, QStringLiteral("Label4"), QStringLiteral("Regular Season:"));
    Label5[0] = makeLabel(c, QStringLiteral("Label5_0"), QStringLiteral("Peak Season:"));
    Label5[1] = makeLabel(c, QStringLiteral("Label5_1"), QStringLiteral("Holiday Season:"));
    const std::array<QString, 4> dates = {
        QStringLiteral("1/1 to 2/11;  8/29 to 9/29; 10/31 to 12/19"),
        QStringLiteral("4/18 to 8/28; 9/30 to 10/30"),
        QStringLiteral("2/12 to 4/17"),
        QStringLiteral("12/20 to 12/31"),
    };
    const std::array<QLabel*, 4> names = {Label3, Label4, Label5[0], Label5[1]};
    for (int i = 0; i < 4; ++i) {
        Label6[i] = makeLabel(c, QStringLiteral("Label6_%1").arg(i), dates[i]);
        for (QLabel* label : {names[i], Label6[i]}) {
            label->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
            setInk(label, kYellow);
        }
        placeTwips(names[i], 600, seasonTop + i * rowHeight, 1800, rowHeight);
        placeTwips(Label6[i], 2520, seasonTop + i * rowHeight, 6600, rowHeight);
    }

    Label7 = makeLabel(c, QStringLiteral("Label7"),
                       QStringLiteral("Call (407) W-DISNEY (934-7639) to make a Disney Hotel Reservation"));
    Label8 = makeLabel(c, QStringLiteral("Label8"),
                       QStringLiteral("Visit www.mousesavers.com for discount codes during your stay."));
    for (QLabel* label : {Label7, Label8}) {
        label->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
        setInk(label, kWhite);
    }
    placeTwips(Label7, 240, 2970, 9120, 270);
    placeTwips(Label8, 240, 3270, 9120, 270);

    Label10 = makeLabel(c, QStringLiteral("Label10"), QString());
    Label10->setFont(makeFont(tahoma, 9, true));
    Label10->setWordWrap(true);
    setInk(Label10, kYellow);
    placeTwips(Label10, 240, 3630, 9120, 480);

    // The scroll bar beside the list is the pane's own, so it scrolls the list.
    auto* VScroll1 = new QScrollBar(Qt::Vertical, c);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    pane()->setVerticalScrollBar(VScroll1);
}

void frmHotels::fillPage(platform::Database& db) {
    const auto profile = common::readTripProfile(db);
    if (!profile)
        common::sayDatabaseFailure(db);
    Label10->setText(dining_lodging::hotelAdvice(profile));

    QVector<dining_lodging::HotelRow> rows;
    platform::Recordset rs = common::queryOrSay(
        db, QStringLiteral("Select Type, Hotel, Cost, Description from Hotels Where Type In (1,2,3,4,5)"));
    for (; !rs.eof(); rs.moveNext())
        rows.append({rs.integer(QStringLiteral("Type")), rs.text(QStringLiteral("Hotel")),
                     rs.text(QStringLiteral("Cost")), rs.text(QStringLiteral("Description"))});

    dining_lodging::HotelList list = dining_lodging::composeHotelList(rows);
    pane()->setText(list.text);
    common::CWordWrap wrap;
    wrap.BoldText(*pane(), &list.names, int(list.names.size()), list.headings, int(list.headings.size()));
}

QString frmHotels::printText() const {
    const std::array<QLabel*, 4> names = {Label3, Label4, Label5[0], Label5[1]};
    QVector<dining_lodging::Season> seasons;
    for (int i = 0; i < 4; ++i)
        seasons.append({names[i]->text(), Label6[i]->text()});
    return dining_lodging::hotelPrintText(Label7->text(), seasons, pane()->text());
}

void frmHotels::Label9_MouseDown() {
    platform::Forms::open(kContactList);
}

bool frmHotels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label9 && event->type() == QEvent::MouseButtonPress) {
        Label9_MouseDown();
        return false;
    }
    return platform::Form::eventFilter(watched, event);
}
