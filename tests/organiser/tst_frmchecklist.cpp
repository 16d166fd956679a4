#include "TestSupport.h"

#include "common/PictureButton.h"
#include "organiser/frmCheckList.h"

#include <QAction>
#include <QLabel>

using platform::Forms;

class TestFrmCheckList : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmCheckList* openChecklist() {
        return qobject_cast<frmCheckList*>(Forms::open(QStringLiteral("frmCheckList")));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void allTenStepsMustBeDoneForTheAllDonePicture() {
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO ArriveInfo (chk1, chk2, chk3, chk4, chk5, chk6, chk7, chk8, chk9, "
                                   "chk10) VALUES (1, 1, 1, 1, 1, 1, 1, 1, 1, 0)"));
        frmCheckList* w = openChecklist();
        QVERIFY(w);
        QCOMPARE(w->visibleSteps(), 10);
        for (int step = 1; step <= 10; ++step)
            QCOMPARE(w->stepShownDone(step), step < 10);
        QVERIFY(w->Picture24->isHidden());
        QTest::mouseClick(w->Picture22, Qt::LeftButton);
        QVERIFY(w->stepShownDone(10));
        QVERIFY(!w->Picture24->isHidden());
        QCOMPARE(world->user()->query(QStringLiteral("SELECT chk10 FROM ArriveInfo")).integer(QStringLiteral("chk10")),
                 1);
    }

    void itsOwnTextsWithOddStepsInRedAndCloseShowsTheMainWindow() {
        frmCheckList* w = openChecklist();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Your Vacation Checklist"));
        QCOMPARE(w->Label2[0]->text(), QStringLiteral("Complete the \"Trip Wizard\" Questionaire."));
        QCOMPARE(w->Label2[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(w->Label2[0]->font().bold());
        QVERIFY(!w->Label2[1]->font().bold());
        w->mnuClose->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmCheckList")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
    }
};

QTEST_MAIN(TestFrmCheckList)
#include "tst_frmchecklist.moc"
