#include "TestSupport.h"

#include "common/PictureButton.h"
#include "organiser/BudgetSheet.h"
#include "organiser/frmBudget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using organiser::BudgetFigures;
using organiser::BudgetInputs;
using platform::Forms;

namespace {

frmBudget* openBudget() {
    return qobject_cast<frmBudget*>(Forms::open(QStringLiteral("frmBudget")));
}

// The stored row's twelve texts, or nothing without a row.
QStringList storedRow(TestWorld& world) {
    QStringList row;
    auto rs = world.user()->query(QStringLiteral("SELECT * FROM Budget"));
    for (int i = 0; !rs.eof() && i < organiser::kBudgetInputCount; ++i)
        row << rs.text(organiser::budgetColumn(i));
    return row;
}

} // namespace

class TestFrmBudget : public QObject {
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

    // Each row: adults, children, nights, days, one cost for every line; then
    // the airfare multiplier, line totals and amounts joined by "|", and the total.
    void figuresFollowTheInputs_data() {
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("multiplier");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<QString>("amounts");
        QTest::addColumn<QString>("total");
        QTest::addRow("whole numbers") << QStringList{"2", "1", "3", "4"} << "30"
                                       << "3"
                                       << "90|60|30|90|120|120|60|30"
                                       << "$90.00|$240.00|$120.00|$90.00|$120.00|$120.00|$60.00|$30.00"
                                       << "$870.00";
        QTest::addRow("half adult counts as two for airfare only")
            << QStringList{"2.5", "0", "0", "2"} << "10"
            << "2"
            << "20|25|0|0|20|20|25|0"
            << "$20.00|$50.00|$0.00|$0.00|$20.00|$20.00|$25.00|$0.00"
            << "$135.00";
        QTest::addRow("total adds amounts as displayed") << QStringList{"1", "0", "1", "1"} << "0.333"
                                                         << "1"
                                                         << "0.333|0.333|0|0.333|0.333|0.333|0.333|0"
                                                         << "$0.33|$0.33|$0.00|$0.33|$0.33|$0.33|$0.33|$0.00"
                                                         << "$1.98";
        QTest::addRow("grouping and currency sign read as numbers")
            << QStringList{"1", "1", "2", "0"} << "$1,200"
            << "2"
            << "2400|1200|1200|2400|0|0|1200|1200"
            << "$2,400.00|$0.00|$0.00|$2,400.00|$0.00|$0.00|$1,200.00|$1,200.00"
            << "$7,200.00";
    }
    void figuresFollowTheInputs() {
        QFETCH(QStringList, counts);
        QFETCH(QString, cost);
        BudgetInputs in{counts[0], counts[1], counts[2], counts[3], {}};
        in.costs.fill(cost);
        BudgetFigures f;
        QCOMPARE(organiser::recalculateBudget(in, f, QLocale()), organiser::HeadCount::Counted);
        QTEST(f.multipliers[0], "multiplier");
        QTEST(QStringList(f.lineTotals.begin(), f.lineTotals.end()).join('|'), "totals");
        QTEST(QStringList(f.amounts.begin(), f.amounts.end()).join('|'), "amounts");
        QTEST(f.grandTotal, "total");
    }

    void totalBeyondTheCurrencyRangeIsToldNotWrapped() {
        BudgetInputs in{"1", "0", "0", "0", {}};
        in.costs[0] = QStringLiteral("1e15");
        BudgetFigures f;
        organiser::recalculateBudget(in, f, QLocale());
        QCOMPARE(f.grandTotal, QStringLiteral("Too large to add up"));
        in.costs[0] = QStringLiteral("900000000000000");
        in.costs[3] = QStringLiteral("1");
        organiser::recalculateBudget(in, f, QLocale());
        QCOMPARE(f.grandTotal, QStringLiteral("$900,000,000,000,000.00"));
    }

    void typingUpdatesTheWindowAndUnreadableTextKeepsTheLine() {
        frmBudget* w = openBudget();
        QVERIFY(w->Label5->isHidden());
        w->cboAdults->setEditText(QStringLiteral("2"));
        w->cboDays->setEditText(QStringLiteral("4"));
        QTest::keyClicks(w->txtAdultFood, QStringLiteral("30"));
        w->txtHotel->setText(QStringLiteral("100"));
        w->cboNights->setEditText(QStringLiteral("3"));
        QCOMPARE(w->txtTotal[1]->text(), QStringLiteral("60"));
        QCOMPARE(w->Label6[1]->text(), QStringLiteral("$240.00"));
        QCOMPARE(w->Label6[3]->text(), QStringLiteral("$300.00"));
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
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void headCountBeyondSixteenBitsIsToldAndKeepsTheAirfareLine() {
        frmBudget* w = openBudget();
        w->cboAdults->setEditText(QStringLiteral("2"));
        w->txtAirfare->setText(QStringLiteral("100"));
        world->dialogs().answerMessage();
        w->cboKids->setEditText(QStringLiteral("32767"));
        QCOMPARE(world->dialogs().messages(), QStringList{organiser::headCountTooLargeMessage()});
        QCOMPARE(w->lblNumber[0]->text(), QStringLiteral("2"));
        QCOMPARE(w->Label6[0]->text(), QStringLiteral("$200.00"));
        QCOMPARE(w->lblNumber[7]->text(), QStringLiteral("32767"));
    }

    void savedTextsComeBackAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("fraction") << "2.5";
        QTest::addRow("grouping") << "1,200";
        QTest::addRow("currency") << "$300";
        QTest::addRow("apostrophe") << "3'";
    }
    void savedTextsComeBackAsTyped() {
        QFETCH(QString, text);
        frmBudget* w = openBudget();
        w->cboNights->setEditText(text);
        w->txtCarRental->setText(QStringLiteral("45"));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        w->txtAirfare->setText(text);
        w->cboDays->setEditText(QStringLiteral("7"));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        const QStringList expected = {"0", "0", text, "7", text, "0", "0", "0", "0", "45", "0", "0"};
        QCOMPARE(storedRow(*world), expected);
        QCOMPARE(world->user()->query(QStringLiteral("SELECT count(*) AS n FROM Budget")).integer("n"), 1);

        const QString shownTotal = w->txtTotalBudget->text();
        world->closeAll();
        w = openBudget();
        QCOMPARE(w->cboNights->currentText(), text);
        QCOMPARE(w->txtAirfare->text(), text);
        QCOMPARE(w->cboDays->count(), 101);
        QCOMPARE(w->txtTotalBudget->text(), shownTotal);
        QCOMPARE(w->Label5->text(), QStringLiteral("7 day total:"));
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
        w->cboAdults->setEditText(QStringLiteral("2"));
        w->txtAdultPark->setText(QStringLiteral("50"));
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        const auto& items = world->printer().documents[0].pages[0].items;
        QCOMPARE(items.last().fontSize, 16.0);
        const QString printed = world->printer().words(0, 0).join(' ');
        QVERIFY2(printed.contains(QStringLiteral("Disney Budget")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("Adult Park Tickets: $100.00")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("Total Disney World Budget: $100.00")), qPrintable(printed));
    }

    void enteringACostBoxSelectsItsText() {
        frmBudget* w = openBudget();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->txtHotel->setText(QStringLiteral("129.99"));
        QTest::mouseClick(w->txtHotel, Qt::LeftButton, {}, QPoint(5, 5));
        TestWorld::settle();
        QCOMPARE(w->txtHotel->selectedText(), QStringLiteral("129.99"));
        QTest::keyClicks(w->txtHotel, QStringLiteral("80"));
        QCOMPARE(w->txtHotel->text(), QStringLiteral("80"));
    }

    void closeUnloadsWithoutSaving() {
        frmBudget* w = openBudget();
        w->txtHotel->setText(QStringLiteral("99"));
        w->mnuExit->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmBudget")));
        QVERIFY(storedRow(*world).isEmpty());
    }
};

QTEST_MAIN(TestFrmBudget)
#include "tst_frmbudget.moc"
