#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/WebPageViewer.h"
#include "shell/frmLinks.h"
#include "shell/frmMe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

using platform::Forms;

namespace {

void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

class TestSmallWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmLinks* openLinks() {
        Forms::open(QStringLiteral("frmLinks"));
        return Forms::findAs<frmLinks>(QStringLiteral("frmLinks"));
    }
    static QList<common::HoverLink*> linksOf(frmLinks* w) {
        return {w->Label1, w->Label2, w->Label3, w->Label4, w->Label6};
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void linksShowTheAddressesTheyOpen() {
        frmLinks* links = openLinks();
        QCOMPARE(links->windowTitle(), QStringLiteral("Web Links"));
        QStringList addresses;
        for (common::HoverLink* link : linksOf(links)) {
            QVERIFY(!link->text().isEmpty());
            addresses << link->text();
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QCOMPARE(world->shell().opened, addresses);
        QCOMPARE(QSet<QString>(addresses.begin(), addresses.end()).size(), 5);
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void aLinkThatCannotOpenSaysSo() {
        frmLinks* links = openLinks();
        world->shell().succeed = false;
        world->dialogs().answerMessage();
        QTest::mouseClick(links->Label3, Qt::LeftButton);
        QCOMPARE(world->dialogs().messages(),
                 QStringList{"You must be connected to the internet for these links to work properly"});
        QVERIFY(Forms::isLoaded(QStringLiteral("frmLinks")));
    }

    void linksTurnBlueUnderTheMouseUntilTheBackgroundRestoresThem() {
        frmLinks* links = openLinks();
        for (common::HoverLink* link : linksOf(links)) {
            QCOMPARE(link->currentColor(), kRed);
            QVERIFY(link->isUnderlined());
        }
        moveOver(links->Label1);
        QCOMPARE(links->Label1->currentColor(), kBlue);
        QVERIFY(!links->Label1->isUnderlined());
        // Straight on to the next link: the first one stays as it was.
        moveOver(links->Label2);
        QCOMPARE(links->Label1->currentColor(), kBlue);
        QVERIFY(!links->Label1->isUnderlined());
        QCOMPARE(links->Label2->currentColor(), kBlue);
        // Not a link: the note beside the official site's link.
        QCOMPARE(links->Label8->text(), QStringLiteral("(Official Walt Disney World Web Site)"));
        moveOver(links->client());
        for (common::HoverLink* link : linksOf(links)) {
            QCOMPARE(link->currentColor(), kRed);
            QVERIFY(link->isUnderlined());
        }
    }

    void aboutShowsItsTextsAndCloses() {
        Forms::open(QStringLiteral("frmMe"));
        auto* about = Forms::findAs<frmMe>(QStringLiteral("frmMe"));
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->lblTitle->text(), QStringLiteral("Travisto 2004"));
        QCOMPARE(about->lblDisclaimer->text(),
                 QStringLiteral("This software package is unofficial.  It is not affiliated with the Walt Disney "
                                "company.  All information is deemed accurate but not guaranteed."));
        QCOMPARE(about->lblReferences->text(), QStringLiteral("References:"));
        QTest::mouseClick(about->Picture9, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmMe")));
    }

    void helpShowsTheQuestionsPrintsAtOnceAndCloses() {
        Forms::open(QStringLiteral("frmHelp"));
        auto* help = Forms::findAs<common::WebPageViewer>(QStringLiteral("frmHelp"));
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help Topics"));
        QCOMPARE(help->WebBrowser1->currentPath(), platform::App::file(QStringLiteral("FAQ.htm")));
        QVERIFY(help->WebBrowser1->pageFound());
        help->mnuPrint->trigger();
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.value(0).kind, QStringLiteral("document"));
        QVERIFY(world->dialogs().shown().isEmpty());
        QTest::mouseClick(help->Picture9, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
    }
};

QTEST_MAIN(TestSmallWindows)
#include "tst_smallwindows.moc"
