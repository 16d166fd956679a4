#include "itinerary/frmParks.h"

#include "common/CWordWrap.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DropDownList.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "platform/Database.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>

using platform::placeTwips;

namespace itinerary {

QString exportText(const QString& paneText) {
    QString text = paneText;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text + QStringLiteral("\r\n");
}

} // namespace itinerary

namespace {

using common::keepOnOneLine;
using common::makeFont;
using common::setInk;

const QString kMagicKingdom = QStringLiteral("Magic Kingdom");

struct ParkAdvice {
    QString name;
    QString visit;
    QString spend;
    QString tipLink;
};

// The advice shown for each park, by park number 1 to 4.
const std::array<ParkAdvice, 4>& parkAdvice() {
    static const std::array<ParkAdvice, 4> advice = {{
        {kMagicKingdom,
         QStringLiteral("Try to visit the Magic Kingdom on Tuesday, Wednesday, and Friday.  Avoid the Magic Kingdom on "
                        "Saturday, Sunday, and Thursday. These are it's busiest days."),
         QStringLiteral("Plan on spending 2 full days in the Magic Kingdom (Especially for you first time visitors).  "
                        "Try to accomplish half of the above itinerary on your first day at MK.  "),
         QStringLiteral("Click here for Magic Kingdom Tips")},
        {QStringLiteral("Epcot"),
         QStringLiteral(
             "Avoid Epcot on Wednesday.  This is it's Early Entry day. However, Epcot is so large that crowds "
             "are rarely a problem with exception to the 2 new attractions.(Test Track and Mission Space)"),
         QStringLiteral(
             "Epcot could be a one day park.  Travisto recommends splitting up your days.  For example, spend "
             "the morning at Epcot and finish your evening at MGM and vica versa."),
         QStringLiteral("Click Here for Epcot Tips")},
        {QStringLiteral("MGM Studios"),
         QStringLiteral("MGM has early entry on Tuesday and Saturday. These will typically be it's busiest days.  "),
         QStringLiteral("MGM could be a one day park.  Travisto recommends splitting up your days.  For example, spend "
                        "the morning at MGM and finish your evening at Epcot and vica versa."),
         QStringLiteral("Click Here for MGM Tips")},
        {QStringLiteral("Animal Kingdom"),
         QStringLiteral(
             "Animal Kingdom has early entry on Monday and Friday. Take advantage of early entry in this park "
             "if you can.  The animals are most active first thing in the morning. (Remember...you must be a "
             "Disney resort guest to be eligible for early entry)"),
         QStringLiteral("Animal Kingdom generally closes by 5 or 6 in the evening. You should be able to get it all in "
                        "and still have time to visit another park."),
         QStringLiteral("Click Here for Animal Kingdom Tips")},
    }};
    return advice;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font,
                  const std::optional<QColor>& ink = std::nullopt) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (ink)
        setInk(label, *ink);
    return label;
}

} // namespace

frmParks::frmParks() : platform::Form(QStringLiteral("frmParks")) {
    setWindowTitle(QStringLiteral("Travisto Itinerary Suggestions"));
    setBackColor(platform::bgrColor(0x00E0E0E0));
    setClientSizeTwips(9915, 7065);
    QWidget* c = client();
    const QColor red(255, 0, 0);

    Picture7 = common::PictureButton::create(c, QStringLiteral("Picture7"), QStringLiteral("Ride Description Reminder"),
                                             120, 120, 1860, 615);

    Label9[1] = makeLabel(c, QStringLiteral("Label9_1"), QStringLiteral("Select a park"),
                          makeFont(QStringLiteral("Verdana"), 9.75, true), red);
    placeTwips(Label9[1], 2400, 120, 1410, 240);
    keepOnOneLine(Label9[1]);

    Combo1 = new common::DropDownList(c, QStringLiteral("Combo1"));
    Combo1->addItems(
        {kMagicKingdom, QStringLiteral("Epcot"), QStringLiteral("MGM Studios"), QStringLiteral("Animal Kingdom")});
    Combo1->setShownText(QStringLiteral("Choose a Park"));
    // The park list stands on the window's grey, as the labels do.
    Combo1->setBackColor(platform::bgrColor(0x00E0E0E0));
    placeTwips(Combo1, 3960, 120, 1935, 315);

    Label9[0] = makeLabel(c, QStringLiteral("Label9_0"), QStringLiteral("to view Travisto's suggested itinerary."),
                          makeFont(QStringLiteral("Verdana"), 9.75, true), red);
    placeTwips(Label9[0], 6000, 0, 3570, 495);

    lblVisit = makeLabel(c, QStringLiteral("lblVisit"), QString(), makeFont(QStringLiteral("Verdana"), 8.25));
    placeTwips(lblVisit, 2520, 600, 7095, 855);

    Label10 =
        makeLabel(c, QStringLiteral("Label10"), kMagicKingdom, makeFont(QStringLiteral("Verdana"), 12, true, true));
    placeTwips(Label10, 120, 840, 1965, 270);
    keepOnOneLine(Label10);

    rtParks2 = new common::RichTextBox(c);
    rtParks2->setObjectName(QStringLiteral("rtParks2"));
    rtParks2->setFont(makeFont(QStringLiteral("Tahoma"), 9.75));
    placeTwips(rtParks2, 120, 1440, 9735, 4455);

    Label8 = makeLabel(c, QStringLiteral("Label8"), QString(), makeFont(QStringLiteral("Verdana"), 9, true));
    placeTwips(Label8, 120, 6000, 9735, 435);

    lblTipLink = new common::HoverLink(QString(), c);
    lblTipLink->setObjectName(QStringLiteral("lblTipLink"));
    lblTipLink->setFont(makeFont(QStringLiteral("Verdana"), 9.75, true));
    lblTipLink->setColors(red, platform::bgrColor(0x00FF0000));
    lblTipLink->setUnderlineAtRest(true);
    lblTipLink->move(platform::twipsToPixels(120), platform::twipsToPixels(6600));

    Picture2 =
        common::PictureButton::create(c, QStringLiteral("Picture2"), QStringLiteral("Close"), 7320, 6480, 1230, 390);
    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Print"), 8640, 6480, 1230, 390);

    QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuExport1 = addNamedItem(mnuFile, QStringLiteral("mnuExport1"), QStringLiteral("Export to text file"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuHome = addNamedItem(mnuFile, QStringLiteral("mnuHome"), QStringLiteral("Close"));

    connect(Combo1, &common::DropDownList::picked, this, &frmParks::Combo1_Click);
    connect(lblTipLink, &common::HoverLink::clicked, this, &frmParks::lblTipLink_Click);
    connect(Picture7, &common::PictureButton::clicked, this, &frmParks::Picture7_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &frmParks::mnuPrint_Click);
    connect(Picture2, &common::PictureButton::clicked, this, &frmParks::Picture2_Click);
    connect(mnuExport1, &QAction::triggered, this, &frmParks::mnuExport1_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmParks::mnuPrint_Click);
    connect(mnuHome, &QAction::triggered, this, &frmParks::mnuHome_Click);
}

void frmParks::Form_Load() {
    Combo1->setShownText(kMagicKingdom);
    showParkAdvice(1);
    BuildParkItinerary(1, itinerary::FillRun::Load);
}

void frmParks::Combo1_Click() {
    const QString choice = Combo1->currentText();
    int park = 0;
    for (int p = 1; p <= 4; ++p)
        if (parkAdvice()[size_t(p - 1)].name == choice)
            park = p;
    if (park == 0)
        return; // only the list's own items are parks
    Label10->setText(choice);
    keepOnOneLine(Label10);
    // The Magic Kingdom's advice is the one shown when the window opens, the
    // park box included; the fill below replaces the whole list in any case.
    if (park == 1)
        Combo1->setEditText(kMagicKingdom);
    showParkAdvice(park);
    BuildParkItinerary(park, itinerary::FillRun::ParkChoice);
}

void frmParks::showParkAdvice(int park) {
    const ParkAdvice& advice = parkAdvice()[size_t(park - 1)];
    lblVisit->setText(advice.visit);
    Label8->setText(advice.spend);
    lblTipLink->setText(advice.tipLink);
    lblTipLink->adjustSize();
}

std::optional<itinerary::MatchValues> frmParks::readProfile() {
    platform::Recordset rs = common::queryOrSay(*m_db, QStringLiteral("Select * from TravelInfo"));
    if (!rs.ok())
        return std::nullopt;
    if (rs.eof()) {
        platform::msgBox(QStringLiteral("Please complete the Start Here Page"));
        return std::nullopt;
    }
    const itinerary::ProfileMatch match =
        itinerary::matchValues(rs.value(QStringLiteral("Kids")), rs.value(QStringLiteral("Daredevel")),
                               rs.value(QStringLiteral("Wet")), rs.value(QStringLiteral("Show")));
    if (!match.values)
        platform::msgBox(match.error);
    return match.values;
}

void frmParks::BuildParkItinerary(int park, itinerary::FillRun run) {
    rtParks2->setText(QString());
    m_db = common::openContentOrSay();
    if (!m_db)
        return;
    const std::optional<itinerary::MatchValues> match = readProfile();
    if (!match)
        return;

    std::array<QVector<itinerary::SuggestedAttraction>, 3> parts;
    for (int part = 0; part < 3; ++part) {
        const itinerary::PartQuery q = itinerary::partQuery(itinerary::DayPart(part + 1), park, *match);
        platform::Recordset rs = common::queryOrSay(*m_db, q.sql, q.binds);
        if (!rs.ok())
            return; // the user has been told why; an incomplete day would mislead
        for (; !rs.eof(); rs.moveNext())
            parts[size_t(part)].append({rs.text(QStringLiteral("Attraction")), rs.text(QStringLiteral("TimeTip"))});
    }

    const itinerary::ItineraryText day = itinerary::composeItinerary(parts, run);
    rtParks2->setText(day.text);
    // The pane keeps its paragraphs apart by single line feeds: look for the
    // headings in that form.
    QStringList headings = day.headings;
    for (QString& heading : headings)
        heading.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    common::CWordWrap wrap;
    wrap.BoldText(*rtParks2, nullptr, 1, headings, day.headingCount);
}

QString frmParks::tipPageFor(int listPosition) {
    switch (listPosition) {
    case 1:
        return QStringLiteral("frmEpcotTips");
    case 2:
        return QStringLiteral("frmMgmTips");
    case 3:
        return QStringLiteral("frmAKTips");
    default:
        return QStringLiteral("frmMKTips");
    }
}

void frmParks::lblTipLink_Click() {
    platform::Forms::open(tipPageFor(Combo1->chosenPosition()));
}

void frmParks::Picture7_Click() {
    platform::Forms::open(QStringLiteral("frmQuick"));
}

void frmParks::mnuExport1_Click() {
    const std::optional<QString> file = platform::Dialogs::instance().save(platform::SaveRequest{
        Combo1->currentText() + QStringLiteral(".txt"), QStringLiteral("Save Travisto Itinerary"),
        QStringLiteral("All files(*.*)|*.*|Data files (*.dat)|*.dat|Text files (*.txt)|*.txt"), 3});
    if (!file || file->isEmpty())
        return;
    const QByteArray bytes = itinerary::exportText(rtParks2->text()).toUtf8();
    QString reason;
    if (!platform::saveWholeFile(*file, bytes, &reason))
        platform::msgBox(
            QStringLiteral("The itinerary could not be saved to %1: %2.").arg(QDir::toNativeSeparators(*file), reason));
}

void frmParks::mnuPrint_Click() {
    common::PrintContentPane(Combo1->currentText() + QStringLiteral(" Park Itinerary"),
                             rtParks2->text() + QStringLiteral("\r\n\r\n"));
}

void frmParks::mnuHome_Click() {
    platform::Forms::returnToMainWindow(objectName());
}

void frmParks::Picture2_Click() {
    platform::Forms::unload(objectName());
}
