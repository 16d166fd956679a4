#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "shell/KeywordSearch.h"
#include "shell/frmSearch.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::Forms;

namespace {

// What the pane should hold for these entry texts, numbered from 1.
QString numbered(const QStringList& entries) {
    QString text;
    for (int i = 0; i < entries.size(); ++i)
        text += QStringLiteral("%1.  %2\r\n\r\n").arg(i + 1).arg(entries[i]);
    return text;
}

// The pane shows the same text with paragraphs split by line feeds.
QString asShown(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    void addFixtures() {
        const QString content = platform::Database::contentFileName();
        world->exec(content, QStringLiteral("INSERT INTO Tips (Tip, Search) VALUES "
                                            "('Visit the Castle early', 0), ('Disney''s best kept secret', 0), "
                                            "('Save 50% off at lunch', 0), ('Save 500 off at dinner', 0), "
                                            "('Hidden castle tip', 1), ('Unsearchable castle tip', NULL), "
                                            "('A pool tip', 0), ('Another pool tip', 0), ('Pool towels are free', 2), "
                                            "('', 0), (NULL, 0)"));
        world->exec(content, QStringLiteral("INSERT INTO Reservations (Location, Description) VALUES "
                                            "('Cinderella''s Royal Table', 'Dine in the castle'), "
                                            "('Plain Place', NULL)"));
        world->exec(content, QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Description) VALUES "
                                            "(1, 'Space Mountain', 'A roller coaster in the dark')"));
        world->exec(content, QStringLiteral("INSERT INTO Hotels (Hotel, Cost, Description) VALUES "
                                            "('Grand Floridian', '$300', 'Near the castle by monorail'), "
                                            "('Pool Resort', '$120', 'Basic rooms'), "
                                            "('Beach Club', NULL, 'A sandy pool')"));
        world->exec(content, QStringLiteral("INSERT INTO Contacts (Contact, ContactPhone, ContactNotes) VALUES "
                                            "('Dining Line', '407-939-3463', 'Book castle dining'), "
                                            "('Phone Only', 'castle-555', 'nothing here'), "
                                            "('Castle Cruises', NULL, 'Boat tours')"));
    }

private slots:
    void init() {
        world = std::make_unique<TestWorld>(false);
        addFixtures();
    }
    void cleanup() { world.reset(); }

    void keywordFindsTextLiterallyAnywhereIgnoringCase_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("entries");
        const QStringList castle = {
            QStringLiteral("Visit the Castle early"),
            QStringLiteral("Cinderella's Royal Table: Dine in the castle"),
            QStringLiteral("Grand Floridian: $300, Near the castle by monorail"),
            QStringLiteral("Dining Line: 407-939-3463, Book castle dining"),
            QStringLiteral("Castle Cruises: , Boat tours"),
        };
        QTest::newRow("lower case") << "castle" << castle;
        QTest::newRow("upper case") << "CASTLE" << castle;
        QTest::newRow("inside a word") << "astl" << castle;
        QTest::newRow("three tips, two hotels")
            << "pool"
            << QStringList{"A pool tip", "Another pool tip", "Pool towels are free", "Pool Resort: $120, Basic rooms",
                           "Beach Club: , A sandy pool"};
        QTest::newRow("apostrophe") << "Disney's" << QStringList{"Disney's best kept secret"};
        QTest::newRow("apostrophe in a name")
            << "la's Roy" << QStringList{"Cinderella's Royal Table: Dine in the castle"};
        QTest::newRow("percent sign is literal") << "50%" << QStringList{"Save 50% off at lunch"};
        QTest::newRow("underscore is literal") << "Save_5" << QStringList();
        QTest::newRow("phone is shown, not searched") << "555" << QStringList();
        QTest::newRow("nothing found") << "zebra" << QStringList();
    }
    void keywordFindsTextLiterallyAnywhereIgnoringCase() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, entries);
        auto db = world->content();
        QCOMPARE(shell::keywordSearchText(*db, keyword), numbered(entries));
    }

    void emptyKeywordListsEverythingWithText() {
        auto db = world->content();
        const QString text = shell::keywordSearchText(*db, QString());
        // Tips of search 1 or none and tips without text stay out; a
        // restaurant without a description is found by its name.
        QCOMPARE(text, numbered({"Visit the Castle early", "Disney's best kept secret", "Save 50% off at lunch",
                                 "Save 500 off at dinner", "A pool tip", "Another pool tip", "Pool towels are free",
                                 "Cinderella's Royal Table: Dine in the castle",
                                 "Plain Place: ", "Space Mountain: A roller coaster in the dark",
                                 "Grand Floridian: $300, Near the castle by monorail", "Pool Resort: $120, Basic rooms",
                                 "Beach Club: , A sandy pool", "Dining Line: 407-939-3463, Book castle dining",
                                 "Phone Only: castle-555, nothing here", "Castle Cruises: , Boat tours"}));
    }

    void numberingRunsPastSixteenBits() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 33000) "
                                   "INSERT INTO Tips (Tip, Search) SELECT 'bulk ' || x, 0 FROM n"));
        auto db = world->content();
        const QString text = shell::keywordSearchText(*db, QStringLiteral("bulk"));
        QVERIFY(text.contains(QStringLiteral("\n32768.  bulk 32768\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("33000.  bulk 33000\r\n\r\n")));
    }

    void windowSearchesByButtonPictureAndEnter_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Search button") << "Command1";
        QTest::newRow("search picture") << "Picture3";
        QTest::newRow("Enter") << "Enter";
    }
    void windowSearchesByButtonPictureAndEnter() {
        QFETCH(QString, how);
        auto* search = Forms::findAs<frmSearch>(QStringLiteral("frmSearch"));
        QVERIFY(!search);
        QVERIFY(Forms::open(QStringLiteral("frmSearch")));
        search = Forms::findAs<frmSearch>(QStringLiteral("frmSearch"));
        QVERIFY(search);
        QCOMPARE(search->windowTitle(), QStringLiteral("Search By Keyword"));
        QCOMPARE(search->Label2->text(), QStringLiteral("In a Hurry?  Type in a keyword below.  We will do our best "
                                                        "to search the Travisto to find tips on your topic. "));
        QVERIFY(search->rtParks->text().isEmpty());
        QTest::keyClicks(search->txtSearch, QStringLiteral("Disney's"));
        if (how == QLatin1String("Command1"))
            QTest::mouseClick(search->Command1, Qt::LeftButton);
        else if (how == QLatin1String("Picture3"))
            QTest::mouseClick(search->Picture3, Qt::LeftButton);
        else
            QTest::keyClick(search->txtSearch, Qt::Key_Return);
        QCOMPARE(search->rtParks->text(), asShown(numbered({"Disney's best kept secret"})));
        // The keyword stays as typed.
        QCOMPARE(search->txtSearch->text(), QStringLiteral("Disney's"));
    }

    void aNewSearchReplacesTheResult() {
        QVERIFY(Forms::open(QStringLiteral("frmSearch")));
        auto* search = Forms::findAs<frmSearch>(QStringLiteral("frmSearch"));
        QTest::keyClicks(search->txtSearch, QStringLiteral("castle"));
        QTest::keyClick(search->txtSearch, Qt::Key_Return);
        QVERIFY(search->rtParks->text().startsWith(QStringLiteral("1.  Visit the Castle early")));
        search->txtSearch->setText(QStringLiteral("zebra"));
        QTest::keyClick(search->txtSearch, Qt::Key_Return);
        QCOMPARE(search->rtParks->text(), QString());
    }

    void printsThePaneUnderSearchResults_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << "mnuPrint";
        QTest::newRow("picture") << "Picture1";
    }
    void printsThePaneUnderSearchResults() {
        QFETCH(QString, how);
        QVERIFY(Forms::open(QStringLiteral("frmSearch")));
        auto* search = Forms::findAs<frmSearch>(QStringLiteral("frmSearch"));
        search->txtSearch->setText(QStringLiteral("Disney's"));
        search->Command1_Click();
        if (how == QLatin1String("mnuPrint"))
            search->mnuPrint->trigger();
        else
            QTest::mouseClick(search->Picture1, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        const QStringList words = world->printer().words(0, 0);
        QCOMPARE(words.value(0), QStringLiteral("Search Results"));
        for (const char* w : {"1.", "Disney's", "best", "kept", "secret"})
            QVERIFY2(words.contains(QLatin1String(w)), w);
        const auto& items = world->printer().documents[0].pages[0].items;
        QCOMPARE(items.last().fontName, QStringLiteral("Times New Roman"));
    }

    void closeUnloadsAndReopensEmpty_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << "mnuClose";
        QTest::newRow("picture") << "Picture2";
    }
    void closeUnloadsAndReopensEmpty() {
        QFETCH(QString, how);
        QVERIFY(Forms::open(QStringLiteral("frmSearch")));
        auto* search = Forms::findAs<frmSearch>(QStringLiteral("frmSearch"));
        search->txtSearch->setText(QStringLiteral("castle"));
        search->Command1_Click();
        if (how == QLatin1String("mnuClose"))
            search->mnuClose->trigger();
        else
            QTest::mouseClick(search->Picture2, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSearch")));
        world->settle();
        QVERIFY(Forms::open(QStringLiteral("frmSearch")));
        search = Forms::findAs<frmSearch>(QStringLiteral("frmSearch"));
        QVERIFY(search->txtSearch->text().isEmpty());
        QVERIFY(search->rtParks->text().isEmpty());
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
