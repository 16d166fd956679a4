#include "dining_lodging/ReviewViewer.h"

#include "common/CWordWrap.h"
#include "common/Controls.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "dining_lodging/DiningText.h"
#include "dining_lodging/Registration.h"
#include "platform/Database.h"
#include "platform/Twips.h"

#include <QComboBox>
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

ReviewViewer::ReviewViewer(const ReviewViewerKind& kind) : platform::Form(kind.formName), m_kind(kind) {
    setWindowTitle(kind.caption);
    setBackColor(Qt::white);
    setClientSizeTwips(9600, 7560);
    QWidget* c = client();
    const QFont verdana = common::makeFont(QStringLiteral("Verdana"), 8.25);

    auto label = [c, &verdana](const QString& name, const QString& text, int l, int t, int w, int h) {
        QLabel* lbl = common::makeLabel(c, name, text);
        lbl->setFont(verdana);
        lbl->setWordWrap(true);
        placeTwips(lbl, l, t, w, h);
        return lbl;
    };
    Label1 = label(QStringLiteral("Label1"), kind.prompt, 240, 120, 9120, 255);
    Label1->setFont(common::makeFont(QStringLiteral("Verdana"), 9.75, true));
    Label2 = label(QStringLiteral("Label2"),
                   QStringLiteral("The following reviews are from miscellaneous Walt Disney World guests.  Their "
                                  "opinion does not necessary reflect the opinion of the Travisto."),
                   240, 480, 9120, 435);
    Label3 =
        label(QStringLiteral("Label3"), QStringLiteral("These reviews have not been modified."), 240, 960, 9120, 255);

    Combo1 = new QComboBox(c);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setFont(verdana);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert); // typed text never joins the list
    placeTwips(Combo1, 240, 1320, 4800, 315);
    if (kind.resorts)
        Combo1->addItems(reviewResorts());
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(kind.comboText);

    lblTitle = label(QStringLiteral("lblTitle"), QString(), 240, 1800, 9120, 300);
    lblTitle->setFont(common::makeFont(QStringLiteral("Verdana"), 9.75, true));

    rtParks = new common::RichTextBox(c);
    rtParks->setObjectName(QStringLiteral("rtParks"));
    rtParks->setFont(verdana);
    placeTwips(rtParks, 240, 2160, 9120, 4680);

    Picture1 =
        common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Print"), 6690, 7020, 1230, 390);
    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 8130, 7020, 1230, 390);

    // Only a pick from the list runs a query; typing into the text does not.
    connect(Combo1, &QComboBox::activated, this, &ReviewViewer::Combo1_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &ReviewViewer::PrintReviews);
    connect(Picture9, &common::PictureButton::clicked, this, &ReviewViewer::Picture9_Click);
}

ReviewViewer::~ReviewViewer() = default;

void ReviewViewer::Form_Load() {
    m_content = platform::Database::openContent();
    if (!m_content) {
        platform::Forms::unload(objectName()); // the missing database has been reported
        return;
    }
    if (m_kind.resorts)
        return;
    // Rows without a restaurant name are resort reviews, never a restaurant.
    platform::Recordset rs = m_content->query(QStringLiteral("Select Distinct Restaurant From Reviews Where Park = ? "
                                                             "And Restaurant Is Not Null Order By Restaurant"),
                                              {m_kind.park});
    QStringList names;
    for (; !rs.eof(); rs.moveNext())
        names << rs.text(QStringLiteral("Restaurant"));
    Combo1->clear();
    Combo1->addItems(names);
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(m_kind.comboText);
}

void ReviewViewer::Combo1_Click(int index) {
    if (!m_content || index < 0 || index >= Combo1->count())
        return;
    const QString choice = Combo1->itemText(index);
    // The name is bound, so a name with an apostrophe finds its reviews.
    platform::Recordset rs =
        m_kind.resorts
            ? m_content->query(QStringLiteral("Select * From Reviews Where HotelId = ? And Restaurant Is Null"),
                               {index + 1})
            : m_content->query(QStringLiteral("Select * From Reviews Where Restaurant = ?"), {choice});
    lblTitle->setText(choice + QStringLiteral(" Reviews"));
    QList<Review> reviews;
    reviews.reserve(rs.recordCount());
    for (; !rs.eof(); rs.moveNext())
        reviews << readReview(rs);
    rtParks->setText(reviewsText(reviews));
}

void ReviewViewer::PrintReviews() {
    common::PrintContentPane(Combo1->currentText() + QStringLiteral(" Reviews"), rtParks->text());
}

void ReviewViewer::Picture9_Click() {
    if (m_kind.returnsToMain)
        platform::Forms::returnToMainWindow(objectName());
    else
        platform::Forms::unload(objectName());
}

void ReviewViewer::closeAction() {
    Picture9_Click();
}

} // namespace dining_lodging
