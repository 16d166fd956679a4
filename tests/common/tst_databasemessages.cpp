#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

using platform::Database;
using platform::Forms;

// The database returns its failures; each window tells the user about them,
// in the database's words, once, and keeps what the user typed.
class TestDatabaseMessages : public WorldTest {
    Q_OBJECT
    QString path(const QString& file) const { return QDir(world->folder()).filePath(file); }

private slots:
    // A window that cannot do without its database closes after the message;
    // nothing is made in the program's folder in the missing file's stead.
    void aMissingDatabaseIsNamedByTheWindowThatNeedsIt_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("staysOpen");
        const QString content = Database::contentFileName(), user = Database::userFileName();
        QTest::newRow("planner without its content") << "frmSchedule" << content << false;
        QTest::newRow("planner without its user file") << "frmSchedule" << user << false;
        QTest::newRow("wizard") << "frmWizard" << content << true;
        QTest::newRow("journal") << "frmDetails" << user << true;
        QTest::newRow("budget") << "frmBudget" << user << true;
        QTest::newRow("main window") << "frmTamble" << content << true;
        QTest::newRow("quick restaurant guide") << "frmQuickRestaurant" << content << false;
        QTest::newRow("tip page") << "frmMKTips" << content << false;
        QTest::newRow("tickets page") << "frmTickets" << content << false;
        QTest::newRow("attraction guide") << "frmAkAttractions" << content << false;
        QTest::newRow("park list") << "frmFavorite" << content << false;
        QTest::newRow("restaurant list") << "frmResortFood" << content << false;
        QTest::newRow("restaurant overview") << "frmRestaurants" << content << false;
        QTest::newRow("review viewer") << "frmEpcotFoodReview" << content << false;
        QTest::newRow("contact list") << "frmContact" << content << false;
        QTest::newRow("don't-forget list") << "frmList" << user << false;
        QTest::newRow("own tips") << "frmMyTips" << user << false;
        QTest::newRow("hotel guide") << "frmHotels" << content << false;
        QTest::newRow("resort comparison page") << "frmSample" << content << false;
    }
    void aMissingDatabaseIsNamedByTheWindowThatNeedsIt() {
        QFETCH(QString, form);
        QFETCH(QString, file);
        QFETCH(bool, staysOpen);
        QVERIFY(QFile::remove(path(file)));
        const QStringList folder = QDir(world->folder()).entryList(QDir::Files);
        world->dialogs().answerMessage();
        QCOMPARE(Forms::open(form) != nullptr, staysOpen);
        QCOMPARE(world->dialogs().messages(),
                 QStringList{QStringLiteral("The database file %1 could not be found.").arg(path(file))});
        TestWorld::settle();
        QCOMPARE(Forms::loadedNames(), staysOpen ? QStringList{form} : QStringList());
        QCOMPARE(QDir(world->folder()).entryList(QDir::Files), folder);
    }

    void aRefusedSaveIsToldOnceAndKeepsWhatWasTyped_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("typedInto");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("file");
        const QString content = Database::contentFileName(), user = Database::userFileName();
        QTest::newRow("journal") << "frmDetails"
                                 << "txtDetails"
                                 << "Picture3" << user;
        QTest::newRow("budget") << "frmBudget"
                                << "txtAirfare"
                                << "Command1" << user;
        QTest::newRow("reservation record") << "frmPlane"
                                            << "txtHotel"
                                            << "Command1" << user;
        QTest::newRow("wizard") << "frmWizard" << QString() << "Picture2" << content;
        QTest::newRow("planner") << "frmSchedule"
                                 << "txtMorning"
                                 << "Picture3" << user;
    }
    void aRefusedSaveIsToldOnceAndKeepsWhatWasTyped() {
        QFETCH(QString, form);
        QFETCH(QString, typedInto);
        QFETCH(QString, save);
        QFETCH(QString, file);
        // A folder that cannot be written: the windows read, their saves are refused.
        Database::setOpenReadOnly(true);
        platform::Form* w = Forms::open(form);
        QVERIFY(w);
        QCOMPARE(world->dialogs().messages(), QStringList());
        QWidget* box = typedInto.isEmpty() ? nullptr : child<QWidget>(w, typedInto);
        QVERIFY(typedInto.isEmpty() || box);
        if (box) {
            QVERIFY(activate(w));
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(box, QStringLiteral("Kept as typed"));
        }
        QWidget* saveControl = child<QWidget>(w, save);
        QVERIFY(saveControl);
        world->dialogs().answerMessage();
        QTest::mouseClick(saveControl, Qt::LeftButton);
        TestWorld::settle();
        QCOMPARE(world->dialogs().messages(),
                 QStringList{Database::failureMessage(platform::DbFailure::ReadOnly, path(file))});
        QVERIFY(Forms::isLoaded(form));
        if (auto* line = qobject_cast<QLineEdit*>(box))
            QCOMPARE(line->text(), QStringLiteral("Kept as typed"));
        if (auto* pane = qobject_cast<QPlainTextEdit*>(box))
            QCOMPARE(pane->toPlainText(), QStringLiteral("Kept as typed"));
    }
};

QTEST_MAIN(TestDatabaseMessages)
#include "tst_databasemessages.moc"
