#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/PictureButton.h"
#include "organiser/BudgetSheet.h"
#include "organiser/frmBudget.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using organiser::BudgetFigures;
using organiser::BudgetInputs;
using platform::Forms;

namespace {

// The twelve texts of every stored row, one row after the other.
QStringList storedRows(TestWorld& world) {
    QStringList texts;
    for (auto rs = world.user()->query(QStringLiteral("SELECT * FROM Budget")); !rs.eof(); rs.moveNext())
        for (int i = 0; i < organiser::kBudgetInputCount; ++i)
            texts << rs.text(organiser::budgetColumn(i));
    return texts;
}

} // namespace

class TestFrmBudget : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmBudget* openBudget() { return qobject_cast<frmBudget*>(Forms::open(QStringLiteral("frmBudget"))); }

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

    // Each row: adults, children, nights, days and one cost for every line; then
    // the line totals, and the amounts with the grand total.
    void figuresFollowTheInputs_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<QString>("amounts");
        QTest::addRow("whole numbers") << QStringList{"2", "1", "3", "4", "30"} << "90|60|30|90|120|120|60|30"
                                       << "$90.00|$240.00|$120.00|$90.00|$120.00|$120.00|$60.00|$30.00 = $870.00";
        QTest::addRow("half adult counts as two for airfare only")
            << QStringList{"2.5", "0", "0", "2", "10"} << "20|25|0|0|20|20|25|0"
            << "$20.00|$50.00|$0.00|$0.00|$20.00|$20.00|$25.00|$0.00 = $135.00";
        QTest::addRow("total adds amounts as displayed")
            << QStringList{"1", "0", "1", "1", "0.333"} << "0.333|0.333|0|0.333|0.333|0.333|0.333|0"
            << "$0.33|$0.33|$0.00|$0.33|$0.33|$0.33|$0.33|$0.00 = $1.98";
        QTest::addRow("grouping and currency sign read as numbers")
            << QStringList{"1", "1", "2", "0", "$1,200"} << "2400|1200|1200|2400|0|0|1200|1200"
            << "$2,400.00|$0.00|$0.00|$2,400.00|$0.00|$0.00|$1,200.00|$1,200.00 = $7,200.00";
        QTest::addRow("total at the top of the currency range")
            << QStringList{"1", "0", "0", "0", "450000000000000"}
            << "450000000000000|450000000000000|0|0|0|0|450000000000000|0"
            << "$450,000,000,000,000.00|$0.00|$0.00|$0.00|$0.00|$0.00|$450,000,000,000,000.00|$0.00"
               " = $900,000,000,000,000.00";
        QTest::addRow("total beyond the currency range is told, not wrapped")
            << QStringList{"1", "0", "0", "0", "500000000000000"}
            << "500000000000000|500000000000000|0|0|0|0|500000000000000|0"
            << "$500,000,000,000,000.00|$0.00|$0.00|$0.00|$0.00|$0.00|$500,000,000,000,000.00|$0.00"
               " = Too large to add up";
    }
    void figuresFollowTheInputs() {
        QFETCH(QStringList, inputs);
        BudgetInputs in{inputs[0], inputs[1], inputs[2], inputs[3], {}};
        in.costs.fill(inputs[4]);
        BudgetFigures f;
        QCOMPARE(organiser::recalculateBudget(in, f, QLocale()), organiser::HeadCount::Counted);
        QTEST(QStringList(f.lineTotals.begin(), f.lineTotals.end()).join('|'), "totals");
        QTEST(QStringList(f.amounts.begin(), f.amounts.end()).join('|') + " = " + f.grandTotal, "amounts");
    }

    // Unreadable text keeps its line; an emptied box gets its 0 back.
    void typingUpdatesTheWindowButStoresNothingUntilSaved() {
        frmBudget* w = openBudget();
        QVERIFY(w);
        QVERIFY(w->Label5->isHidden());
        w->cboAdults->setEditText(QStringLiteral("2"));
        w->cboDays->setEditText(QStringLiteral("4"));
        QTest::keyClicks(w->txtAdultFood, QStringLiteral("30"));
        w->txtHotel->setText(QStringLiteral("100"));
        w->cboNights->setEditText(QStringLiteral("3"));
        QCOMPARE(w->Label6[1]->text(), QStringLiteral("$240.00"));
        QCOMPARE(w->txtTotalBudget->text(), QStringLiteral("$540.00"));
        QVERIFY(!w->Label5->isHidden());
        QCOMPARE(w->Label5->text(), QStringLiteral("4 day total:"));

        w->txtHotel->setText(QStringLiteral("abc"));
        QCOMPARE(w->txtTotal[3]->text(), QStringLiteral("300"));
        QCOMPARE(w->txtTotalBudget->text(), QStringLiteral("$540.00"));
        w->cboDays->setEditText(QStringLiteral("0"));
        QCOMPARE(w->Label6[1]->text(), QStringLiteral("$0.00"));
        QCOMPARE(w->Label5->text(), QStringLiteral("4 day total:"));

        w->txtHotel->clear();
        w->cboAdults->setEditText(QString());
        QCOMPARE(w->txtHotel->text(), QStringLiteral("0"));
        QCOMPARE(w->cboAdults->currentText(), QStringLiteral("0"));
        QCOMPARE(w->txtTotalBudget->text(), QStringLiteral("$0.00"));

        w->mnuExit->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmBudget")));
        QVERIFY(storedRows(*world).isEmpty());
    }

    void headCountBeyondSixteenBitsIsToldAndKeepsTheAirfareLine() {
        frmBudget* w = openBudget();
        QVERIFY(w);
        pickEntry(w->cboAdults, 2);
        w->txtAirfare->setText(QStringLiteral("100"));
        world->dialogs().answerMessage();
        w->cboKids->setEditText(QStringLiteral("32767"));
        QCOMPARE(world->dialogs().messages(), QStringList{organiser::headCountTooLargeMessage()});
        QCOMPARE(w->lblNumber[0]->text(), QStringLiteral("2"));
        QCOMPARE(w->Label6[0]->text(), QStringLiteral("$200.00"));
        QCOMPARE(w->lblNumber[7]->text(), QStringLiteral("32767"));
    }

    void savedTextsComeBackAsTypedInOneRow() {
        frmBudget* w = openBudget();
        QVERIFY(w);
        w->cboNights->setEditText(QStringLiteral("2.5"));
        w->txtCarRental->setText(QStringLiteral("45"));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        w->txtAirfare->setText(QStringLiteral("$1,200"));
        w->txtSouvenier->setText(QStringLiteral("3'"));
        w->cboDays->setEditText(QStringLiteral("7"));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QCOMPARE(storedRows(*world),
                 QStringList({"0", "0", "2.5", "7", "$1,200", "0", "0", "0", "3'", "45", "0", "0"}));

        const QString shownTotal = w->txtTotalBudget->text();
        world->closeAll();
        w = openBudget();
        QVERIFY(w);
        QCOMPARE(QStringList({w->cboNights->currentText(), w->txtAirfare->text(), w->txtSouvenier->text()}),
                 QStringList({"2.5", "$1,200", "3'"}));
        QCOMPARE(w->cboDays->count(), 101);
        QCOMPARE(w->txtTotalBudget->text(), shownTotal);
        QCOMPARE(w->Label5->text(), QStringLiteral("7 day total:"));

        // A cost stored empty comes back as "0", as an emptied box does.
        world->closeAll();
        world->exec(platform::Database::userFileName(), QStringLiteral("UPDATE Budget SET CarRental = ''"));
        w = openBudget();
        QCOMPARE(w->txtCarRental->text(), QStringLiteral("0"));
        QCOMPARE(w->Label6[5]->text(), QStringLiteral("$0.00"));
    }

    void printListsTheAmountsAtSixteenPoints() {
        BudgetFigures f;
        f.amounts = {"$1.00", "$2.00", "$3.00", "$4.00", "$5.00", "$6.00", "$7.00", "$8.00"};
        f.grandTotal = QStringLiteral("$36.00");
        QCOMPARE(organiser::budgetPrintText(f),
                 QStringLiteral("Airfare: $1.00\r\n\r\nAdult Food: $2.00\r\n\r\nKids Food: $3.00\r\n\r\n"
                                "Hotel: $4.00\r\n\r\nSouvenirs: $5.00\r\n\r\nCar Rental: $6.00\r\n\r\n"
                                "Adult Park Tickets: $7.00\r\n\r\nKids Park Tickets: $8.00\r\n\r\n\r\n"
                                "Total Disney World Budget: $36.00"));

        frmBudget* w = openBudget();
        QVERIFY(w);
        w->cboAdults->setEditText(QStringLiteral("2"));
        w->txtAdultPark->setText(QStringLiteral("50"));
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages[0].items.last().fontSize, 16.0);
        const QString printed = world->printer().words(0, 0).join(' ');
        for (const char* part : {"Disney Budget", "Adult Park Tickets: $100.00", "Total Disney World Budget: $100.00"})
            QVERIFY2(printed.contains(part), qPrintable(printed));
    }

    void enteringACostBoxSelectsItsText() {
        frmBudget* w = openBudget();
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->txtHotel->setText(QStringLiteral("129.99"));
        QTest::mouseClick(w->txtHotel, Qt::LeftButton, {}, QPoint(5, 5));
        TestWorld::settle();
        QCOMPARE(w->txtHotel->selectedText(), QStringLiteral("129.99"));
        QTest::keyClicks(w->txtHotel, QStringLiteral("80"));
        QCOMPARE(w->txtHotel->text(), QStringLiteral("80"));
    }
};

QTEST_MAIN(TestFrmBudget)
#include "tst_frmbudget.moc"
