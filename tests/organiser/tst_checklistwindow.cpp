#include "TestSupport.h"

#include <QLabel>
#include <QLineEdit>

using platform::Forms;

namespace {

QList<int> storedFlags(TestWorld& world) {
    auto rs = world.user()->query(QStringLiteral("SELECT * FROM ArriveInfo"));
    QList<int> flags;
    for (int n = 1; n <= 10; ++n)
        flags << rs.integer(QStringLiteral("chk%1").arg(n), -99);
    return flags;
}

// An empty list stores no reservation record.
void storeFlags(TestWorld& world, const QVariantList& flags) {
    if (!flags.isEmpty())
        world.exec(platform::Database::userFileName(),
                   QStringLiteral("INSERT INTO ArriveInfo (Hotel, chk1, chk2, chk3, chk4, chk5, chk6, chk7, chk8, "
                                  "chk9, chk10) VALUES ('Hotel', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   flags);
}

// The pictures of steps 1 to 10: their Finished buttons and their done marks.
const int kFinished[] = {1, 5, 7, 9, 11, 14, 16, 18, 20, 22};
const int kDoneMarks[] = {2, 6, 8, 10, 12, 15, 17, 19, 21, 23};

QWidget* picture(QObject* w, int number) {
    return must<QWidget>(w, QStringLiteral("Picture%1").arg(number));
}

// The steps as shown, "1" for a done mark and "-" for a Finished button, "x"
// for a row not shown at all; then "!" when the all-done picture shows.
QString shownSteps(QObject* w) {
    QString shown;
    for (int step = 0; step < 10; ++step) {
        const bool number = !must<QLabel>(w, QStringLiteral("Label3_%1").arg(step))->isHidden();
        const bool mark = !picture(w, kDoneMarks[step])->isHidden();
        const bool button = !picture(w, kFinished[step])->isHidden();
        if (!number && !mark && !button)
            shown += QLatin1Char('x');
        else
            shown += number && mark != button ? QLatin1Char(mark ? '1' : '-') : QLatin1Char('?');
    }
    return picture(w, 24)->isHidden() ? shown : shown + QLatin1Char('!');
}

platform::Form* openChecklist(const QString& form = QStringLiteral("frmCheckListNew")) {
    return Forms::open(form);
}

} // namespace

class TestChecklistWindow : public WorldTest {
    Q_OBJECT
private slots:
    void flagsDecideWhatEachStepShows_data() {
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<QString>("shown");
        const QVariant null;
        QTest::addRow("no reservation record") << QVariantList{} << "-------xxx";
        QTest::addRow("all empty") << QVariantList{null, null, null, null, null, null, null, null, null, null}
                                   << "-------xxx";
        QTest::addRow("only 1 counts") << QVariantList{1, 2, -1, 1, QStringLiteral("yes"), 1, 0, 0, 0, 0}
                                       << "1--1-1-xxx";
        QTest::addRow("six of seven") << QVariantList{1, 1, 1, 1, 1, 1, 0, 1, 1, 1} << "111111-xxx";
        QTest::addRow("seven, rest odd") << QVariantList{1, 1, 1, 1, 1, 1, 1, null, 5, 1} << "1111111xxx!";
    }
    void flagsDecideWhatEachStepShows() {
        QFETCH(QVariantList, flags);
        QFETCH(QString, shown);
        storeFlags(*world, flags);
        platform::Form* w = openChecklist();
        QVERIFY(w);
        QCOMPARE(shownSteps(w), shown);
    }

    void finishedMarksOnlyItsStep_data() {
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addRow("step 3") << QVariantList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "Picture7"
                                << QList<int>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0} << "--1----xxx";
        QTest::addRow("last step shows the all-done picture")
            << QVariantList{1, 1, 1, 1, 1, 1, 0, 0, 0, 0} << "Picture16" << QList<int>{1, 1, 1, 1, 1, 1, 1, 0, 0, 0}
            << "1111111xxx!";
        QTest::addRow("step 1 before the reservation record exists")
            << QVariantList{} << "Picture1" << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "1------xxx";
    }
    void finishedMarksOnlyItsStep() {
        QFETCH(QVariantList, flags);
        QFETCH(QString, button);
        QFETCH(QList<int>, stored);
        QFETCH(QString, shown);
        storeFlags(*world, flags);
        platform::Form* w = openChecklist();
        QVERIFY(w);
        clickOn(w, button);
        QCOMPARE(storedFlags(*world), stored);
        QCOMPARE(shownSteps(w), shown);
    }

    void theReservationRecordSavedAfterAStepKeepsIt() {
        platform::Form* w = openChecklist();
        QVERIFY(w);
        clickOn(w, "Picture1");
        platform::Form* plane = Forms::open(QStringLiteral("frmPlane"));
        QVERIFY(plane);
        QCOMPARE(must<QLineEdit>(plane, "txtHotel")->text(), QString());
        must<QLineEdit>(plane, "txtHotel")->setText(QStringLiteral("Animal Kingdom Lodge"));
        clickOn(plane, "Picture3");
        auto rs = world->user()->query(QStringLiteral("SELECT COUNT(*) AS n, MAX(Hotel) AS h FROM ArriveInfo"));
        QCOMPARE(rs.integer(QStringLiteral("n")), 1);
        QCOMPARE(rs.text(QStringLiteral("h")), QStringLiteral("Animal Kingdom Lodge"));
        QCOMPARE(storedFlags(*world), QList<int>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }

    void startOverClearsAllTenFlagsWithoutAsking_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::addRow("menu") << true;
        QTest::addRow("picture") << false;
    }
    void startOverClearsAllTenFlagsWithoutAsking() {
        QFETCH(bool, fromMenu);
        storeFlags(*world, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        platform::Form* w = openChecklist();
        QVERIFY(w);
        if (fromMenu)
            chooseItem(w, "mnuStartOver");
        else
            clickOn(w, "Picture25");
        QCOMPARE(storedFlags(*world), QList<int>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(shownSteps(w), QStringLiteral("-------xxx"));
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void printSendsAnImageOfTheWindowEachTime() {
        platform::Form* w = openChecklist();
        QVERIFY(w);
        chooseItem(w, "mnuPrint");
        clickOn(w, "Picture3");
        const auto& documents = world->printer().documents;
        QCOMPARE(documents.size(), 2);
        for (const auto& document : documents) {
            QCOMPARE(document.pages.size(), 1);
            QCOMPARE(document.pages[0].kind, QStringLiteral("image"));
            QCOMPARE(document.pages[0].title, QStringLiteral("Your Travisto Checklist"));
        }
    }

    void homePageRebuildsTheMainWindowWithANewTip_data() {
        QTest::addColumn<bool>("mainLeftOpen");
        QTest::addRow("main window unloaded") << false;
        QTest::addRow("main window open") << true;
    }
    void homePageRebuildsTheMainWindowWithANewTip() {
        QFETCH(bool, mainLeftOpen);
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO tblHomeTips (intId, Tip, Counter) VALUES (1, 'First', 0), "
                                   "(2, 'Second', 0)"));
        platform::Form* first = Forms::open(QStringLiteral("frmTamble"));
        QVERIFY(first);
        const QString firstTip = must<QLabel>(first, "lblTip")->text();
        if (!mainLeftOpen)
            Forms::unload(QStringLiteral("frmTamble"));
        platform::Form* w = openChecklist();
        QVERIFY(w);
        clickOn(w, "Picture4");
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        platform::Form* main = Forms::find(QStringLiteral("frmTamble"));
        QVERIFY(main);
        QVERIFY(main->isVisible());
        const QString tip = must<QLabel>(main, "lblTip")->text();
        QVERIFY(!tip.isEmpty() && tip != firstTip);
    }

    void theTenStepListNeedsAllTenForTheAllDonePicture() {
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO ArriveInfo (chk1, chk2, chk3, chk4, chk5, chk6, chk7, chk8, chk9, "
                                   "chk10) VALUES (1, 1, 1, 1, 1, 1, 1, 1, 1, 0)"));
        platform::Form* w = openChecklist(QStringLiteral("frmCheckList"));
        QVERIFY(w);
        QCOMPARE(shownSteps(w), QStringLiteral("111111111-"));
        clickOn(w, "Picture22");
        QCOMPARE(shownSteps(w), QStringLiteral("1111111111!"));
        QCOMPARE(world->user()->query(QStringLiteral("SELECT chk10 FROM ArriveInfo")).integer(QStringLiteral("chk10")),
                 1);
    }

    void theTenStepListShowsOddStepsInRed() {
        platform::Form* w = openChecklist(QStringLiteral("frmCheckList"));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Your Vacation Checklist"));
        auto* first = must<QLabel>(w, "Label2_0");
        QCOMPARE(first->text(), QStringLiteral("Complete the \"Trip Wizard\" Questionaire."));
        QCOMPARE(first->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(first->font().bold());
        QVERIFY(!must<QLabel>(w, "Label2_1")->font().bold());
    }
};

QTEST_MAIN(TestChecklistWindow)
#include "tst_checklistwindow.moc"
