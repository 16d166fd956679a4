#include "dining_lodging/RestaurantList.h"

#include "common/CWordWrap.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/RichTextBox.h"
#include "dining_lodging/DiningText.h"
#include "dining_lodging/Registration.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>

using platform::placeTwips;

namespace dining_lodging {

namespace {

QList<RestaurantListKind> makeKinds() {
    const QString dash = QStringLiteral(" - ");
    const QString blank = QStringLiteral(" ");
    return {
        {QStringLiteral("frmMkFood"), QStringLiteral("Magic Kingdom Food"), QStringLiteral("Magic Kingdom Food"),
         QStringLiteral("Select * from Reservations Where Restaurant = 1 And ParkLocation = 1 order by parkland asc"),
         dash, false, QStringLiteral("Magic Kingdom Restaurants")},
        {QStringLiteral("frmEpcotFood"), QStringLiteral("Epcot Food"), QStringLiteral("Epcot Food"),
         QStringLiteral("Select * from Reservations Where Restaurant = 1 And ParkLocation = 2 order by parkland"), dash,
         false, QStringLiteral("Epcot Restaurants")},
        {QStringLiteral("frmMGMfood"), QStringLiteral("MGM Food"), QStringLiteral("MGM Food"),
         QStringLiteral("Select * from Reservations Where Restaurant = 1 And ParkLocation = 3"), blank, false,
         QStringLiteral("MGM Restaurants")},
        {QStringLiteral("frmAKFood"), QStringLiteral("Animal Kingdom Food"), QStringLiteral("Animal Kingdom Food"),
         QStringLiteral("Select * from Reservations Where Restaurant = 1 And ParkLocation = 4"), blank, false,
         QStringLiteral("Animal Kingdom Restaurants")},
        {QStringLiteral("frmResortFood"), QStringLiteral("Resort and Downtown Disney Food options"),
         QStringLiteral("Resorts + Downtown Disney Food"),
         QStringLiteral(
             "Select * from Reservations Where Restaurant = 1 And ParkLocation > 4 order by ParkLocation,ParkLand"),
         QString(), true, QStringLiteral("Walt Disney Resorts and Downtown Disney Food Options")},
    };
}

// The title picture: a plate between a fork and a knife.
QPixmap titlePicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    p.setPen(QPen(QColor(200, 200, 200), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(w * 0.25, h * 0.1, w * 0.5, h * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(w * 0.33, h * 0.23, w * 0.34, h * 0.54));
    p.setPen(QPen(QColor(255, 255, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.12, h * 0.15), QPointF(w * 0.12, h * 0.85)); // fork
    for (double x : {0.07, 0.12, 0.17})
        p.drawLine(QPointF(w * x, h * 0.15), QPointF(w * x, h * 0.35));
    p.drawLine(QPointF(w * 0.07, h * 0.35), QPointF(w * 0.17, h * 0.35));
    p.drawLine(QPointF(w * 0.88, h * 0.15), QPointF(w * 0.88, h * 0.85)); // knife
    p.drawLine(QPointF(w * 0.88, h * 0.15), QPointF(w * 0.92, h * 0.5));
    return pixmap;
}

} // namespace

void registerRestaurantLists() {
    for (const RestaurantListKind& kind : restaurantListKinds())
        platform::Forms::registerForm(kind.formName, [&kind] { return new RestaurantList(kind); });
}

QList<RestaurantRow> readRestaurantRows(platform::Recordset& rs) {
    QList<RestaurantRow> rows;
    rows.reserve(rs.recordCount());
    for (; !rs.eof(); rs.moveNext())
        rows.append({rs.text(QStringLiteral("Location")), rs.text(QStringLiteral("ParkLand")),
                     rs.text(QStringLiteral("Description")), rs.integer(QStringLiteral("Expense"), 0),
                     rs.integer(QStringLiteral("ServiceType"), 0), rs.text(QStringLiteral("Cuisine"))});
    return rows;
}

const QList<RestaurantListKind>& restaurantListKinds() {
    static const QList<RestaurantListKind> kinds = makeKinds();
    return kinds;
}

common::PanePageFrame restaurantFrame(const QString& formName, const QString& caption, int paneHeight,
                                      const QString& closeItem, const QString& closeCaption,
                                      const QString& printHeader) {
    common::PanePageFrame frame;
    frame.formName = formName;
    frame.caption = caption;
    frame.heightTwips = 7320;
    frame.backColor = platform::bgrColor(0x00C00000);
    frame.paneName = QStringLiteral("rtParks");
    frame.pane = {240, 960, 9120, paneHeight};
    frame.addPictures(6690, 8130, 6780);
    frame.addFileMenu(closeItem, closeCaption);
    frame.printHeader = printHeader;
    return frame;
}

RestaurantList::RestaurantList(RestaurantListKind kind)
    : common::PanePage(restaurantFrame(kind.formName, kind.caption, 4920, QStringLiteral("mnuClose"),
                                       QStringLiteral("Close"), kind.printHeader)),
      m_kind(std::move(kind)) {
    const QColor yellow = platform::bgrColor(0x0000FFFF);
    QWidget* c = client();

    auto label = [c](const QString& name, const QString& text, const QFont& font, const QColor& ink) {
        QLabel* l = common::makeLabel(c, name, text);
        l->setFont(font);
        common::setInk(l, ink);
        return l;
    };

    auto* Picture2 = new QLabel(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    placeTwips(Picture2, 240, 120, 1200, 720);
    Picture2->setPixmap(titlePicture(Picture2->size()));
    placeTwips(
        label(QStringLiteral("Label1"), m_kind.title, common::makeFont(QStringLiteral("Verdana"), 14, true), Qt::white),
        1560, 240, 7800, 480);

    // The scroll bar beside the list is the pane's own, so it scrolls the list.
    auto* VScroll1 = new QScrollBar(Qt::Vertical, c);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    pane()->setVerticalScrollBar(VScroll1);

    const QFont arial = common::makeFont(QStringLiteral("Arial"), 9, true);
    placeTwips(label(QStringLiteral("Label3"), QStringLiteral("Inexpensive: Under $10"), arial, yellow), 240, 6000,
               2400, 255);
    placeTwips(label(QStringLiteral("Label4"), QStringLiteral("Moderate:$10-$25"), arial, yellow), 3000, 6000, 2400,
               255);
    placeTwips(label(QStringLiteral("Label5"), QStringLiteral("Expensive: Over $25"), arial, yellow), 5760, 6000, 2400,
               255);
    placeTwips(label(QStringLiteral("Label2"),
                     QStringLiteral(" Call (407) 939-3463 to make a Restaurant Priority Seating"),
                     common::makeFont(QStringLiteral("MS Sans Serif"), 8.25, true), Qt::white),
               240, 6360, 6000, 255);
}

void RestaurantList::fillPage(platform::Database& content) {
    platform::Recordset rs = common::queryOrSay(content, m_kind.query);
    const QList<RestaurantRow> rows = readRestaurantRows(rs);
    RestaurantPage page =
        m_kind.resort ? composeResortRestaurants(rows) : composeParkRestaurants(rows, m_kind.separator);
    common::RichTextBox& box = *pane();
    box.setText(page.text);
    common::CWordWrap wrap;
    if (m_kind.resort)
        wrap.BoldText(box, &page.names, int(page.names.size()), page.headings, int(page.headings.size()));
    else
        wrap.BoldText(box, &page.names, int(page.names.size()), QStringList(), 0, QColor(255, 0, 0));
}

} // namespace dining_lodging
