#include "TestSupport.h"

#include "common/PictureButton.h"
#include "itinerary/frmScheduleTips.h"

#include <QAction>
#include <QScrollBar>

using platform::Forms;

class TestScheduleTips : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmScheduleTips* openTips() {
        Forms::open(QStringLiteral("frmScheduleTips"));
        return Forms::findAs<frmScheduleTips>(QStringLiteral("frmScheduleTips"));
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void showsTheTipsPageWithPrintLeftOfClose() {
        frmScheduleTips* tips = openTips();
        QVERIFY(tips);
        QCOMPARE(tips->windowTitle(), QStringLiteral("Schedule Tips"));
        QCOMPARE(tips->WebBrowser1->currentPath(), platform::App::file(QStringLiteral("scheduleTips.htm")));
        QVERIFY(tips->WebBrowser1->pageFound());
        QVERIFY(tips->Picture1->geometry().right() < tips->Picture2->geometry().left());
        QCOMPARE(tips->Picture1->geometry().top(), tips->Picture2->geometry().top());
        QVERIFY(tips->WebBrowser1->geometry().bottom() < tips->Picture1->geometry().top());
        QVERIFY(!tips->findChild<common::PictureButton*>(QStringLiteral("Picture9")));
    }

    void printsThePageAtOnceFromMenuOrPicture_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("picture") << false;
    }
    void printsThePageAtOnceFromMenuOrPicture() {
        QFETCH(bool, fromMenu);
        frmScheduleTips* tips = openTips();
        if (fromMenu)
            tips->mnuPrint->trigger();
        else
            QTest::mouseClick(tips->Picture1, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.value(0).kind, QStringLiteral("document"));
        QCOMPARE(world->printer().documents[0].pages.value(0).title, QStringLiteral("scheduleTips.htm"));
        QVERIFY(world->dialogs().shown().isEmpty());
    }

    void closesFromMenuOrPictureAndReopensAtTheTop_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("picture") << false;
    }
    void closesFromMenuOrPictureAndReopensAtTheTop() {
        QFETCH(bool, fromMenu);
        frmScheduleTips* tips = openTips();
        tips->WebBrowser1->verticalScrollBar()->setValue(tips->WebBrowser1->verticalScrollBar()->maximum());
        if (fromMenu)
            tips->mnuClose->trigger();
        else
            QTest::mouseClick(tips->Picture2, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmScheduleTips")));
        world->settle();
        tips = openTips();
        QCOMPARE(tips->WebBrowser1->verticalScrollBar()->value(), 0);
    }

    void openingItAgainOnlyBringsItForward() {
        frmScheduleTips* tips = openTips();
        tips->WebBrowser1->verticalScrollBar()->setValue(tips->WebBrowser1->verticalScrollBar()->maximum());
        const int position = tips->WebBrowser1->verticalScrollBar()->value();
        QVERIFY(position > 0);
        QCOMPARE(openTips(), tips);
        QCOMPARE(tips->WebBrowser1->verticalScrollBar()->value(), position);
    }
};

QTEST_MAIN(TestScheduleTips)
#include "tst_frmscheduletips.moc"
