#include "TestSupport.h"

#include "common/RichTextBox.h"
#include "shell/KeywordSearch.h"

#include <QLabel>
#include <QLineEdit>

using platform::Forms;

namespace {

// What the pane should hold for these entry texts, numbered from 1.
QString numbered(const QStringList& entries) {
    QString text;
    for (int i = 0; i < entries.size(); ++i)
        text += QStringLiteral("%1.  %2\r\n\r\n").arg(i + 1).arg(entries[i]);
    return text;
}

platform::Form* openSearch() {
    return Forms::open(QStringLiteral("frmSearch"));
}

// Clicks a button or picture, or chooses a menu item, of the window.
void press(QObject* window, const QString& control) {
    if (control.startsWith(QLatin1String("mnu")))
        chooseItem(window, control);
    else
        clickOn(window, control);
}

QString results(QObject* window) {
    return must<common::RichTextBox>(window, "rtParks")->text();
}

} // namespace

class TestSearch : public WorldTest {
    Q_OBJECT
private slots:
    void init() {
        WorldTest::init();
        for (const char* sql :
             {"INSERT INTO Tips (Tip, Search) VALUES ('Visit the Castle early', 0), ('Disney''s best kept secret', 0), "
              "('Save 50% off at lunch', 0), ('Save 500 off at dinner', 0), ('Hidden castle tip', 1), "
              "('Unsearchable castle tip', NULL), ('A pool tip', 0), ('Another pool tip by the café', 0), "
              "('Pool towels are free', 2), ('', 0), (NULL, 0)",
              "INSERT INTO Reservations (Location, Description) VALUES "
              "('Cinderella''s Royal Table', 'Dine in the castle'), ('Plain Place', NULL)",
              "INSERT INTO ParkPlanner (ParkId, Attraction, Description) VALUES "
              "(1, 'Space Mountain', 'A roller coaster in the dark'), (2, 'Spaceship Earth', 'The big ball at Epcot')",
              "INSERT INTO Hotels (Hotel, Cost, Description) VALUES ('Grand Floridian', '$300', "
              "'Near the castle by monorail'), ('Pool Resort', '$120', 'Basic rooms'), "
              "('Beach Club', NULL, 'A sandy pool')",
              "INSERT INTO Contacts (Contact, ContactPhone, ContactNotes) VALUES "
              "('Dining Line', '407-939-3463', 'Book castle dining'), ('Phone Only', 'castle-555', 'nothing here'), "
              "('Castle Cruises', NULL, 'Boat tours')"})
            world->exec(platform::Database::contentFileName(), QString::fromUtf8(sql));
    }
    void keywordBecomesACaseBlindPatternWithItsOwnWildcards_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("like");
        QTest::addColumn<QString>("glob");
        const auto row = [](const char* name, const QString& keyword, const QString& like, const QString& glob) {
            QTest::newRow(name) << keyword << like << glob;
        };
        row("empty", "", "%%", "**");
        row("letters in both cases", "aB", "%aB%", "*[Aa][Bb]*");
        row("wildcards", "a*b?#", "%a%b__%", "*[Aa]*[Bb]?[0-9]*");
        row("other characters stand for themselves", "5%_\\' ]-!", "%5\\%\\_\\\\' ]-!%", "*5%_\\' ]-!*");
        row("letters beyond ASCII", "éß", "%_ß%", "*[Éé]ß*");
        row("a list", "[ae]pcot", "%_pcot%", "*[AEae][Pp][Cc][Oo][Tt]*");
        row("a range, ends either way round", "[c-a]1", "%_1%", "*[A-Ca-c]1*");
        row("not listed", "[!a-c5]", "%_%", "*[^5A-Ca-c]*");
        row("a range beyond ASCII", "[à-å]", "%_%", "*[À-Åà-å]*");
        row("wildcards in a list stand for themselves", "[*?#[]", "%_%", "*[#*?[]*");
        row("dash first or last in a list", "[a-][!-x]", "%__%", "*[-Aa][^-Xx]*");
        row("a lone exclamation mark or caret", "[!][^]", "%__%", "*[!]^*");
        row("an empty list stands for nothing", "a[]b", "%ab%", "*[Aa][Bb]*");
        row("an opening bracket without a close", "]a[b", "%]a[b%", "*][Aa][[][Bb]*");
    }
    void keywordBecomesACaseBlindPatternWithItsOwnWildcards() {
        QFETCH(QString, keyword);
        QFETCH(QString, like);
        QFETCH(QString, glob);
        const shell::KeywordPattern pattern = shell::keywordPattern(keyword);
        QCOMPARE(pattern.like, like);
        QCOMPARE(pattern.glob, glob);
    }

    void keywordFindsTextAnywhereIgnoringCase_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("entries");
        const QStringList castle = {"Visit the Castle early", "Cinderella's Royal Table: Dine in the castle",
                                    "Grand Floridian: $300, Near the castle by monorail",
                                    "Dining Line: 407-939-3463, Book castle dining", "Castle Cruises: , Boat tours"};
        QTest::newRow("lower case") << "castle" << castle;
        QTest::newRow("upper case") << "CASTLE" << castle;
        QTest::newRow("inside a word") << "astl" << castle;
        QTest::newRow("three tips, two hotels")
            << "pool"
            << QStringList{"A pool tip", "Another pool tip by the café", "Pool towels are free",
                           "Pool Resort: $120, Basic rooms", "Beach Club: , A sandy pool"};
        QTest::newRow("apostrophe") << "Disney's" << QStringList{"Disney's best kept secret"};
        QTest::newRow("apostrophe in a name")
            << "la's Roy" << QStringList{"Cinderella's Royal Table: Dine in the castle"};
        QTest::newRow("any run of characters")
            << "space*MOUNTAIN" << QStringList{"Space Mountain: A roller coaster in the dark"};
        QTest::newRow("a list") << "[ae]pcot" << QStringList{"Spaceship Earth: The big ball at Epcot"};
        QTest::newRow("a range and a list of letters not wanted")
            << "[r-t]pace m[!a]untain" << QStringList{"Space Mountain: A roller coaster in the dark"};
        QTest::newRow("not listed, in either case") << "[!e]pcot" << QStringList();
        QTest::newRow("one character") << "save 50? off"
                                       << QStringList{"Save 50% off at lunch", "Save 500 off at dinner"};
        QTest::newRow("one digit") << "save 50# off" << QStringList{"Save 500 off at dinner"};
        QTest::newRow("letters beyond ASCII in either case") << "CAFÉ" << QStringList{"Another pool tip by the café"};
        QTest::newRow("percent sign is literal") << "50%" << QStringList{"Save 50% off at lunch"};
        QTest::newRow("underscore is literal") << "Save_5" << QStringList();
        QTest::newRow("phone is shown, not searched") << "555" << QStringList();
        QTest::newRow("nothing found") << "zebra" << QStringList();
    }
    void keywordFindsTextAnywhereIgnoringCase() {
        QFETCH(QString, keyword);
        QFETCH(QStringList, entries);
        QCOMPARE(shell::keywordSearchText(*world->content(), keyword), numbered(entries));
    }

    void emptyKeywordListsEverythingWithText() {
        // Tips of search 1 or none and tips without text stay out; a
        // restaurant without a description is found by its name.
        QCOMPARE(shell::keywordSearchText(*world->content(), QString()),
                 numbered({"Visit the Castle early", "Disney's best kept secret", "Save 50% off at lunch",
                           "Save 500 off at dinner", "A pool tip", "Another pool tip by the café",
                           "Pool towels are free", "Cinderella's Royal Table: Dine in the castle", "Plain Place: ",
                           "Space Mountain: A roller coaster in the dark", "Spaceship Earth: The big ball at Epcot",
                           "Grand Floridian: $300, Near the castle by monorail", "Pool Resort: $120, Basic rooms",
                           "Beach Club: , A sandy pool", "Dining Line: 407-939-3463, Book castle dining",
                           "Phone Only: castle-555, nothing here", "Castle Cruises: , Boat tours"}));
    }

    void numberingRunsPastSixteenBits() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 33000) "
                                   "INSERT INTO Tips (Tip, Search) SELECT 'bulk ' || x, 0 FROM n"));
        const QString text = shell::keywordSearchText(*world->content(), QStringLiteral("bulk"));
        QVERIFY(text.contains(QStringLiteral("\n32768.  bulk 32768\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("33000.  bulk 33000\r\n\r\n")));
    }

    void windowSearchesPrintsUnderSearchResultsAndClosesEmpty_data() {
        QTest::addColumn<QStringList>("controls"); // to search, to print, to close
        QTest::newRow("button and menu") << QStringList{"Command1", "mnuPrint", "mnuClose"};
        QTest::newRow("pictures") << QStringList{"Picture3", "Picture1", "Picture2"};
        QTest::newRow("Enter in the box") << QStringList{"Enter", "mnuPrint", "Picture2"};
        QTest::newRow("Enter on the button") << QStringList{"Enter on Command1", "Picture1", "Picture2"};
    }
    void windowSearchesPrintsUnderSearchResultsAndClosesEmpty() {
        QFETCH(QStringList, controls);
        platform::Form* window = openSearch();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Search By Keyword"));
        QCOMPARE(must<QLabel>(window, "Label2")->text(),
                 QStringLiteral("In a Hurry?  Type in a keyword below.  We will do our best "
                                "to search the Travisto to find tips on your topic. "));
        QVERIFY(results(window).isEmpty());
        auto* box = must<QLineEdit>(window, "txtSearch");
        const auto searchFor = [&](const QString& keyword) {
            box->clear();
            QTest::keyClicks(box, keyword);
            if (controls[0] == QLatin1String("Enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (controls[0] == QLatin1String("Enter on Command1"))
                QTest::keyClick(must<QWidget>(window, "Command1"), Qt::Key_Return);
            else
                press(window, controls[0]);
        };
        searchFor(QStringLiteral("Disney's"));
        QCOMPARE(results(window),
                 numbered({"Disney's best kept secret"}).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(box->text(), QStringLiteral("Disney's")); // the keyword stays as typed

        press(window, controls[1]);
        QCOMPARE(world->printer().documents.size(), 1);
        const QStringList words = world->printer().words(0, 0);
        QCOMPARE(words.value(0), QStringLiteral("Search Results"));
        for (const char* w : {"1.", "Disney's", "best", "kept", "secret"})
            QVERIFY2(words.contains(QLatin1String(w)), w);
        QCOMPARE(world->printer().documents[0].pages[0].items.last().fontName, QStringLiteral("Times New Roman"));

        searchFor(QStringLiteral("zebra"));
        QCOMPARE(results(window), QString()); // a new search replaces the result
        press(window, controls[2]);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSearch")));
        world->settle();
        window = openSearch();
        QVERIFY(window);
        QVERIFY(must<QLineEdit>(window, "txtSearch")->text().isEmpty() && results(window).isEmpty());
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
