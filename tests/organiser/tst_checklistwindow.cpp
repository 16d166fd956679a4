#include "TestSupport.h"

#include "common/PictureButton.h"
#include "organiser/frmCheckListNew.h"
#include "organiser/frmPlane.h"
#include "shell/frmTamble.h"

#include <QAction>
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

// The steps as shown, "1" for a done mark and "-" for a Finished button, then "!" when the all-done picture shows.
QString shownSteps(frmCheckListNew* w) {
    QString shown;
    for (int step = 1; step <= w->visibleSteps(); ++step) {
        const bool mark = !w->doneMarks[step - 1]->isHidden();
        const bool button = !w->finishedButtons[step - 1]->isHidden();
        shown += mark && !button ? QLatin1Char('1') : !mark && button ? QLatin1Char('-') : QLatin1Char('?');
    }
    return w->Picture24->isHidden() ? shown : shown + QLatin1Char('!');
}

frmCheckListNew* openChecklist() {
    return qobject_cast<frmCheckListNew*>(Forms::open(QStringLiteral("frmCheckListNew")));
}

} // namespace

class TestFrmCheckListNew : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void flagsDecideWhatEachStepShows_data() {
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<QString>("shown");
        const QVariant null;
        QTest::addRow("no reservation record") << QVariantList{} << "-------";
        QTest::addRow("all empty") << QVariantList{null, null, null, null, null, null, null, null, null, null}
                                   << "-------";
        QTest::addRow("only 1 counts") << QVariantList{1, 2, -1, 1, QStringLiteral("yes"), 1, 0, 0, 0, 0} << "1--1-1-";
        QTest::addRow("six of seven") << QVariantList{1, 1, 1, 1, 1, 1, 0, 1, 1, 1} << "111111-";
        QTest::addRow("seven, rest odd") << QVariantList{1, 1, 1, 1, 1, 1, 1, null, 5, 1} << "1111111!";
    }
    void flagsDecideWhatEachStepShows() {
        QFETCH(QVariantList, flags);
        QFETCH(QString, shown);
        storeFlags(*world, flags);
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        QCOMPARE(shownSteps(w), shown);
        for (int i = 7; i < 10; ++i) {
            QVERIFY(w->Label3[i]->isHidden());
            QVERIFY(w->finishedButtons[i]->isHidden());
            QVERIFY(w->doneMarks[i]->isHidden());
        }
    }

    void finishedMarksOnlyItsStep_data() {
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addRow("step 3") << QVariantList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "Picture7"
                                << QList<int>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0} << "--1----";
        QTest::addRow("last step shows the all-done picture")
            << QVariantList{1, 1, 1, 1, 1, 1, 0, 0, 0, 0} << "Picture16" << QList<int>{1, 1, 1, 1, 1, 1, 1, 0, 0, 0}
            << "1111111!";
        QTest::addRow("step 1 before the reservation record exists")
            << QVariantList{} << "Picture1" << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "1------";
    }
    void finishedMarksOnlyItsStep() {
        QFETCH(QVariantList, flags);
        QFETCH(QString, button);
        QFETCH(QList<int>, stored);
        QFETCH(QString, shown);
        storeFlags(*world, flags);
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        QTest::mouseClick(w->findChild<common::PictureButton*>(button), Qt::LeftButton);
        QCOMPARE(storedFlags(*world), stored);
        QCOMPARE(shownSteps(w), shown);
    }

    void theReservationRecordSavedAfterAStepKeepsIt() {
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        auto* plane = qobject_cast<frmPlane*>(Forms::open(QStringLiteral("frmPlane")));
        QVERIFY(plane);
        QCOMPARE(plane->txtHotel->text(), QString());
        plane->txtHotel->setText(QStringLiteral("Animal Kingdom Lodge"));
        QTest::mouseClick(plane->Picture3, Qt::LeftButton);
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
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        if (fromMenu)
            w->mnuStartOver->trigger();
        else
            QTest::mouseClick(w->Picture25, Qt::LeftButton);
        QCOMPARE(storedFlags(*world), QList<int>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(shownSteps(w), QStringLiteral("-------"));
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void printSendsAnImageOfTheWindowEachTime() {
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
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
        auto* first = qobject_cast<frmTamble*>(Forms::open(QStringLiteral("frmTamble")));
        QVERIFY(first);
        const QString firstTip = first->lblTip->text();
        if (!mainLeftOpen)
            Forms::unload(QStringLiteral("frmTamble"));
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        QTest::mouseClick(w->Picture4, Qt::LeftButton);
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        auto* main = Forms::findAs<frmTamble>(QStringLiteral("frmTamble"));
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(!main->lblTip->text().isEmpty());
        QVERIFY(main->lblTip->text() != firstTip);
    }

    void theCloseBoxShowsTheMainWindowWithoutRebuildingIt() {
        auto* main = Forms::open(QStringLiteral("frmTamble"));
        QVERIFY(main);
        frmCheckListNew* w = openChecklist();
        QVERIFY(w);
        w->close();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        QCOMPARE(Forms::find(QStringLiteral("frmTamble")), main);

        Forms::unload(QStringLiteral("frmTamble"));
        w = openChecklist();
        QVERIFY(w);
        w->close();
        TestWorld::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
    }

    void exitWhileTheChecklistIsOpenEndsTheProgram() {
        QVERIFY(Forms::open(QStringLiteral("frmTamble")));
        QVERIFY(openChecklist());
        Forms::closeAllWindows();
        TestWorld::settle();
        QVERIFY(Forms::loadedNames().isEmpty());
        QCOMPARE(world->quitCount(), 1);
    }
};

QTEST_MAIN(TestFrmCheckListNew)
#include "tst_frmchecklistnew.moc"
