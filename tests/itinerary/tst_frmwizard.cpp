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

// Every TravelInfo row as "TripDate Adults Kids Daredevel Wet Show Lodging DaysOfTrip", rows joined by "; ".
QString stored(TestWorld& world) {
    QStringList rows;
    for (auto rs = world.content()->query(QStringLiteral("SELECT * FROM TravelInfo")); !rs.eof(); rs.moveNext()) {
        QStringList values;
        for (const char* column : {"TripDate", "Adults", "Kids", "Daredevel", "Wet", "Show", "Lodging", "DaysOfTrip"})
            values << rs.text(QString::fromLatin1(column));
        rows << values.join(QLatin1Char(' '));
    }
    return rows.join(QStringLiteral("; "));
}

void storeProfile(TestWorld& world, const QString& values) {
    world.exec(platform::Database::contentFileName(),
               QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Wet, Show, Lodging, "
                              "DaysOfTrip) VALUES (") +
                   values + QLatin1Char(')'));
}

// Adults, Kids, Daredevel, Wet, Show, Lodging.
QList<QComboBox*> answerBoxes(frmWizard* w) {
    return {w->cbAdults, w->cbChildren, w->cbWimp, w->cboWet, w->cboTheatre, w->cboResort};
}

// The chosen positions as "Adults Kids Daredevel Wet Show Lodging".
QString shownPositions(frmWizard* w) {
    QStringList shown;
    for (QComboBox* box : answerBoxes(w))
        shown << QString::number(frmWizard::chosenPosition(box));
    return shown.join(QLatin1Char(' '));
}

} // namespace

class TestFrmWizard : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmWizard* openWizard() { return qobject_cast<frmWizard*>(Forms::open(QStringLiteral("frmWizard"))); }
    static void pressContinue(frmWizard* w) {
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
        QStringList shown;
        for (QComboBox* box : answerBoxes(w))
            shown << box->currentText();
        QCOMPARE(shown, (QStringList{"# of Adults", "# of Kids", "Choose your daredevil level", "Choose Yes or No",
                                     "Choose Yes or No", "Choose Yes or No"}));
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-06-01 -1 -1 -1 -1 -1 -1 7"));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWizard")));
    }

    void everyAnswerIsStoredAsItsPositionAndComesBack_data() {
        QTest::addColumn<QString>("chosen"); // Adults Kids Daredevel Wet Show Lodging
        QTest::addColumn<bool>("typeOver");  // text typed into Adults and over the Wet answer
        QTest::addRow("first items") << "0 0 0 0 0 0" << false;
        QTest::addRow("last items") << "3 3 2 1 1 1" << false;
        QTest::addRow("wet and shows apart") << "2 1 1 1 0 -1" << false;
        QTest::addRow("shows and resort apart") << "-1 2 -1 0 1 0" << false;
        QTest::addRow("typed text is never an answer") << "-1 -1 -1 0 1 -1" << true;
    }
    void everyAnswerIsStoredAsItsPositionAndComesBack() {
        QFETCH(QString, chosen);
        QFETCH(bool, typeOver);
        frmWizard* w = openWizard();
        QVERIFY(w);
        QStringList answers = chosen.split(QLatin1Char(' '));
        for (int i = 0; i < answers.size(); ++i)
            if (answers[i] != QLatin1String("-1"))
                answerBoxes(w)[i]->setCurrentIndex(answers[i].toInt());
        if (typeOver) {
            QTest::keyClicks(w->cbAdults->lineEdit(), QStringLiteral("2"));
            w->cboWet->lineEdit()->selectAll();
            QTest::keyClicks(w->cboWet->lineEdit(), QStringLiteral("Maybe"));
            QCOMPARE(w->cboWet->currentText(), QStringLiteral("Maybe"));
            answers[3] = QStringLiteral("-1");
        }
        w->DTPicker1->setDate(QDate(2004, 12, 24));
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-12-24 %1 7").arg(answers.join(QLatin1Char(' '))));

        world->closeAll();
        w = openWizard();
        QVERIFY(w);
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 12, 24));
        QCOMPARE(shownPositions(w), answers.join(QLatin1Char(' ')));
    }

    void leavingWithoutContinueStoresNothing_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addRow("Return to Home Page") << false;
        QTest::addRow("close box") << true;
    }
    void leavingWithoutContinueStoresNothing() {
        QFETCH(bool, byCloseBox);
        storeProfile(*world, QStringLiteral("'2004-08-15', 2, 1, 0, 1, 0, 0, 7"));
        frmWizard* w = openWizard();
        QVERIFY(w);
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
        QCOMPARE(stored(*world), QStringLiteral("2004-08-15 2 1 0 1 0 0 7"));
    }

    void aLaterContinueRewritesTheRowAndLeavesTheTripLength() {
        storeProfile(*world, QStringLiteral("'2004-07-04', 1, 1, 1, 1, 1, 1, 12"));
        frmWizard* w = openWizard();
        QVERIFY(w);
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 7, 4));
        w->DTPicker1->setDate(QDate(2004, 9, 30));
        w->cbChildren->setCurrentIndex(3);
        w->cboWet->setCurrentIndex(0);
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-09-30 1 3 1 0 1 1 12"));
    }

    void theChosenDateDrivesTheCountdownAfterARestart() {
        frmWizard* w = openWizard();
        QVERIFY(w);
        w->DTPicker1->setDate(QDate(2004, 6, 13));
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
        QVERIFY(countdown);
        QCOMPARE(countdown->text(), QStringLiteral("I go see Tamble in 12 Days!"));
    }

    void storedValuesItCannotShowLeaveTheQuestionUnanswered() {
        storeProfile(*world, QStringLiteral("'', 7, 'abc', NULL, 1, 2, -1, 7"));
        frmWizard* w = openWizard();
        QVERIFY(w);
        QCOMPARE(w->DTPicker1->date(), QDate(2004, 6, 1));
        QCOMPARE(shownPositions(w), QStringLiteral("-1 -1 -1 1 -1 -1"));
        QCOMPARE(w->cbAdults->currentText(), QStringLiteral("# of Adults"));
    }

    void thePickerShowsTheShortDateWithAFullYear() {
        QCOMPARE(itinerary::pickerDateFormat(QStringLiteral("M/d/yy")), QStringLiteral("M/d/yyyy"));
        QCOMPARE(itinerary::pickerDateFormat(QStringLiteral("dd.MM.yyyy")), QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(itinerary::pickerDateFormat(QStringLiteral("yy-MM-dd")), QStringLiteral("yyyy-MM-dd"));
    }
};

QTEST_MAIN(TestFrmWizard)
#include "tst_frmwizard.moc"
