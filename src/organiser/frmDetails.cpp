#include "organiser/frmDetails.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DatePicker.h"
#include "common/DayPaging.h"
#include "common/DropDownList.h"
#include "common/HoverLink.h"
#include "common/LongRuns.h"
#include "common/PictureButton.h"
#include "common/TextBox.h"
#include "common/WholeNumber.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>

using organiser::JournalDay;
using organiser::JournalStore;
using platform::bgrColor;
using platform::placeTwips;

namespace {

using common::makeFont;
using common::makeLabel;
using common::setInk;
using common::setPaletteColor;

const QColor kDarkBlue = bgrColor(0x00800000);
const QColor kLightGrey = bgrColor(0x00E0E0E0);

const common::DayBook kTrips{QStringLiteral("Trip #"), QStringLiteral("trip")};

QLabel* placedLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h) {
    QLabel* label = makeLabel(parent, name, caption);
    placeTwips(label, l, t, w, h);
    return label;
}

QCheckBox* makePlace(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    placeTwips(box, l, t, w, 285);
    return box;
}

QPlainTextEdit* makePane(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(name);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    common::keepLongRunsFast(pane);
    placeTwips(pane, l, t, w, h);
    return pane;
}

// An open notebook with a pencil across it.
QPixmap notebookPicture() {
    QPixmap pixmap(40, 32);
    pixmap.fill(kLightGrey);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(80, 80, 80));
    p.setBrush(QColor(255, 255, 240));
    p.drawRect(QRectF(3, 4, 16, 24));
    p.drawRect(QRectF(19, 4, 16, 24));
    p.setPen(QColor(150, 170, 220));
    for (int y = 10; y < 26; y += 4) {
        p.drawLine(QPointF(5, y), QPointF(17, y));
        p.drawLine(QPointF(21, y), QPointF(33, y));
    }
    p.setPen(QPen(QColor(230, 180, 40), 3));
    p.drawLine(QPointF(14, 27), QPointF(36, 6));
    return pixmap;
}

} // namespace

frmDetails::frmDetails() : platform::Form(QStringLiteral("frmDetails")) {
    setWindowTitle(QStringLiteral("My Trip Details"));
    setBackColor(kLightGrey);
    setClientSizeTwips(9600, 8220);
    QWidget* c = client();

    Label2 = placedLabel(c, QStringLiteral("Label2"),
                         QStringLiteral("Well your vacation is over.  Why don't you record it all here so you can "
                                        "relive it from time to time!"),
                         120, 120, 9360, 480);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    setInk(Label2, kDarkBlue);

    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Print"), 120, 690, 1080, 420);
    Label1 = placedLabel(c, QStringLiteral("Label1"), QStringLiteral("Date:"), 1440, 780, 540, 285);
    dtStart = new common::DatePicker(c, QStringLiteral("dtStart"));
    placeTwips(dtStart, 1980, 720, 1560, 345);
    connect(dtStart, &QDateEdit::dateChanged, this, &frmDetails::ShowWeekdayCaption);

    Label6 = placedLabel(c, QStringLiteral("Label6"), QStringLiteral("Day #"), 3780, 780, 600, 285);
    cbDayNum = new common::TextBox(c, QStringLiteral("cbDayNum"), QStringLiteral("Text1"));
    cbDayNum->setFont(makeFont(QStringLiteral("Verdana"), 9.75, true));
    setPaletteColor(cbDayNum, QPalette::Text, kDarkBlue);
    setPaletteColor(cbDayNum, QPalette::Base, kLightGrey);
    placeTwips(cbDayNum, 4380, 720, 720, 345);
    // A click in the day box shows the day it holds.
    cbDayNum->installEventFilter(this);

    Picture6 = placedLabel(c, QStringLiteral("Picture6"), QString(), 5280, 660, 600, 480);
    Picture6->setPixmap(notebookPicture());
    Label5 = placedLabel(c, QStringLiteral("Label5"), QStringLiteral("Trip #"), 6060, 780, 600, 285);
    cbTrip = new common::DropDownList(c, QStringLiteral("cbTrip"));
    cbTrip->setMaxVisibleItems(20);
    placeTwips(cbTrip, 6660, 720, 900, 345);
    connect(cbTrip, &common::DropDownList::picked, this, &frmDetails::cbTrip_Click);

    Label7 = placedLabel(c, QStringLiteral("Label7"),
                         QStringLiteral("This page is capable of storing up to 100 trips.  In order to enter details "
                                        "about your second trip select Trip # 2 from the drop down box."),
                         120, 1200, 9360, 420);
    Label7->setWordWrap(true);

    buildPlaces(c);
    buildPanes(c);
    buildButtons(c);

    mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuHome = addNamedItem(mnuFile, QStringLiteral("mnuHome"), QStringLiteral("Close"));
    connect(mnuPrint, &QAction::triggered, this, &frmDetails::mnuPrint_Click);
    connect(mnuHome, &QAction::triggered, this, &frmDetails::mnuHome_Click);
}

frmDetails::~frmDetails() = default;

void frmDetails::buildPlaces(QWidget* c) {
    Label8 = placedLabel(c, QStringLiteral("Label8"), QStringLiteral("Check today's locations"), 120, 1680, 3000, 285);
    Label8->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    const QStringList& names = organiser::journalPlaceNames();
    // Three rows: Magic Kingdom, MGM Studios, Downtown Disney; Epcot, Animal
    // Kingdom, Typhoon Lagoon; Blizzard Beach and the other place.
    chkMagic = makePlace(c, QStringLiteral("chkMagic"), names[0], 120, 1980, 2160);
    Check2 = makePlace(c, QStringLiteral("Check2"), names[2], 2400, 1980, 2160);
    Check4 = makePlace(c, QStringLiteral("Check4"), names[4], 4680, 1980, 2160);
    Check1 = makePlace(c, QStringLiteral("Check1"), names[1], 120, 2280, 2160);
    Check3 = makePlace(c, QStringLiteral("Check3"), names[3], 2400, 2280, 2160);
    Check5 = makePlace(c, QStringLiteral("Check5"), names[5], 4680, 2280, 2160);
    Check6 = makePlace(c, QStringLiteral("Check6"), names[6], 120, 2580, 2160);
    Check7 = makePlace(c, QStringLiteral("Check7"), QStringLiteral("Check7"), 2400, 2595, 255);
    txtOther = new common::TextBox(c, QStringLiteral("txtOther"), QStringLiteral("Other"));
    placeTwips(txtOther, 2670, 2550, 1980, 315);
}

void frmDetails::buildPanes(QWidget* c) {
    const QFont captionFont = makeFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    Label12 = placedLabel(c, QStringLiteral("Label12"), QStringLiteral("Today's Details"), 120, 3000, 1560, 285);
    txtDetails = makePane(c, QStringLiteral("txtDetails"), 1740, 3000, 7740, 1200);
    Label3 = placedLabel(c, QStringLiteral("Label3"), QStringLiteral("Today's Attractions"), 120, 4320, 1560, 285);
    txtFavorite = makePane(c, QStringLiteral("txtFavorite"), 1740, 4320, 7740, 1200);
    Label4 = placedLabel(c, QStringLiteral("Label4"), QStringLiteral("Today's Food"), 120, 5640, 1560, 285);
    txtDifferent = makePane(c, QStringLiteral("txtDifferent"), 1740, 5640, 7740, 1200);
    for (QLabel* label : {Label12, Label3, Label4}) {
        label->setFont(captionFont);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->resize(label->width(), label->height() * 2);
    }
}

void frmDetails::buildButtons(QWidget* c) {
    Label9 = new common::HoverLink(QStringLiteral("Label9"), c);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setWordWrap(true);
    Label9->setColors(bgrColor(0x00FF0000), bgrColor(0x000000FF));
    placeTwips(Label9, 120, 7020, 3000, 900);
    connect(Label9, &common::HoverLink::clicked, this, &frmDetails::Label9_Click);

    Picture3 =
        common::PictureButton::create(c, QStringLiteral("Picture3"), QStringLiteral("Save"), 3360, 7020, 1200, 420);
    Picture4 = common::PictureButton::create(c, QStringLiteral("Picture4"), QStringLiteral("Previous Day"), 4680, 7020,
                                             1560, 420);
    Picture5 =
        common::PictureButton::create(c, QStringLiteral("Picture5"), QStringLiteral("Next Day"), 6360, 7020, 1560, 420);
    Picture2 =
        common::PictureButton::create(c, QStringLiteral("Picture2"), QStringLiteral("Close"), 4860, 7620, 1200, 420);

    cmdUpdate = common::CommandButton::hidden(c, QStringLiteral("cmdUpdate"), QStringLiteral("Update This Day"));
    Command5 = common::CommandButton::hidden(c, QStringLiteral("Command5"), QStringLiteral("Previous Day"));
    cmdNextDay = common::CommandButton::hidden(c, QStringLiteral("cmdNextDay"), QStringLiteral("Next Day"));
    Command1 = common::CommandButton::hidden(c, QStringLiteral("Command1"), QStringLiteral("Home Page"));
    cbDayNum1 = new common::DropDownList(c, QStringLiteral("cbDayNum1"));
    cbDayNum1->hide();

    connect(cmdUpdate, &common::CommandButton::clicked, this, &frmDetails::cmdUpdate_Click);
    connect(Command5, &common::CommandButton::clicked, this, &frmDetails::Command5_Click);
    connect(cmdNextDay, &common::CommandButton::clicked, this, &frmDetails::cmdNextDay_Click);
    connect(Command1, &common::CommandButton::clicked, this, &frmDetails::Command1_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &frmDetails::mnuPrint_Click);
    connect(Picture3, &common::PictureButton::clicked, this, &frmDetails::cmdUpdate_Click);
    connect(Picture4, &common::PictureButton::clicked, this, &frmDetails::Command5_Click);
    connect(Picture5, &common::PictureButton::clicked, this, &frmDetails::cmdNextDay_Click);
    connect(Picture2, &common::PictureButton::clicked, this, &frmDetails::Command1_Click);
}

std::array<QCheckBox*, organiser::kJournalPlaceCount> frmDetails::placeBoxes() const {
    return {chkMagic, Check1, Check2, Check3, Check4, Check5, Check6, Check7};
}

void frmDetails::Form_Load() {
    Label9->setText(QStringLiteral("Click here to print a detailed empty journal page.  Print as many sheets as days "
                                   "you will be at Walt Disney World"));
    m_db = common::openUserOrSay();
    for (int n = 1; n <= 100; ++n)
        cbTrip->addItem(QString::number(n));
    cbDayNum->setText(QStringLiteral("1"));
    cbTrip->setShownText(QStringLiteral("1"));
    if (!LoadJournalDay(1, 1))
        dtStart->setDate(platform::Clock::today());
    ShowWeekdayCaption();
}

void frmDetails::ShowWeekdayCaption() {
    setWindowTitle(organiser::journalCaption(dtStart->date()));
}

void frmDetails::clearDay() {
    txtDetails->clear();
    txtDifferent->clear();
    txtFavorite->clear();
    for (QCheckBox* box : placeBoxes())
        box->setChecked(false);
    txtOther->setText(QStringLiteral("Other"));
}

void frmDetails::showDay(const JournalDay& day) {
    txtDetails->setPlainText(day.details);
    txtDifferent->setPlainText(day.food);
    txtFavorite->setPlainText(day.attractions);
    // A day stored without a readable date keeps the date shown.
    if (day.date.isValid())
        dtStart->setDate(day.date);
    ShowWeekdayCaption();
    const auto boxes = placeBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(day.places[i]);
    txtOther->setText(day.otherPlace);
}

bool frmDetails::LoadJournalDay(int tripNum, int dayNum) {
    clearDay();
    if (!m_db)
        return false;
    const auto day = JournalStore(*m_db).read(tripNum, dayNum);
    if (day)
        showDay(*day);
    else
        common::sayDatabaseFailure(*m_db);
    return day.has_value();
}

std::optional<common::DayKeys> frmDetails::shownKeys() const {
    const common::KeyCheck check = common::checkDayKeys(cbDayNum->text(), cbTrip->currentText(), kTrips);
    if (!check.keys)
        platform::msgBox(check.refusal);
    return check.keys;
}

std::optional<int> frmDetails::tripBoxNumber() const {
    const auto n = common::readKey(cbTrip->currentText());
    if (!n)
        platform::msgBox(common::notAKeyMessage(kTrips.bookBox));
    return n;
}

void frmDetails::cbDayNum_Click() {
    const auto keys = shownKeys();
    if (!keys)
        return;
    if (!LoadJournalDay(keys->book, keys->day))
        dtStart->setDate(platform::Clock::today());
    ShowWeekdayCaption();
}

void frmDetails::cbTrip_Click() {
    const auto tripNum = tripBoxNumber();
    if (!tripNum)
        return;
    cbDayNum->setText(QStringLiteral("1"));
    // A trip without a first day keeps the date shown.
    LoadJournalDay(*tripNum, 1);
}

bool frmDetails::SaveJournalDay(const common::DayKeys& keys) {
    if (!m_db)
        m_db = common::openUserOrSay();
    if (!m_db)
        return false;
    JournalDay day;
    day.dayNum = keys.day;
    day.date = dtStart->date();
    day.details = txtDetails->toPlainText();
    day.attractions = txtFavorite->toPlainText();
    day.food = txtDifferent->toPlainText();
    const auto boxes = placeBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        day.places[i] = boxes[i]->isChecked();
    day.otherPlace = txtOther->text();
    if (JournalStore(*m_db).write(keys.book, day))
        return true;
    common::sayDatabaseFailure(*m_db);
    return false;
}

void frmDetails::cmdUpdate_Click() {
    // A refused key leaves the page as it is, ready to be corrected.
    if (const auto keys = shownKeys())
        SaveJournalDay(*keys);
}

// Saves the shown day, then shows the next or previous one. A day without a
// row is dated one day after (or before) the day that was shown.
void frmDetails::moveByOneDay(common::DayStep step) {
    const common::DayMove move = common::planDayMove(cbDayNum->text(), cbTrip->currentText(), step, kTrips);
    if (!move.keys) {
        platform::msgBox(move.refusal);
        return;
    }
    // A day that could not be saved stays on screen, so nothing typed is lost.
    if (!SaveJournalDay(*move.keys))
        return;
    if (!move.notice.isEmpty())
        platform::msgBox(move.notice);
    if (!move.toDay)
        return;
    const QDate shown = dtStart->date();
    cbDayNum->setText(QString::number(*move.toDay));
    if (!LoadJournalDay(move.keys->book, *move.toDay))
        dtStart->setDate(shown.addDays(*move.toDay - move.keys->day));
    ShowWeekdayCaption();
}

void frmDetails::cmdNextDay_Click() {
    moveByOneDay(common::DayStep::Next);
}

void frmDetails::Command5_Click() {
    moveByOneDay(common::DayStep::Previous);
}

void frmDetails::Command1_Click() {
    platform::Forms::unload(objectName());
}

void frmDetails::mnuHome_Click() {
    platform::Forms::returnToMainWindow(objectName());
}

std::optional<int> frmDetails::askPrintCount(const QString& prompt, const QString& title) {
    // An answer that is not a whole number within 16 bits ends the print
    // without a word, as no answer does; 0 or less asks for nothing.
    const common::CountAnswer answer = common::readCountAnswer(platform::inputBox(prompt, title));
    if (answer.kind != common::CountAnswer::Count || answer.count < 1)
        return std::nullopt;
    return answer.count;
}

void frmDetails::Label9_Click() {
    const auto pages = askPrintCount(
        QStringLiteral("How many pages would you like to print.  Travisto recommends printing the same number of days "
                       "that you will be at Walt Disney World. Enter numbers only."),
        QStringLiteral("Number of Days - Enter Numbers Only"));
    if (!pages)
        return;
    // One command and one print class for every page; each page is a document of its own.
    const common::PrintRun run;
    common::CWordWrap wrap;
    const QString text = organiser::blankJournalPageText();
    for (int page = 1; page <= *pages; ++page) {
        wrap.HeaderText = organiser::blankJournalPageHeader();
        wrap.PrintText(text);
    }
}

void frmDetails::mnuPrint_Click() {
    const auto count = askPrintCount(QStringLiteral("How many days of your trip would you like to print?"),
                                     QStringLiteral("Number of Days - Enter numbers only"));
    if (!count)
        return;
    // A trip box that is no trip number ends the print without a word too.
    const auto tripNum = common::readKey(cbTrip->currentText());
    if (!tripNum || !m_db)
        return;
    const auto days = JournalStore(*m_db).readUpTo(*tripNum, *count);
    if (!days)
        common::sayDatabaseFailure(*m_db);
    if (!days || days->isEmpty())
        return;
    const QDate shown = dtStart->date();
    const common::PrintRun run;
    common::CWordWrap wrap;
    for (const JournalDay& day : *days) {
        wrap.HeaderText = organiser::journalDayHeader(day.dayNum, shown);
        wrap.PrintText(organiser::journalDayText(day));
    }
}

bool frmDetails::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbDayNum && event->type() == QEvent::MouseButtonRelease)
        cbDayNum_Click();
    return platform::Form::eventFilter(watched, event);
}
