#include "TestSupport.h"

#include "common/HoverLink.h"
#include "platform/SchemaLoader.h"
#include "shell/frmTamble.h"

#include <QLabel>

using platform::Forms;

class TestFrmTamble : public WorldTest {
    Q_OBJECT
    static platform::Form* openMain() { return Forms::open(QStringLiteral("frmTamble")); }
    static QColor inkOf(QLabel* label) { return label->palette().color(QPalette::WindowText); }
    static QString tipShown(QObject* main) { return must<QLabel>(main, "lblTip")->text(); }

private slots:
    void screenWarnings_data() {
        QTest::addColumn<int>("twipsPerPixel");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QStringList>("expected");
        const QString small = QStringLiteral(
            "Travisto is best viewed with the 'small fonts' setting. See windows help to change this setting");
        const QString narrow = QStringLiteral(
            "Travisto is best viewed at 600 X 800 screen resolution.  See windows help to change this setting");
        QTest::newRow("small fonts, 800 wide") << 15 << 800 << QStringList();
        QTest::newRow("large fonts") << 12 << 800 << QStringList{small};
        QTest::newRow("799 wide") << 15 << 799 << QStringList{narrow};
        QTest::newRow("640 wide, large fonts") << 12 << 640 << QStringList{small, narrow};
    }
    void screenWarnings() {
        QFETCH(int, twipsPerPixel);
        QFETCH(int, pixels);
        QFETCH(QStringList, expected);
        platform::Screen::setMetrics(twipsPerPixel, pixels * twipsPerPixel);
        for (int i = 0; i < expected.size(); ++i)
            world->dialogs().answerMessage();
        QVERIFY(openMain());
        QCOMPARE(world->dialogs().messages(), expected);
    }

    void countdown_data() {
        QTest::addColumn<QString>("tripDate");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("red");
        const QString nav = QStringLiteral("Use the menus at the top of this page to navigate Travisto.");
        QTest::newRow("tomorrow") << "2004-06-02"
                                  << "I go see Tamble in 1 Days!" << true;
        QTest::newRow("in twelve days") << "2004-06-13"
                                        << "I go see Tamble in 12 Days!" << true;
        QTest::newRow("today") << "2004-06-01" << nav << false;
        QTest::newRow("past") << "2003-12-25" << nav << false;
        QTest::newRow("no profile") << QString() << nav << false;
    }
    void countdown() {
        QFETCH(QString, tripDate);
        QFETCH(QString, caption);
        QFETCH(bool, red);
        if (!tripDate.isNull())
            world->exec(platform::Database::contentFileName(),
                        QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults) VALUES (?, 2)"), {tripDate});
        platform::Form* main = openMain();
        QVERIFY(main);
        auto* countdown = must<QLabel>(main, "Label11");
        QCOMPARE(countdown->text(), caption);
        QCOMPARE(inkOf(countdown), red ? QColor(255, 0, 0) : QColor(Qt::black));
    }

    void tipsRotateLeastShownFirstAndCount() {
        const QString content = platform::Database::contentFileName();
        world->exec(content, QStringLiteral("INSERT INTO tblHomeTips (intId, Tip, Counter) VALUES "
                                            "(1, 'Tip three', 3), (2, 'Tip one a', 1), (3, 'Tip one b', 1)"));
        QStringList shown;
        for (int start = 0; start < 3; ++start) {
            platform::Form* main = openMain();
            QVERIFY(main);
            shown << tipShown(main);
            world->closeAll();
        }
        QVERIFY(shown[0] == "Tip one a" || shown[0] == "Tip one b");
        QVERIFY(shown[1] == "Tip one a" || shown[1] == "Tip one b");
        QVERIFY(shown[0] != shown[1]);
        QVERIFY(shown[2] != "Tip three");
        auto rs = world->content()->query(QStringLiteral("SELECT Counter FROM tblHomeTips ORDER BY intId"));
        QList<int> counters;
        for (; !rs.eof(); rs.moveNext())
            counters << rs.integer(QStringLiteral("Counter"));
        QCOMPARE(counters.value(0), 3);
        QCOMPARE(counters.value(1) + counters.value(2), 5);
    }

    void aFolderThatCannotBeWrittenShowsTheTipWithoutAMessage() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO tblHomeTips (intId, Tip, Counter) VALUES (1, 'Only tip', 0)"));
        platform::Database::setOpenReadOnly(true);
        // The start (an up-to-date file is only read), then a return after the main window was closed.
        QCOMPARE(platform::SchemaLoader::ensureProgramDatabases().messages, QStringList());
        for (int start = 0; start < 2; ++start) {
            QCOMPARE(tipShown(openMain()), QStringLiteral("Only tip"));
            world->closeAll();
        }
        QCOMPARE(world->dialogs().messages(), QStringList());
        QCOMPARE(world->content()->query(QStringLiteral("SELECT Counter FROM tblHomeTips")).value(0).toInt(), 0);
    }

    void aMainWindowLeftOpenKeepsItsTip() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO tblHomeTips (intId, Tip, Counter) VALUES (1, 'A', 0), (2, 'B', 0)"));
        platform::Form* main = openMain();
        QVERIFY(main);
        const QString tip = tipShown(main);
        QCOMPARE(openMain(), main);
        QCOMPARE(tipShown(main), tip);
    }

    void homePageLinkOpensTheSiteAndReportsAFailedBrowser() {
        platform::Form* main = openMain();
        QVERIFY(main);
        auto* link = must<common::HoverLink>(main, "Label3");
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(world->shell().opened, QStringList{frmTamble::homePageAddress()});
        world->shell().succeed = false;
        world->dialogs().answerMessage();
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(world->dialogs().messages(),
                 QStringList{"You must be connected to the internet for these links to work properly"});
    }
};

QTEST_MAIN(TestFrmTamble)
#include "tst_frmtamble.moc"
