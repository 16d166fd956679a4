#include "itinerary/frmWizard.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DatePicker.h"
#include "common/DropDownList.h"
#include "common/PictureButton.h"
#include "common/TripProfile.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

using platform::placeTwips;

namespace {

using common::makeFont;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// An answer box whose initial text is not one of its items. Only an item the
// user picks is an answer; typed text never is.
common::DropDownList* makeAnswerBox(QWidget* parent, const QString& name, const QString& initialText,
                                    const QStringList& items) {
    auto* box = new common::DropDownList(parent, name);
    box->addItems(items);
    box->setShownText(initialText);
    return box;
}

// The banner: the product's logo and the words Trip Wizard.
QPixmap bannerPicture() {
    QPixmap pixmap(560, 76);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 560, 0);
    sky.setColorAt(0, QColor(30, 60, 150));
    sky.setColorAt(1, QColor(130, 170, 235));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath castle;
    castle.addRect(22, 40, 40, 28);
    castle.addRect(18, 28, 9, 40);
    castle.addRect(57, 28, 9, 40);
    castle.addRect(37, 18, 14, 50);
    p.drawPath(castle);
    p.setPen(Qt::white);
    p.setFont(makeFont(QStringLiteral("Georgia"), 24, true));
    p.drawText(QRect(84, 4, 240, 68), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Travisto"));
    p.setPen(QColor(255, 230, 120));
    p.setFont(makeFont(QStringLiteral("Verdana"), 20, true));
    p.drawText(QRect(300, 4, 250, 68), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Trip Wizard"));
    return pixmap;
}

} // namespace

frmWizard::frmWizard() : platform::Form(QStringLiteral("frmWizard")) {
    setWindowTitle(QStringLiteral("Trip Wizard"));
    setBackColor(platform::bgrColor(0x00E0E0E0));
    setClientSizeTwips(9000, 6480);
    QWidget* c = client();

    Picture1 = new QLabel(c);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(bannerPicture());
    placeTwips(Picture1, 240, 120, 8400, 1140);

    Label1[0] = makeLabel(c, QStringLiteral("Label1_0"),
                          QStringLiteral("First tell the Travisto some information about the trip you are Planning!"),
                          makeFont(QStringLiteral("Arial"), 9.75, true));
    placeTwips(Label1[0], 240, 1380, 8520, 300);
    Label1[1] = makeLabel(c, QStringLiteral("Label1_1"),
                          QStringLiteral("The Travisto will make itinerary suggestions based on your answers."),
                          makeFont(QStringLiteral("Arial"), 12, true));
    placeTwips(Label1[1], 240, 1740, 8520, 600);

    const QFont question = makeFont(QStringLiteral("MS Sans Serif"), 9.75);
    const QString yesNo = QStringLiteral("Choose Yes or No");
    const QStringList counts = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                QStringLiteral("more than 2")};
    const QStringList yesOrNo = {QStringLiteral("Yes"), QStringLiteral("No")};

    Label2 = makeLabel(c, QStringLiteral("Label2"), QStringLiteral("The first day of your vacation"), question);
    DTPicker1 = new common::DatePicker(c, QStringLiteral("DTPicker1"));

    Label7 = makeLabel(c, QStringLiteral("Label7"), QStringLiteral("How many Adults"), question);
    cbAdults = makeAnswerBox(c, QStringLiteral("cbAdults"), QStringLiteral("# of Adults"), counts);
    Label4 = makeLabel(c, QStringLiteral("Label4"), QStringLiteral("How many kids are going to see Tamble"), question);
    cbChildren = makeAnswerBox(c, QStringLiteral("cbChildren"), QStringLiteral("# of Kids"), counts);
    Label5 = makeLabel(c, QStringLiteral("Label5"), QStringLiteral("What's your daredevil level"), question);
    cbWimp = makeAnswerBox(c, QStringLiteral("cbWimp"), QStringLiteral("Choose your daredevil level"),
                           {QStringLiteral("Everyone in my party is a chicken"),
                            QStringLiteral("Ride the wild stuff as long as it's not too rough"),
                            QStringLiteral("I'm not scared of anything. ")});
    Label3 =
        makeLabel(c, QStringLiteral("Label3"), QStringLiteral("Do you ride attractions that get you wet?"), question);
    cboWet = makeAnswerBox(c, QStringLiteral("cboWet"), yesNo, yesOrNo);
    Label6 = makeLabel(c, QStringLiteral("Label6"), QStringLiteral("Do theatre style shows interest you?"), question);
    cboTheatre = makeAnswerBox(c, QStringLiteral("cboTheatre"), yesNo, yesOrNo);
    Label8 = makeLabel(c, QStringLiteral("Label8"), QStringLiteral("Are you staying at a Disney Resort?"), question);
    cboResort = makeAnswerBox(c, QStringLiteral("cboResort"), yesNo, yesOrNo);

    const std::array<std::pair<QLabel*, QWidget*>, 7> rows = {{{Label2, DTPicker1},
                                                               {Label7, cbAdults},
                                                               {Label4, cbChildren},
                                                               {Label5, cbWimp},
                                                               {Label3, cboWet},
                                                               {Label6, cboTheatre},
                                                               {Label8, cboResort}}};
    int top = 2460;
    for (const auto& [label, answer] : rows) {
        placeTwips(label, 240, top - 60, 3600, 435);
        placeTwips(answer, 3960, top, 4800, 315);
        top += 480;
    }

    Picture2 = new common::PictureButton(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setPicture(common::PictureButton::linkPicture(QSize(96, 28), QStringLiteral("Continue")));
    placeTwips(Picture2, 7320, 5880, 1440, 420);
    connect(Picture2, &common::PictureButton::clicked, this, &frmWizard::Picture2_Click);

    mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuReturn = addNamedItem(mnuFile, QStringLiteral("mnuReturn"), QStringLiteral("Return to Home Page"));
    connect(mnuReturn, &QAction::triggered, this, &frmWizard::mnuReturn_Click);
}

frmWizard::~frmWizard() = default;

void frmWizard::Form_Load() {
    DTPicker1->setDate(platform::Clock::today());
    m_db = common::openContentOrSay();
    if (!m_db)
        return;
    const std::optional<common::TripProfile> profile = common::readTripProfile(*m_db);
    if (!profile) {
        common::sayDatabaseFailure(*m_db);
        return;
    }
    // A stored date the picker cannot show leaves today's date.
    if (profile->tripDate.isValid())
        DTPicker1->setDate(profile->tripDate);
    // A stored position outside a list leaves that question unanswered.
    cbAdults->choose(profile->adults);
    cbChildren->choose(profile->kids);
    cbWimp->choose(profile->daredevel);
    cboWet->choose(profile->wet);
    cboTheatre->choose(profile->show);
    cboResort->choose(profile->lodging.value_or(-1));
}

void frmWizard::Picture2_Click() {
    SaveTripProfile();
}

void frmWizard::SaveTripProfile() {
    if (!m_db)
        m_db = common::openContentOrSay();
    if (!m_db)
        return;
    common::TripProfile profile;
    profile.tripDate = DTPicker1->date();
    profile.adults = cbAdults->chosenPosition();
    profile.kids = cbChildren->chosenPosition();
    profile.daredevel = cbWimp->chosenPosition();
    profile.lodging = cboResort->chosenPosition();
    profile.wet = cboWet->chosenPosition();
    profile.show = cboTheatre->chosenPosition();
    // When the profile could not be stored the wizard stays open with the
    // user's answers, so nothing is lost.
    if (!common::writeTripProfile(*m_db, profile)) {
        common::sayDatabaseFailure(*m_db);
        return;
    }
    platform::Forms::open(QStringLiteral("frmCheckListNew"));
    platform::Forms::unload(objectName());
}

void frmWizard::mnuReturn_Click() {
    platform::Forms::returnToMainWindow(objectName());
}

void frmWizard::closeAction() {
    mnuReturn_Click();
}
