#include "TestSupport.h"

#include "common/DropDownList.h"

#include <QDateEdit>
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
QList<common::DropDownList*> answerBoxes(QObject* w) {
    QList<common::DropDownList*> boxes;
    for (const char* name : {"cbAdults", "cbChildren", "cbWimp", "cboWet", "cboTheatre", "cboResort"})
        boxes << must<common::DropDownList>(w, QString::fromLatin1(name));
    return boxes;
}

// The chosen positions as "Adults Kids Daredevel Wet Show Lodging".
QString shownPositions(QObject* w) {
    QStringList shown;
    for (common::DropDownList* box : answerBoxes(w))
        shown << QString::number(box->chosenPosition());
    return shown.join(QLatin1Char(' '));
}

} // namespace

class TestFrmWizard : public WorldTest {
    Q_OBJECT
    static platform::Form* openWizard() { return Forms::open(QStringLiteral("frmWizard")); }
    static QDateEdit* tripDate(QObject* w) { return must<QDateEdit>(w, "DTPicker1"); }
    static void pressContinue(QObject* w) {
        clickOn(w, "Picture2");
        TestWorld::settle();
    }

private slots:
    void firstContinueOnAnEmptyTableStoresTodayAndNoAnswers() {
        platform::Form* w = openWizard();
        QVERIFY(w);
        QCOMPARE(tripDate(w)->date(), QDate(2004, 6, 1));
        QStringList shown;
        for (common::DropDownList* box : answerBoxes(w))
            shown << box->currentText();
        QCOMPARE(shown, (QStringList{"# of Adults", "# of Kids", "Choose your daredevil level", "Choose Yes or No",
                                     "Choose Yes or No", "Choose Yes or No"}));
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-06-01 -1 -1 -1 -1 -1 -1 7"));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWizard")));
    }

    void everyAnswerIsStoredAsItsPositionAndComesBack_data() {
        // Between them, the rows give each answer its first and its last item,
        // and any two answers different items somewhere.
        QTest::addColumn<QString>("chosen"); // Adults Kids Daredevel Wet Show Lodging
        QTest::addRow("ends one way") << "3 0 2 1 0 1";
        QTest::addRow("ends the other way") << "0 3 0 0 1 -1";
    }
    void everyAnswerIsStoredAsItsPositionAndComesBack() {
        QFETCH(QString, chosen);
        platform::Form* w = openWizard();
        QVERIFY(w);
        const QStringList answers = chosen.split(QLatin1Char(' '));
        for (int i = 0; i < answers.size(); ++i)
            if (answers[i] != QLatin1String("-1"))
                pickEntry(answerBoxes(w)[i], answers[i].toInt());
        tripDate(w)->setDate(QDate(2004, 12, 24));
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-12-24 %1 7").arg(answers.join(QLatin1Char(' '))));

        world->closeAll();
        w = openWizard();
        QVERIFY(w);
        QCOMPARE(tripDate(w)->date(), QDate(2004, 12, 24));
        QCOMPARE(shownPositions(w), answers.join(QLatin1Char(' ')));
    }

    // An item's own text typed into a box, over an earlier pick or not, is no answer.
    void typedAnswersAreNeverStoredHoweverTheFocusLeaves_data() {
        QTest::addColumn<QString>("leave");
        QTest::addRow("Tab") << "tab";
        QTest::addRow("click elsewhere") << "click";
        QTest::addRow("Enter") << "enter";
    }
    void typedAnswersAreNeverStoredHoweverTheFocusLeaves() {
        QFETCH(QString, leave);
        platform::Form* w = openWizard();
        QVERIFY(activate(w));
        const QList<common::DropDownList*> boxes = answerBoxes(w);
        pickEntry(boxes[0], 3);
        pickEntry(boxes[5], 0);
        for (const auto& [box, typed] : {std::pair{boxes[0], QStringLiteral("2")}, {boxes[3], QStringLiteral("Yes")}}) {
            box->setFocus(Qt::MouseFocusReason);
            typeOver(box, typed);
            if (leave == QLatin1String("tab"))
                QTest::keyClick(box, Qt::Key_Tab);
            else if (leave == QLatin1String("click"))
                QTest::mouseClick(tripDate(w)->findChild<QLineEdit*>(), Qt::LeftButton); // on the date's text
            else
                QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->currentText(), typed);
            if (leave != QLatin1String("enter"))
                QVERIFY(!box->hasFocus());
        }
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-06-01 -1 -1 -1 -1 -1 0 7"));
    }

    void leavingWithoutContinueStoresNothing_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::addRow("Return to Home Page") << false;
        QTest::addRow("close box") << true;
    }
    void leavingWithoutContinueStoresNothing() {
        QFETCH(bool, byCloseBox);
        storeProfile(*world, QStringLiteral("'2004-08-15', 2, 1, 0, 1, 0, 0, 7"));
        platform::Form* w = openWizard();
        QVERIFY(w);
        pickEntry(answerBoxes(w)[0], 3);
        pickEntry(answerBoxes(w)[5], 1);
        tripDate(w)->setDate(QDate(2005, 1, 1));
        if (byCloseBox)
            w->close();
        else
            chooseItem(w, "mnuReturn");
        TestWorld::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmWizard")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        QCOMPARE(stored(*world), QStringLiteral("2004-08-15 2 1 0 1 0 0 7"));
    }

    void aLaterContinueRewritesTheRowAndLeavesTheTripLength() {
        storeProfile(*world, QStringLiteral("'2004-07-04', 1, 1, 1, 1, 1, 1, 12"));
        platform::Form* w = openWizard();
        QVERIFY(w);
        QCOMPARE(tripDate(w)->date(), QDate(2004, 7, 4));
        tripDate(w)->setDate(QDate(2004, 9, 30));
        pickEntry(answerBoxes(w)[1], 3);
        pickEntry(answerBoxes(w)[3], 0);
        pressContinue(w);
        QCOMPARE(stored(*world), QStringLiteral("2004-09-30 1 3 1 0 1 1 12"));
    }

    void storedValuesItCannotShowLeaveTheQuestionUnanswered() {
        storeProfile(*world, QStringLiteral("'', 7, 'abc', NULL, 1, 2, NULL, 7"));
        platform::Form* w = openWizard();
        QVERIFY(w);
        QCOMPARE(tripDate(w)->date(), QDate(2004, 6, 1));
        QCOMPARE(shownPositions(w), QStringLiteral("-1 -1 -1 1 -1 -1"));
        QCOMPARE(answerBoxes(w)[0]->currentText(), QStringLiteral("# of Adults"));
    }
};

QTEST_MAIN(TestFrmWizard)
#include "tst_frmwizard.moc"
