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

const QString kUser = platform::Database::userFileName();

QList<int> storedFlags(TestWorld& world) {
    auto rs = world.user()->query(QStringLiteral("SELECT * FROM ArriveInfo"));
    QList<int> flags;
    for (int n = 1; n <= 10; ++n)
        flags << rs.integer(QStringLiteral("chk%1").arg(n), -99);
    return flags;
}

void storeFlags(TestWorld& world, const QVariantList& flags) {
    world.exec(kUser,
               QStringLiteral("INSERT INTO ArriveInfo (Hotel, chk1, chk2, chk3, chk4, chk5, chk6, chk7, chk8, "
                              "chk9, chk10) VALUES ('Hotel', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               flags);
}

// The steps shown done, as "1" for a done mark and "-" for a Finished button.
QString shownSteps(organiser::ChecklistWindow* w) {
    QString shown;
    for (int step = 1; step <= w->visibleSteps(); ++step) {
        const bool mark = !w->doneMarks[step - 1]->isHidden();
        const bool button = !w->finishedButtons[step - 1]->isHidden();
        shown += mark && !button ? QLatin1Char('1') : !mark && button ? QLatin1Char('-') : QLatin1Char('?');
    }
    return shown;
}

} // namespace

class TestFrmCheckListNew : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmCheckListNew* openChecklist() {
        return qobject_cast<frmCheckListNew*>(Forms::open(QStringLiteral("frmCheckListNew")));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void flagsDecideWhatEachStepShows_data() {
        QTest::addColumn<QVariantList>("flags");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("allDone");
        const QVariant null;
        QTest::addRow("all zero") << QVariantList{0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "-------" << false;
        QTest::addRow("all empty") << QVariantList{null, null, null, null, null, null, null, null, null, null}
                                   << "-------" << false;
        QTest::addRow("only 1 counts") << QVariantList{1, 2, -1, 1, QStringLiteral("yes"), 1, 0, 0, 0, 0} << "1--1-1-"
                                       << false;
        QTest::addRow("six of seven") << QVariantList{1, 1, 1, 1, 1, 1, 0, 1, 1, 1} << "111111-" << false;
        QTest::addRow("seven, rest zero") << QVariantList{1, 1, 1, 1, 1, 1, 1, 0, 0, 0} << "1111111" << true;
        QTest::addRow("seven, rest odd") << QVariantList{1, 1, 1, 1, 1, 1, 1, null, 5, 1} << "1111111" << true;
    }
    void flagsDecideWhatEachStepShows() {
        QFETCH(QVariantList, flags);
        QFETCH(QString, shown);
        QFETCH(bool, allDone);
        storeFlags(*world, flags);
        frmCheckListNew* w = openChecklist();
        QCOMPARE(shownSteps(w), shown);
        QCOMPARE(!w->Picture24->isHidden(), allDone);
        for (int i = 7; i < 10; ++i) {
            QVERIFY(w->Label3[i]->isHidden());
            QVERIFY(w->finishedButtons[i]->isHidden());
            QVERIFY(w->doneMarks[i]->isHidden());
        }
    }

    void withoutAStoredRecordNoStepShowsDone() {
        frmCheckListNew* w = openChecklist();
        QCOMPARE(shownSteps(w), QStringLiteral("-------"));
        QVERIFY(w->Picture24->isHidden());
    }

    void finishedOnStepThreeMarksOnlyThatStep() {
        storeFlags(*world, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        frmCheckListNew* w = openChecklist();
        QTest::mouseClick(w->Picture7, Qt::LeftButton);
        QCOMPARE(storedFlags(*world), QList<int>({0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(shownSteps(w), QStringLiteral("--1----"));
        QVERIFY(w->Picture24->isHidden());
    }

    void finishingTheLastStepShowsTheAllDonePicture() {
        storeFlags(*world, {1, 1, 1, 1, 1, 1, 0, 0, 0, 0});
        frmCheckListNew* w = openChecklist();
        QVERIFY(w->Picture24->isHidden());
        QTest::mouseClick(w->Picture16, Qt::LeftButton);
        QCOMPARE(shownSteps(w), QStringLiteral("1111111"));
        QVERIFY(!w->Picture24->isHidden());
        QVERIFY(w->Picture16->isHidden());
    }

    void finishingAStepBeforeTheReservationRecordExistsKeepsIt() {
        frmCheckListNew* w = openChecklist();
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        QCOMPARE(shownSteps(w), QStringLiteral("1------"));
        QCOMPARE(storedFlags(*world), QList<int>({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

        // The reservation record then opens empty and its save keeps the step.
        auto* plane = qobject_cast<frmPlane*>(Forms::open(QStringLiteral("frmPlane")));
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
        if (fromMenu)
            w->mnuStartOver->trigger();
        else
            QTest::mouseClick(w->Picture25, Qt::LeftButton);
        QCOMPARE(storedFlags(*world), QList<int>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(shownSteps(w), QStringLiteral("-------"));
        QVERIFY(w->Picture24->isHidden());
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void printSendsAnImageOfTheWindowEachTime() {
        storeFlags(*world, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        frmCheckListNew* w = openChecklist();
        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
        const auto& documents = world->printer().documents;
        QCOMPARE(documents.size(), 2);
        for (const auto& document : documents) {
            QCOMPARE(document.pages.size(), 1);
            QCOMPARE(document.pages[0].kind, QStringLiteral("image"));
            QCOMPARE(document.pages[0].title, QStringLiteral("Your Travisto Checklist"));
        }
        QVERIFY(Forms::isLoaded(QStringLiteral("frmCheckListNew")));
    }

    void homePageRebuildsTheMainWindow_data() {
        QTest::addColumn<bool>("mainLeftOpen");
        QTest::addRow("main window unloaded") << false;
        QTest::addRow("main window open") << true;
    }
    void homePageRebuildsTheMainWindow() {
        QFETCH(bool, mainLeftOpen);
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO tblHomeTips (intId, Tip, Counter) VALUES (1, 'First', 0), "
                                   "(2, 'Second', 0)"));
        auto* main = qobject_cast<frmTamble*>(Forms::open(QStringLiteral("frmTamble")));
        const QString firstTip = main->lblTip->text();
        if (!mainLeftOpen)
            Forms::unload(QStringLiteral("frmTamble"));
        frmCheckListNew* w = openChecklist();
        QTest::mouseClick(w->Picture4, Qt::LeftButton);
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        main = Forms::findAs<frmTamble>(QStringLiteral("frmTamble"));
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(!main->lblTip->text().isEmpty());
        QVERIFY(main->lblTip->text() != firstTip);
    }

    void theCloseBoxShowsTheMainWindowWithoutRebuildingIt() {
        auto* main = qobject_cast<frmTamble*>(Forms::open(QStringLiteral("frmTamble")));
        frmCheckListNew* w = openChecklist();
        w->close();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckListNew")));
        QCOMPARE(Forms::findAs<frmTamble>(QStringLiteral("frmTamble")), main);

        Forms::unload(QStringLiteral("frmTamble"));
        openChecklist()->close();
        TestWorld::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
    }

    void exitWhileTheChecklistIsOpenEndsTheProgram() {
        Forms::open(QStringLiteral("frmTamble"));
        openChecklist();
        Forms::closeAllWindows();
        TestWorld::settle();
        QVERIFY(Forms::loadedNames().isEmpty());
        QCOMPARE(world->quitCount(), 1);
    }
};

QTEST_MAIN(TestFrmCheckListNew)
#include "tst_frmchecklistnew.moc"
