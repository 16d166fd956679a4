#include "TestSupport.h"

#include "common/DropDownList.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

using platform::Forms;

namespace {

// Every stored row as "trip/day date details|attractions|food flags other", in key order.
QStringList storedDays(TestWorld& world) {
    QStringList rows;
    for (auto rs = world.user()->query(QStringLiteral(
             "SELECT TripNum || '/' || DayNum || ' ' || TSD || ' ' || Details || '|' || Favorites || '|' || Different "
             "|| ' ' || Park1 || Park2 || Park3 || Park4 || Park5 || Park6 || Park7 || Park8 || ' ' || Park8Name "
             "FROM Details ORDER BY TripNum, DayNum"));
         !rs.eof(); rs.moveNext())
        rows << rs.value(0).toString();
    return rows;
}

void storeDay(TestWorld& world, int trip, int day, const QString& date, const QString& details) {
    world.exec(platform::Database::userFileName(),
               QStringLiteral("INSERT INTO Details (TripNum, DayNum, TSD, Details, Park1) VALUES (?, ?, ?, ?, 1)"),
               {trip, day, date, details});
}

} // namespace

class TestFrmDetails : public WorldTest {
    Q_OBJECT
    platform::Form* w = nullptr; // the journal
    platform::Form* openJournal() { return w = Forms::open(QStringLiteral("frmDetails")); }

    // The journal's controls by name.
    QPlainTextEdit* pane(const QString& name) { return must<QPlainTextEdit>(w, name); }
    QLineEdit* line(const QString& name) { return must<QLineEdit>(w, name); }
    QCheckBox* place(const QString& name) { return must<QCheckBox>(w, name); }
    QDateEdit* dateBox() { return must<QDateEdit>(w, "dtStart"); }
    common::DropDownList* trip() { return must<common::DropDownList>(w, "cbTrip"); }
    void click(const QString& name) { clickOn(w, name); }
    QStringList shown(const QStringList& names) { return shownTexts(w, names); }
    QString printed(int document) const { return world->printer().words(document, 0).join(' '); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void firstSaveStoresTheDayWithTextsAsTyped() {
        QVERIFY(openJournal());
        QCOMPARE(w->windowTitle(), QStringLiteral("My Trip Details - Tuesday"));
        pane("txtDetails")->setPlainText("It's great");
        pane("txtFavorite")->setPlainText("Mickey's PhilharMagic");
        pane("txtDifferent")->setPlainText("x'); DELETE FROM Details; --");
        for (const char* name : {"Check1", "Check6", "Check7"})
            place(name)->setChecked(true);
        line("txtOther")->setText("Disney's Boardwalk");
        click("Picture3");
        click("Picture3"); // the second save updates the same row
        QCOMPARE(storedDays(*world), QStringList({"1/1 2004-06-01 It's great|Mickey's PhilharMagic|x'); DELETE FROM "
                                                  "Details; -- 01000011 Disney's Boardwalk"}));

        world->closeAll();
        QVERIFY(openJournal());
        QCOMPARE(
            shown({"txtDetails", "txtFavorite", "txtDifferent", "txtOther"}),
            QStringList({"It's great", "Mickey's PhilharMagic", "x'); DELETE FROM Details; --", "Disney's Boardwalk"}));
        QVERIFY(place("Check6")->isChecked() && !place("chkMagic")->isChecked());
    }

    void nextAndPreviousDaySaveThenMove() {
        storeDay(*world, 1, 1, "2004-06-10", "First");
        QVERIFY(openJournal());
        QCOMPARE(dateBox()->date(), QDate(2004, 6, 10));
        click("Picture5");
        QCOMPARE(shown({"cbDayNum", "txtDetails", "dtStart"}), QStringList({"2", "", "6/11/2004"}));
        QCOMPARE(w->windowTitle(), QStringLiteral("My Trip Details - Friday"));

        pane("txtDetails")->setPlainText("Second");
        click("Picture4");
        QCOMPARE(shown({"cbDayNum", "txtDetails"}), QStringList({"1", "First"}));
        click("Picture4");
        QCOMPARE(line("cbDayNum")->text(), QStringLiteral("1"));

        // Only day 1 stops Previous Day: from day 0 it saves and goes on below,
        // and only the smallest 16-bit day stays, saying so.
        line("cbDayNum")->setText("0");
        click("Picture4");
        QCOMPARE(shown({"cbDayNum", "dtStart"}), QStringList({"-1", "6/9/2004"}));
        line("cbDayNum")->setText("-32768");
        world->dialogs().answerMessage();
        click("Picture4");
        QCOMPARE(world->dialogs().messages(), QStringList{"Day -32768 is the first day of a trip."});
        QCOMPARE(line("cbDayNum")->text(), QStringLiteral("-32768"));
        QCOMPARE(storedDays(*world),
                 QStringList({"1/-32768 2004-06-09 || 00000000 Other", "1/0 2004-06-10 First|| 10000000 Other",
                              "1/1 2004-06-10 First|| 10000000 Other", "1/2 2004-06-11 Second|| 00000000 Other"}));
    }

    void dayBoxAndTripListLoadTheirDay() {
        storeDay(*world, 1, 3, "2004-06-12", "Third");
        storeDay(*world, 2, 2, "2004-07-02", "Trip two");
        QVERIFY(openJournal());
        dateBox()->setDate(QDate(2004, 5, 5));
        line("cbDayNum")->setText("3");
        click("cbDayNum");
        QCOMPARE(shown({"txtDetails", "dtStart"}), QStringList({"Third", "6/12/2004"}));

        // A trip number typed, Enter included, loads nothing; picking it does.
        typeOver(trip(), "2");
        QTest::keyClick(trip(), Qt::Key_Return);
        QCOMPARE(shown({"cbDayNum", "txtDetails"}), QStringList({"3", "Third"}));
        pickEntry(trip(), 1);
        QCOMPARE(shown({"cbDayNum", "txtDetails", "dtStart"}), QStringList({"1", "", "6/12/2004"}));
        line("cbDayNum")->setText("2");
        click("cbDayNum");
        QCOMPARE(shown({"txtDetails"}), QStringList({"Trip two"}));
        line("cbDayNum")->setText("4");
        click("cbDayNum");
        QCOMPARE(dateBox()->date(), QDate(2004, 6, 1));
    }

    void storedDaysPrintOneDocumentPerDayOfTheTrip() {
        storeDay(*world, 2, 1, "2004-07-01", "Day one");
        storeDay(*world, 1, 2, "2004-06-02", "Other trip");
        world->exec(platform::Database::userFileName(),
                    "INSERT INTO Details (TripNum, DayNum, TSD, Details, Park2, Park7, Park8, Park8Name) "
                    "VALUES (2, 3, '2004-07-03', 'Day three', 1, 1, 1, 'Fort Wilderness')");
        QVERIFY(openJournal());
        trip()->setEditText("2");
        world->dialogs().answerInput("3");
        chooseItem(w, "mnuPrint");
        QCOMPARE(world->printer().documents.size(), 2);
        QCOMPARE(printed(0), QStringLiteral("My Trip Details: Day 1, 6/1/2004 6/1/2004 Page 1 We were at the following "
                                            "locations today: Magic Kingdom Today's details: Day one Today's "
                                            "attractions Today's food"));
        QCOMPARE(printed(1), QStringLiteral("My Trip Details: Day 3, 6/1/2004 6/1/2004 Page 1 We were at the following "
                                            "locations today: Epcot Blizzard Beach Fort Wilderness Today's details: "
                                            "Day three Today's attractions Today's food"));
        // A trip box that is no trip number ends the print, without a message.
        typeOver(trip(), "two");
        world->dialogs().answerInput("3");
        chooseItem(w, "mnuPrint");
        QCOMPARE(world->printer().documents.size(), 2);
    }

    // An answer that is no page count prints nothing, without a message.
    void blankPagesPrintOneDocumentEach_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("documents");
        QTest::addRow("two") << "2" << 2;
        QTest::addRow("cancel") << "" << 0;
        QTest::addRow("zero") << "0" << 0;
        QTest::addRow("letters") << "two" << 0;
        QTest::addRow("beyond 16 bits") << "32768" << 0;
    }
    void blankPagesPrintOneDocumentEach() {
        QFETCH(QString, answer);
        QFETCH(int, documents);
        QVERIFY(openJournal());
        world->dialogs().answerInput(answer);
        click("Label9");
        QCOMPARE(world->printer().documents.size(), documents);
        for (int d = 0; d < documents; ++d) {
            QCOMPARE(world->printer().documents[d].command, world->printer().documents[0].command);
            QCOMPARE(
                printed(d),
                QStringLiteral("My Trip Details: Day # 6/1/2004 Page 1 Fill out this form while on vacation. When you "
                               "return home record your trips details into Travisto's \"Write About My Vaction\" page "
                               "for safe keeping. We were at the following places today: (Circle those that apply) "
                               "Magic Kingdom Epcot MGM Studios Animal Kingdom Downtown Disney Typhoon Lagoon "
                               "Blizzard Beach Other: Todays Details: Todays Attractions: Todays Food:"));
        }
    }
};

QTEST_MAIN(TestFrmDetails)
#include "tst_frmdetails.moc"
