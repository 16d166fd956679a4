#include "TestSupport.h"

#include "common/DropDownList.h"
#include "organiser/BudgetSheet.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

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

class TestFrmBudget : public WorldTest {
    Q_OBJECT
    platform::Form* w = nullptr; // the budget
    // Opens the budget as the window the user works in.
    bool openBudget() { return activate(w = Forms::open(QStringLiteral("frmBudget"))); }

    // The budget's controls by name.
    QLabel* label(const QString& name) { return must<QLabel>(w, name); }
    QLineEdit* box(const QString& name) { return must<QLineEdit>(w, name); }
    common::DropDownList* count(const QString& name) { return must<common::DropDownList>(w, name); }
    void click(const QString& name) { clickOn(w, name); }
    QStringList shown(const QStringList& names) { return shownTexts(w, names); }

private slots:
    // A system without a locale of its own, as the tests run: amounts read
    // and show in the US form all the same.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

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
        QCOMPARE(organiser::recalculateBudget(in, f, platform::programLocale()), organiser::HeadCount::Counted);
        QTEST(QStringList(f.lineTotals.begin(), f.lineTotals.end()).join('|'), "totals");
        QTEST(QStringList(f.amounts.begin(), f.amounts.end()).join('|') + " = " + f.grandTotal, "amounts");
    }

    // Unreadable text keeps its line; an emptied box gets its 0 back.
    void typingUpdatesTheWindowButStoresNothingUntilSaved() {
        QVERIFY(openBudget());
        QVERIFY(label("Label5")->isHidden());
        count("cboAdults")->setEditText(QStringLiteral("2"));
        count("cboDays")->setEditText(QStringLiteral("4"));
        box("txtAdultFood")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box("txtAdultFood"), QStringLiteral("30"));
        box("txtHotel")->setText(QStringLiteral("100"));
        count("cboNights")->setEditText(QStringLiteral("3"));
        QCOMPARE(shown({"Label6_1", "txtTotalBudget", "Label5"}), QStringList({"$240.00", "$540.00", "4 day total:"}));
        QVERIFY(!label("Label5")->isHidden());

        // A line total takes typing; a cost that cannot be read leaves it standing.
        box("txtTotal_3")->selectAll();
        QTest::keyClicks(box("txtTotal_3"), QStringLiteral("75"));
        box("txtHotel")->setText(QStringLiteral("abc"));
        QCOMPARE(shown({"txtTotal_3", "txtTotalBudget"}), QStringList({"75", "$315.00"}));
        count("cboDays")->setEditText(QStringLiteral("0"));
        QCOMPARE(shown({"Label6_1", "Label5"}), QStringList({"$0.00", "4 day total:"}));

        box("txtHotel")->clear();
        count("cboAdults")->setEditText(QString());
        QCOMPARE(shown({"txtHotel", "cboAdults", "txtTotalBudget"}), QStringList({"0", "0", "$0.00"}));

        chooseItem(w, "mnuExit");
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmBudget")));
        QVERIFY(storedRows(*world).isEmpty());
    }

    void headCountBeyondSixteenBitsIsToldAndKeepsTheAirfareLine() {
        QVERIFY(openBudget());
        pickEntry(count("cboAdults"), 2);
        box("txtAirfare")->setText(QStringLiteral("100"));
        world->dialogs().answerMessage();
        count("cboKids")->setEditText(QStringLiteral("32767"));
        QCOMPARE(world->dialogs().messages(), QStringList{organiser::headCountTooLargeMessage()});
        QCOMPARE(shown({"lblNumber_0", "Label6_0", "lblNumber_7"}), QStringList({"2", "$200.00", "32767"}));
    }

    void savedTextsComeBackAsTypedInOneRow() {
        QVERIFY(openBudget());
        count("cboNights")->setEditText(QStringLiteral("2.5"));
        box("txtCarRental")->setText(QStringLiteral("45"));
        click("Command1");
        box("txtAirfare")->setText(QStringLiteral("$1,200"));
        box("txtSouvenier")->setText(QStringLiteral("3'"));
        count("cboDays")->setEditText(QStringLiteral("7"));
        click("Command1");
        QCOMPARE(storedRows(*world),
                 QStringList({"0", "0", "2.5", "7", "$1,200", "0", "0", "0", "3'", "45", "0", "0"}));

        const QString shownTotal = box("txtTotalBudget")->text();
        world->closeAll();
        QVERIFY(openBudget());
        QCOMPARE(shown({"cboNights", "txtAirfare", "txtSouvenier", "txtTotalBudget", "Label5"}),
                 QStringList({"2.5", "$1,200", "3'", shownTotal, "7 day total:"}));
        QCOMPARE(count("cboDays")->count(), 101);

        // A cost stored empty comes back as "0", as an emptied box does.
        world->closeAll();
        world->exec(platform::Database::userFileName(), QStringLiteral("UPDATE Budget SET CarRental = ''"));
        QVERIFY(openBudget());
        QCOMPARE(shown({"txtCarRental", "Label6_5"}), QStringList({"0", "$0.00"}));
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

        QVERIFY(openBudget());
        count("cboAdults")->setEditText(QStringLiteral("2"));
        box("txtAdultPark")->setText(QStringLiteral("50"));
        box("txtTotalBudget")->selectAll(); // a grand total typed over prints as typed
        QTest::keyClicks(box("txtTotalBudget"), QStringLiteral("About $100"));
        click("Picture3");
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages[0].items.last().fontSize, 16.0);
        const QString printed = world->printer().words(0, 0).join(' ');
        for (const char* part :
             {"Disney Budget", "Adult Park Tickets: $100.00", "Total Disney World Budget: About $100"})
            QVERIFY2(printed.contains(part), qPrintable(printed));
    }

    void tabRunsDownTheCountsTheCostsThenTheTotals() {
        QVERIFY(openBudget());
        const QStringList expected =
            QStringLiteral("cboAdults cboKids cboNights cboDays txtAirfare txtAdultFood "
                           "txtKidsFood txtHotel txtSouvenier txtCarRental txtAdultPark "
                           "txtKidsPark txtTotal_0 txtTotal_1 txtTotal_2 txtTotal_3 txtTotal_4 "
                           "txtTotal_5 txtTotal_6 txtTotal_7 txtTotalBudget Command1")
                .split(' ');
        QStringList visited;
        for (count("cboAdults")->setFocus(); visited.size() < expected.size();
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab)) {
            QWidget* f = QApplication::focusWidget();
            visited << (f->objectName().isEmpty() ? f->parentWidget() : f)->objectName(); // a count's text box
        }
        QCOMPARE(visited, expected);
    }

    // Tab from the control before it in the tab order, whatever that is.
    void tabbingIntoACostBoxSelectsItsText() {
        QVERIFY(openBudget());
        box("txtHotel")->setText(QStringLiteral("129.99"));
        QWidget* from = box("txtHotel");
        do
            from = from->previousInFocusChain();
        while (!(from->focusPolicy() & Qt::TabFocus) || !from->isVisible());
        from->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(box("txtHotel")->hasFocus());
        QTest::keyClicks(box("txtHotel"), QStringLiteral("80"));
        QCOMPARE(box("txtHotel")->text(), QStringLiteral("80"));
    }
};

QTEST_MAIN(TestFrmBudget)
#include "tst_frmbudget.moc"
