#include "dining_lodging/ReviewViewer.h"

#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/DropDownList.h"
#include "common/RichTextBox.h"
#include "dining_lodging/DiningText.h"
#include "dining_lodging/Registration.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QLabel>

using platform::placeTwips;

namespace dining_lodging {

namespace {

QList<ReviewViewerKind> makeKinds() {
    const QString chooseRestaurant = QStringLiteral("Choose a restaurant");
    return {
        {QStringLiteral("frmHotelReviews"), QStringLiteral("Disney Resort Guest Reviews"),
         QStringLiteral("Choose a Disney Resort to see what others have experienced."),
         QStringLiteral("Choose a Disney resort to see it's review."), true, 0, false},
        {QStringLiteral("frmMkFoodReview"), QStringLiteral("Magic Kingdom Food Reviews"),
         QStringLiteral("Choose a Magic Kingdom restaurant to see what others have experienced."), chooseRestaurant,
         false, 1, false},
        {QStringLiteral("frmEpcotFoodReview"), QStringLiteral("Epcot Food Reviews"),
         QStringLiteral("Choose a Epcot restaurant to see what others have experienced."), chooseRestaurant, false, 2,
         false},
        {QStringLiteral("frmMGMFoodReview"), QStringLiteral("MGM Food Reviews"),
         QStringLiteral("Choose a MGM restaurant to see what others have experienced."), chooseRestaurant, false, 3,
         false},
        {QStringLiteral("frmAkFoodReview"), QStringLiteral("Animal Kingdom Food Reviews"),
         QStringLiteral("Choose a Animal Kingdom restaurant to see what others have experienced."), chooseRestaurant,
         false, 4, false},
        {QStringLiteral("frmHotelFoodReviews"), QStringLiteral("Disney Resort Food Reviews"),
         QStringLiteral("Choose a Disney Restaurant to see what others have experienced."), chooseRestaurant, false, 0,
         true},
    };
}

Review readReview(const platform::Recordset& rs) {
    auto field = [&rs](const char* name) { return rs.text(QLatin1String(name)); };
    return {field("Title"),      field("Date"),    field("details"),  field("Pros"),
            field("Cons"),       field("Quality"), field("Friendly"), field("Cleanliness"),
            field("Atmosphere"), field("Age"),     field("Name")};
}

} // namespace

void registerReviewViewers() {
    for (const ReviewViewerKind& kind : reviewViewerKinds())
        platform::Forms::registerForm(kind.formName, [&kind] { return new ReviewViewer(kind); });
}

const QList<ReviewViewerKind>& reviewViewerKinds() {
    static const QList<ReviewViewerKind> kinds = makeKinds();
    return kinds;
}

const QStringList& reviewResorts() {
    static const QStringList resorts = {QStringLiteral("All Star Movies"),
                                        QStringLiteral("All Star Music"),
                                        QStringLiteral("All Star Sports"),
                                        QStringLiteral("Pop Century"),
                                        QStringLiteral("Caribbean Beach"),
                                        QStringLiteral("Coronado Springs"),
                                        QStringLiteral("Port Orleans"),
                                        QStringLiteral("Animal Kingdom Lodge"),
                                        QStringLiteral("Boardwalk"),
                                        QStringLiteral("Contemporary"),
                                        QStringLiteral("Grand Floridian"),
                                        QStringLiteral("Polynesian"),
                                        QStringLiteral("Swan"),
                                        QStringLiteral("Dolphin"),
                                        QStringLiteral("Wilderness Lodge"),
                                        QStringLiteral("Yacht & Beach Club"),
                                        QStringLiteral("Fort Wilderness Resort and Campground")};
    return resorts;
}

namespace {

common::PanePageFrame viewerFrame(const ReviewViewerKind& kind) {
    using Action = common::PanePageFrame::Action;
    common::PanePageFrame frame;
    frame.formName = kind.formName;
    frame.caption = kind.caption;
    frame.heightTwips = 7560;
    frame.backColor = Qt::white;
    frame.paneName = QStringLiteral("rtParks");
    frame.pane = {240, 2160, 9120, 4680};
    frame.paneFont = common::makeFont(QStringLiteral("Verdana"), 8.25);
    // The viewer that replaced the main window closes back to it.
    frame.closeBox = kind.returnsToMain ? Action::Home : Action::Close;
    frame.addPictures(6690, 8130, 7020, frame.closeBox);
    return frame;
}

} // namespace

ReviewViewer::ReviewViewer(ReviewViewerKind kind) : common::PanePage(viewerFrame(kind)), m_kind(std::move(kind)) {
    QWidget* c = client();
    const QFont verdana = common::makeFont(QStringLiteral("Verdana"), 8.25);

    auto label = [c, &verdana](const QString& name, const QString& text, int l, int t, int w, int h) {
        QLabel* lbl = common::makeLabel(c, name, text);
        lbl->setFont(verdana);
        lbl->setWordWrap(true);
        placeTwips(lbl, l, t, w, h);
        return lbl;
    };
    label(QStringLiteral("Label1"), m_kind.prompt, 240, 120, 9120, 255)
        ->setFont(common::makeFont(QStringLiteral("Verdana"), 9.75, true));
    label(QStringLiteral("Label2"),
          QStringLiteral("The following reviews are from miscellaneous Walt Disney World guests.  Their "
                         "opinion does not necessary reflect the opinion of the Travisto."),
          240, 480, 9120, 435);
    label(QStringLiteral("Label3"), QStringLiteral("These reviews have not been modified."), 240, 960, 9120, 255);

    Combo1 = new common::DropDownList(c, QStringLiteral("Combo1"));
    Combo1->setFont(verdana);
    placeTwips(Combo1, 240, 1320, 4800, 315);
    if (m_kind.resorts)
        Combo1->addItems(reviewResorts());
    Combo1->setShownText(m_kind.comboText);
    connect(Combo1, &common::DropDownList::picked, this, &ReviewViewer::Combo1_Click);

    lblTitle = label(QStringLiteral("lblTitle"), QString(), 240, 1800, 9120, 300);
    lblTitle->setFont(common::makeFont(QStringLiteral("Verdana"), 9.75, true));
}

void ReviewViewer::fillPage(platform::Database& content) {
    if (m_kind.resorts)
        return;
    // Rows without a restaurant name are resort reviews, never a restaurant.
    platform::Recordset rs = common::queryOrSay(content,
                                                QStringLiteral("Select Distinct Restaurant From Reviews Where Park = ? "
                                                               "And Restaurant Is Not Null Order By Restaurant"),
                                                {m_kind.park});
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.text(QStringLiteral("Restaurant"));
    Combo1->clear();
    Combo1->addItems(names);
    Combo1->setShownText(m_kind.comboText);
}

void ReviewViewer::Combo1_Click(int index) {
    platform::Database* content = database();
    if (!content || index < 0 || index >= Combo1->count())
        return;
    const QString choice = Combo1->itemText(index);
    // The name is bound, so a name with an apostrophe finds its reviews.
    platform::Recordset rs =
        m_kind.resorts
            ? common::queryOrSay(*content,
                                 QStringLiteral("Select * From Reviews Where HotelId = ? And Restaurant Is Null"),
                                 {index + 1})
            : common::queryOrSay(*content, QStringLiteral("Select * From Reviews Where Restaurant = ?"), {choice});
    lblTitle->setText(choice + QStringLiteral(" Reviews"));
    QList<Review> reviews;
    reviews.reserve(rs.recordCount());
    for (; !rs.eof(); rs.moveNext())
        reviews << readReview(rs);
    pane()->setText(reviewsText(reviews));
}

QString ReviewViewer::printHeader() const {
    return Combo1->currentText() + QStringLiteral(" Reviews");
}

} // namespace dining_lodging
