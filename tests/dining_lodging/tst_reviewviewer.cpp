#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/RichTextBox.h"
#include "dining_lodging/DiningText.h"
#include "dining_lodging/ReviewViewer.h"

#include <QFile>
#include <QLabel>

using dining_lodging::ReviewViewer;
using platform::Forms;

class TestReviewViewer : public WorldTest {
    Q_OBJECT
    ReviewViewer* open(const QString& form) { return qobject_cast<ReviewViewer*>(Forms::open(form)); }

private slots:
    void init() {
        WorldTest::init();
        world->exec(platform::Database::contentFileName(),
                    "INSERT INTO Reviews (HotelId, Restaurant, Park, Title, Name) VALUES "
                    "(17, NULL, 0, 'Camping', 'Ann'), (16, NULL, 0, 'Beach', 'Bob'), "
                    "(0, 'Cinderella''s Royal Table', 1, 'Castle', 'Cy'), (0, 'Biergarten', 2, 'Polka', 'Di'), "
                    "(0, 'Biergarten', 0, 'Second', 'Ed'), (0, 'Boma', 0, 'Africa', 'Flo'), "
                    "(0, NULL, 1, 'Nameless', 'Gus')");
    }

    void reviewsShowElevenLabelledLinesWithSeparatorsOnlyBetween() {
        const dining_lodging::Review r{"Nice", "3/22/2004", "Body", QString(), "Cons", "8",
                                       "9",    QString(),   "10",   "40, 38",  "Tom"};
        const QString block = "Title: Nice\r\n\r\nDate: 3/22/2004\r\n\r\nDetails: Body\r\n\r\nPros: \r\n\r\n"
                              "Cons: Cons\r\n\r\nAccomodations: 8/10\r\nFriendlieness of Staff: 9/10\r\n"
                              "Cleanliness: /10\r\nAtmosphere: 10/10\r\n\r\nAges of group: 40, 38\r\n\r\n"
                              "Name: Tom\r\n\r\n";
        QCOMPARE(dining_lodging::reviewsText({r}), block);
        const QString separator = QString(43, QLatin1Char('_')) + "\r\n\r\n";
        QCOMPARE(dining_lodging::reviewsText({r, r, r}), block + separator + block + separator + block);
        QCOMPARE(dining_lodging::reviewsText({}), QString());
    }

    void aPickShowsEveryReviewOfTheChoice_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("items"); // the resort viewer: from its 17th resort; the last one is picked
        QTest::addColumn<QStringList>("titles");
        // clang-format off
        QTest::newRow("resort 17") << "frmHotelReviews" << QStringList{"Fort Wilderness Resort and Campground"} << QStringList{"Camping"};
        QTest::newRow("apostrophe") << "frmMkFoodReview" << QStringList{"Cinderella's Royal Table"} << QStringList{"Castle"};
        QTest::newRow("name in two parks") << "frmEpcotFoodReview" << QStringList{"Biergarten"} << QStringList{"Polka", "Second"};
        QTest::newRow("resort restaurants") << "frmHotelFoodReviews" << QStringList{"Biergarten", "Boma"} << QStringList{"Africa"};
        QTest::newRow("no reviews in park") << "frmAkFoodReview" << QStringList{} << QStringList{};
        // clang-format on
    }
    void aPickShowsEveryReviewOfTheChoice() {
        QFETCH(QString, form);
        QFETCH(QStringList, items);
        QFETCH(QStringList, titles);
        ReviewViewer* w = open(form);
        QVERIFY(w);
        auto* Picture1 = must<QWidget>(w, "Picture1");
        auto* lblTitle = must<QLabel>(w, "lblTitle");
        auto* rtParks = must<common::RichTextBox>(w, "rtParks");
        const bool resorts = form == QLatin1String("frmHotelReviews");
        const QString prompt = resorts ? "Choose a Disney resort to see it's review." : "Choose a restaurant";
        auto* combo = must<common::DropDownList>(w, "Combo1");
        QCOMPARE(itemTexts(combo).mid(resorts ? 16 : 0), items);
        QCOMPARE(combo->currentText(), prompt);
        const int last = combo->count() - 1;

        // Typed text, even an entry's exact name, runs no query, yet heads the
        // printout (as the prompt does before any choice).
        const QString typed = items.isEmpty() ? QStringLiteral("Typed") : items.last();
        typeOver(combo, typed);
        QTest::keyClick(combo, Qt::Key_Return);
        Picture1->setFocus(); // the focus leaves the box
        QCOMPARE(lblTitle->text(), QString());
        QCOMPARE(rtParks->text(), QString());
        QTest::mouseClick(Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().words(0, 0).first(), typed + " Reviews");
        if (items.isEmpty())
            return;

        pickEntry(combo, last);
        const QString choice = combo->itemText(last);
        QCOMPARE(lblTitle->text(), choice + " Reviews");
        const QString text = rtParks->text();
        QCOMPARE(text.count(QStringLiteral("Title: ")), titles.size());
        for (const QString& title : titles)
            QVERIFY(text.contains("Title: " + title + "\n"));
        QTest::mouseClick(Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(world->printer().words(1, 0).contains(choice + " Reviews"));
    }

    // The menu item closes the main window as the viewer opens; a viewer that
    // cannot open leaves the main window in place.
    void aViewerWithoutItsDatabaseLeavesTheMainWindowInPlace() {
        platform::Form* main = Forms::open(QStringLiteral("frmTamble"));
        QVERIFY(main);
        QVERIFY(QFile::remove(world->folder() + "/" + platform::Database::contentFileName()));
        world->dialogs().answerMessage();
        chooseItem(main, "mnuResortFoodReviews");
        world->settle();
        QCOMPARE(Forms::loadedNames(), QStringList{"frmTamble"});
        QVERIFY(main->isVisible());
    }
};

QTEST_MAIN(TestReviewViewer)
#include "tst_reviewviewer.moc"
