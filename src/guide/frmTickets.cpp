#include "guide/frmTickets.h"

#include "common/DatabaseMessages.h"
#include "common/RichTextBox.h"
#include "guide/TipPages.h"
#include "platform/Database.h"

#include <QTextCharFormat>

namespace guide {

namespace {

using common::TipPageKind;

TipPageKind ticketsKind() {
    TipPageKind s;
    s.page.formName = QStringLiteral("frmTickets");
    s.page.caption = QStringLiteral("Park Tickets");
    s.page.heightTwips = 8160;
    TipPageKind::Label introduction =
        pageLabel(QStringLiteral("Label2"), QStringLiteral("Label2"), 660, 1380, 8.25, false);
    introduction.font = QStringLiteral("Verdana");
    introduction.loaded = frmTickets::introduction();
    TipPageKind::Label children = pageLabel(
        QStringLiteral("Label3"),
        QStringLiteral("*Kids prices apply to children age 3 - 9.  Under 3 children are free."), 2070, 300, 9, true);
    children.font = QStringLiteral("Arial");
    s.labels = {pageLabel(QStringLiteral("Label1"), QStringLiteral("Park Tickets Information"), 120, 480, 13.5, true),
                introduction, children};
    s.page.paneName = QStringLiteral("rtParks");
    s.page.pane.top = 2400;
    s.page.pane.height = 5160;
    s.page.scrollBar = true;
    s.page.printHeader = QStringLiteral("Walt Disney World Park Ticket Information:");
    addPrintAndClose(s, 7650);
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

frmTickets::frmTickets() : common::TipPageViewer(ticketsKind()) {}

void frmTickets::fillPage(platform::Database& content) {
    const QVector<TicketKind> kinds = readTicketKinds(content);
    common::sayDatabaseFailure(content);
    const TicketsPage page = composeTickets(kinds);
    common::RichTextBox& box = *pane();
    box.setText(page.text);
    // Each title and feature line is formatted where it was written, so a
    // title that recurs further down is coloured only on its own line, and a
    // short feature stays readable.
    formatSpans(box, page.features, QTextCharFormat(), true);
    formatSpans(box, page.titles, emphasis(QColor(255, 0, 0)), false);
}

} // namespace guide
