#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/WebPageViewer.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>

using platform::Forms;

namespace {

const char* const kLinks[] = {"Label1", "Label2", "Label3", "Label4", "Label6"};

// The colour of each link, with "_" for an underline.
QStringList looks(QObject* w) {
    QStringList looks;
    for (const char* name : kLinks) {
        auto* link = must<common::HoverLink>(w, name);
        looks << link->currentColor().name() + (link->isUnderlined() ? QStringLiteral("_") : QString());
    }
    return looks;
}

} // namespace

class TestSmallWindows : public WorldTest {
    Q_OBJECT
private slots:
    void linksOpenFiveDistinctAddressesOrSayTheyNeedTheInternet() {
        platform::Form* links = Forms::open(QStringLiteral("frmLinks"));
        QVERIFY(links);
        QCOMPARE(links->windowTitle(), QStringLiteral("Web Links"));
        QStringList addresses;
        for (const char* link : kLinks) {
            addresses << must<QLabel>(links, link)->text();
            clickOn(links, link);
        }
        QCOMPARE(world->shell().opened, addresses);
        QCOMPARE(QSet<QString>(addresses.begin(), addresses.end()).size(), 5);
        QVERIFY(!addresses.contains(QString()));
        QVERIFY(world->dialogs().messages().isEmpty());
        world->shell().succeed = false;
        world->dialogs().answerMessage();
        clickOn(links, "Label3");
        QCOMPARE(world->dialogs().messages(),
                 QStringList{"You must be connected to the internet for these links to work properly"});
        QVERIFY(Forms::isLoaded(QStringLiteral("frmLinks")));
    }

    void linksTurnBlueUnderTheMouseUntilTheBackgroundRestoresThem() {
        platform::Form* links = Forms::open(QStringLiteral("frmLinks"));
        QVERIFY(links);
        const QString rest = QStringLiteral("#ff0000_"), hover = QStringLiteral("#0000ff");
        QCOMPARE(looks(links), QStringList(5, rest));
        moveMouseOver(must<QWidget>(links, "Label2"));
        QCOMPARE(looks(links), (QStringList{rest, hover, rest, rest, rest}));
        QCOMPARE(must<QLabel>(links, "Label8")->text(), QStringLiteral("(Official Walt Disney World Web Site)"));
        moveMouseOver(links->client());
        QCOMPARE(looks(links), QStringList(5, rest));
    }

    void aboutAndHelpShowTheirTextsAndCloseByTheirPicture() {
        platform::Form* about = Forms::open(QStringLiteral("frmMe"));
        QVERIFY(about);
        QCOMPARE((QStringList{about->windowTitle(), must<QLabel>(about, "lblTitle")->text(),
                              must<QLabel>(about, "lblReferences")->text()}),
                 (QStringList{"About", "Travisto 2004", "References:"}));
        QCOMPARE(must<QLabel>(about, "lblDisclaimer")->text(),
                 QStringLiteral("This software package is unofficial.  It is not affiliated with the Walt Disney "
                                "company.  All information is deemed accurate but not guaranteed."));
        clickOn(about, "Picture9");
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmMe")));

        platform::Form* help = Forms::open(QStringLiteral("frmHelp"));
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help Topics"));
        auto* page = must<common::WebBrowser>(help, "WebBrowser1");
        QCOMPARE(page->currentPath(), platform::App::file(QStringLiteral("FAQ.htm")));
        QVERIFY(page->pageFound());
        chooseItem(help, "mnuPrint"); // at once, without a dialog
        QCOMPARE(world->printer().documents.size(), 1);
        QCOMPARE(world->printer().documents[0].pages.value(0).kind, QStringLiteral("document"));
        QVERIFY(world->dialogs().shown().isEmpty());
        clickOn(help, "Picture9");
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmHelp")));
    }

    void helpJumpsToATopicByMouseAndKeyboard_data() {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("mouse") << true;
        QTest::newRow("keyboard") << false;
    }
    void helpJumpsToATopicByMouseAndKeyboard() {
        QFETCH(bool, mouse);
        platform::Form* window = Forms::open(QStringLiteral("frmHelp"));
        QVERIFY(window);
        auto* page = must<QTextBrowser>(window, QStringLiteral("WebBrowser1"));
        const QString topic = QStringLiteral("Your own records"); // the fifth link; then its heading
        const QTextCursor link = page->document()->find(topic);
        const QTextCursor heading = page->document()->find(topic, link);
        QVERIFY(!link.isNull() && !heading.isNull());
        const auto placeOf = [page](const QTextCursor& text) {
            QTextCursor inside(text);
            inside.setPosition(text.selectionStart() + 2);
            return page->cursorRect(inside);
        };
        QCOMPARE(page->verticalScrollBar()->value(), 0);
        QVERIFY(placeOf(heading).top() > page->viewport()->height());

        if (mouse) {
            QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, placeOf(link).center());
        } else {
            page->setFocus();
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(page, Qt::Key_Tab);
            QCOMPARE(page->textCursor().selectedText(), topic);
            QTest::keyClick(page, Qt::Key_Return);
        }
        // The heading's line now stands at the top of the pane.
        QVERIFY2(qAbs(placeOf(heading).top()) < placeOf(heading).height() * 2,
                 qPrintable(QString::number(placeOf(heading).top())));
        QCOMPARE(page->source().fileName(), QStringLiteral("FAQ.htm")); // still the same page
    }
};

QTEST_MAIN(TestSmallWindows)
#include "tst_smallwindows.moc"
