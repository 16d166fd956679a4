#pragma once

#include "common/TipPageViewer.h"
#include "guide/PaneSpans.h"

#include <QStringList>

namespace platform {
class Database;
}

namespace guide {

// One kind of park ticket: its title line and the feature lines it has.
struct TicketKind {
    QString title;
    QStringList features;
};

// The pane's text of the tickets page (paragraphs separated by line feeds)
// and where each title and each feature line stands in it.
struct TicketsPage {
    QString text;
    QVector<TextSpan> titles;
    QVector<TextSpan> features;
};

// The kinds of ticket in display order, each with the features that hold a
// text (an empty or missing feature is left out).
QVector<TicketKind> readTicketKinds(platform::Database& content);

// Each kind as its title on a line of its own, each feature on its own line
// indented by two blanks, then an empty line.
TicketsPage composeTickets(const QVector<TicketKind>& kinds);

// The park tickets page: a tip page whose pane lists the kinds of ticket.
class frmTickets : public common::TipPageViewer {
    Q_OBJECT
public:
    frmTickets();

    // The introduction paragraph that Load shows above the list.
    static QString introduction();

protected:
    void fillPage(platform::Database& content) override;
};

} // namespace guide
