#include "dining_lodging/frmQuickRestaurant.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/ListBox.h"
#include "common/LongRuns.h"
#include "common/PictureButton.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPlainTextEdit>

using platform::placeTwips;

namespace {

// The window's labels are bold MS Sans Serif.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QColor& ink, int l, int t, int w,
                  int h) {
    QLabel* label = common::makeLabel(parent, name, caption, ink, l, t, w, h);
    label->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    return label;
}

} // namespace

frmQuickRestaurant::frmQuickRestaurant() : platform::Form(QStringLiteral("frmQuickRestaurant")) {
    setWindowTitle(QStringLiteral("Quick Restaurant Description"));
    setBackColor(Qt::white);
    setClientSizeTwips(7800, 5400);
    QWidget* c = client();
    const QColor red(255, 0, 0);
    const QColor darkBlue = platform::bgrColor(0x00800000);

    Label5 = makeLabel(c, QStringLiteral("Label5"),
                       QStringLiteral("Click on a restaurant name to view it's description and location."), red, 240,
                       120, 7320, 255);
    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Restaurant Name"), Qt::black, 240, 480, 3000, 255);
    lstRides = new common::ListBox(c, QStringLiteral("lstRides"));
    placeTwips(lstRides, 240, 780, 3240, 4440);

    Label2 = makeLabel(c, QStringLiteral("Label2"), QStringLiteral("Description"), darkBlue, 3720, 480, 3840, 255);
    txtRide = new QPlainTextEdit(c);
    txtRide->setObjectName(QStringLiteral("txtRide"));
    txtRide->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    common::keepLongRunsFast(txtRide);
    placeTwips(txtRide, 3720, 780, 3840, 3000);
    Label4 = makeLabel(c, QStringLiteral("Label4"), QStringLiteral("Location:"), darkBlue, 3720, 3900, 960, 255);
    Label3 = makeLabel(c, QStringLiteral("Label3"), QString(), red, 4740, 3900, 2820, 495);

    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Close"), 6330, 4830, 1230, 390);

    connect(lstRides, &common::ListBox::picked, this, &frmQuickRestaurant::lstRides_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &frmQuickRestaurant::Picture1_Click);
}

frmQuickRestaurant::~frmQuickRestaurant() = default;

void frmQuickRestaurant::Form_Load() {
    m_content = common::openContentOrSay();
    if (!m_content) {
        platform::Forms::unload(objectName());
        return;
    }
    QStringList names;
    platform::Recordset rs = common::queryOrSay(
        *m_content, QStringLiteral("Select Location from Reservations order by Location COLLATE NOCASE"));
    for (; !rs.eof(); rs.moveNext())
        names << rs.text(QStringLiteral("Location"));
    // Filled without picking a name: the headings show until the user picks one.
    lstRides->addItems(names);
}

void frmQuickRestaurant::lstRides_Click() {
    txtRide->clear();
    Label3->clear();
    Label2->clear();
    const QListWidgetItem* item = lstRides->currentItem();
    if (!item || !m_content)
        return;
    const QString name = item->text();
    // The name is bound, so names with apostrophes find their row; it is the
    // key exactly as stored, and every entry of one name shows the first row
    // of that name.
    const platform::Recordset rs = common::queryOrSay(
        *m_content, QStringLiteral("Select Description, ParkLand from Reservations Where Location = ? order by rowid"),
        {name});
    Label2->setText(name);
    if (rs.eof())
        return;
    txtRide->setPlainText(rs.text(QStringLiteral("Description")));
    Label3->setText(rs.text(QStringLiteral("ParkLand")));
}

void frmQuickRestaurant::Picture1_Click() {
    platform::Forms::unload(objectName());
}
