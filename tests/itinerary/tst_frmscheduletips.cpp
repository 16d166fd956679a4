#include "TestSupport.h"

#include "common/PictureButton.h"
#include "itinerary/frmScheduleTips.h"

#include <QAction>
#include <QScrollBar>

using platform::Forms;

class TestScheduleTips : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmScheduleTips* openTips() {
        Forms::open(QStringLiteral("frmScheduleTips"));
        return Forms::findAs<frmScheduleTips>(QStringLiteral("frmScheduleTips"));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void showsThePageReopensInPlacePrintsAtOnceAndClosesToTheTop_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("pictures") << false;
    }
    void showsThePageReopensInPlacePrintsAtOnceAndClosesToTheTop() {
        QFETCH(bool, fromMenu);
        frmScheduleTips* tips = openTips();
        QVERIFY(tips);
        QCOMPARE(tips->windowTitle(), QStringLiteral("Schedule Tips"));
        QCOMPARE(tips->WebBrowser1->currentPath(), platform::App::file(QStringLiteral("scheduleTips.htm")));
        QVERIFY(tips->WebBrowser1->pageFound());
        QVERIFY(tips->Picture1->geometry().right() < tips->Picture2->geometry().left());
        QVERIFY(tips->WebBrowser1->geometry().bottom() < tips->Picture1->geometry().top());
        QScrollBar* bar = tips->WebBrowser1->verticalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(bar->value() > 0);
        QCOMPARE(openTips(), tips);
        QCOMPARE(bar->value(), bar->maximum());
        fromMenu ? tips->mnuPrint->trigger() : QTest::mouseClick(tips->Picture1, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.value(0).kind, QStringLiteral("document"));
        QCOMPARE(world->printer().documents[0].pages.value(0).title, QStringLiteral("scheduleTips.htm"));
        QVERIFY(world->dialogs().shown().isEmpty());
        fromMenu ? tips->mnuClose->trigger() : QTest::mouseClick(tips->Picture2, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmScheduleTips")));
        world->settle();
        tips = openTips();
        QVERIFY(tips);
        QCOMPARE(tips->WebBrowser1->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TestScheduleTips)
#include "tst_frmscheduletips.moc"
