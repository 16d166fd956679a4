#include "guide/frmQuick.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/ListBox.h"
#include "common/PictureButton.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QTextEdit>

using platform::placeTwips;

namespace {

using common::makeLabel;

} // namespace

frmQuick::frmQuick() : platform::Form(QStringLiteral("frmQuick")) {
    setWindowTitle(QStringLiteral("Quick Ride Description"));
    setBackColor(Qt::white);
    setClientSizeTwips(8040, 5700);
    QWidget* c = client();
    c->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 8.25));
    const QColor red(255, 0, 0);
    const QColor darkBlue(0, 0, 128);

    Label5 = makeLabel(c, QStringLiteral("Label5"),
                       QStringLiteral("Click on a ride name to view it's description and park location."), red, 120,
                       120, 7800, 300);
    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Ride Name"), Qt::black, 120, 480, 3120, 255);
    lstRides = new common::ListBox(c, QStringLiteral("lstRides"));
    placeTwips(lstRides, 120, 780, 3240, 4200);

    Label2 = makeLabel(c, QStringLiteral("Label2"), QStringLiteral("Ride Description"), darkBlue, 3600, 480, 4320, 255);
    txtRide = new QTextEdit(c);
    txtRide->setObjectName(QStringLiteral("txtRide"));
    txtRide->setAcceptRichText(false);
    txtRide->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeTwips(txtRide, 3600, 780, 4320, 3240);
    Label4 = makeLabel(c, QStringLiteral("Label4"), QStringLiteral("Park Location:"), darkBlue, 3600, 4140, 1320, 255);
    Label3 = makeLabel(c, QStringLiteral("Label3"), QString(), red, 4980, 4140, 2940, 255);

    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Close"), 6690, 5160, 1230, 390);

    connect(lstRides, &common::ListBox::picked, this, &frmQuick::lstRides_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &frmQuick::Picture1_Click);
}

QString frmQuick::parkName(int parkId) {
    switch (parkId) {
    case 1:
        return QStringLiteral("Magic Kingdom");
    case 2:
        return QStringLiteral("Epcot");
    case 3:
        return QStringLiteral("Disney MGM Studios");
    case 4:
        return QStringLiteral("Animal Kingdom");
    default:
        return QString();
    }
}

void frmQuick::Form_Load() {
    m_db = common::openContentOrSay();
    if (!m_db)
        return;
    // Rows of the same name stay in the order the look-up returns them.
    platform::Recordset rs = common::queryOrSay(
        *m_db, QStringLiteral("Select Attraction from ParkPlanner order by Attraction COLLATE NOCASE, rowid"));
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.text(QStringLiteral("Attraction"));
    lstRides->addItems(names);
}

void frmQuick::lstRides_Click() {
    txtRide->clear();
    Label3->clear();
    Label2->clear();
    const QListWidgetItem* item = lstRides->currentItem();
    if (!item || !m_db)
        return;
    const QString name = item->text();
    // The name is the key, exactly as stored: every entry of one name (the
    // same attraction name in two parks) shows the first row of that name.
    const platform::Recordset rs = common::queryOrSay(
        *m_db, QStringLiteral("Select Description, ParkId from ParkPlanner Where Attraction = ? order by rowid"),
        {name});
    Label2->setText(name);
    if (rs.eof())
        return;
    txtRide->setPlainText(rs.text(QStringLiteral("Description")));
    Label3->setText(parkName(rs.integer(QStringLiteral("ParkId"), 0)));
}

void frmQuick::Picture1_Click() {
    platform::Forms::unload(objectName());
}
