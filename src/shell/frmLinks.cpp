#include "shell/frmLinks.h"

#include "common/Controls.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/WebLink.h"
#include "platform/Twips.h"
#include "shell/frmTamble.h"

#include <QLabel>
#include <QPainter>

using platform::placeTwips;

namespace {

struct Link {
    const char* name;
    int top;
};

// Top to bottom: the program's home page, a travel agency, the resort's
// official site, a news site about the resort, a limousine service.
const Link kLinks[] = {
    {"Label1", 1200}, {"Label2", 1800}, {"Label3", 2400}, {"Label4", 3000}, {"Label6", 3600},
};

QFont sansSerif(double points, bool bold) {
    return common::makeFont(QStringLiteral("MS Sans Serif"), points, bold);
}

// The window's picture: a globe.
QPixmap globePicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF globe = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(8, 8, -8, -8);
    p.setBrush(QColor(90, 150, 230));
    p.setPen(QPen(QColor(20, 50, 120), 2));
    p.drawEllipse(globe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 240, 255), 1.5));
    p.drawEllipse(globe.adjusted(globe.width() * 0.3, 0, -globe.width() * 0.3, 0));
    p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    return pixmap;
}

} // namespace

QString frmLinks::address(const QString& linkName) {
    if (linkName == QLatin1String("Label1"))
        return frmTamble::homePageAddress();
    if (linkName == QLatin1String("Label2"))
        return QStringLiteral("http://www.magicvacationtravel.com");
    if (linkName == QLatin1String("Label3"))
        return QStringLiteral("http://disneyworld.disney.go.com");
    if (linkName == QLatin1String("Label4"))
        return QStringLiteral("http://www.wdwmagic.com");
    if (linkName == QLatin1String("Label6"))
        return QStringLiteral("http://www.orlandotownlimousine.com");
    return {};
}

frmLinks::frmLinks() : platform::Form(QStringLiteral("frmLinks")) {
    setWindowTitle(QStringLiteral("Web Links"));
    setBackColor(platform::bgrColor(0x00FFFFFF));
    setClientSizeTwips(7800, 5040);
    QWidget* c = client();

    Label5 = new QLabel(
        QStringLiteral("Useful Web Links.  Need some specialized assistance?  Check out one of these links."), c);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(sansSerif(9.75, true));
    Label5->setWordWrap(true);
    placeTwips(Label5, 240, 240, 5640, 600);

    Picture2 = new QLabel(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    placeTwips(Picture2, 6120, 120, 1440, 1440);
    Picture2->setPixmap(globePicture(Picture2->size()));

    common::HoverLink** const members[] = {&Label1, &Label2, &Label3, &Label4, &Label6};
    for (size_t i = 0; i < std::size(kLinks); ++i) {
        const Link& link = kLinks[i];
        auto* label = new common::HoverLink(QString(), c);
        label->setObjectName(QString::fromLatin1(link.name));
        label->setFont(sansSerif(12, false));
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, Qt::white);
        label->setPalette(pal);
        // Red and underlined at rest; blue without underline under the mouse.
        label->setColors(platform::bgrColor(0x000000FF), platform::bgrColor(0x00FF0000));
        label->setUnderlineAtRest(true);
        placeTwips(label, 240, link.top, 4200, 360);
        *members[i] = label;
        const QString target = label->objectName();
        connect(label, &common::HoverLink::clicked, this, [target] { common::OpenWebLink(address(target)); });
    }

    Label8 = new QLabel(QStringLiteral("(Official Walt Disney World Web Site)"), c);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setFont(sansSerif(8.25, true));
    placeTwips(Label8, 4560, 2460, 3000, 300);

    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 6330, 4440, 1230, 390);
    connect(Picture9, &common::PictureButton::clicked, this, &frmLinks::Picture9_Click);
}

void frmLinks::Form_Load() {
    for (common::HoverLink* label : {Label1, Label2, Label3, Label4, Label6})
        label->setText(address(label->objectName()));
}

void frmLinks::Picture9_Click() {
    platform::Forms::unload(objectName());
}
