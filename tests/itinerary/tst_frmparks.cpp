#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/RichTextBox.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

using platform::Forms;

namespace {

const QColor kRed(255, 0, 0);

common::RichTextBox* pane(QObject* w) {
    return must<common::RichTextBox>(w, QStringLiteral("rtParks2"));
}

QString paneOf(QObject* w) {
    return w ? pane(w)->text() : QStringLiteral("<no window>");
}

QString caption(QObject* w, const QString& label) {
    return must<QLabel>(w, label)->text();
}

// What stands out in the suggestions: every run of text in a colour or
// weight of its own, each once.
QStringList styledRuns(QObject* w) {
    QStringList runs;
    for (auto it = QRegularExpression(QStringLiteral("\\{[^}]*\\}")).globalMatch(paneMarkup(*pane(w))); it.hasNext();)
        runs << it.next().captured();
    runs.removeDuplicates();
    return runs;
}

// Only the headings stand out, red and bold.
const QStringList kHeadings = {"{bold,red:MORNING}", "{bold,red:AFTERNOON}", "{bold,red:EVENING}"};

} // namespace

class TestFrmParks : public WorldTest {
    Q_OBJECT
public:
    TestFrmParks() : WorldTest(true) {}

private:
    static platform::Form* openParks() { return Forms::open(QStringLiteral("frmParks")); }
    // Kids, Daredevel, Wet, Show as the preferences wizard stores them; the default is the example profile.
    platform::Form* openWithProfile(const QVariantList& answers = {2, 0, 0, 1}) {
        world->exec(platform::Database::contentFileName(), QStringLiteral("DELETE FROM TravelInfo"));
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                                   "VALUES ('2004-07-01', 1, ?, ?, 0, ?, ?)"),
                    answers);
        return openParks();
    }
    static void choosePark(QObject* w, int position) { pickEntry(must<common::DropDownList>(w, "Combo1"), position); }

private slots:
    void opensOnTheMagicKingdomWithRedHeadings() {
        platform::Form* w = openWithProfile();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Travisto Itinerary Suggestions"));
        QCOMPARE(caption(w, "Label10"), QStringLiteral("Magic Kingdom"));
        QCOMPARE(caption(w, "lblTipLink"), QStringLiteral("Click here for Magic Kingdom Tips"));
        QCOMPARE(caption(w, "lblVisit"),
                 QStringLiteral("Try to visit the Magic Kingdom on Tuesday, Wednesday, and Friday.  Avoid the Magic "
                                "Kingdom on Saturday, Sunday, and Thursday. These are it's busiest days."));
        const QString text = pane(w)->text();
        QVERIFY(text.startsWith(QStringLiteral("MORNING\n\n1. Main Street Vehicles.\n")));
        QVERIFY(text.contains(QStringLiteral("\n2. Buzz Lightyear's Space Ranger Spin.\n- Ride early")));
        QVERIFY(text.contains(QStringLiteral("\nAFTERNOON\n")) && text.contains(QStringLiteral("\nEVENING\n")));
        QCOMPARE(styledRuns(w), kHeadings);
        QVERIFY(world->dialogs().messages().isEmpty());
        // The park list stands on the window's grey, as the labels do.
        auto* combo = must<common::DropDownList>(w, "Combo1");
        const QRect field = combo->lineEdit()->geometry();
        QCOMPARE(QColor(combo->grab().toImage().pixel(field.right() - 3, field.center().y())), QColor(224, 224, 224));
    }

    // Each pick refills the pane after an earlier fill: every park after
    // another park and after itself, which brings back all it showed before.
    void afterEveryParkPickOnlyTheHeadingsAreRedAndBold() {
        platform::Form* w = openWithProfile();
        QVERIFY(w);
        const QStringList shown = {"Label10", "lblVisit", "Label8", "lblTipLink", "rtParks2"};
        QList<QSet<QString>> perPark(shown.size()); // what each control showed for the parks
        for (int position = 0; position < 4; ++position) {
            QStringList first;
            for (int pick : {position, (position + 1) % 4, position}) {
                choosePark(w, pick);
                QVERIFY(pane(w)->text().contains(QStringLiteral("1. ")));
                QCOMPARE(styledRuns(w), kHeadings);
                if (first.isEmpty())
                    first = shownTexts(w, shown);
            }
            QCOMPARE(shownTexts(w, shown), first);
            for (int i = 0; i < shown.size(); ++i)
                perPark[i] << first[i];
        }
        for (const QSet<QString>& texts : perPark)
            QCOMPARE(texts.size(), 4);
        choosePark(w, 1);
        QCOMPARE(shownTexts(w, {"Label10", "lblTipLink"}), QStringList({"Epcot", "Click Here for Epcot Tips"}));
        QVERIFY(caption(w, "lblVisit").startsWith(QStringLiteral("Avoid Epcot on Wednesday.  This is it's")));
    }

    void aThrillCoupleAndAFamilyGetDifferentDays() {
        const QString couple = paneOf(openWithProfile({0, 2, 0, 0}));
        world->closeAll();
        const QString family = paneOf(openWithProfile({2, 0, 1, 0}));
        QVERIFY(couple.contains(QStringLiteral("Space Mountain")) && !couple.contains(QStringLiteral("Dumbo")));
        QVERIFY(family.contains(QStringLiteral("Dumbo")) && !family.contains(QStringLiteral("Space Mountain")));
    }

    void anEveningWithoutRidesLosesItsHeadingOnlyAfterAParkChoice() {
        world->exec(
            platform::Database::contentFileName(),
            QStringLiteral("DELETE FROM ParkPlanner WHERE TimeToRide = '3' OR (ParkId = 1 AND TimeToRide = '1')"));
        platform::Form* w = openWithProfile();
        QVERIFY(w);
        const QString text = pane(w)->text();
        QVERIFY(text.startsWith(QStringLiteral("\nAFTERNOON\n\n1. ")));
        QVERIFY(text.endsWith(QStringLiteral("\nEVENING\n\n")));
        QCOMPARE(pane(w)->formatAt(int(text.indexOf(QStringLiteral("AFTERNOON")))).foreground().color(), kRed);
        choosePark(w, 0);
        QVERIFY(!pane(w)->text().contains(QStringLiteral("EVENING")));
    }

    void exportPrintAndTipLinkFollowTheChosenPark_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("park");
        QTest::addColumn<QString>("tipPage");
        QTest::newRow("as opened") << -1 << QString() << "Magic Kingdom" << QStringLiteral("frmMKTips");
        QTest::newRow("Epcot") << 1 << QString() << "Epcot" << QStringLiteral("frmEpcotTips");
        QTest::newRow("MGM Studios") << 2 << QString() << "MGM Studios" << QStringLiteral("frmMgmTips");
        QTest::newRow("Animal Kingdom") << 3 << QString() << "Animal Kingdom" << QStringLiteral("frmAKTips");
        QTest::newRow("typed over Animal Kingdom")
            << 3 << QStringLiteral("Typhoon Lagoon") << "Typhoon Lagoon" << QStringLiteral("frmMKTips");
        QTest::newRow("a park's name typed") << -1 << QStringLiteral("Epcot") << "Epcot" << QStringLiteral("frmMKTips");
    }
    void exportPrintAndTipLinkFollowTheChosenPark() {
        QFETCH(int, position);
        QFETCH(QString, typed);
        QFETCH(QString, park);
        QFETCH(QString, tipPage);
        platform::Form* w = openWithProfile();
        QVERIFY(w);
        if (position >= 0)
            choosePark(w, position);
        if (!typed.isEmpty()) {
            // Typed text, a park's name too, changes no park.
            const QString shownPark = caption(w, "Label10");
            const QString suggestions = pane(w)->text();
            auto* combo = must<common::DropDownList>(w, "Combo1");
            typeOver(combo, typed);
            QTest::keyClick(combo, Qt::Key_Return);
            pane(w)->setFocus();
            QCOMPARE(caption(w, "Label10"), shownPark);
            QCOMPARE(pane(w)->text(), suggestions);
        }

        const QString file = world->folder() + QStringLiteral("/day.txt");
        world->dialogs().answerSave(file);
        chooseItem(w, "mnuExport1");
        const auto& shown = world->dialogs().shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].save.fileName, park + QStringLiteral(".txt"));
        QCOMPARE(shown[0].save.title, QStringLiteral("Save Travisto Itinerary"));
        QCOMPARE(shown[0].save.filter,
                 QStringLiteral("All files(*.*)|*.*|Data files (*.dat)|*.dat|Text files (*.txt)|*.txt"));
        QCOMPARE(shown[0].save.filterIndex, 3);
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(in.readAll()),
                 pane(w)->text().replace(QLatin1Char('\n'), QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

        chooseItem(w, "mnuPrint");
        clickOn(w, "Picture1");
        QCOMPARE(world->printer().documents.size(), 2);
        for (int doc = 0; doc < 2; ++doc)
            QVERIFY(world->printer().words(doc, 0).contains(park + QStringLiteral(" Park Itinerary")));
        QCOMPARE(world->printer().documents[0].pages[0].items.last().fontName, QStringLiteral("Times New Roman"));

        clickOn(w, "lblTipLink");
        QVERIFY(Forms::isLoaded(tipPage));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmParks")));
    }

    void exportWritesNothingWhenCancelledUnnamedOrUnwritable_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancel") << true << QString() << QString();
        QTest::newRow("empty name") << false << QString() << QString();
        QTest::newRow("unwritable, reported") << false << "/no such folder/day.txt"
                                              << "The itinerary could not be saved to ";
    }
    void exportWritesNothingWhenCancelledUnnamedOrUnwritable() {
        QFETCH(bool, cancel);
        QFETCH(QString, name);
        QFETCH(QString, message);
        platform::Form* w = openWithProfile();
        QVERIFY(w);
        const QStringList before = QDir(world->folder()).entryList(QDir::Files);
        const QString file = name.isEmpty() ? QString() : world->folder() + name;
        world->dialogs().answerSave(cancel ? std::nullopt : std::optional<QString>(file));
        if (!message.isEmpty())
            world->dialogs().answerMessage();
        chooseItem(w, "mnuExport1");
        QCOMPARE(QDir(world->folder()).entryList(QDir::Files), before);
        QCOMPARE(world->dialogs().messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(world->dialogs().messages()[0].startsWith(message + file));
    }

    void aProfileThatCannotBeUsedIsExplained_data() {
        QTest::addColumn<bool>("withRow");
        QTest::addColumn<QString>("message");
        QTest::newRow("no profile") << false << "Please complete the Start Here Page";
        QTest::newRow("children beyond 16 bits")
            << true
            << "The trip profile's answer about children (70000) cannot be read. Please complete the Start "
               "Here Page again.";
    }
    void aProfileThatCannotBeUsedIsExplained() {
        QFETCH(bool, withRow);
        QFETCH(QString, message);
        world->dialogs().answerMessage();
        platform::Form* w = withRow ? openWithProfile({70000, 0, 0, 0}) : openParks();
        QVERIFY(w);
        QCOMPARE(world->dialogs().messages(), QStringList{message});
        QVERIFY(pane(w)->text().isEmpty());
    }
};

QTEST_MAIN(TestFrmParks)
#include "tst_frmparks.moc"
