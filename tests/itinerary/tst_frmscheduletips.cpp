#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/WebPageViewer.h"

#include <QAction>
#include <QScrollBar>

using platform::Forms;

class TestScheduleTips : public WorldTest {
    Q_OBJECT
public:
    TestScheduleTips() : WorldTest(false) {}

    static platform::Form* openTips() { return Forms::open(QStringLiteral("frmScheduleTips")); }

private slots:
    void showsThePageReopensInPlacePrintsAtOnceAndClosesToTheTop_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("pictures") << false;
    }
    void showsThePageReopensInPlacePrintsAtOnceAndClosesToTheTop() {
        QFETCH(bool, fromMenu);
        platform::Form* tips = openTips();
        QVERIFY(tips);
        QCOMPARE(tips->windowTitle(), QStringLiteral("Schedule Tips"));
        auto* page = must<common::WebBrowser>(tips, "WebBrowser1");
        QCOMPARE(page->currentPath(), platform::App::file(QStringLiteral("scheduleTips.htm")));
        QVERIFY(page->pageFound());
        const QRect print = must<QWidget>(tips, "Picture1")->geometry();
        QVERIFY(print.right() < must<QWidget>(tips, "Picture2")->geometry().left());
        QVERIFY(page->geometry().bottom() < print.top());
        QScrollBar* bar = page->verticalScrollBar();
        bar->setValue(bar->maximum());
        QVERIFY(bar->value() > 0);
        QCOMPARE(openTips(), tips);
        QCOMPARE(bar->value(), bar->maximum());
        fromMenu ? chooseItem(tips, "mnuPrint") : clickOn(tips, "Picture1");
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.value(0).kind, QStringLiteral("document"));
        QCOMPARE(world->printer().documents[0].pages.value(0).title, QStringLiteral("scheduleTips.htm"));
        QVERIFY(world->dialogs().shown().isEmpty());
        fromMenu ? chooseItem(tips, "mnuClose") : clickOn(tips, "Picture2");
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmScheduleTips")));
        world->settle();
        tips = openTips();
        QVERIFY(tips);
        QCOMPARE(must<common::WebBrowser>(tips, "WebBrowser1")->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(TestScheduleTips)
#include "tst_frmscheduletips.moc"
