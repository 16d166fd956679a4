#include "guide/ParkAttractionList.h"

#include "common/Controls.h"
#include "common/RichTextBox.h"
#include "guide/Registration.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace guide {

namespace {

ParkListRow fastpassRow(const platform::Recordset& rs) {
    return {QStringLiteral("--") + rs.text(QStringLiteral("Tip")), 2};
}

ParkListRow heightRow(const platform::Recordset& rs) {
    return {QStringLiteral("--") + rs.text(QStringLiteral("Attraction")) + QStringLiteral(" - Must be ") +
                rs.text(QStringLiteral("Height")) + QStringLiteral(" inches tall"),
            2};
}

// The lead takes in the two blanks before the name, so a row without a name
// is still a bulleted paragraph.
ParkListRow favoriteRow(const platform::Recordset& rs) {
    const QString name = QStringLiteral("  ") + rs.text(QStringLiteral("Attraction")).toUpper();
    return {name + QStringLiteral(" -  ") + rs.text(QStringLiteral("Reason")), int(name.size())};
}

ParkListKind makeFastpass() {
    ParkListKind s;
    s.formName = QStringLiteral("frmFastpass");
    s.caption = QStringLiteral("Fastpass Information");
    s.intro = QStringLiteral(
        "Fastpass is one of the greatest things to happen at Disney World in recent years.  Unless of course you like "
        "standing in long lines.  Fastpass is simple to use and FREE.  Simply slide your park pass into one of the "
        "participating rides fastpass kiosk.  Next, out pops your fastpass ticket with a specified time frame to "
        "return.  You will be able to board this attraction with little or no wait time.  ");
    s.note = QStringLiteral("You can get a second fastpass 2 hours after your first one is issued OR after your first "
                            "fastpass has been used, whichever comes first! ");
    s.query = QStringLiteral("Select * from Tips Where ParkId = ?");
    s.keys = {6, 7, 8, 9};
    s.headings = {QStringLiteral("Magic Kingdom participating FASTPASS attractions:"),
                  QStringLiteral("Epcot participating FASTPASS attractions:"),
                  QStringLiteral("MGM participating FASTPASS attractions:"),
                  QStringLiteral("Animal Kingdom participating FASTPASS attractions:")};
    s.row = fastpassRow;
    s.whiteLead = true;
    s.printHeader = QStringLiteral("Participating Fastpass attractions");
    return s;
}

ParkListKind makeHeight() {
    ParkListKind s;
    s.formName = QStringLiteral("frmHeight");
    s.caption = QStringLiteral("Rides With Height Restrictions");
    s.intro = QStringLiteral("The following attractions have Height requirements in order to ride.  So don't get mad "
                             "at the ride operator.  They're only doing their job.");
    s.query = QStringLiteral("Select * from ParkPlanner Where ParkId = ? And Height > 0");
    s.keys = {1, 2, 3, 4};
    s.headings = {QStringLiteral("Magic Kingdom attractions with height restrictions:"),
                  QStringLiteral("Epcot attractions with height restrictions:"),
                  QStringLiteral("MGM attractions with height restrictions:"),
                  QStringLiteral("Animal Kingdom attractions with height restrictions:")};
    s.row = heightRow;
    s.whiteLead = true;
    s.printHeader = QStringLiteral("Attractions with Height restrictions");
    s.picture = ParkListKind::Decoration::Ruler;
    return s;
}

ParkListKind makeFavorite() {
    ParkListKind s;
    s.formName = QStringLiteral("frmFavorite");
    s.caption = QStringLiteral("Travisto's Favorite Attractions");
    s.intro = QStringLiteral("Below are the attractions that the  Travisto likes best!");
    s.query = QStringLiteral("Select * from ParkPlanner Where ParkId = ? And Favorite = 1");
    s.keys = {1, 2, 3, 4};
    s.headings = {QStringLiteral("Magic Kingdom"), QStringLiteral("Epcot "), QStringLiteral("MGM "),
                  QStringLiteral("Animal Kingdom ")};
    s.row = favoriteRow;
    s.printHeader = QStringLiteral("Travisto's Favorite Attractions:");
    s.picture = ParkListKind::Decoration::Star;
    return s;
}

QPixmap decorationPicture(ParkListKind::Decoration decoration, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    if (decoration == ParkListKind::Decoration::Ruler) {
        // A measuring stick with inch marks.
        p.setBrush(QColor(250, 210, 60));
        p.setPen(QPen(QColor(120, 80, 0), 1));
        p.drawRect(QRectF(w * 0.35, 2, w * 0.3, h - 4));
        for (int i = 1; i < 12; ++i) {
            const double y = 2 + (h - 4) * i / 12.0;
            p.drawLine(QPointF(w * 0.35, y), QPointF(w * (i % 3 == 0 ? 0.55 : 0.45), y));
        }
    } else if (decoration == ParkListKind::Decoration::Star) {
        QPainterPath star;
        const QPointF centre(w / 2, h / 2);
        const double outer = std::min(w, h) / 2 - 2;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? outer * 0.45 : outer;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
            i ? star.lineTo(point) : star.moveTo(point);
        }
        star.closeSubpath();
        p.setBrush(QColor(250, 200, 40));
        p.setPen(QPen(QColor(150, 100, 0), 1.5));
        p.drawPath(star);
    }
    return pixmap;
}

} // namespace

void registerParkAttractionLists() {
    for (const ParkListKind* kind : {&fastpassKind(), &heightKind(), &favoriteKind()})
        platform::Forms::registerForm(kind->formName, [kind] { return new ParkAttractionList(*kind); });
}

const ParkListKind& fastpassKind() {
    static const ParkListKind kind = makeFastpass();
    return kind;
}

const ParkListKind& heightKind() {
    static const ParkListKind kind = makeHeight();
    return kind;
}

const ParkListKind& favoriteKind() {
    static const ParkListKind kind = makeFavorite();
    return kind;
}

ParkListPage composeParkList(const ParkListKind& kind, platform::Database& content) {
    ParkListPage page;
    for (size_t park = 0; park < kind.keys.size(); ++park) {
        const QString& heading = kind.headings[park];
        int headingLength = int(heading.size());
        while (headingLength > 0 && heading[headingLength - 1] == QLatin1Char(' '))
            --headingLength;
        page.headings.append({int(page.text.size()), headingLength});
        page.text += heading + QStringLiteral("\n\n");
        platform::Recordset rs = content.query(kind.query, {kind.keys[park]});
        if (!rs.ok())
            page.failures << content.failureText();
        for (; !rs.eof(); rs.moveNext()) {
            const ParkListRow row = kind.row(rs);
            page.leads.append({int(page.text.size()), row.lead});
            page.text += row.text + QLatin1Char('\n');
        }
        page.text += QLatin1Char('\n');
    }
    return page;
}

namespace {

// The pane fills the page below the introduction (and the Fastpass note).
int paneTop(const ParkListKind& kind) {
    return kind.note.isEmpty() ? 1560 : 2340;
}

common::PanePageFrame listFrame(const ParkListKind& kind) {
    common::PanePageFrame frame;
    frame.formName = kind.formName;
    frame.caption = kind.caption;
    frame.backColor = Qt::white;
    frame.paneName = QStringLiteral("rtParks");
    frame.pane = {240, paneTop(kind), 9120, 6600 - paneTop(kind)};
    frame.addPictures(6600, 8040, 6690);
    frame.addFileMenu(QStringLiteral("mnuHome"));
    frame.printHeader = kind.printHeader;
    return frame;
}

} // namespace

ParkAttractionList::ParkAttractionList(ParkListKind kind) : common::PanePage(listFrame(kind)), m_kind(std::move(kind)) {
    QWidget* c = client();

    auto introLabel = [c](const QString& name, const QString& text) {
        auto* label = new QLabel(text, c);
        label->setObjectName(name);
        label->setFont(common::makeFont(QStringLiteral("Verdana"), 8.25));
        label->setWordWrap(true);
        label->setMargin(4);
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        pal.setColor(QPalette::Window, QColor(0, 0, 192));
        label->setPalette(pal);
        return label;
    };

    QLabel* Label1 = introLabel(QStringLiteral("Label1"), m_kind.intro);
    if (m_kind.picture != ParkListKind::Decoration::None) {
        auto* Picture2 = new QLabel(c);
        Picture2->setObjectName(QStringLiteral("Picture2"));
        platform::placeTwips(Picture2, 240, 120, 1200, 1320);
        Picture2->setPixmap(decorationPicture(m_kind.picture, Picture2->size()));
        platform::placeTwips(Label1, 1560, 120, 7800, 1320);
    } else {
        platform::placeTwips(Label1, 240, 120, 9120, 1320);
    }
    if (!m_kind.note.isEmpty()) {
        auto* Shape1 = new QFrame(c);
        Shape1->setObjectName(QStringLiteral("Shape1"));
        Shape1->setFrameShape(QFrame::Box);
        Shape1->setLineWidth(2);
        platform::placeTwips(Shape1, 240, 1560, 9120, 660);
        platform::placeTwips(introLabel(QStringLiteral("Label2"), m_kind.note), 300, 1620, 9000, 540);
    }
}

void ParkAttractionList::fillPage(platform::Database& content) {
    const ParkListPage page = composeParkList(m_kind, content);
    for (const QString& failure : page.failures)
        platform::msgBox(failure);
    common::RichTextBox& box = *pane();
    box.setText(page.text);
    // Each heading and each row's marker or name is formatted where it was
    // written, so the same words inside a row's text are left as they are.
    formatSpans(box, page.leads, emphasis(m_kind.whiteLead ? QColor(255, 255, 255) : QColor()), true);
    formatSpans(box, page.headings, emphasis(QColor(255, 0, 0)), false);
}

} // namespace guide
