#include "guide/TipPages.h"

#include "guide/Registration.h"
#include "platform/Forms.h"

namespace guide {

namespace {

using common::PanePageFrame;
using common::TipPageKind;
using Action = PanePageFrame::Action;

const QString kDashes = QStringLiteral("--");

TipPageKind::Label title(const QString& name, const QString& stored, const QString& loaded = QString()) {
    TipPageKind::Label l = pageLabel(name, stored, 120, 480, 13.5, true);
    l.loaded = loaded;
    return l;
}

TipPageKind::Label paragraph(const QString& name, const QString& text, int top, int height) {
    return pageLabel(name, text, top, height, 9.75, false);
}

// A page of tips of one topic, with the usual furniture: File > Print and
// File > Close, and the Print and Close pictures under the pane.
TipPageKind tipPage(const QString& form, const QString& caption, int topic, const QString& pane, const QString& header,
                    const QVector<TipPageKind::Label>& labels) {
    TipPageKind s;
    s.page.formName = form;
    s.page.caption = caption;
    s.labels = labels;
    s.page.paneName = pane;
    // Topic 1 has its own display order; the others keep the order of their rows.
    s.sql = QStringLiteral("Select * from Tips Where ParkId = %1 %2")
                .arg(topic)
                .arg(topic == 1 ? QStringLiteral("order by orderid, rowid") : QStringLiteral("order by rowid"));
    s.marker = kDashes;
    s.page.printHeader = header;
    addPrintAndClose(s, 6660);
    return s;
}

TipPageKind parkPage(const QString& form, const QString& caption, int topic, const QString& heading) {
    return tipPage(form, caption, topic, QStringLiteral("rtTips"), heading,
                   {title(QStringLiteral("lblTips"), QStringLiteral("Label1"), heading)});
}

TipPageKind generalInformation() {
    TipPageKind s;
    s.page.formName = QStringLiteral("frmGeneral");
    s.page.caption = QStringLiteral("WDW General Information");
    s.page.heightTwips = 8280;
    s.decorativePicture = false;
    s.page.printHeader = QStringLiteral("Walt Disney World General Information");
    s.labels = {title(QStringLiteral("lblTips"), QStringLiteral("Label1"),
                      QStringLiteral("Walt Disney World General Information"))};
    const QStringList paragraphs = {
        QStringLiteral("Walt Disney World is far more than one park. The resort covers some 47 square miles and holds "
                       "four theme parks, two water parks, a downtown area of shops and night clubs, and more than "
                       "twenty resort hotels. Do not plan on seeing it all: pick what matters most to your party."),
        QStringLiteral("The Magic Kingdom is the heart of the resort. Main Street, U.S.A. leads to Cinderella Castle, "
                       "and around it lie Adventureland, Frontierland, Liberty Square, Fantasyland, Tamble's Toontown "
                       "Fair and Tomorrowland, each with its own rides, shows and characters."),
        QStringLiteral("Epcot comes in two halves. Future World, at the front, holds the pavilions of science and "
                       "discovery under the great sphere of Spaceship Earth. World Showcase, behind it, circles a "
                       "lagoon with the pavilions of eleven nations, their food, shops and shows."),
        QStringLiteral("The Disney-MGM Studios take you behind the scenes of film and television, with stunt shows, "
                       "the Twilight Zone Tower of Terror, the Rock 'n' Roller Coaster and the Fantasmic! night show."),
        QStringLiteral(
            "Animal Kingdom mixes live animals with rides and shows. Kilimanjaro Safaris, the walking trails "
            "of Africa and Asia, DINOSAUR and the Festival of the Lion King are its highlights; it closes "
            "earlier than the other parks."),
        QStringLiteral("Downtown Disney brings together the Marketplace, Pleasure Island and the West Side: shopping, "
                       "dining and evening entertainment, with no admission charge for the Marketplace."),
        QStringLiteral("Split your days between the parks: the Magic Kingdom deserves two days, Epcot one or two, the "
                       "Studios and Animal Kingdom a day each or less. A park-hopping ticket lets you spend the "
                       "morning in one park and the evening in another."),
        QStringLiteral("For a restful evening, ride the monorail around the Seven Seas Lagoon and tour the deluxe "
                       "resort hotels: the Contemporary, the Polynesian and the Grand Floridian each have lobbies, "
                       "shops and restaurants worth a visit, even when you are not staying there."),
    };
    for (int i = 0; i < paragraphs.size(); ++i) {
        TipPageKind::Label l = paragraph(QStringLiteral("Label%1").arg(i + 1), QString(), 720 + i * 840, 780);
        l.stored = QStringLiteral("Label%1").arg(i + 1);
        l.loaded = paragraphs[i];
        l.points = 9;
        l.printed = true;
        s.labels << l;
    }
    s.page.menu = {{QStringLiteral("mnuPrint"), QStringLiteral("Print"), Action::Print},
                   {QStringLiteral("mnuHome"), QStringLiteral("Return to Home Page"), Action::Home},
                   {QStringLiteral("mnuClose"), QStringLiteral("Close"), Action::Close}};
    s.page.commands = {
        {QStringLiteral("Command1"), QStringLiteral("Print"), Action::Print, {6900, 7560, 1215, 420}, false},
        {QStringLiteral("Command3"), QStringLiteral("Close"), Action::Close, {8220, 7560, 1215, 420}, false}};
    return s;
}

QVector<TipPageKind> buildKinds() {
    QVector<TipPageKind> kinds;
    kinds << parkPage(QStringLiteral("frmMKTips"), QStringLiteral("Magic Kingdom Tips"), 1,
                      QStringLiteral("Magic Kingdom Tips"));
    kinds << parkPage(QStringLiteral("frmEpcotTips"), QStringLiteral("Epcot Tips"), 2, QStringLiteral("Epcot Tips"));
    kinds << parkPage(QStringLiteral("frmMgmTips"), QStringLiteral("MGM Tips"), 3, QStringLiteral("MGM Studio's Tips"));
    TipPageKind ak = parkPage(QStringLiteral("frmAKTips"), QStringLiteral("Animal Kingdom Tips"), 4,
                              QStringLiteral("Animal Kingdom Tips"));
    ak.page.paneColor = QColor(Qt::white);
    kinds << ak;

    TipPageKind general =
        tipPage(QStringLiteral("frmDPGeneral"), QStringLiteral("Travisto's General Tips"), 10,
                QStringLiteral("rtParks"), QStringLiteral("Travisto's General Tips:"),
                {paragraph(QStringLiteral("Label1"),
                           QStringLiteral("Below are some general tips from the Travisto for your Disney journey. "),
                           240, 600)});
    general.labels[0].bold = true;
    general.extraLineEnd = true;
    general.page.menu[1].name = QStringLiteral("mnuHome");
    kinds << general;

    TipPageKind downtown = tipPage(QStringLiteral("frmDowntown"), QStringLiteral("Downtown Disney Info"), 11,
                                   QStringLiteral("rtParks"), QStringLiteral("Dowtown Disney Area Info:"),
                                   {title(QStringLiteral("Label1"), QStringLiteral("Downtown Disney Info")),
                                    paragraph(QStringLiteral("Label2"), QStringLiteral("Label2"), 660, 1140)});
    downtown.labels[1].loaded = QStringLiteral(
        "Downtown Disney could be considered a big shopping mall, a miniature theme park, or even a nighttime party "
        "world for adults.  The Downtown Disney area stays open late every evening, and if you're staying in a Disney "
        "resort you'll have bus transportation to and from! Admission is free to the Downtown Disney marketplace!");
    TipPageKind::Label tickets = paragraph(QStringLiteral("Label3"), QStringLiteral("Park Tickets Info"), 1860, 300);
    tickets.bold = true;
    tickets.width = 2400;
    tickets.linkTarget = QStringLiteral("frmTickets");
    downtown.labels << tickets;
    // White lettering and the white link on a night-blue ground.
    downtown.page.backColor = QColor(20, 40, 100);
    downtown.labelInk = QColor(255, 255, 255);
    downtown.marker = QStringLiteral("*");
    downtown.page.pane.top = 2280;
    downtown.page.pane.height = 4080;
    downtown.page.menu[1].caption = QStringLiteral("Close ");
    downtown.page.scrollBar = true;
    kinds << downtown;

    TipPageKind money = tipPage(QStringLiteral("frmSaveMoney"), QStringLiteral("Money Saving Tips"), 13,
                                QStringLiteral("rtTips"), QStringLiteral("Money Saving Tips"),
                                {title(QStringLiteral("Label1"), QStringLiteral("Money Saving Tips"))});
    money.page.scrollBar = true;
    kinds << money;

    TipPageKind home = tipPage(
        QStringLiteral("frmBringHome"), QStringLiteral("Bring Home Some of the Magic"), 14, QStringLiteral("rtTips"),
        QStringLiteral("Bring Home a Piece of the Magic"),
        {title(QStringLiteral("Label1"), QStringLiteral("Bring Home a Piece of the Magic.  ")),
         paragraph(QStringLiteral("Label2"),
                   QStringLiteral("Below are some tips on how to remember your Disney World vacation."), 660, 360)});
    kinds << home;

    TipPageKind lines = tipPage(QStringLiteral("frmLines"), QStringLiteral("Line Buster Tips"), 15,
                                QStringLiteral("rtTips"), QStringLiteral("Line Buster Tips"),
                                {title(QStringLiteral("Label1"), QStringLiteral("Line Buster Tips"))});
    lines.page.scrollBar = true;
    kinds << lines;

    TipPageKind kids =
        tipPage(QStringLiteral("frmKidsStuff"), QStringLiteral("Fun Stuff for Kids"), 16, QStringLiteral("rtParks"),
                QStringLiteral("Fun Stuff for Kids"),
                {title(QStringLiteral("Label1"), QStringLiteral("Here are some ideas that your kids will enjoy.  "))});
    kinds << kids;

    kinds << generalInformation();
    return kinds;
}

} // namespace

void registerTipPages() {
    for (const TipPageKind& kind : tipPageKinds())
        platform::Forms::registerForm(kind.page.formName, [kind] { return new common::TipPageViewer(kind); });
}

TipPageKind::Label pageLabel(const QString& name, const QString& text, int top, int height, double points, bool bold) {
    TipPageKind::Label l;
    l.name = name;
    l.stored = text;
    l.left = 120;
    l.top = top;
    l.width = 9360;
    l.height = height;
    l.points = points;
    l.bold = bold;
    return l;
}

void addPrintAndClose(TipPageKind& kind, int top) {
    kind.page.addFileMenu(QStringLiteral("mnuClose"));
    kind.page.addPictures(7020, 8280, top);
}

const QVector<TipPageKind>& tipPageKinds() {
    static const QVector<TipPageKind> kinds = buildKinds();
    return kinds;
}

} // namespace guide
