#include "TestSupport.h"

#include "common/PanePage.h"

#include <QFile>

using platform::Forms;

// What every window built on the pane page shares: its database, and its close box.
class TestPanePage : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void withoutItsDatabaseAWindowSaysSoAndDoesNotOpen_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("file");
        const QString content = platform::Database::contentFileName();
        const QString user = platform::Database::userFileName();
        QTest::newRow("tip page") << "frmMKTips" << content;
        QTest::newRow("tickets page") << "frmTickets" << content;
        QTest::newRow("attraction guide") << "frmAkAttractions" << content;
        QTest::newRow("park list") << "frmFavorite" << content;
        QTest::newRow("restaurant list") << "frmResortFood" << content;
        QTest::newRow("restaurant overview") << "frmRestaurants" << content;
        QTest::newRow("review viewer") << "frmEpcotFoodReview" << content;
        QTest::newRow("contact list") << "frmContact" << content;
        QTest::newRow("don't-forget list") << "frmList" << user;
        QTest::newRow("own tips") << "frmMyTips" << user;
    }
    void withoutItsDatabaseAWindowSaysSoAndDoesNotOpen() {
        QFETCH(QString, form);
        QFETCH(QString, file);
        QVERIFY(QFile::remove(world->folder() + QLatin1Char('/') + file));
        world->dialogs().answerMessage();
        QCOMPARE(Forms::open(form), nullptr);
        QVERIFY(!Forms::isLoaded(form));
        QCOMPARE(world->dialogs().messages().size(), 1);
        const QString message = world->dialogs().messages().first();
        QVERIFY2(message.contains(file) && message.contains(QStringLiteral("could not be found")), qPrintable(message));
        // The same window opens once its database is back.
        world = std::make_unique<TestWorld>(false);
        QVERIFY(qobject_cast<common::PanePage*>(Forms::open(form)));
    }

    void theCloseBoxDoesWhatTheCloseButtonDoes_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("home");
        QTest::newRow("guide closes") << "frmMkAttractions" << false;
        QTest::newRow("tip page closes") << "frmDowntown" << false;
        QTest::newRow("review viewer closes") << "frmMkFoodReview" << false;
        QTest::newRow("resort food reviews go home") << "frmHotelFoodReviews" << true;
    }
    void theCloseBoxDoesWhatTheCloseButtonDoes() {
        QFETCH(QString, form);
        QFETCH(bool, home);
        platform::Form* window = Forms::open(form);
        QVERIFY(window);
        window->close(); // the title bar's close box
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(form));
        QCOMPARE(Forms::isLoaded(Forms::mainWindowName()), home);
    }
};

QTEST_MAIN(TestPanePage)
#include "tst_panepage.moc"
