#include "organiser/frmPlane.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/TextBox.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

using organiser::ReservationField;
using platform::placeTwips;

namespace {

using common::makeFont;
using common::setInk;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// The photograph beside the fields: a lodge courtyard seen between pines.
QPixmap courtyardPicture() {
    QPixmap pixmap(200, 160);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(190, 220, 245));
    p.fillRect(QRect(0, 0, 200, 90), sky);
    p.fillRect(QRect(0, 90, 200, 70), QColor(90, 140, 70));
    // The lodge: log walls under a steep green roof.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 85, 50));
    p.drawRect(30, 55, 140, 50);
    p.setBrush(QColor(50, 90, 60));
    p.drawPolygon(QPolygonF({QPointF(20, 58), QPointF(100, 20), QPointF(180, 58)}));
    p.setBrush(QColor(250, 220, 140));
    for (int x = 42; x < 160; x += 22)
        for (int y = 65; y < 100; y += 18)
            p.drawRect(x, y, 10, 10);
    // A stone path and a pool in the courtyard.
    p.setBrush(QColor(200, 190, 170));
    p.drawPolygon(QPolygonF({QPointF(88, 105), QPointF(112, 105), QPointF(140, 160), QPointF(60, 160)}));
    p.setBrush(QColor(70, 130, 200));
    p.drawEllipse(QPointF(100, 135), 22, 9);
    // Pines on both sides.
    p.setBrush(QColor(30, 80, 40));
    for (int x : {10, 178}) {
        p.drawPolygon(QPolygonF({QPointF(x - 14, 130), QPointF(x, 40), QPointF(x + 14, 130)}));
        p.fillRect(QRect(x - 2, 130, 4, 12), QColor(90, 60, 30));
    }
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

frmPlane::frmPlane() : platform::Form(QStringLiteral("frmPlane")) {
    setWindowTitle(QStringLiteral("Plane and Hotel Reservations"));
    setBackColor(platform::bgrColor(0x00E0E0E0));
    setClientSizeTwips(9600, 6900);
    QWidget* c = client();

    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Plane and Hotel Info"));
    Label1->setFont(makeFont(QStringLiteral("Arial"), 14, true));
    placeTwips(Label1, 240, 120, 4800, 420);
    Label2 = makeLabel(c, QStringLiteral("Label2"),
                       QStringLiteral("Add and update info below. Print out to take confirmation numbers with you."));
    Label2->setWordWrap(true);
    placeTwips(Label2, 240, 600, 9120, 360);

    Label9 = new common::HoverLink(QStringLiteral("Contact Numbers"), c);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    Label9->setColors(platform::bgrColor(0x00FF0000), platform::bgrColor(0x000000FF));
    placeTwips(Label9, 7320, 180, 2040, 300);
    connect(Label9, &common::HoverLink::clicked, this, &frmPlane::Label9_Click);

    // The fields in one column, each box to the right of its label; created
    // in this order so that Tab walks them top to bottom.
    struct Row {
        QLabel** label;
        QString labelName;
        QString caption;
        common::TextBox** box;
        QString boxName;
    };
    const std::array<Row, organiser::kReservationFieldCount> rows = {{
        {&Label3, QStringLiteral("Label3"), QStringLiteral("Hotel"), &txtHotel, QStringLiteral("txtHotel")},
        {&Label7, QStringLiteral("Label7"), QStringLiteral("Confirmation #"), &txtConfirmation,
         QStringLiteral("txtConfirmation")},
        {&Label4, QStringLiteral("Label4"), QStringLiteral("Phone Number"), &txtPhone, QStringLiteral("txtPhone")},
        {&Label5[0], QStringLiteral("Label5_0"), QStringLiteral("Check In Date and Time"), &txtCheckIn,
         QStringLiteral("txtCheckIn")},
        {&Label5[1], QStringLiteral("Label5_1"), QStringLiteral("Check Out Date and Time"), &txtCheckOut,
         QStringLiteral("txtCheckOut")},
        {&Label5[2], QStringLiteral("Label5_2"), QStringLiteral("To WDW Flight #'s"), &txtToNumbers[0],
         QStringLiteral("txtToNumbers_0")},
        {&Label5[3], QStringLiteral("Label5_3"), QStringLiteral("To WDW Departure Time"), &txttoDepart[0],
         QStringLiteral("txttoDepart_0")},
        {&Label5[4], QStringLiteral("Label5_4"), QStringLiteral("To WDW Arrival Time"), &txtToArrive[0],
         QStringLiteral("txtToArrive_0")},
        {&Label5[5], QStringLiteral("Label5_5"), QStringLiteral("Back Home Flight #'s"), &txtToNumbers[1],
         QStringLiteral("txtToNumbers_1")},
        {&Label5[6], QStringLiteral("Label5_6"), QStringLiteral("Back Home Departure Time"), &txttoDepart[1],
         QStringLiteral("txttoDepart_1")},
        {&Label5[7], QStringLiteral("Label5_7"), QStringLiteral("Back Home Arrival Time"), &txtToArrive[1],
         QStringLiteral("txtToArrive_1")},
        {&Label6, QStringLiteral("Label6"), QStringLiteral("Airline Phone #"), &txtAirlinePhone,
         QStringLiteral("txtAirlinePhone")},
    }};
    int top = 1140;
    for (const Row& row : rows) {
        *row.label = makeLabel(c, row.labelName, row.caption);
        placeTwips(*row.label, 240, top + 30, 2700, 285);
        auto* box = new common::TextBox(c, row.boxName);
        placeTwips(box, 3000, top, 3000, 315);
        // Entering a box selects its whole text, so that typing replaces it;
        // the confirmation number is the one box left as the user left it.
        box->setSelectsAllOnFocus(row.box != &txtConfirmation);
        *row.box = box;
        top += 405;
    }

    Picture1 = new QLabel(c);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(courtyardPicture());
    placeTwips(Picture1, 6360, 1140, 3000, 2400);
    Label8 = makeLabel(c, QStringLiteral("Label8"), QStringLiteral("Wilderness Lodge Courtyard View"));
    Label8->setAlignment(Qt::AlignCenter);
    setInk(Label8, platform::bgrColor(0x000000FF));
    placeTwips(Label8, 6360, 3600, 3000, 300);

    Picture3 = common::PictureButton::create(c, QStringLiteral("Picture3"), QStringLiteral("Add Or Update Info"), 240,
                                             6240, 2400, 420);
    Picture2 =
        common::PictureButton::create(c, QStringLiteral("Picture2"), QStringLiteral("Print"), 3000, 6240, 1200, 420);
    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 4440, 6240, 1200, 420);

    Command1 = common::CommandButton::hidden(c, QStringLiteral("Command1"), QStringLiteral("Add Or Update Info"));

    connect(Command1, &common::CommandButton::clicked, this, &frmPlane::Command1_Click);
    connect(Picture3, &common::PictureButton::clicked, this, &frmPlane::Command1_Click);
    connect(Picture2, &common::PictureButton::clicked, this, &frmPlane::mnuPrint_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &frmPlane::mnuClose_Click);

    mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));
    connect(mnuPrint, &QAction::triggered, this, &frmPlane::mnuPrint_Click);
    connect(mnuClose, &QAction::triggered, this, &frmPlane::mnuClose_Click);
}

frmPlane::~frmPlane() = default;

std::array<common::TextBox*, organiser::kReservationFieldCount> frmPlane::fieldBoxes() const {
    return {txtHotel,       txtConfirmation, txtPhone,        txtCheckIn,     txtCheckOut,    txtToNumbers[0],
            txttoDepart[0], txtToArrive[0],  txtToNumbers[1], txttoDepart[1], txtToArrive[1], txtAirlinePhone};
}

void frmPlane::Form_Load() {
    m_db = common::openUserOrSay();
    LoadRecord();
}

// Fills the boxes from the stored row; a Null column leaves its box as it is.
void frmPlane::LoadRecord() {
    if (!m_db)
        return;
    platform::Recordset rs = common::queryOrSay(*m_db, QStringLiteral("Select * from ArriveInfo"));
    if (rs.eof())
        return;
    const auto boxes = fieldBoxes();
    for (int i = 0; i < organiser::kReservationFieldCount; ++i) {
        const QString column = organiser::reservationColumn(static_cast<ReservationField>(i));
        if (!rs.isNull(column))
            boxes[i]->setText(rs.text(column));
    }
}

void frmPlane::Command1_Click() {
    SaveReservationRecord();
}

// Stores the twelve texts exactly as typed, as the one row of the table.
void frmPlane::SaveReservationRecord() {
    if (!m_db)
        m_db = common::openUserOrSay();
    if (!m_db)
        return;
    platform::Recordset rs = common::queryOrSay(*m_db, QStringLiteral("Select * from ArriveInfo"));
    if (!rs.ok())
        return;
    platform::Binds values;
    for (common::TextBox* box : fieldBoxes())
        values << box->text();
    const QString sql = rs.eof() ? organiser::reservationInsertSql() : organiser::reservationUpdateSql();
    // After a failed save the boxes keep what the user typed.
    if (!common::executeOrSay(*m_db, sql, values))
        return;
    LoadRecord();
}

void frmPlane::mnuPrint_Click() {
    std::array<QString, organiser::kReservationFieldCount> values;
    const auto boxes = fieldBoxes();
    for (int i = 0; i < organiser::kReservationFieldCount; ++i)
        values[i] = boxes[i]->text();
    common::PrintContentPane(QStringLiteral("Arrival and Departure Information"),
                             organiser::reservationPrintText(values));
}

void frmPlane::mnuClose_Click() {
    platform::Forms::unload(objectName());
}

void frmPlane::Label9_Click() {
    platform::Forms::open(QStringLiteral("frmContact"));
}
