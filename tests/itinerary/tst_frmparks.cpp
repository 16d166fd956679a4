#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "itinerary/frmParks.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

using platform::Forms;

namespace {

const QColor kRed(255, 0, 0);

// Kids, Daredevel, Wet, Show as the preferences wizard stores them.
void saveProfile(TestWorld& world, int kids, int daredevil, int wet, int show) {
    world.exec(platform::Database::contentFileName(),
               QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                              "VALUES ('2004-07-01', 1, ?, ?, 0, ?, ?)"),
               {kids, daredevil, wet, show});
}

} // namespace

class TestFrmParks : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmParks* openParks() { return qobject_cast<frmParks*>(Forms::open(QStringLiteral("frmParks"))); }
    static void choosePark(frmParks* w, int position) {
        w->Combo1->setCurrentIndex(position);
        emit w->Combo1->activated(position);
    }
    static QStringList numberedLines(const QString& text) {
        QStringList lines;
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (!line.isEmpty() && line[0].isDigit())
                lines << line;
        return lines;
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void opensOnTheMagicKingdomWithRedHeadings() {
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Travisto Itinerary Suggestions"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Magic Kingdom"));
        QCOMPARE(w->Label10->text(), QStringLiteral("Magic Kingdom"));
        QCOMPARE(w->lblTipLink->text(), QStringLiteral("Click here for Magic Kingdom Tips"));
        QCOMPARE(w->lblTipLink->currentColor(), kRed);
        QVERIFY(w->lblTipLink->isUnderlined());
        QCOMPARE(w->lblVisit->text(),
                 QStringLiteral("Try to visit the Magic Kingdom on Tuesday, Wednesday, and Friday.  Avoid the Magic "
                                "Kingdom on Saturday, Sunday, and Thursday. These are it's busiest days."));
        const QString text = w->rtParks2->text();
        QVERIFY(text.startsWith(QStringLiteral("MORNING\n\n1. Main Street Vehicles.\n")));
        QVERIFY(text.contains(QStringLiteral("\n2. Buzz Lightyear's Space Ranger Spin.\n- Ride early")));
        for (const QString& heading :
             {QStringLiteral("MORNING"), QStringLiteral("AFTERNOON"), QStringLiteral("EVENING")}) {
            const int at = int(text.indexOf(heading));
            QVERIFY(at >= 0);
            QCOMPARE(w->rtParks2->formatAt(at).foreground().color(), kRed);
            QCOMPARE(w->rtParks2->formatAt(at + int(heading.size()) - 1).foreground().color(), kRed);
        }
        // Text beside the headings keeps its own colour.
        QVERIFY(w->rtParks2->formatAt(int(text.indexOf(QStringLiteral("Main Street")))).foreground().color() != kRed);
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void aThrillCoupleAndAFamilyGetDifferentDays() {
        saveProfile(*world, 0, 2, 0, 0);
        const QString couple = openParks()->rtParks2->text();
        world->closeAll();
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("UPDATE TravelInfo SET Kids = 2, Daredevel = 0, Wet = 1, Show = 0"));
        const QString family = openParks()->rtParks2->text();
        QVERIFY(couple.contains(QStringLiteral("Space Mountain")));
        QVERIFY(!couple.contains(QStringLiteral("Dumbo")));
        QVERIFY(family.contains(QStringLiteral("Dumbo")));
        QVERIFY(!family.contains(QStringLiteral("Space Mountain")));
    }

    void choosingEpcotThenTheMagicKingdomRestoresEverything() {
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        const QString visit = w->lblVisit->text();
        const QString advice = w->Label8->text();
        const QString link = w->lblTipLink->text();
        const QStringList rides = numberedLines(w->rtParks2->text());

        choosePark(w, 1);
        QCOMPARE(w->Label10->text(), QStringLiteral("Epcot"));
        QCOMPARE(w->lblTipLink->text(), QStringLiteral("Click Here for Epcot Tips"));
        QVERIFY(w->lblVisit->text().startsWith(QStringLiteral("Avoid Epcot on Wednesday.  This is it's")));
        QVERIFY(w->rtParks2->text().contains(QStringLiteral("The Living Seas")));

        choosePark(w, 0);
        QCOMPARE(w->Label10->text(), QStringLiteral("Magic Kingdom"));
        QCOMPARE(w->lblVisit->text(), visit);
        QCOMPARE(w->Label8->text(), advice);
        QCOMPARE(w->lblTipLink->text(), link);
        QCOMPARE(numberedLines(w->rtParks2->text()), rides);
    }

    void anEveningWithoutRidesLosesItsHeadingOnlyAfterAParkChoice() {
        saveProfile(*world, 2, 0, 0, 1);
        world->exec(
            platform::Database::contentFileName(),
            QStringLiteral("DELETE FROM ParkPlanner WHERE TimeToRide = '3' OR (ParkId = 1 AND TimeToRide = '1')"));
        frmParks* w = openParks();
        QVERIFY(w->rtParks2->text().startsWith(QStringLiteral("\nAFTERNOON\n\n1. ")));
        QVERIFY(w->rtParks2->text().endsWith(QStringLiteral("\nEVENING\n\n")));
        const int afternoon = int(w->rtParks2->text().indexOf(QStringLiteral("AFTERNOON")));
        QCOMPARE(w->rtParks2->formatAt(afternoon).foreground().color(), kRed);
        choosePark(w, 0);
        QVERIFY(!w->rtParks2->text().contains(QStringLiteral("EVENING")));
    }

    void exportWritesThePaneAndOneLineEnd() {
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        const QString file = world->folder() + QStringLiteral("/day.txt");
        world->dialogs().answerSave(file);
        w->mnuExport1->trigger();
        const auto& shown = world->dialogs().shown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].save.fileName, QStringLiteral("Magic Kingdom.txt"));
        QCOMPARE(shown[0].save.title, QStringLiteral("Save Travisto Itinerary"));
        QCOMPARE(shown[0].save.filter,
                 QStringLiteral("All files(*.*)|*.*|Data files (*.dat)|*.dat|Text files (*.txt)|*.txt"));
        QCOMPARE(shown[0].save.filterIndex, 3);
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QVERIFY(bytes.startsWith("MORNING\r\n\r\n1. Main Street Vehicles.\r\n"));
        QVERIFY(bytes.contains("Buzz Lightyear's Space Ranger Spin"));
        QCOMPARE(QString::fromUtf8(bytes),
                 w->rtParks2->text().replace(QLatin1Char('\n'), QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

        choosePark(w, 3);
        world->dialogs().answerSave(file);
        w->mnuExport1->trigger();
        QCOMPARE(world->dialogs().shown().last().save.fileName, QStringLiteral("Animal Kingdom.txt"));
        QFile again(file);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY(again.readAll().contains("Kilimanjaro Safaris"));
    }

    void exportCancelledOrUnnamedWritesNothing_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancel") << true;
        QTest::newRow("empty name") << false;
    }
    void exportCancelledOrUnnamedWritesNothing() {
        QFETCH(bool, cancel);
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        const QStringList before = QDir(world->folder()).entryList(QDir::Files);
        world->dialogs().answerSave(cancel ? std::nullopt : std::optional<QString>(QString()));
        w->mnuExport1->trigger();
        QCOMPARE(QDir(world->folder()).entryList(QDir::Files), before);
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void exportToAFileThatCannotBeWrittenSaysSo() {
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        const QString file = world->folder() + QStringLiteral("/no such folder/day.txt");
        world->dialogs().answerSave(file);
        world->dialogs().answerMessage();
        w->mnuExport1->trigger();
        QCOMPARE(world->dialogs().messages().size(), 1);
        QVERIFY(
            world->dialogs().messages()[0].startsWith(QStringLiteral("The itinerary could not be saved to ") + file));
    }

    void printTitlesThePagesWithThePark() {
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        w->mnuPrint->trigger();
        choosePark(w, 2);
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("Magic Kingdom Park Itinerary")));
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("MORNING")));
        QVERIFY(world->printer().words(1, 0).contains(QStringLiteral("MGM Studios Park Itinerary")));
        QCOMPARE(docs[0].pages[0].items.last().fontName, QStringLiteral("Times New Roman"));
    }

    void tipLinkFollowsTheChosenPosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("page");
        QTest::newRow("as opened") << -1 << QString() << "frmMKTips";
        QTest::newRow("Epcot") << 1 << QString() << "frmEpcotTips";
        QTest::newRow("MGM Studios") << 2 << QString() << "frmMgmTips";
        QTest::newRow("Animal Kingdom") << 3 << QString() << "frmAKTips";
        QTest::newRow("typed over Animal Kingdom") << 3 << "Typhoon Lagoon"
                                                   << "frmMKTips";
    }
    void tipLinkFollowsTheChosenPosition() {
        QFETCH(int, position);
        QFETCH(QString, typed);
        QFETCH(QString, page);
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        if (position >= 0)
            choosePark(w, position);
        if (!typed.isEmpty()) {
            w->Combo1->lineEdit()->selectAll();
            QTest::keyClicks(w->Combo1->lineEdit(), typed);
        }
        QTest::mouseClick(w->lblTipLink, Qt::LeftButton);
        QVERIFY(Forms::isLoaded(page));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmParks")));
    }

    void fileCloseReturnsToTheMainWindowTheCloseButtonDoesNot() {
        saveProfile(*world, 2, 0, 0, 1);
        frmParks* w = openParks();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTamble")));
        QTest::mouseClick(w->Picture2, Qt::LeftButton);
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmParks")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmTamble")));

        w = openParks();
        w->mnuHome->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmParks")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
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
        if (withRow)
            saveProfile(*world, 70000, 0, 0, 0);
        world->dialogs().answerMessage();
        frmParks* w = openParks();
        QVERIFY(w);
        QCOMPARE(world->dialogs().messages(), QStringList{message});
        QVERIFY(w->rtParks2->text().isEmpty());
    }
};

QTEST_MAIN(TestFrmParks)
#include "tst_frmparks.moc"
