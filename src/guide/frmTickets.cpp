#include "guide/frmTickets.h"

#include "common/Controls.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/TipPages.h"
#include "platform/Database.h"

#include <QAction>
#include <QLabel>
#include <QTextCharFormat>

namespace guide {

namespace {

using common::TipPageKind;
using Action = TipPageKind::Action;

TipPageKind ticketsKind() {
    TipPageKind s;
    s.formName = QStringLiteral("frmTickets");
    s.caption = QStringLiteral("Park Tickets");
    s.heightTwips = 8160;
    s.labels = {pageLabel(QStringLiteral("Label1"), QStringLiteral("Park Tickets Information"), 120, 480, 13.5, true),
                pageLabel(QStringLiteral("Label2"), QStringLiteral("Label2"), 660, 1380, 8.25, false),
                pageLabel(QStringLiteral("Label3"),
                          QStringLiteral("*Kids prices apply to children age 3 - 9.  Under 3 children are free."), 2070,
                          300, 9, true)};
    s.paneName = QStringLiteral("rtParks");
    s.paneTop = 2400;
    s.paneHeight = 5160;
    s.scrollBar = true;
    s.printHeader = QStringLiteral("Walt Disney World Park Ticket Information:");
    s.menu = {{QStringLiteral("mnuPrint"), QStringLiteral("Print"), Action::Print},
              {QStringLiteral("mnuClose"), QStringLiteral("Close"), Action::Close}};
    s.commands = {{QStringLiteral("Picture1"), QStringLiteral("Print"), Action::Print, true, 7020, 7650},
                  {QStringLiteral("Picture9"), QStringLiteral("Close"), Action::Close, true, 8280, 7650}};
    return s;
}

} // namespace

QVector<TicketKind> readTicketKinds(platform::Database& content) {
    static const char* const featureColumns[] = {"Feature1", "Feature2", "Feature3", "Feature4", "Feature5"};
    QVector<TicketKind> kinds;
    for (platform::Recordset rs = content.query(QStringLiteral("Select Tip, Feature1, Feature2, Feature3, Feature4, "
                                                               "Feature5 from Tips Where ParkId = 12 "
                                                               "Order by orderid asc, rowid"));
         !rs.eof(); rs.moveNext()) {
        TicketKind kind{rs.text(QStringLiteral("Tip")), {}};
        for (const char* column : featureColumns) {
            const QString feature = rs.text(QLatin1String(column));
            if (!feature.isEmpty())
                kind.features << feature;
        }
        kinds.append(kind);
    }
    return kinds;
}

TicketsPage composeTickets(const QVector<TicketKind>& kinds) {
    TicketsPage page;
    for (const TicketKind& kind : kinds) {
        page.titles.append({int(page.text.size()), int(kind.title.size())});
        page.text += kind.title + QLatin1Char('\n');
        for (const QString& feature : kind.features) {
            const QString line = QStringLiteral("  ") + feature;
            page.features.append({int(page.text.size()), int(line.size())});
            page.text += line + QLatin1Char('\n');
        }
        page.text += QLatin1Char('\n');
    }
    return page;
}

QString frmTickets::introduction() {
    return QStringLiteral(
        "You have several options when you are buying Disney World tickets.  Below are the different types of "
        "tickets and their advantages.  The prices listed include tax and are believed to be correct at time of "
        "release but they are forever changing.  You can buy your tickets from Disney's official web site, "
        "www.disneyworld.com, from your local Disney Store or from AAA, or when you arrive, at your resort hotel "
        "or at the parks.  Buying your park tickets in advance is currently discounted; see the official web site "
        "for the details.  AAA's discount applies only to tickets bought from AAA.  Kids under 3 are free.");
}

frmTickets::frmTickets() : common::TipPageViewer(ticketsKind()) {
    Label1 = label(QStringLiteral("Label1"));
    Label2 = label(QStringLiteral("Label2"));
    Label3 = label(QStringLiteral("Label3"));
    Label2->setFont(common::makeFont(QStringLiteral("Verdana"), 8.25));
    Label3->setFont(common::makeFont(QStringLiteral("Arial"), 9, true));
    rtParks = pane();
    Picture1 = findChild<common::PictureButton*>(QStringLiteral("Picture1"));
    Picture9 = findChild<common::PictureButton*>(QStringLiteral("Picture9"));
    mnuPrint = findChild<QAction*>(QStringLiteral("mnuPrint"));
    mnuClose = findChild<QAction*>(QStringLiteral("mnuClose"));
}

void frmTickets::Form_Load() {
    Label2->setText(introduction());
    auto db = platform::Database::openContent();
    if (!db)
        return; // reported; the page keeps its introduction and an empty list
    const TicketsPage page = composeTickets(readTicketKinds(*db));
    rtParks->setText(page.text);
    // Each title and feature line is formatted where it was written, so a
    // title that recurs further down is coloured only on its own line, and a
    // short feature stays readable.
    formatSpans(*rtParks, page.features, QTextCharFormat(), true);
    formatSpans(*rtParks, page.titles, emphasis(QColor(255, 0, 0)), false);
}

} // namespace guide
