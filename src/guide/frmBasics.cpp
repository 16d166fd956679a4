#include "guide/frmBasics.h"

#include "common/CWordWrap.h"
#include "common/DatabaseMessages.h"
#include "common/DropDownList.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QMenuBar>

using platform::placeTwips;

namespace {

const QString kNoTopic = QStringLiteral("Choose a topic.");

// The topics in the order of their numbers in Basics, from 1.
const QStringList kTopics = {
    QStringLiteral("What will I find on my Walt Disney World vacation?"),
    QStringLiteral("When is the best time to visit Walt Disney World?"),
    QStringLiteral("Directions, Transportation and such."),
    QStringLiteral("On site vs off site.  Where should we stay?"),
    QStringLiteral("What about theme park tickets?"),
    QStringLiteral("What are Priority Seatings?"),
    QStringLiteral("Using the Travisto."),
    QStringLiteral("A little about the Travisto."),
};

} // namespace

frmBasics::frmBasics() : platform::Form(QStringLiteral("frmBasics")) {
    setWindowTitle(QStringLiteral("Travisto - Disney World Basic Facts"));
    setBackColor(Qt::white);
    setClientSizeTwips(9600, 7680);
    QWidget* c = client();

    Picture2 = new common::PictureButton(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    placeTwips(Picture2, 120, 120, 9360, 720);
    Picture2->setPicture(common::PictureButton::captionPicture(Picture2->size(),
                                                               QStringLiteral("Walt Disney World Basic Facts"),
                                                               QColor(0, 0, 128), QColor(255, 255, 192), 16));

    // What the user types stays as typed: it is only the print header.
    Combo1 = new common::DropDownList(c, QStringLiteral("Combo1"));
    Combo1->addItems(kTopics);
    Combo1->setShownText(kNoTopic);
    placeTwips(Combo1, 120, 960, 6000, 315);

    rtParks = new common::RichTextBox(c);
    rtParks->setObjectName(QStringLiteral("rtParks"));
    placeTwips(rtParks, 120, 1440, 9360, 5580);
    rtParks->installEventFilter(this);

    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Print"), 6870, 7170, 1230, 390);
    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 8250, 7170, 1230, 390);

    QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));

    connect(Combo1, &common::DropDownList::picked, this, &frmBasics::Combo1_Click);
    connect(Picture2, &common::PictureButton::clicked, this, &frmBasics::Picture2_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &frmBasics::Picture1_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &frmBasics::Picture9_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmBasics::mnuPrint_Click);
    connect(mnuClose, &QAction::triggered, this, &frmBasics::mnuClose_Click);
}

void frmBasics::Form_Load() {
    // A missing database is reported once here; the window then shows empty
    // topics rather than failing on every pick.
    m_db = common::openContentOrSay();
}

QString frmBasics::topicText(platform::Database& content, int topic) {
    QString text;
    platform::Recordset rs =
        content.query(QStringLiteral("Select info From Basics Where IntId = ? order by rowid"), {topic});
    for (; !rs.eof(); rs.moveNext()) {
        text += rs.text(QStringLiteral("info"));
        text += QStringLiteral("\r\n");
    }
    return text;
}

void frmBasics::Combo1_Click(int index) {
    if (index < 0)
        return;
    QString text;
    if (m_db) {
        text = topicText(*m_db, index + 1);
        common::sayDatabaseFailure(*m_db);
    }
    rtParks->setText(text);
}

void frmBasics::mnuPrint_Click() {
    common::PrintContentPane(Combo1->currentText(), rtParks->text());
}

void frmBasics::Picture1_Click() {
    mnuPrint_Click();
}

void frmBasics::mnuClose_Click() {
    platform::Forms::unload(objectName());
}

void frmBasics::Picture9_Click() {
    mnuClose_Click();
}

void frmBasics::rtParks_KeyPress() {
    platform::msgBox(QStringLiteral("Add and remove your tips below"));
}

bool frmBasics::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rtParks && event->type() == QEvent::KeyPress) {
        // Keys that type a character (the pane is read only) bring the hint;
        // moving the focus away with Tab stays silent. The key then goes on,
        // so copying from the pane still works.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
            rtParks_KeyPress();
    }
    return platform::Form::eventFilter(watched, event);
}
