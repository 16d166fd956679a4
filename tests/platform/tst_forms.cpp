#include "TestSupport.h"

using platform::Form;
using platform::Forms;

namespace {

// A window that counts its loads and unloads, and goes back to the main
// window when it is closed, as the wizard or the checklist do.
struct Counts {
    int loads = 0;
    int unloads = 0;
    QStringList unloaded;
};
Counts counts;

class ProbeForm : public Form {
public:
    explicit ProbeForm(const QString& name) : Form(name) {}
    void Form_Load() override { ++counts.loads; }
    void Form_Unload() override {
        ++counts.unloads;
        counts.unloaded << objectName();
    }
    void closeAction() override { Forms::returnToMainWindow(objectName()); }
};

void registerProbe(const QString& name) {
    Forms::registerForm(name, [name] { return new ProbeForm(name); });
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;
    QString mainWindow;

private slots:
    void initTestCase() {
        registerProbe(QStringLiteral("frmProbeA"));
        registerProbe(QStringLiteral("frmProbeB"));
    }
    void init() {
        world = std::make_unique<TestWorld>(false);
        mainWindow = Forms::mainWindowName();
        counts = {};
    }
    void cleanup() {
        world.reset();
        Forms::setMainWindow(mainWindow);
    }

    void openLoadsOnceAndBringsForwardAfterwards() {
        Form* first = Forms::open(QStringLiteral("frmProbeA"));
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->objectName(), QStringLiteral("frmProbeA"));
        Form* again = Forms::open(QStringLiteral("frmProbeA"));
        QCOMPARE(again, first);
        QCOMPARE(counts.loads, 1);
    }

    void findDoesNotLoadAndUnknownNamesGiveNull() {
        QVERIFY(!Forms::find(QStringLiteral("frmProbeA")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmProbeA")));
        // Nothing greys out or opens a stand-in: the missing window is reported.
        QTest::ignoreMessage(QtWarningMsg, "Forms: no window is registered as frmNoSuchWindow");
        QVERIFY(!Forms::open(QStringLiteral("frmNoSuchWindow")));
        QTest::ignoreMessage(QtWarningMsg, "Forms: the window frmProbeB is registered twice");
        registerProbe(QStringLiteral("frmProbeB"));
        QVERIFY(Forms::load(QStringLiteral("frmProbeA")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmProbeA")) && !isShown(QStringLiteral("frmProbeA")));
    }

    void unloadDestroysAndTheNextOpenLoadsAfresh() {
        QPointer<Form> first = Forms::open(QStringLiteral("frmProbeA"));
        QVERIFY(first);
        Forms::unload(QStringLiteral("frmProbeA"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmProbeA")));
        TestWorld::settle();
        QVERIFY(first.isNull());
        QVERIFY(Forms::open(QStringLiteral("frmProbeA")));
        QCOMPARE(counts.loads, 2);
        QCOMPARE(counts.unloads, 1);
    }

    void theMainWindowIsTheOneStartUpNames() {
        // The program's start-up names its own main window as it registers the windows.
        QCOMPARE(Forms::mainWindowName(), QStringLiteral("frmTamble"));
        Forms::setMainWindow(QStringLiteral("frmProbeB"));
        QVERIFY(Forms::open(QStringLiteral("frmProbeA")));
        Forms::returnToMainWindow(QStringLiteral("frmProbeA"));
        QVERIFY(isShown(QStringLiteral("frmProbeB")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmProbeA")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTamble")));
        // Exit unloads the named main window before the others.
        Forms::open(QStringLiteral("frmProbeA"));
        counts.unloaded.clear();
        Forms::closeAllWindows();
        QCOMPARE(counts.unloaded, QStringList({"frmProbeB", "frmProbeA"}));
    }

    void exitClosesEveryWindowWithoutReopeningTheMainWindow() {
        Forms::open(QStringLiteral("frmTamble"));
        Forms::open(QStringLiteral("frmProbeA"));
        Forms::load(QStringLiteral("frmProbeB")); // loaded but hidden
        Forms::closeAllWindows();
        TestWorld::settle();
        QVERIFY(Forms::loadedNames().isEmpty());
        QCOMPARE(counts.unloads, 2);
        QCOMPARE(world->quitCount(), 1);
        // A closing step that returns to the main window does nothing during Exit.
        Forms::returnToMainWindow(QStringLiteral("frmProbeA"));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTamble")));
    }

    void theProgramEndsWhenTheLastVisibleWindowGoes() {
        Forms::setEndWhenNoWindow(true);
        Forms::open(QStringLiteral("frmProbeA"));
        Forms::load(QStringLiteral("frmProbeB"));
        Forms::unload(QStringLiteral("frmProbeA"));
        TestWorld::settle();
        QCOMPARE(world->quitCount(), 1);
        QVERIFY(Forms::loadedNames().isEmpty());
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
