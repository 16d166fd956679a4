#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "organiser/frmDetails.h"

#include <QAction>
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

class TestFrmDetails : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmDetails* openJournal() { return qobject_cast<frmDetails*>(Forms::open(QStringLiteral("frmDetails"))); }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QString printed(int document) const { return world->printer().words(document, 0).join(' '); }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        world = std::make_unique<TestWorld>(false);
    }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
        QLocale::setDefault(QLocale::c());
    }

    void firstSaveStoresTheDayWithTextsAsTyped() {
        frmDetails* w = openJournal();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("My Trip Details - Tuesday"));
        w->txtDetails->setPlainText("It's great");
        w->txtFavorite->setPlainText("Mickey's PhilharMagic");
        w->txtDifferent->setPlainText("x'); DELETE FROM Details; --");
        for (QCheckBox* place : {w->Check1, w->Check6, w->Check7})
            place->setChecked(true);
        w->txtOther->setText("Disney's Boardwalk");
        click(w->Picture3);
        click(w->Picture3); // the second save updates the same row
        QCOMPARE(storedDays(*world), QStringList({"1/1 2004-06-01 It's great|Mickey's PhilharMagic|x'); DELETE FROM "
                                                  "Details; -- 01000011 Disney's Boardwalk"}));
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("It's great"));

        world->closeAll();
        w = openJournal();
        QVERIFY(w);
        QCOMPARE(w->txtFavorite->toPlainText(), QStringLiteral("Mickey's PhilharMagic"));
        QVERIFY(w->Check6->isChecked() && !w->chkMagic->isChecked());
        QCOMPARE(w->txtOther->text(), QStringLiteral("Disney's Boardwalk"));
    }

    void nextAndPreviousDaySaveThenMove() {
        storeDay(*world, 1, 1, "2004-06-10", "First");
        frmDetails* w = openJournal();
        QVERIFY(w);
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 10));
        click(w->Picture5);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("2"));
        QCOMPARE(w->txtDetails->toPlainText(), QString());
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 11));
        QCOMPARE(w->windowTitle(), QStringLiteral("My Trip Details - Friday"));

        w->txtDetails->setPlainText("Second");
        click(w->Picture4);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("First"));
        click(w->Picture4);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(storedDays(*world),
                 QStringList({"1/1 2004-06-10 First|| 10000000 Other", "1/2 2004-06-11 Second|| 00000000 Other"}));
    }

    void dayBoxAndTripListLoadTheirDay() {
        storeDay(*world, 1, 3, "2004-06-12", "Third");
        storeDay(*world, 2, 2, "2004-07-02", "Trip two");
        frmDetails* w = openJournal();
        QVERIFY(w);
        w->dtStart->setDate(QDate(2004, 5, 5));
        w->cbDayNum->setText("3");
        click(w->cbDayNum);
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Third"));
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 12));

        // A trip number typed, Enter included, loads nothing; picking it does.
        auto* trip = child<common::DropDownList>(w, "cbTrip");
        typeOver(trip, "2");
        QTest::keyClick(trip, Qt::Key_Return);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("3"));
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Third"));
        pickEntry(trip, 1);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(w->txtDetails->toPlainText(), QString());
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 12));
        w->cbDayNum->setText("2");
        click(w->cbDayNum);
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Trip two"));
        w->cbDayNum->setText("4");
        click(w->cbDayNum);
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 1));
    }

    void aBoxThatIsNoKeyIsRefusedAndNothingIsLost_data() {
        QTest::addColumn<bool>("dayBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addRow("day 0") << true << "0"
                               << "The Day # box must hold a whole number from 1 to 32767.";
        QTest::addRow("trip in words") << false << "two"
                                       << "The Trip # box must hold a whole number from 1 to 32767.";
    }
    void aBoxThatIsNoKeyIsRefusedAndNothingIsLost() {
        QFETCH(bool, dayBox);
        QFETCH(QString, text);
        QFETCH(QString, message);
        frmDetails* w = openJournal();
        QVERIFY(w);
        w->txtDetails->setPlainText("Keep me");
        if (dayBox)
            w->cbDayNum->setText(text);
        else
            typeOver(child<common::DropDownList>(w, "cbTrip"), text);
        for (QWidget* button : {w->Picture3, w->Picture5, w->Picture4}) {
            world->dialogs().answerMessage();
            click(button);
        }
        QCOMPARE(world->dialogs().messages(), QStringList(3, message));
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Keep me"));
        QVERIFY(storedDays(*world).isEmpty());
    }

    void storedDaysPrintOneDocumentPerDayOfTheTrip() {
        storeDay(*world, 2, 1, "2004-07-01", "Day one");
        storeDay(*world, 1, 2, "2004-06-02", "Other trip");
        world->exec(platform::Database::userFileName(),
                    "INSERT INTO Details (TripNum, DayNum, TSD, Details, Park2, Park7, Park8, Park8Name) "
                    "VALUES (2, 3, '2004-07-03', 'Day three', 1, 1, 1, 'Fort Wilderness')");
        frmDetails* w = openJournal();
        QVERIFY(w);
        w->cbTrip->setEditText("2");
        world->dialogs().answerInput("3");
        w->mnuPrint->trigger();
        QCOMPARE(world->printer().documents.size(), 2);
        QCOMPARE(printed(0), QStringLiteral("My Trip Details: Day 1, 6/1/2004 6/1/2004 Page 1 We were at the following "
                                            "locations today: Magic Kingdom Today's details: Day one Today's "
                                            "attractions Today's food"));
        QCOMPARE(printed(1), QStringLiteral("My Trip Details: Day 3, 6/1/2004 6/1/2004 Page 1 We were at the following "
                                            "locations today: Epcot Blizzard Beach Fort Wilderness Today's details: "
                                            "Day three Today's attractions Today's food"));
    }

    // An answer that is no page count is refused with a message.
    void blankPagesPrintOneDocumentEach_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("documents");
        QTest::addColumn<bool>("refused");
        QTest::addRow("two") << "2" << 2 << false;
        QTest::addRow("cancel") << "" << 0 << false;
        QTest::addRow("zero") << "0" << 0 << false;
        QTest::addRow("letters") << "two" << 0 << true;
    }
    void blankPagesPrintOneDocumentEach() {
        QFETCH(QString, answer);
        QFETCH(int, documents);
        QFETCH(bool, refused);
        frmDetails* w = openJournal();
        QVERIFY(w);
        world->dialogs().answerInput(answer);
        if (refused)
            world->dialogs().answerMessage();
        click(w->Label9);
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

    void fileCloseReturnsToTheMainWindowAndCloseOnlyUnloads() {
        frmDetails* w = openJournal();
        QVERIFY(w);
        click(w->Picture2);
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded("frmDetails") && !Forms::isLoaded(Forms::mainWindowName()));

        w = openJournal();
        QVERIFY(w);
        w->mnuHome->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded("frmDetails") && Forms::isLoaded(Forms::mainWindowName()));
    }
};

QTEST_MAIN(TestFrmDetails)
#include "tst_frmdetails.moc"
