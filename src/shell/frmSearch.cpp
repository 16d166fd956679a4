#include "shell/frmSearch.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "common/TextBox.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/KeywordSearch.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>

using platform::placeTwips;

namespace {

QFont verdana(double points) {
    return common::makeFont(QStringLiteral("Verdana"), points);
}

// The window's picture: a magnifying glass over a page of text.
QPixmap searchPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(255, 255, 230));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(150, 150, 170));
    for (int y = 12; y < size.height() - 8; y += 9)
        p.drawLine(10, y, size.width() - 10, y);
    const QPointF centre(size.width() * 0.45, size.height() * 0.42);
    const double radius = std::min(size.width(), size.height()) * 0.26;
    p.setPen(QPen(QColor(30, 50, 130), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.7, radius * 1.7));
    p.setPen(QPen(QColor(30, 50, 130), 3));
    p.setBrush(QColor(200, 225, 255, 180));
    p.drawEllipse(centre, radius, radius);
    return pixmap;
}

common::PictureButton* pictureButton(QWidget* parent, const QString& name, const QString& caption, int left) {
    return common::PictureButton::create(parent, name, caption, left, 6600, 1230, 390);
}

} // namespace

frmSearch::frmSearch() : platform::Form(QStringLiteral("frmSearch")) {
    setWindowTitle(QStringLiteral("Search By Keyword"));
    setBackColor(platform::bgrColor(0x00E0E0E0));
    setClientSizeTwips(9600, 7200);
    QWidget* c = client();

    Picture4 = new QLabel(c);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    placeTwips(Picture4, 120, 120, 1440, 1200);
    Picture4->setPixmap(searchPicture(Picture4->size()));

    Label2 = new QLabel(QStringLiteral("In a Hurry?  Type in a keyword below.  We will do our best to search the "
                                       "Travisto to find tips on your topic. "),
                        c);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(verdana(9.75));
    Label2->setWordWrap(true);
    placeTwips(Label2, 1800, 120, 7560, 600);

    Label1 = new QLabel(QStringLiteral("Keyword:"), c);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(verdana(9.75));
    placeTwips(Label1, 1800, 870, 1020, 300);

    txtSearch = new common::TextBox(c, QStringLiteral("txtSearch"));
    placeTwips(txtSearch, 2880, 840, 3600, 345);

    Command1 = new common::CommandButton(c, QStringLiteral("Command1"), QStringLiteral("Search"));
    placeTwips(Command1, 6600, 825, 1110, 375);

    rtParks = new common::RichTextBox(c);
    rtParks->setObjectName(QStringLiteral("rtParks"));
    placeTwips(rtParks, 120, 1440, 9360, 4980);

    Picture3 = pictureButton(c, QStringLiteral("Picture3"), QStringLiteral("Search"), 5400);
    Picture1 = pictureButton(c, QStringLiteral("Picture1"), QStringLiteral("Print"), 6750);
    Picture2 = pictureButton(c, QStringLiteral("Picture2"), QStringLiteral("Close"), 8100);

    QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));

    connect(Command1, &common::CommandButton::clicked, this, &frmSearch::Command1_Click);
    connect(Picture3, &common::PictureButton::clicked, this, &frmSearch::Picture3_Click);
    // Enter in the keyword box searches.
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmSearch::Picture3_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &frmSearch::Picture1_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmSearch::mnuPrint_Click);
    connect(Picture2, &common::PictureButton::clicked, this, &frmSearch::Picture2_Click);
    connect(mnuClose, &QAction::triggered, this, &frmSearch::mnuClose_Click);
}

void frmSearch::Command1_Click() {
    // The keyword is taken exactly as typed; a database that cannot be
    // opened is reported and leaves the pane empty.
    QString result;
    if (auto db = common::openContentOrSay()) {
        QStringList failures;
        result = shell::keywordSearchText(*db, txtSearch->text(), &failures);
        for (const QString& failure : failures)
            platform::msgBox(failure);
    }
    rtParks->setText(result);
}

void frmSearch::Picture3_Click() {
    Command1_Click();
}

void frmSearch::Picture1_Click() {
    common::PrintContentPane(QStringLiteral("Search Results"), rtParks->text());
}

void frmSearch::mnuPrint_Click() {
    Picture1_Click();
}

void frmSearch::mnuClose_Click() {
    platform::Forms::unload(objectName());
}

void frmSearch::Picture2_Click() {
    mnuClose_Click();
}
