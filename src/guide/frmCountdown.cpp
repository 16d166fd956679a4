#include "guide/frmCountdown.h"

#include "common/Controls.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/WebLink.h"
#include "platform/Twips.h"

#include <QLabel>

using platform::placeTwips;

namespace {

const QColor kLinkYellow(255, 255, 128);

QLabel* paragraph(QWidget* parent, int index, const QString& text, int top, int height) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label4_%1").arg(index));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(common::makeFont(QStringLiteral("Verdana"), 9));
    common::setInk(label, Qt::white);
    placeTwips(label, 240, top, 6600, height);
    return label;
}

// A link whose look never changes: light yellow and underlined, hovered or not.
common::HoverLink* link(QWidget* parent, const QString& name, const QString& caption, int left, int width) {
    auto* label = new common::HoverLink(caption, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFont(common::makeFont(QStringLiteral("Verdana"), 11.25, false, true));
    label->setKeepUnderline(true);
    label->setColors(kLinkYellow, kLinkYellow);
    placeTwips(label, left, 2400, width, 600);
    return label;
}

} // namespace

frmCountdown::frmCountdown() : platform::Form(QStringLiteral("frmCountdown")) {
    setWindowTitle(QStringLiteral("Park Hours"));
    setBackColor(QColor(0, 0, 192));
    setClientSizeTwips(7080, 3720);
    QWidget* c = client();

    Label4[0] = paragraph(c, 0,
                          QStringLiteral("The 4 theme parks (Magic Kingdom, Epcot, MGM Studios, and Animal Kingdom) "
                                         "often change their park hours based on estimated crowds.  Generally each "
                                         "park opens at 9 A.M.  Also, Animal Kingdom closes the earliest of the 4 "
                                         "parks...Usually around 5 or 6 p.m. "),
                          120, 1080);
    Label4[1] = paragraph(c, 1,
                          QStringLiteral("Remember, if you stay at an offical WDW Resort you will be permitted to "
                                         "enter one of the 4 theme parks an hour early each day.  Check out the Early "
                                         "Magic Hour page under the General Info heading."),
                          1320, 960);
    Label5 = link(c, QStringLiteral("Label5"), QStringLiteral("Click here to view early magic hours"), 240, 3120);
    Label6 = link(c, QStringLiteral("Label6"), QStringLiteral("Click here for official Disney World Park Hours"), 3600,
                  3240);
    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 5610, 3180, 1230, 390);

    connect(Label5, &common::HoverLink::clicked, this, &frmCountdown::Label5_Click);
    connect(Label6, &common::HoverLink::clicked, this, &frmCountdown::Label6_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &frmCountdown::Picture9_Click);
}

void frmCountdown::Label5_Click() {
    platform::Forms::open(QStringLiteral("frmEarlyEntry"));
    platform::Forms::unload(objectName());
}

void frmCountdown::Label6_Click() {
    // Where the resort publishes its park hours.
    common::OpenWebLink(QStringLiteral("https://disneyworld.disney.go.com/calendars/"));
}

void frmCountdown::Picture9_Click() {
    platform::Forms::unload(objectName());
}
