#include "itinerary/frmSchedule.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DayPaging.h"
#include "common/DropDownList.h"
#include "common/HoverLink.h"
#include "common/LongRuns.h"
#include "common/PictureButton.h"
#include "common/TextBox.h"
#include "common/TripProfile.h"
#include "common/WholeNumber.h"
#include "itinerary/ScheduleStore.h"
#include "platform/Database.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

using common::DropDownList;
using itinerary::ScheduleDay;
using itinerary::ScheduleStore;
using platform::bgrColor;
using platform::placeTwips;

namespace {

using common::makeFont;
using common::setInk;

const QColor kDarkBlue = bgrColor(0x00C00000);
const QColor kBlue = bgrColor(0x00FF0000);
const QColor kRed = bgrColor(0x000000FF);
const QColor kButtonGrey(212, 208, 200);

const QString kBanner = QStringLiteral(
    "Here's the tool that will make you look like a planning genius!  Plan all of your days here!  Type at much as "
    "you like in the notes box.  You can view all of your notes in your print out.  Hit the Save button to save the "
    "current day you are planning.  Hitting the \"Next Day\" and \"Previous Day\" buttons will also save the current "
    "day.");

const QString kDayCountRefused = QStringLiteral("Please enter a number of days from 1 to 32767.");

const common::DayBook kSchedules{QStringLiteral("Schedule #"), QStringLiteral("schedule")};

// A one-line heading in dark blue.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w, int h,
                  const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    setInk(label, kDarkBlue);
    placeTwips(label, l, t, w, h);
    common::keepOnOneLine(label);
    return label;
}

// An editable drop-down list: the shown text is the value, kept exactly as typed.
DropDownList* makeList(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* list = new DropDownList(parent, name);
    list->setMaxVisibleItems(20);
    placeTwips(list, l, t, w, h);
    return list;
}

common::TextBox* makeTextBox(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* box = new common::TextBox(parent, name);
    placeTwips(box, l, t, w, h);
    return box;
}

QPlainTextEdit* makeNotes(QWidget* parent, const QString& name, int l, int t, int w, int h) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setFont(makeFont(QStringLiteral("Verdana"), 8.25));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    common::keepLongRunsFast(box);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::white);
    box->setPalette(pal);
    placeTwips(box, l, t, w, h);
    return box;
}

// Takes away a list's entries and its shown text.
void emptyList(DropDownList* list) {
    list->clear();
    list->setShownText(QString());
}

QString plainText(const QPlainTextEdit* box) {
    return box->toPlainText();
}

QStringList numberEntries(int last) {
    QStringList entries;
    entries.reserve(last);
    for (int i = 1; i <= last; ++i)
        entries << QString::number(i);
    return entries;
}

} // namespace

frmSchedule::frmSchedule() : platform::Form(QStringLiteral("frmSchedule")) {
    setWindowTitle(QStringLiteral("My Trip Plan"));
    setBackColor(bgrColor(0x00E0E0E0));
    setClientSizeTwips(10110, 7065);
    buildControls();
    buildLinksAndPictures();
    arrangeTabOrder();
}

frmSchedule::~frmSchedule() = default;

void frmSchedule::buildControls() {
    QWidget* c = client();
    const QFont heading = makeFont(QStringLiteral("Verdana"), 9.75, true);
    const QFont small = makeFont(QStringLiteral("Verdana"), 8.25);
    const QFont smallBold = makeFont(QStringLiteral("Verdana"), 8.25, true);

    Label2 = common::makeLabel(c, QStringLiteral("Label2"), kBanner, Qt::black, 0, 0, 10215, 615);
    Label2->setFont(small);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setAutoFillBackground(true);
    {
        QPalette pal = Label2->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        pal.setColor(QPalette::Window, Qt::white);
        Label2->setPalette(pal);
    }

    Label13 = makeLabel(c, QStringLiteral("Label13"), QStringLiteral("Schedule #"), 360, 720, 1215, 240, heading);
    cboScheduleNumber = makeList(c, QStringLiteral("cboScheduleNumber"), 1680, 720, 735, 315);
    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Date:"), 4200, 720, 585, 240, heading);
    txtTSD = makeTextBox(c, QStringLiteral("txtTSD"), 4800, 720, 1095, 285);
    Label6 = makeLabel(c, QStringLiteral("Label6"), QStringLiteral("Day #"), 6120, 720, 645, 240, heading);
    cbDayNum = makeList(c, QStringLiteral("cbDayNum"), 6840, 720, 615, 360);
    cbDayNum->setFont(makeFont(QStringLiteral("MS Sans Serif"), 9.75));

    struct PartLayout {
        const char* location;
        int locationLeft, locationWidth, locationTop;
        const char* attractions;
        int attractionsLeft, attractionsWidth, attractionsTop;
        int choicesTop;
        const char* notes;
        int notesLeft, notesWidth, notesTop;
    };
    static const PartLayout layouts[3] = {
        {"Morning Location", 480, 1440, 1320, "Morning Attractions", 240, 1650, 1800, 1680, "Morning Notes", 2520, 1395,
         2040},
        {"Afternoon Location", 315, 1605, 2415, "Afternoon Attractions", 75, 1815, 2880, 2760, "Afternoon Notes", 2355,
         1590, 3120},
        {"Evening Location", 480, 1440, 3510, "Evening Attractions", 240, 1650, 3960, 3840, "Evening Notes", 2520, 1395,
         4200},
    };
    static const int choiceLefts[4] = {2040, 3990, 5880, 7890};
    static const int choiceWidths[4] = {1935, 1935, 2055, 1935};
    std::array<QLabel**, 3> locationLabels = {&Label3, &Label4, &Label5};
    std::array<DropDownList**, 3> parkMembers = {&cbPark1, &cbPark2, &cbPark3};
    std::array<QPlainTextEdit**, 3> notesMembers = {&txtMorning, &txtAfternoon, &txtEvening};
    static const char* notesNames[3] = {"txtMorning", "txtAfternoon", "txtEvening"};
    static const char* locationNames[3] = {"Label3", "Label4", "Label5"};

    for (int p = 0; p < 3; ++p) {
        const PartLayout& lay = layouts[p];
        *locationLabels[p] = makeLabel(c, QLatin1String(locationNames[p]), QLatin1String(lay.location),
                                       lay.locationLeft, lay.locationTop, lay.locationWidth, 195, small);
        *parkMembers[p] = makeList(c, QStringLiteral("cbPark%1").arg(p + 1), 2040, lay.locationTop, 1695, 315);
        Label7[p] = makeLabel(c, QStringLiteral("Label7_%1").arg(p), QLatin1String(lay.attractions),
                              lay.attractionsLeft, lay.attractionsTop, lay.attractionsWidth, 195, small);
        for (int r = 0; r < 5; ++r) {
            const int number = p * 5 + r + 1;
            const int slot = qMin(r, 3);
            DropDownList* list = makeList(c, QStringLiteral("cbChoice%1").arg(number), choiceLefts[slot],
                                          lay.choicesTop, choiceWidths[slot], 315);
            if (r == 4) {
                // The fifth attraction of each part is kept but never shown.
                list->hide();
                list->setFocusPolicy(Qt::NoFocus);
            }
            m_parts[size_t(p)].rides[size_t(r)] = list;
        }
        Label12[p] = makeLabel(c, QStringLiteral("Label12_%1").arg(p), QLatin1String(lay.notes), lay.notesLeft,
                               lay.notesTop, lay.notesWidth, 195, smallBold);
        *notesMembers[p] = makeNotes(c, QLatin1String(notesNames[p]), 3960, lay.notesTop, 5895, 525);
        m_parts[size_t(p)].park = *parkMembers[p];
        m_parts[size_t(p)].notes = *notesMembers[p];
    }

    Label8 = makeLabel(c, QStringLiteral("Label8"), QStringLiteral("Reservation Location"), 2760, 4800, 2055, 195,
                       smallBold);
    Label11 = makeLabel(c, QStringLiteral("Label11"), QStringLiteral("Time"), 5880, 4800, 480, 195, smallBold);
    Label10 =
        makeLabel(c, QStringLiteral("Label10"), QStringLiteral("Confirmation #"), 7560, 4800, 1455, 195, smallBold);
    static const int rowTops[3] = {5040, 5400, 5760};
    std::array<DropDownList**, 3> placeMembers = {&cbDescription, &cbDescription2, &cbDescription3};
    std::array<common::TextBox**, 3> timeMembers = {&txtTime, &txtTime2, &txtTime3};
    std::array<common::TextBox**, 3> confirmationMembers = {&txtConfirmation, &txtConfirmation2, &txtConfirmation3};
    for (int i = 0; i < 3; ++i) {
        const QString suffix = i == 0 ? QString() : QString::number(i + 1);
        *placeMembers[i] = makeList(c, QStringLiteral("cbDescription") + suffix, 2760, rowTops[i], 2895, 315);
        *timeMembers[i] = makeTextBox(c, QStringLiteral("txtTime") + suffix, 5880, rowTops[i], 1455, 285);
        *confirmationMembers[i] =
            makeTextBox(c, QStringLiteral("txtConfirmation") + suffix, 7560, rowTops[i], 2295, 285);
        m_reservations[size_t(i)] = {*placeMembers[i], *timeMembers[i], *confirmationMembers[i]};
    }

    connect(cbDayNum, &DropDownList::picked, this, &frmSchedule::cbDayNum_Click);
    connect(cboScheduleNumber, &DropDownList::picked, this, &frmSchedule::cboScheduleNumber_Click);
    connect(cbPark1, &DropDownList::picked, this, &frmSchedule::cbPark1_Click);
    connect(cbPark2, &DropDownList::picked, this, &frmSchedule::cbPark2_Click);
    connect(cbPark3, &DropDownList::picked, this, &frmSchedule::cbPark3_Click);

    // The command buttons are never shown; the picture buttons run their handlers.
    cmdUpdate = common::CommandButton::hidden(c, QStringLiteral("cmdUpdate"), QStringLiteral("Update This Day"));
    Command5 = common::CommandButton::hidden(c, QStringLiteral("Command5"), QStringLiteral("Previous Day"));
    cmdNextDay = common::CommandButton::hidden(c, QStringLiteral("cmdNextDay"), QStringLiteral("Next Day"));
    Command1 = common::CommandButton::hidden(c, QStringLiteral("Command1"), QStringLiteral("Home Page"));
    connect(cmdUpdate, &common::CommandButton::clicked, this, &frmSchedule::cmdUpdate_Click);
    connect(Command5, &common::CommandButton::clicked, this, &frmSchedule::Command5_Click);
    connect(cmdNextDay, &common::CommandButton::clicked, this, &frmSchedule::cmdNextDay_Click);
    connect(Command1, &common::CommandButton::clicked, this, &frmSchedule::Command1_Click);

    QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuExport = addNamedItem(mnuFile, QStringLiteral("mnuExport"), QStringLiteral("Export schedule to text file"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuHome = addNamedItem(mnuFile, QStringLiteral("mnuHome"), QStringLiteral("Close"));
    connect(mnuExport, &QAction::triggered, this, &frmSchedule::mnuExport_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmSchedule::mnuPrint_Click);
    connect(mnuHome, &QAction::triggered, this, &frmSchedule::mnuHome_Click);
}

void frmSchedule::buildLinksAndPictures() {
    QWidget* c = client();
    auto makeLink = [this, c](const QString& name, const QString& caption, int top, int width,
                              void (frmSchedule::*handler)()) {
        auto* link = new common::HoverLink(caption, c);
        link->setObjectName(name);
        link->setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, true));
        // The links first show their stored dark blue; the window background restores them in blue.
        link->setColors(kDarkBlue, kRed);
        placeTwips(link, 360, top, width, 195);
        common::keepOnOneLine(link);
        connect(link, &common::HoverLink::clicked, this, handler);
        return link;
    };
    Label18 =
        makeLink(QStringLiteral("Label18"), QStringLiteral("Schedule Tips"), 5400, 1230, &frmSchedule::Label18_Click);
    Label16 =
        makeLink(QStringLiteral("Label16"), QStringLiteral("Fastpass Info"), 5640, 1155, &frmSchedule::Label16_Click);
    Label17 = makeLink(QStringLiteral("Label17"), QStringLiteral("Line Buster Tips"), 5880, 1395,
                       &frmSchedule::Label17_Click);
    Label15 = makeLink(QStringLiteral("Label15"), QStringLiteral("Itinerary Suggestions"), 6120, 1800,
                       &frmSchedule::Label15_Click);

    auto makePicture = [this, c](const QString& name, const QString& caption, int l, int t, int w, int h, bool blue,
                                 void (frmSchedule::*handler)()) {
        auto* picture = new common::PictureButton(c);
        picture->setObjectName(name);
        placeTwips(picture, l, t, w, h);
        picture->setPicture(
            blue ? common::PictureButton::captionPicture(picture->size(), caption, Qt::white, kDarkBlue, 9)
                 : common::PictureButton::captionPicture(picture->size(), caption, kDarkBlue, kButtonGrey, 10));
        connect(picture, &common::PictureButton::clicked, this, handler);
        return picture;
    };
    Picture1 = makePicture(QStringLiteral("Picture1"), QStringLiteral("Print"), 4800, 6240, 1230, 390, false,
                           &frmSchedule::mnuPrint_Click);
    Picture2 = makePicture(QStringLiteral("Picture2"), QStringLiteral("Close"), 6120, 6240, 1230, 390, false,
                           &frmSchedule::Command1_Click);
    Picture3 = makePicture(QStringLiteral("Picture3"), QStringLiteral("Save"), 8640, 6240, 1230, 390, false,
                           &frmSchedule::cmdUpdate_Click);
    Picture4 = makePicture(QStringLiteral("Picture4"), QStringLiteral("Previous Day"), 4200, 1200, 1830, 390, false,
                           &frmSchedule::Command5_Click);
    Picture5 = makePicture(QStringLiteral("Picture5"), QStringLiteral("Next Day"), 6120, 1200, 1830, 390, false,
                           &frmSchedule::cmdNextDay_Click);
    Picture6 = makePicture(QStringLiteral("Picture6"), QStringLiteral("Restaurant\nReminder"), 360, 4680, 1860, 615,
                           true, &frmSchedule::Picture6_Click);
    Picture7 = makePicture(QStringLiteral("Picture7"), QStringLiteral("Ride Description\nReminder"), 8160, 960, 1860,
                           615, true, &frmSchedule::Picture7_Click);
}

void frmSchedule::arrangeTabOrder() {
    QList<QWidget*> order = {txtTSD, cboScheduleNumber, cbDayNum};
    for (const PartControls& part : m_parts) {
        order << part.park;
        for (int r = 0; r < 4; ++r)
            order << part.rides[size_t(r)];
        order << part.notes;
    }
    for (const ReservationControls& r : m_reservations)
        order << r.place << r.time << r.confirmation;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool frmSchedule::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client() && event->type() == QEvent::MouseMove) {
        // Over the background the links come to rest in blue, underlined.
        for (common::HoverLink* link : {Label18, Label16, Label17, Label15})
            link->setColors(kBlue, kRed);
    }
    return platform::Form::eventFilter(watched, event);
}

void frmSchedule::Form_Load() {
    const QStringList parks = {QStringLiteral("Magic Kingdom"),  QStringLiteral("Epcot"),
                               QStringLiteral("MGM Studios"),    QStringLiteral("Animal Kingdom"),
                               QStringLiteral("Typhoon Lagoon"), QStringLiteral("Blizzard Beach")};
    for (const PartControls& part : m_parts) {
        part.park->addItems(parks);
        part.park->setShownText(QStringLiteral("Magic Kingdom"));
    }
    cbDayNum->addItems(numberEntries(21));
    cbDayNum->setShownText(QStringLiteral("1"));

    m_content = common::openContentOrSay();
    if (m_content)
        m_user = common::openUserOrSay();
    if (!m_content || !m_user) {
        // The user has been told which file is missing; the planner cannot work without it.
        platform::Forms::unload(objectName());
        return;
    }

    txtTSD->setText(platform::shortDate(tripDate()));
    cboScheduleNumber->addItems(numberEntries(100));
    cboScheduleNumber->setShownText(QStringLiteral("1"));

    showDayRow(1, 1);
    for (int p = 0; p < 3; ++p)
        FillAttractionLists(p, m_parts[size_t(p)].park->currentText());

    // On opening the places are sorted by name without regard to case.
    QStringList sorted;
    platform::Recordset rs = common::queryOrSay(
        *m_content, QStringLiteral("select Location from Reservations Order By Location COLLATE NOCASE"));
    for (; !rs.eof(); rs.moveNext())
        sorted << rs.text(QStringLiteral("Location"));
    fillReservationLists(sorted);

    ShowWeekdayCaption();

    // The planner opens in the middle of the screen.
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void frmSchedule::closeAction() {
    Command1_Click();
}

QDate frmSchedule::tripDate() {
    if (!m_content)
        return {};
    const auto profile = common::readTripProfile(*m_content);
    if (!profile)
        common::sayDatabaseFailure(*m_content);
    return profile ? profile->tripDate : QDate();
}

const QStringList& frmSchedule::attractionsOf(int park) {
    std::optional<QStringList>& cached = m_attractions[size_t(park)];
    if (!cached) {
        cached.emplace();
        if (m_content) {
            platform::Recordset rs = common::queryOrSay(
                *m_content, QStringLiteral("Select Attraction from ParkPlanner Where ParkId = ?"), {park});
            for (; !rs.eof(); rs.moveNext())
                cached->append(rs.text(QStringLiteral("Attraction")));
        }
    }
    return *cached;
}

const QStringList& frmSchedule::reservationPlaces() {
    if (!m_places) {
        m_places.emplace();
        if (m_content) {
            platform::Recordset rs =
                common::queryOrSay(*m_content, QStringLiteral("select Location from Reservations"));
            for (; !rs.eof(); rs.moveNext())
                m_places->append(rs.text(QStringLiteral("Location")));
        }
    }
    return *m_places;
}

void frmSchedule::FillAttractionLists(int part, const QString& parkText) {
    const QStringList& attractions = attractionsOf(itinerary::parkNumber(parkText));
    for (DropDownList* list : m_parts[size_t(part)].rides)
        list->addItems(attractions);
}

void frmSchedule::fillReservationLists(const QStringList& places) {
    for (const ReservationControls& r : m_reservations)
        r.place->addItems(places);
}

void frmSchedule::ShowWeekdayCaption() {
    const QDate date = platform::readShortDate(txtTSD->text());
    if (date.isValid())
        setWindowTitle(QStringLiteral("Day of schedule is ") + itinerary::weekdayName(date));
}

void frmSchedule::clearDay() {
    for (const PartControls& part : m_parts) {
        part.park->setShownText(QString());
        part.notes->clear();
    }
    for (const ReservationControls& r : m_reservations) {
        emptyList(r.place);
        r.time->clear();
        r.confirmation->clear();
    }
    for (const PartControls& part : m_parts)
        for (DropDownList* list : part.rides)
            emptyList(list);
}

void frmSchedule::showDayRow(int scheduleNum, int dayNum) {
    if (!m_user)
        return;
    if (const auto day = ScheduleStore(*m_user).read(scheduleNum, dayNum))
        showStoredDay(*day);
    else
        common::sayDatabaseFailure(*m_user);
}

void frmSchedule::showStoredDay(const ScheduleDay& day) {
    for (size_t p = 0; p < m_parts.size(); ++p) {
        m_parts[p].park->setShownText(day.parts[p].park);
        m_parts[p].notes->setPlainText(day.parts[p].notes);
    }
    for (size_t i = 0; i < m_reservations.size(); ++i) {
        m_reservations[i].place->setShownText(day.reservations[i].place);
        m_reservations[i].time->setText(day.reservations[i].time);
        m_reservations[i].confirmation->setText(day.reservations[i].confirmation);
    }
    for (size_t p = 0; p < m_parts.size(); ++p)
        for (size_t r = 0; r < 5; ++r)
            if (!day.parts[p].rides[r].isEmpty())
                m_parts[p].rides[r]->setShownText(day.parts[p].rides[r]);
}

ScheduleDay frmSchedule::shownDay(int dayNum) const {
    ScheduleDay day;
    day.dayNum = dayNum;
    for (size_t p = 0; p < m_parts.size(); ++p) {
        day.parts[p].park = m_parts[p].park->currentText();
        day.parts[p].notes = plainText(m_parts[p].notes);
        for (size_t r = 0; r < 5; ++r)
            day.parts[p].rides[r] = m_parts[p].rides[r]->currentText();
    }
    for (size_t i = 0; i < m_reservations.size(); ++i)
        day.reservations[i] = {m_reservations[i].place->currentText(), m_reservations[i].time->text(),
                               m_reservations[i].confirmation->text()};
    return day;
}

void frmSchedule::showDayFromStore() {
    const std::optional<int> dayNum = common::readKey(cbDayNum->currentText());
    const std::optional<int> scheduleNum = common::readKey(cboScheduleNumber->currentText());
    if (dayNum && scheduleNum)
        showDayRow(*scheduleNum, *dayNum);
    for (int p = 0; p < 3; ++p)
        FillAttractionLists(p, m_parts[size_t(p)].park->currentText());
    // After opening the places come in table order.
    fillReservationLists(reservationPlaces());
    txtTSD->setText(platform::shortDate(itinerary::dayBoxDate(tripDate(), cbDayNum->currentText())));
    ShowWeekdayCaption();
}

void frmSchedule::LoadDay() {
    clearDay();
    showDayFromStore();
}

void frmSchedule::cbDayNum_Click() {
    LoadDay();
}

void frmSchedule::cboScheduleNumber_Click() {
    cbDayNum_Click();
}

void frmSchedule::cbPark1_Click() {
    for (DropDownList* list : m_parts[0].rides)
        emptyList(list);
    FillAttractionLists(0, cbPark1->currentText());
}

void frmSchedule::cbPark2_Click() {
    for (DropDownList* list : m_parts[1].rides)
        emptyList(list);
    FillAttractionLists(1, cbPark2->currentText());
}

void frmSchedule::cbPark3_Click() {
    for (DropDownList* list : m_parts[2].rides)
        emptyList(list);
    FillAttractionLists(2, cbPark3->currentText());
}

std::optional<common::DayKeys> frmSchedule::shownKeys() const {
    const common::KeyCheck check =
        common::checkDayKeys(cbDayNum->currentText(), cboScheduleNumber->currentText(), kSchedules);
    if (!check.keys)
        platform::msgBox(check.refusal);
    return check.keys;
}

std::optional<int> frmSchedule::scheduleBoxNumber() const {
    const auto n = common::readKey(cboScheduleNumber->currentText());
    if (!n)
        platform::msgBox(common::notAKeyMessage(kSchedules.bookBox));
    return n;
}

bool frmSchedule::saveDay(const common::DayKeys& keys) {
    if (!m_user)
        return false;
    if (!ScheduleStore(*m_user).write(keys.book, shownDay(keys.day))) {
        common::sayDatabaseFailure(*m_user);
        return false;
    }
    return true;
}

void frmSchedule::showDateOfDay(int dayNum) {
    const QDate start = tripDate();
    if (start.isValid())
        txtTSD->setText(platform::shortDate(itinerary::dayDate(start, dayNum)));
}

void frmSchedule::cmdUpdate_Click() {
    // A refused key leaves everything on the window as it is, ready to be corrected.
    const auto keys = shownKeys();
    if (keys && saveDay(*keys))
        showDateOfDay(keys->day);
}

void frmSchedule::moveToDay(int dayNum) {
    clearDay();
    cbDayNum->setShownText(QString::number(dayNum));
    showDayFromStore();
}

void frmSchedule::moveOneDay(common::DayStep step) {
    const common::DayMove move =
        common::planDayMove(cbDayNum->currentText(), cboScheduleNumber->currentText(), step, kSchedules);
    if (!move.keys) {
        platform::msgBox(move.refusal);
        return;
    }
    // A day that could not be saved stays on screen, so nothing typed is lost.
    if (!saveDay(*move.keys))
        return;
    // A day moved to shows its own date; a day that stays shows the date of the day saved.
    if (!move.toDay)
        showDateOfDay(move.keys->day);
    if (!move.notice.isEmpty())
        platform::msgBox(move.notice);
    if (move.toDay)
        moveToDay(*move.toDay);
}

void frmSchedule::cmdNextDay_Click() {
    moveOneDay(common::DayStep::Next);
}

void frmSchedule::Command5_Click() {
    moveOneDay(common::DayStep::Previous);
}

void frmSchedule::Command1_Click() {
    platform::Forms::returnToMainWindow(objectName());
}

void frmSchedule::mnuHome_Click() {
    Command1_Click();
}

void frmSchedule::mnuExport_Click() {
    const auto scheduleNum = scheduleBoxNumber();
    if (!scheduleNum || !m_user)
        return;
    const QString answer =
        platform::inputBox(QStringLiteral("How many days of your schedule would you like to save to a file?"),
                           QStringLiteral("Number of Days"));
    const common::CountAnswer count = common::readCountAnswer(answer);
    if (count.kind == common::CountAnswer::NotANumber)
        platform::msgBox(kDayCountRefused);
    if (count.kind != common::CountAnswer::Count)
        return;
    const std::optional<QString> file = platform::Dialogs::instance().save(platform::SaveRequest{
        QStringLiteral("TravistoSchedule"), QStringLiteral("Save Travisto Schedule"),
        QStringLiteral("All files(*.*)|*.*|Data files (*.dat)|*.dat|Text files (*.txt)|*.txt"), 3});
    if (!file || file->isEmpty())
        return;
    const auto days = ScheduleStore(*m_user).readUpTo(*scheduleNum, count.count);
    if (!days) {
        common::sayDatabaseFailure(*m_user);
        return;
    }
    const QByteArray bytes = itinerary::exportText(*days).toUtf8();
    QString reason;
    if (!platform::saveWholeFile(*file, bytes, &reason))
        platform::msgBox(
            QStringLiteral("The schedule could not be saved to %1: %2.").arg(QDir::toNativeSeparators(*file), reason));
}

void frmSchedule::mnuPrint_Click() {
    const QString answer = platform::inputBox(
        QStringLiteral("How many days of your schedule would you like to print? Enter numbers only."),
        QStringLiteral("Number of Days - Enter Numbers Only"));
    // The question comes first. An answer that is not a whole number within
    // 16 bits, like no answer, and a schedule box that is no schedule number
    // end the print without a word.
    const common::CountAnswer count = common::readCountAnswer(answer);
    const auto scheduleNum = common::readKey(cboScheduleNumber->currentText());
    if (count.kind != common::CountAnswer::Count || !scheduleNum || !m_user)
        return;
    const auto days = ScheduleStore(*m_user).readUpTo(*scheduleNum, count.count);
    if (!days)
        common::sayDatabaseFailure(*m_user);
    if (!days || days->isEmpty())
        return;
    const QDate start = tripDate();

    // One command and one print class for all days; each day is a document of its own.
    const common::PrintRun run;
    common::CWordWrap wrap;
    for (const ScheduleDay& day : *days) {
        wrap.HeaderText = itinerary::printHeader(day.dayNum, start);
        wrap.PrintText(itinerary::dayText(day, itinerary::DayTextUse::Print));
    }
}

void frmSchedule::openLinked(const QString& formName) {
    platform::Forms::open(formName);
}

void frmSchedule::Label15_Click() {
    openLinked(QStringLiteral("frmParks"));
}

void frmSchedule::Label16_Click() {
    openLinked(QStringLiteral("frmFastpass"));
}

void frmSchedule::Label17_Click() {
    openLinked(QStringLiteral("frmLines"));
}

void frmSchedule::Label18_Click() {
    openLinked(QStringLiteral("frmScheduleTips"));
}

void frmSchedule::Picture6_Click() {
    openLinked(QStringLiteral("frmQuickRestaurant"));
}

void frmSchedule::Picture7_Click() {
    openLinked(QStringLiteral("frmQuick"));
}
