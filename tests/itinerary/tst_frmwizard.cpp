#include "TestSupport.h"

#include "common/PictureButton.h"
#include "itinerary/TripProfile.h"
#include "itinerary/frmWizard.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using platform::Forms;

namespace {

struct StoredProfile {
    QString tripDate;
    QList<int> answers; // Adults, Kids, Daredevel, Wet, Show, Lodging
    int daysOfTrip = 0;
    int rows = 0;
};

StoredProfile storedProfile(TestWorld& world) {
    StoredProfile stored;
    auto db = world.content();
    auto rs = db->query(QStringLiteral("SELECT * FROM TravelInfo"));
    for (; !rs.eof(); rs.moveNext()) {
        if (stored.rows++ > 0)
            continue;
        stored.tripDate = rs.text(QStringLiteral("TripDate"));
        for (const char* column : {"Adults", "Kids", "Daredevel", "Wet", "Show", "Lodging"})
            stored.answers << rs.integer(QString::fromLatin1(column), -99);
        stored.daysOfTrip = rs.integer(QStringLiteral("DaysOfTrip"), -99);
    }
    return stored;
}

QList<QComboBox*> answerBoxes(frmWizard* w) {
    return {w->cbAdults, w->cbChildren, w->cbWimp, w->cboWet, w->cboTheatre, w->cboResort};
}

} // namespace

class TestFrmWizard : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmWizard* openWizard() { return qobject_cast<frmWizard*>(Forms::open(QStringLiteral("frmWizard"))); }
    void pressContinue(frmWizard* w) {
        QTest::mouseClick(w->Picture2, Qt::LeftButton);
        TestWorld::settle();
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void firstContinueOnAnEmptyTableStoresTodayAndNoAnswers() {
        frmWizard* w = openWizard();
        QVERIFY(w);
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 6, 1));
        const QStringList initial = {"# of Adults",      "# of Kids",        "Choose your daredevil level",
                                     "Choose Yes or No", "Choose Yes or No", "Choose Yes or No"};
        QStringList shown;
        for (QComboBox* box : answerBoxes(w))
            shown << box->currentText();
        QCOMPARE(shown, initial);

        pressContinue(w);
        const StoredProfile stored = storedProfile(*world);
        QCOMPARE(stored.rows, 1);
        QCOMPARE(stored.tripDate, QStringLiteral("2004-06-01"));
        QCOMPARE(stored.answers, QList<int>({-1, -1, -1, -1, -1, -1}));
        QCOMPARE(stored.daysOfTrip, 7);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWizard")));
    }

    void everyAnswerIsStoredAsItsPositionAndComesBack_data() {
        QTest::addColumn<QList<int>>("answers"); // Adults, Kids, Daredevel, Wet, Show, Lodging
        QTest::addRow("first items") << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::addRow("last items") << QList<int>{3, 3, 2, 1, 1, 1};
        QTest::addRow("wet and shows apart") << QList<int>{2, 1, 1, 1, 0, -1};
        QTest::addRow("shows and resort apart") << QList<int>{-1, 2, -1, 0, 1, 0};
    }
    void everyAnswerIsStoredAsItsPositionAndComesBack() {
        QFETCH(QList<int>, answers);
        frmWizard* w = openWizard();
        const QList<QComboBox*> boxes = answerBoxes(w);
        for (int i = 0; i < boxes.size(); ++i)
            if (answers[i] >= 0)
                boxes[i]->setCurrentIndex(answers[i]);
        w->DTPicker1->setDate(QDate(2004, 12, 24));
        pressContinue(w);

        const StoredProfile stored = storedProfile(*world);
        QCOMPARE(stored.answers, answers);
        QCOMPARE(stored.tripDate, QStringLiteral("2004-12-24"));

        world->closeAll();
        w = openWizard();
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 12, 24));
        const QList<QComboBox*> reopened = answerBoxes(w);
        for (int i = 0; i < reopened.size(); ++i)
            QCOMPARE(frmWizard::chosenPosition(reopened[i]), answers[i]);
    }

    void typedTextIsNeverAnAnswer() {
        frmWizard* w = openWizard();
        QTest::keyClicks(w->cbAdults->lineEdit(), QStringLiteral("2"));
        w->cboWet->setCurrentIndex(0);
        w->cboWet->lineEdit()->selectAll();
        QTest::keyClicks(w->cboWet->lineEdit(), QStringLiteral("Maybe"));
        w->cboTheatre->setCurrentIndex(1);
        QCOMPARE(w->cboWet->currentText(), QStringLiteral("Maybe"));
        pressContinue(w);
        QCOMPARE(storedProfile(*world).answers, QList<int>({-1, -1, -1, -1, 1, -1}));
    }

    void leavingWithoutContinueStoresNothing_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addRow("Return to Home Page") << false;
        QTest::addRow("close box") << true;
    }
    void leavingWithoutContinueStoresNothing() {
        QFETCH(bool, byCloseBox);
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                                   "VALUES ('2004-08-15', 2, 1, 0, 0, 1, 0)"));
        frmWizard* w = openWizard();
        w->cbAdults->setCurrentIndex(3);
        w->cboResort->setCurrentIndex(1);
        w->DTPicker1->setDate(QDate(2005, 1, 1));
        if (byCloseBox)
            w->close();
        else
            w->mnuReturn->trigger();
        TestWorld::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWizard")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        const StoredProfile stored = storedProfile(*world);
        QCOMPARE(stored.tripDate, QStringLiteral("2004-08-15"));
        QCOMPARE(stored.answers, QList<int>({2, 1, 0, 1, 0, 0}));

        w = openWizard();
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 8, 15));
        QCOMPARE(w->cbAdults->currentText(), QStringLiteral("2"));
        QCOMPARE(w->cboResort->currentText(), QStringLiteral("Yes"));
    }

    void aLaterContinueRewritesTheRowAndLeavesTheTripLength() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show, "
                                   "DaysOfTrip) VALUES ('2004-07-04', 1, 1, 1, 1, 1, 1, 12)"));
        frmWizard* w = openWizard();
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 7, 4));
        w->DTPicker1->setDate(QDate(2004, 9, 30));
        w->cbChildren->setCurrentIndex(3);
        w->cboWet->setCurrentIndex(0);
        pressContinue(w);
        const StoredProfile stored = storedProfile(*world);
        QCOMPARE(stored.rows, 1);
        QCOMPARE(stored.tripDate, QStringLiteral("2004-09-30"));
        QCOMPARE(stored.answers, QList<int>({1, 3, 1, 0, 1, 1}));
        QCOMPARE(stored.daysOfTrip, 12);
    }

    void theChosenDateDrivesTheCountdownAfterARestart() {
        frmWizard* w = openWizard();
        w->DTPicker1->setDate(QDate(2004, 6, 13));
        w->cbAdults->setCurrentIndex(2);
        pressContinue(w);
        auto* checklist = Forms::find(QStringLiteral("frmCheckListNew"));
        QVERIFY(checklist);
        QTest::mouseClick(checklist->findChild<common::PictureButton*>(QStringLiteral("Picture4")), Qt::LeftButton);
        TestWorld::settle();
        auto* countdown = child<QLabel>(Forms::find(QStringLiteral("frmTamble")), QStringLiteral("Label11"));
        QVERIFY(countdown);
        QCOMPARE(countdown->text(), QStringLiteral("I go see Tamble in 12 Days!"));

        world->closeAll();
        countdown = child<QLabel>(Forms::open(QStringLiteral("frmTamble")), QStringLiteral("Label11"));
        QCOMPARE(countdown->text(), QStringLiteral("I go see Tamble in 12 Days!"));
        w = openWizard();
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 6, 13));
        QCOMPARE(w->cbAdults->currentText(), QStringLiteral("2"));
    }

    void storedValuesItCannotShowLeaveTheQuestionUnanswered() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                                   "VALUES ('', 7, 'abc', NULL, -1, 1, 2)"));
        frmWizard* w = openWizard();
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 6, 1));
        QList<int> shown;
        for (QComboBox* box : answerBoxes(w))
            shown << frmWizard::chosenPosition(box);
        QCOMPARE(shown, QList<int>({-1, -1, -1, 1, -1, -1}));
        QCOMPARE(w->cbAdults->currentText(), QStringLiteral("# of Adults"));
    }

    void thePickerShowsTheShortDateWithAFullYear_data() {
        QTest::addColumn<QString>("shortFormat");
        QTest::addColumn<QString>("shown");
        QTest::addRow("two-digit year") << "M/d/yy"
                                        << "M/d/yyyy";
        QTest::addRow("four-digit year") << "dd.MM.yyyy"
                                         << "dd.MM.yyyy";
        QTest::addRow("year first") << "yy-MM-dd"
                                    << "yyyy-MM-dd";
    }
    void thePickerShowsTheShortDateWithAFullYear() {
        QFETCH(QString, shortFormat);
        QFETCH(QString, shown);
        QCOMPARE(itinerary::pickerDateFormat(shortFormat), shown);
    }
};

QTEST_MAIN(TestFrmWizard)
#include "tst_frmwizard.moc"
