#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "organiser/TripJournal.h"
#include "organiser/frmDetails.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

using organiser::JournalDay;
using platform::Forms;

namespace {

frmDetails* openJournal() {
    return qobject_cast<frmDetails*>(Forms::open(QStringLiteral("frmDetails")));
}

// Every stored row as "trip/day date details|attractions|food flags other", in key order.
QStringList storedDays(TestWorld& world) {
    QStringList rows;
    auto rs = world.user()->query(QStringLiteral("SELECT * FROM Details ORDER BY TripNum, DayNum"));
    for (; !rs.eof(); rs.moveNext()) {
        QString flags;
        for (int i = 1; i <= 8; ++i)
            flags += rs.text(QStringLiteral("Park%1").arg(i));
        rows << QStringLiteral("%1/%2 %3 %4|%5|%6 %7 %8")
                    .arg(rs.text("TripNum"), rs.text("DayNum"), rs.text("TSD"), rs.text("Details"),
                         rs.text("Favorites"), rs.text("Different"), flags, rs.text("Park8Name"));
    }
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

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        world = std::make_unique<TestWorld>(false);
    }
    void cleanup() {
        world.reset();
        QLocale::setDefault(QLocale::c());
    }

    void firstSaveStoresTheDayWithTextsAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("plain") << "Great day";
        QTest::addRow("apostrophe") << "It's great";
        QTest::addRow("statement text") << "x'); DELETE FROM Details; --";
    }
    void firstSaveStoresTheDayWithTextsAsTyped() {
        QFETCH(QString, text);
        frmDetails* w = openJournal();
        QCOMPARE(w->windowTitle(), QStringLiteral("My Trip Details - Tuesday"));
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(w->cbTrip->count(), 100);
        w->txtDetails->setPlainText(text);
        w->txtFavorite->setPlainText(text + "!");
        w->txtDifferent->setPlainText("Food: " + text);
        w->Check1->setChecked(true);
        w->Check6->setChecked(true);
        w->Check7->setChecked(true);
        w->txtOther->setText("Disney's Boardwalk");
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
        QCOMPARE(storedDays(*world), QStringList{QStringLiteral("1/1 2004-06-01 %1|%1!|Food: %1 01000011 "
                                                                "Disney's Boardwalk")
                                                     .arg(text)});
        QCOMPARE(w->txtDetails->toPlainText(), text);

        world->closeAll();
        w = openJournal();
        QCOMPARE(w->txtFavorite->toPlainText(), text + "!");
        QVERIFY(w->Check6->isChecked() && !w->chkMagic->isChecked());
        QCOMPARE(w->txtOther->text(), QStringLiteral("Disney's Boardwalk"));
    }

    void nextAndPreviousDaySaveThenMove() {
        storeDay(*world, 1, 1, "2004-06-10", "First");
        frmDetails* w = openJournal();
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 10));
        QTest::mouseClick(w->Picture5, Qt::LeftButton);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("2"));
        QCOMPARE(w->txtDetails->toPlainText(), QString());
        QVERIFY(!w->chkMagic->isChecked());
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 11));
        QCOMPARE(w->windowTitle(), QStringLiteral("My Trip Details - Friday"));

        w->txtDetails->setPlainText("Second");
        QTest::mouseClick(w->Picture4, Qt::LeftButton);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("First"));
        QTest::mouseClick(w->Picture4, Qt::LeftButton);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(storedDays(*world),
                 QStringList({"1/1 2004-06-10 First|| 10000000 Other", "1/2 2004-06-11 Second|| 00000000 Other"}));
    }

    void dayBoxAndTripListLoadTheirDay() {
        storeDay(*world, 1, 3, "2004-06-12", "Third");
        storeDay(*world, 2, 2, "2004-07-02", "Trip two");
        frmDetails* w = openJournal();
        w->dtStart->setDate(QDate(2004, 5, 5));
        w->cbDayNum->setText("3");
        QTest::mouseClick(w->cbDayNum, Qt::LeftButton);
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Third"));
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 12));

        w->cbTrip->setCurrentIndex(1);
        emit w->cbTrip->activated(1);
        QCOMPARE(w->cbDayNum->text(), QStringLiteral("1"));
        QCOMPARE(w->txtDetails->toPlainText(), QString());
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 12));
        w->cbDayNum->setText("2");
        QTest::mouseClick(w->cbDayNum, Qt::LeftButton);
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Trip two"));
        w->cbDayNum->setText("4");
        QTest::mouseClick(w->cbDayNum, Qt::LeftButton);
        QCOMPARE(w->dtStart->date(), QDate(2004, 6, 1));
    }

    void aDayBoxThatIsNoDayNumberIsRefused_data() {
        QTest::addColumn<QString>("dayText");
        QTest::addRow("letters") << "abc";
        QTest::addRow("zero") << "0";
        QTest::addRow("beyond 16 bits") << "40000";
    }
    void aDayBoxThatIsNoDayNumberIsRefused() {
        QFETCH(QString, dayText);
        frmDetails* w = openJournal();
        w->txtDetails->setPlainText("Keep me");
        w->cbDayNum->setText(dayText);
        world->dialogs().answerMessage();
        QTest::mouseClick(w->Picture5, Qt::LeftButton);
        QCOMPARE(world->dialogs().messages(), QStringList{"The Day # box must hold a whole number from 1 to 32767."});
        QCOMPARE(w->txtDetails->toPlainText(), QStringLiteral("Keep me"));
        QVERIFY(storedDays(*world).isEmpty());
    }

    void storedDaysPrintOneDocumentPerDayOfTheTrip() {
        storeDay(*world, 2, 1, "2004-07-01", "Day one");
        storeDay(*world, 2, 3, "2004-07-03", "Day three");
        storeDay(*world, 1, 2, "2004-06-02", "Other trip");
        world->exec(platform::Database::userFileName(),
                    "UPDATE Details SET Park1 = 0, Park2 = 1, Park7 = 1, Park8 = 1, Park8Name = 'Fort Wilderness' "
                    "WHERE DayNum = 3");
        frmDetails* w = openJournal();
        w->cbTrip->setEditText("2");
        world->dialogs().answerInput("3");
        w->mnuPrint->trigger();
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        const QString first = world->printer().words(0, 0).join(' ');
        const QString second = world->printer().words(1, 0).join(' ');
        QVERIFY2(first.startsWith("My Trip Details: Day 1, 6/1/2004"), qPrintable(first));
        QVERIFY2(first.contains("Magic Kingdom Today's details: Day one"), qPrintable(first));
        QVERIFY2(second.startsWith("My Trip Details: Day 3, 6/1/2004"), qPrintable(second));
        QVERIFY2(second.contains("today: Epcot Blizzard Beach Fort Wilderness Today's"), qPrintable(second));
        QVERIFY(!first.contains("Other trip") && !second.contains("Other trip"));
    }

    void blankPagesPrintOneDocumentEach_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("documents");
        QTest::addColumn<bool>("refused");
        QTest::addRow("two") << "2" << 2 << false;
        QTest::addRow("cancel") << "" << 0 << false;
        QTest::addRow("zero") << "0" << 0 << false;
        QTest::addRow("letters") << "two" << 0 << true;
        QTest::addRow("beyond 16 bits") << "40000" << 0 << true;
    }
    void blankPagesPrintOneDocumentEach() {
        QFETCH(QString, answer);
        QFETCH(int, documents);
        QFETCH(bool, refused);
        frmDetails* w = openJournal();
        world->dialogs().answerInput(answer);
        if (refused)
            world->dialogs().answerMessage();
        QTest::mouseClick(w->Label9, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), documents);
        for (int d = 0; d < documents; ++d) {
            const QString page = world->printer().words(d, 0).join(' ');
            QVERIFY2(page.startsWith("My Trip Details: Day #"), qPrintable(page));
            QVERIFY2(page.contains("(Circle those that apply) Magic Kingdom Epcot MGM Studios Animal Kingdom "
                                   "Downtown Disney Typhoon Lagoon Blizzard Beach Other:"),
                     qPrintable(page));
        }
        QCOMPARE(world->dialogs().messages().size(), refused ? 1 : 0);
    }

    void fileCloseReturnsToTheMainWindowAndCloseOnlyUnloads() {
        frmDetails* w = openJournal();
        QTest::mouseClick(w->Picture2, Qt::LeftButton);
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded("frmDetails"));
        QVERIFY(!Forms::isLoaded(Forms::mainWindowName()));

        openJournal()->mnuHome->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded("frmDetails"));
        QVERIFY(Forms::isLoaded(Forms::mainWindowName()));
    }
};

QTEST_MAIN(TestFrmDetails)
#include "tst_frmdetails.moc"
