#include "guide/AttractionGuide.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/Registration.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace guide {

namespace {

using platform::placeTwips;

AttractionGuideKind grouped(const QString& form, const QString& title, int park, const QStringList& headings,
                            const QString& picture) {
    AttractionGuideKind s;
    s.formName = form;
    s.title = title;
    s.parkId = park;
    s.headings = headings;
    s.pictureCaption = picture;
    return s;
}

QVector<AttractionGuideKind> buildKinds() {
    QVector<AttractionGuideKind> kinds;
    kinds << grouped(QStringLiteral("frmMkAttractions"), QStringLiteral("Magic Kingdom Attractions"), 1,
                     {QStringLiteral("Main Street, U.S.A. Attractions"), QStringLiteral("Adventureland Attractions"),
                      QStringLiteral("Frontierland Attractions"), QStringLiteral("Liberty Square Attractions"),
                      QStringLiteral("Fantasyland Attractions"), QStringLiteral("Tamble's Toontown Fair Attractions"),
                      QStringLiteral("Tomorrowland Attractions")},
                     QStringLiteral("MK"));
    kinds << grouped(QStringLiteral("frmEpcotAttractions"), QStringLiteral("Epcot Attractions"), 2,
                     {QStringLiteral("Spaceship Earth Attractions"), QStringLiteral("Universe of Energy Attractions"),
                      QStringLiteral("Wonders of Life Attractions"), QStringLiteral("Test Track Attractions"),
                      QStringLiteral("Innoventions Attractions"), QStringLiteral("The Living Seas Attractions"),
                      QStringLiteral("The Land Attractions"), QStringLiteral("Imagination! Attractions"),
                      QStringLiteral("Mission Space Attractions"), QStringLiteral("World Showcase Attractions")},
                     QStringLiteral("EPCOT"));
    AttractionGuideKind mgm =
        grouped(QStringLiteral("frmMGMAttractions"), QStringLiteral("MGM Attractions"), 3, {}, QStringLiteral("MGM"));
    mgm.nameColor = QColor(255, 0, 0);
    kinds << mgm;
    AttractionGuideKind ak =
        grouped(QStringLiteral("frmAkAttractions"), QStringLiteral("Animal Kingdom Attractions"), 4,
                {QStringLiteral("Discovery Island"), QStringLiteral("Camp Minnie-Tamble"), QStringLiteral("Africa"),
                 QStringLiteral("Rafiki's Planet Watch"), QStringLiteral("Asia"), QStringLiteral("DinoLand U.S.A")},
                QStringLiteral("AK"));
    ak.linksOpenOnPress = true;
    kinds << ak;
    return kinds;
}

// A link that opens its page as soon as the mouse button goes down on it.
class PressLink : public common::HoverLink {
public:
    PressLink(const QString& caption, QWidget* parent, std::function<void()> action)
        : common::HoverLink(caption, parent), m_action(std::move(action)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            m_action();
        else
            common::HoverLink::mousePressEvent(event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

const QVector<AttractionGuideKind>& attractionGuideKinds() {
    static const QVector<AttractionGuideKind> kinds = buildKinds();
    return kinds;
}

void registerAttractionGuides() {
    for (const AttractionGuideKind& kind : attractionGuideKinds()) {
        const AttractionGuideKind* s = &kind;
        platform::Forms::registerForm(kind.formName, [s] { return new AttractionGuide(*s); });
    }
}

QVector<GuideRow> readGuideRows(const AttractionGuideKind& kind, platform::Database& content) {
    // Rows of one land keep the order they were stored in; the studios guide
    // goes by name, whatever the letters' case.
    const QString sql = kind.headings.isEmpty()
                            ? QStringLiteral("Select Attraction, Description, land from ParkPlanner Where ParkId = ? "
                                             "Order by Attraction COLLATE NOCASE, rowid")
                            : QStringLiteral("Select Attraction, Description, land from ParkPlanner Where ParkId = ? "
                                             "Order by land, rowid");
    QVector<GuideRow> rows;
    for (platform::Recordset rs = content.query(sql, {kind.parkId}); !rs.eof(); rs.moveNext())
        rows.append({rs.text(QStringLiteral("Attraction")), rs.text(QStringLiteral("Description")),
                     rs.integer(QStringLiteral("land"), 0)});
    return rows;
}

GuidePage composeGuide(const AttractionGuideKind& kind, const QVector<GuideRow>& rows) {
    GuidePage page;
    const bool grouping = !kind.headings.isEmpty();
    // A group is headed by the table entry at the land of the group before it
    // (entry 0 for the first); a land outside the table leaves the heading as
    // it was. Land 0 never ends a group, so each of its rows starts one.
    int previousLand = 0;
    QString heading;
    for (const GuideRow& row : rows) {
        if (grouping && (row.land != previousLand || previousLand == 0)) {
            if (previousLand >= 0 && previousLand < kind.headings.size())
                heading = kind.headings[previousLand];
            page.headings.append({int(page.text.size()), int(heading.size())});
            page.text += heading + QStringLiteral("\n\n");
            previousLand = row.land;
        }
        const QString name = row.attraction.toUpper();
        page.text += QStringLiteral("  ");
        page.names.append({int(page.text.size()), int(name.size())});
        page.text += name + QStringLiteral(" - ") + row.description + QStringLiteral("\n\n");
    }
    return page;
}

namespace {

common::PanePageFrame guideFrame(const AttractionGuideKind& kind) {
    common::PanePageFrame frame;
    frame.formName = kind.formName;
    frame.caption = kind.title;
    frame.backColor = platform::bgrColor(0x00C00000);
    frame.paneName = QStringLiteral("rtParks");
    frame.pane = {240, 780, 9120, 5700};
    frame.paneFont = common::makeFont(QStringLiteral("MS Sans Serif"), 9.75);
    frame.scrollBar = true;
    frame.addPictures(6720, 8130, 6630);
    frame.addFileMenu(QStringLiteral("mnuHome"));
    frame.printHeader = kind.title;
    return frame;
}

} // namespace

AttractionGuide::AttractionGuide(AttractionGuideKind kind)
    : common::PanePage(guideFrame(kind)), m_kind(std::move(kind)) {
    QWidget* c = client();
    const QColor white(255, 255, 255);

    QLabel* Label1 = common::makeLabel(c, QStringLiteral("Label1"), m_kind.title);
    Label1->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 13.5, true));
    common::setInk(Label1, white);
    placeTwips(Label1, 240, 120, 7200, 480);

    auto* Picture2 = new QLabel(c);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    placeTwips(Picture2, 8040, 60, 1320, 600);
    Picture2->setPixmap(
        common::PictureButton::captionPicture(Picture2->size(), m_kind.pictureCaption, white, QColor(0, 0, 120), 14));

    auto link = [&](const QString& name, const QString& caption, int left, void (AttractionGuide::*handler)()) {
        common::HoverLink* label = nullptr;
        if (m_kind.linksOpenOnPress) {
            label = new PressLink(caption, c, [this, handler] { (this->*handler)(); });
        } else {
            label = new common::HoverLink(caption, c);
            connect(label, &common::HoverLink::clicked, this, handler);
        }
        label->setObjectName(name);
        label->setFont(common::makeFont(QStringLiteral("MS Sans Serif"), 9.75, true));
        label->setColors(white, QColor(255, 0, 0));
        label->setUnderlineAtRest(true);
        placeTwips(label, left, 6690, 1920, 300);
    };
    link(QStringLiteral("Label2"), QStringLiteral("Fastpass Info"), 240, &AttractionGuide::Label2_Click);
    link(QStringLiteral("Label3"), QStringLiteral("Park Tickets Info"), 2400, &AttractionGuide::Label3_Click);
}

void AttractionGuide::fillPage(platform::Database& content) {
    const QVector<GuideRow> rows = readGuideRows(m_kind, content);
    common::sayDatabaseFailure(content);
    const GuidePage page = composeGuide(m_kind, rows);
    common::RichTextBox& box = *pane();
    box.setText(page.text);
    // Each name and heading is formatted where it was written, so a name or a
    // heading that also occurs in another attraction's description is left
    // alone there.
    formatSpans(box, page.names, emphasis(m_kind.nameColor.value_or(QColor())), true);
    formatSpans(box, page.headings, emphasis(QColor(255, 0, 0)), false);
}

void AttractionGuide::Label2_Click() {
    platform::Forms::open(QStringLiteral("frmFastpass"));
}

void AttractionGuide::Label3_Click() {
    platform::Forms::open(QStringLiteral("frmTickets"));
}

} // namespace guide
