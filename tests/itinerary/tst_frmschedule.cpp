#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/HoverLink.h"
#include "itinerary/ScheduleText.h"
#include "itinerary/frmSchedule.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>

using platform::Forms;

namespace {

const QDate kTripStart(2004, 6, 5); // a Saturday

// The user picks an entry from a list.
void pick(common::DropDownList* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    pickEntry(list, index);
}

QString dateOf(int day) {
    return platform::shortDate(kTripStart.addDays(day - 1));
}

} // namespace

class TestFrmSchedule : public WorldTest {
    Q_OBJECT
public:
    TestFrmSchedule() : WorldTest(true) {}

private:
    // Stores a row: `names` lists the columns given in `values`, comma separated.
    void storeDay(int schedule, int day, const QString& names, platform::Binds values) {
        const QStringList marks(values.size(), QStringLiteral(", ?"));
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, %1) VALUES (?, ?%2)")
                        .arg(names, marks.join(QString())),
                    platform::Binds{schedule, day} + values);
    }
    QStringList column(const QString& sql, const QString& name, const platform::Binds& binds = {}) {
        QStringList values;
        for (auto rs = world->content()->query(sql, binds); !rs.eof(); rs.moveNext())
            values << rs.text(name);
        return values;
    }
    QStringList attractions(int park) {
        return column(QStringLiteral("SELECT Attraction FROM ParkPlanner WHERE ParkId = ? ORDER BY rowid"),
                      QStringLiteral("Attraction"), {park});
    }
    int rowCount(int schedule, int day) {
        return world->user()
            ->query(QStringLiteral("SELECT COUNT(*) AS n FROM Schedule WHERE ScheduleNum = ? AND DayNum = ?"),
                    {schedule, day})
            .integer(QStringLiteral("n"));
    }
    // The stored values of `columns` of a day.
    QStringList stored(int schedule, int day, const QStringList& columns) {
        auto rs = world->user()->query(QStringLiteral("SELECT * FROM Schedule WHERE ScheduleNum = ? AND DayNum = ?"),
                                       {schedule, day});
        QStringList values;
        for (const QString& column : columns)
            values << rs.value(column).toString();
        return values;
    }
    platform::Form* f = nullptr; // the planner
    platform::Form* openPlanner() { return f = Forms::open(QStringLiteral("frmSchedule")); }

    // The planner's controls by name.
    common::DropDownList* list(const QString& name) { return must<common::DropDownList>(f, name); }
    QPlainTextEdit* notes(const QString& name) { return must<QPlainTextEdit>(f, name); }
    QLineEdit* box(const QString& name) { return must<QLineEdit>(f, name); }
    void click(const QString& name) { clickOn(f, name); }
    QStringList shown(const QStringList& names) { return shownTexts(f, names); }
    // Attraction list n (1 to 15): five per part of the day.
    common::DropDownList* choice(int n) { return list(QStringLiteral("cbChoice%1").arg(n)); }

private slots:
    void init() {
        WorldTest::init();
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults) VALUES (?, 2)"),
                    {kTripStart.toString(Qt::ISODate)});
    }
    void opensOnDayOneWithoutAStoredDay() {
        QVERIFY(openPlanner());
        QCOMPARE(shown({"cbDayNum", "cboScheduleNumber", "txtTSD"}), QStringList({"1", "1", dateOf(1)}));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Saturday"));
        QCOMPARE(itemTexts(list("cbDayNum")).size(), 21);
        QCOMPARE(itemTexts(list("cboScheduleNumber")).last(), QStringLiteral("100"));
        for (QComboBox* park : {list("cbPark1"), list("cbPark2"), list("cbPark3")}) {
            QCOMPARE(park->currentText(), QStringLiteral("Magic Kingdom"));
            QCOMPARE(itemTexts(park), QStringList({"Magic Kingdom", "Epcot", "MGM Studios", "Animal Kingdom",
                                                   "Typhoon Lagoon", "Blizzard Beach"}));
        }
        const QStringList magicKingdom = attractions(1);
        for (int n = 1; n <= 15; ++n) {
            QCOMPARE(itemTexts(choice(n)), magicKingdom);
            QCOMPARE(choice(n)->currentText(), QString());
        }
        QVERIFY(list("cbChoice4")->isVisible());
        QVERIFY(list("cbChoice5")->isHidden() && list("cbChoice10")->isHidden() && list("cbChoice15")->isHidden());
        QStringList sorted = column(QStringLiteral("SELECT Location FROM Reservations"), QStringLiteral("Location"));
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (QComboBox* place : {list("cbDescription"), list("cbDescription2"), list("cbDescription3")}) {
            QCOMPARE(itemTexts(place), sorted);
            QCOMPARE(place->currentText(), QString());
        }
    }

    void opensOnAStoredDayOneWithWaterParkAndEmptyPark() {
        storeDay(1, 1,
                 "MorningPark, AfternoonPark, EveningPark, MorningRide1, MorningRide3, MorningRide5, Morning, Evening, "
                 "Reservation2, Time2, Confirmation2",
                 {"Epcot", "", "Typhoon Lagoon", "Test Track", "Grandma's own ride", "Kept fifth", "Early start",
                  QVariant(), "Le Cellier", "7 pm", "X1"});
        QVERIFY(openPlanner());
        QCOMPARE(shown({"cbPark1", "cbPark2", "cbPark3", "cbChoice1", "cbChoice3", "cbChoice5", "txtMorning",
                        "txtEvening", "cbDescription2", "txtTime2", "txtConfirmation2"}),
                 QStringList({"Epcot", "", "Typhoon Lagoon", "Test Track", "Grandma's own ride", "Kept fifth",
                              "Early start", "", "Le Cellier", "7 pm", "X1"}));
        QCOMPARE(itemTexts(list("cbChoice1")), attractions(2));
        QCOMPARE(itemTexts(list("cbChoice5")), attractions(2));
        for (int n = 6; n <= 15; ++n)
            QCOMPARE(choice(n)->count(), 0);
    }

    void pickingAScheduleShowsTheSameDayOfIt() {
        storeDay(1, 3, "Morning, MorningPark", {"Schedule one", "Epcot"});
        storeDay(2, 3, "Morning, MorningPark", {"Schedule two", "MGM Studios"});
        QVERIFY(openPlanner());
        pick(list("cbDayNum"), QStringLiteral("3"));
        QCOMPARE(shown({"txtMorning", "txtTSD"}), QStringList({"Schedule one", dateOf(3)}));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Monday"));
        notes("txtMorning")->setPlainText(QStringLiteral("unsaved change"));
        pick(list("cboScheduleNumber"), QStringLiteral("2"));
        QCOMPARE(shown({"cbDayNum", "txtMorning", "cbPark1"}), QStringList({"3", "Schedule two", "MGM Studios"}));
        QCOMPARE(itemTexts(list("cbChoice1")), attractions(3));
        QCOMPARE(itemTexts(list("cbChoice6")), QStringList());
        // After a pick the places come in table order.
        QCOMPARE(itemTexts(list("cbDescription")),
                 column(QStringLiteral("SELECT Location FROM Reservations ORDER BY rowid"), "Location"));
        QCOMPARE(stored(1, 3, {"Morning"}), QStringList{"Schedule one"});
        // A day without a row is shown empty, with its date.
        pick(list("cbDayNum"), QStringLiteral("4"));
        QCOMPARE(shown({"txtMorning", "cbPark1", "txtTSD"}), QStringList({"", "", dateOf(4)}));
    }

    // Any number in the day box dates the day from the trip start, 0 and below included.
    void theDateFollowsTheNumberInTheDayBox() {
        const std::pair<QString, int> typedAndShownDay[] = {
            {"0", 0},   {"-2", -2}, {"2.5", 2}, // a half rounds to even
            {"two", 1}, {"", 1},                // no number: the start date
        };
        QVERIFY(openPlanner());
        for (const auto& [text, day] : typedAndShownDay) {
            pick(list("cbDayNum"), QStringLiteral("3"));
            typeOver(list("cbDayNum"), text);
            pick(list("cboScheduleNumber"), QStringLiteral("1"));
            QCOMPARE(box("txtTSD")->text(), dateOf(day));
            QCOMPARE(f->windowTitle(), "Day of schedule is " + itinerary::weekdayName(kTripStart.addDays(day - 1)));
        }
    }

    void pickingAParkRefillsOnlyThatPart() {
        QVERIFY(openPlanner());
        list("cbChoice1")->setEditText(QStringLiteral("chosen"));
        list("cbChoice6")->setEditText(QStringLiteral("afternoon choice"));
        notes("txtMorning")->setPlainText(QStringLiteral("notes stay"));
        pick(list("cbPark1"), QStringLiteral("Typhoon Lagoon"));
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(choice(n)->count(), 0);
            QCOMPARE(choice(n)->currentText(), QString());
        }
        pick(list("cbPark1"), QStringLiteral("Animal Kingdom"));
        QCOMPARE(itemTexts(list("cbChoice4")), attractions(4));
        QCOMPARE(itemTexts(list("cbChoice6")), attractions(1));
        QCOMPARE(shown({"cbChoice6", "txtMorning"}), QStringList({"afternoon choice", "notes stay"}));
    }

    // One notch each way over a closed list of every kind, with unsaved edits on the day.
    void theWheelOverAClosedListChangesNothing() {
        storeDay(1, 2, "MorningPark, MorningRide1, Reservation1", {"Epcot", "Test Track", "Le Cellier"});
        QVERIFY(openPlanner());
        pick(list("cbDayNum"), QStringLiteral("2"));
        notes("txtMorning")->setPlainText(QStringLiteral("unsaved notes"));
        typeOver(list("cbChoice2"), QStringLiteral("typed ride"));
        const auto shown = [this] {
            QStringList texts;
            for (const QComboBox* each : f->client()->findChildren<QComboBox*>())
                texts << each->objectName() + '=' + each->currentText() + '/' + QString::number(each->count());
            return texts << notes("txtMorning")->toPlainText() << box("txtTSD")->text() << f->windowTitle();
        };
        const QStringList before = shown();
        for (const char* name : {"cbDayNum", "cboScheduleNumber", "cbPark1", "cbChoice1", "cbDescription"}) {
            for (int delta : {-120, 120})
                QVERIFY2(!turnWheel(list(name), delta), name);
            QCOMPARE(shown(), before);
        }
        click("Picture3");
        QCOMPARE(stored(1, 2, {"MorningRide1", "MorningRide2", "Morning"}),
                 QStringList({"Test Track", "typed ride", "unsaved notes"}));
    }

    void savingInsertsThenUpdatesAndKeepsTextsExactly() {
        storeDay(2, 1, "Morning", {"other schedule"});
        QVERIFY(openPlanner());
        const QString note = QStringLiteral("Dad's birthday\nCake at 'Ohana");
        notes("txtMorning")->setPlainText(note);
        typeOver(list("cbPark2"), QStringLiteral("Grandma's house"));
        typeOver(list("cbChoice2"), QStringLiteral("Peter Pan's Flight"));
        typeOver(list("cbDescription"), QStringLiteral("Cinderella's Royal Table"));
        QTest::keyClicks(box("txtTime"), QStringLiteral("8 o'clock"));
        QTest::keyClicks(box("txtConfirmation"), QStringLiteral("A'1; DROP TABLE Schedule"));
        click("Picture3");
        QCOMPARE(rowCount(1, 1), 1);
        const QStringList columns = {"Morning", "AfternoonPark", "MorningRide2", "Reservation1",
                                     "Time1",   "Confirmation1", "MorningPark"};
        const QStringList saved = {
            note,        "Grandma's house",          "Peter Pan's Flight", "Cinderella's Royal Table",
            "8 o'clock", "A'1; DROP TABLE Schedule", "Magic Kingdom"};
        QCOMPARE(stored(1, 1, columns), saved);

        notes("txtMorning")->setPlainText(QStringLiteral("changed"));
        click("Picture3");
        QCOMPARE(rowCount(1, 1), 1);
        QCOMPARE(stored(1, 1, {"Morning"}) + stored(2, 1, {"Morning"}), QStringList({"changed", "other schedule"}));

        // Closed and opened again: the day comes back as saved.
        world->closeAll();
        QVERIFY(openPlanner());
        QCOMPARE(shown({"txtMorning", "cbPark2", "cbChoice2", "cbDescription", "txtTime", "txtConfirmation"}),
                 QStringList({"changed", "Grandma's house", "Peter Pan's Flight", "Cinderella's Royal Table",
                              "8 o'clock", "A'1; DROP TABLE Schedule"}));
    }

    void nextAndPreviousDaySaveTheShownDayAndMove() {
        storeDay(1, 1, "Morning", {"first day"});
        storeDay(1, 22, "Evening", {"Day 22 notes"});
        QVERIFY(openPlanner());
        pick(list("cbDayNum"), QStringLiteral("2"));
        notes("txtAfternoon")->setPlainText(QStringLiteral("second day"));
        click("Picture4");
        QCOMPARE(shown({"cbDayNum", "txtMorning", "txtTSD"}), QStringList({"1", "first day", dateOf(1)}));
        QCOMPARE(stored(1, 2, {"Afternoon"}), QStringList{"second day"});
        // Previous Day on day 1 saves and stays; a 1 typed over day 5 is
        // saved as day 1, and the date box then shows day 1's date.
        pick(list("cbDayNum"), QStringLiteral("5"));
        QTest::keyClick(list("cbDayNum"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(list("cbDayNum"), QStringLiteral("1"));
        notes("txtMorning")->setPlainText(QStringLiteral("first day, edited"));
        click("Picture4");
        QCOMPARE(shown({"cbDayNum", "txtTSD"}), QStringList({"1", dateOf(1)}));
        QCOMPARE(stored(1, 1, {"Morning"}), QStringList{"first day, edited"});
        QCOMPARE(rowCount(1, 0), 0);

        // Next Day goes on beyond the listed days; day 21 is saved on the way, empty.
        pick(list("cbDayNum"), QStringLiteral("21"));
        click("Picture5");
        QCOMPARE(shown({"cbDayNum", "txtTSD", "txtEvening"}), QStringList({"22", dateOf(22), "Day 22 notes"}));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Saturday"));
        QCOMPARE(rowCount(1, 21), 1);
        QCOMPARE(stored(1, 21, {"MorningPark"}), QStringList{""});

        typeOver(list("cbDayNum"), QStringLiteral("32767"));
        world->dialogs().answerMessage();
        click("Picture5");
        QCOMPARE(world->dialogs().messages(), QStringList{"Day 32767 is the last day of a schedule."});
        QCOMPARE(rowCount(1, 32767), 1);
        QCOMPARE(list("cbDayNum")->currentText(), QStringLiteral("32767"));
    }

    // Another copy of the program is saving: the message says so, the day stays
    // on screen as typed, and the same click saves once the other copy is done.
    void aSaveRefusedForABusyFileKeepsTheTypedDayOnScreen() {
        const QString userFile = platform::App::file(platform::Database::userFileName());
        platform::Database::setBusyTimeout(10);
        QVERIFY(openPlanner());
        QTest::keyClicks(notes("txtMorning"), QStringLiteral("Dole Whip at 3"));
        std::optional<HeldLock> held;
        held.emplace(userFile, false);
        world->dialogs().answerMessage();
        click("Picture5"); // Next Day
        QCOMPARE(world->dialogs().messages(),
                 QStringList{platform::Database::failureMessage(platform::DbFailure::Busy, userFile)});
        QCOMPARE(shown({"txtMorning", "cbDayNum"}), QStringList({"Dole Whip at 3", "1"}));
        held.reset();
        click("Picture3"); // Save
        QCOMPARE(rowCount(1, 1), 1);
    }

    void aTypedDayNumberBecomesTheKeyOfTheSave() {
        storeDay(1, 2, "Morning, MorningPark", {"shown day", "Epcot"});
        QVERIFY(openPlanner());
        pick(list("cbDayNum"), QStringLiteral("2"));
        const QString caption = f->windowTitle();
        typeOver(list("cbDayNum"), QStringLiteral("5"));
        // Enter in the box picks nothing: the shown day stays.
        QTest::keyClick(list("cbDayNum"), Qt::Key_Return);
        QCOMPARE(notes("txtMorning")->toPlainText(), QStringLiteral("shown day"));
        click("Picture3");
        QCOMPARE(stored(1, 5, {"Morning", "MorningPark"}), QStringList({"shown day", "Epcot"}));
        QCOMPARE(box("txtTSD")->text(), dateOf(5));
        QCOMPARE(f->windowTitle(), caption);
        click("Picture5");
        QCOMPARE(list("cbDayNum")->currentText(), QStringLiteral("6"));
    }

    void exportAndPrintTakeTheStoredDaysAsked() {
        storeDay(1, 1,
                 "MorningPark, MorningRide1, MorningRide2, MorningRide5, Morning, EveningPark, EveningRide2, Evening, "
                 "Reservation1, Time1, Confirmation1",
                 {"Epcot", "Test Track", "Mission: SPACE", "Hidden Ride", "Fastpass for Test Track", "Typhoon Lagoon",
                  "Crush 'n' Gusher", "Swim\nRelax", "Le Cellier", "7:30", "A12"});
        storeDay(1, 3, "MorningPark, MorningRide1, Morning", {"Magic Kingdom", "space mountain", "Café"});
        storeDay(1, 4, "Morning", {"beyond the days asked"});
        storeDay(2, 2, "Morning", {"another schedule"});
        QVERIFY(openPlanner());
        pick(list("cbDayNum"), QStringLiteral("3"));
        notes("txtMorning")->setPlainText(QStringLiteral("not saved"));
        const QString path = world->folder() + QStringLiteral("/out.txt");
        world->dialogs().answerInput(QStringLiteral("3"));
        world->dialogs().answerSave(path);
        chooseItem(f, "mnuExport");

        const auto& shown = world->dialogs().shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("How many days of your schedule would you like to save to a file?"));
        QCOMPARE(shown[0].title, QStringLiteral("Number of Days"));
        QCOMPARE(shown[1].save.fileName, QStringLiteral("TravistoSchedule"));
        QCOMPARE(shown[1].save.title, QStringLiteral("Save Travisto Schedule"));
        QCOMPARE(shown[1].save.filter,
                 QStringLiteral("All files(*.*)|*.*|Data files (*.dat)|*.dat|Text files (*.txt)|*.txt"));
        QCOMPARE(shown[1].save.filterIndex, 3);

        // The stored days 1 and 3 of the schedule shown, not the unsaved edit.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith("\r\n\r\nMy Daily Schedule: Day 1\r\n\r\nMorning Location: Epcot\r\n"));
        QCOMPARE(text.count("My Daily Schedule: Day "), 2);
        for (const char* part : {"Morning Attractions: \r\nTEST TRACK\r\nMISSION: SPACE\r\n\r\n", "Swim\r\nRelax",
                                 "Le Cellier    7:30    A12", "My Daily Schedule: Day 3\r\n", "SPACE MOUNTAIN", "Café"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), part);
        for (const char* part : {"HIDDEN", "not saved", "another schedule", "beyond"})
            QVERIFY2(!text.contains(QLatin1String(part), Qt::CaseInsensitive), part);

        // Print: one document per stored day, titled with its number and date.
        world->dialogs().answerInput(QStringLiteral("3"));
        click("Picture1");
        QCOMPARE(shown[2].text,
                 QStringLiteral("How many days of your schedule would you like to print? Enter numbers only."));
        QCOMPARE(shown[2].title, QStringLiteral("Number of Days - Enter Numbers Only"));
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        // One user command: without a printer, one file and one message.
        QVERIFY(docs[0].command > 0);
        QCOMPARE(docs[1].command, docs[0].command);
        for (int d = 0; d < 2; ++d) {
            const int day = d == 0 ? 1 : 3;
            const QStringList words = world->printer().words(d, 0);
            QVERIFY(docs[d].ended);
            QVERIFY2(words.contains(QStringLiteral("My Daily Schedule: Day %1 - ").arg(day) + dateOf(day)),
                     qPrintable(words.join('|')));
            QVERIFY(words.contains(d == 0 ? QStringLiteral("Fastpass") : QStringLiteral("Café")));
            QVERIFY(!words.contains(QStringLiteral("another")) && !words.contains(QStringLiteral("saved")));
            QCOMPARE(docs[d].pages[0].items.last().fontName, QStringLiteral("Times New Roman"));
            QCOMPARE(docs[d].pages[0].items.last().fontSize, 14.0);
        }
    }

    // No answer asks nothing more; 0 and below take no day. The export refuses
    // words with a message, the print ends without one.
    void withoutAUsableNumberOfDaysNoDayIsExportedOrPrinted() {
        struct Case {
            const char* item;
            QString answer;
            bool refused;
            bool cancel; // in the save dialog
        };
        const Case cases[] = {
            {"mnuExport", "", false, false},      {"mnuExport", "2", false, true},
            {"mnuExport", "0", false, false},     {"mnuExport", "-1", false, false},
            {"mnuExport", "a week", true, false}, {"mnuExport", "32768", true, false}, // beyond 16 bits
            {"mnuPrint", "", false, false},       {"mnuPrint", "0", false, false},
            {"mnuPrint", "a week", false, false}, {"mnuPrint", "32768", false, false},
        };
        storeDay(1, 1, "Morning", {"x"});
        QVERIFY(openPlanner());
        QStringList refusals;
        for (const Case& c : cases) {
            const QString path = world->folder() + QStringLiteral("/out%1.txt").arg(&c - cases);
            const bool written = c.item == QLatin1String("mnuExport") && !c.refused && !c.cancel && !c.answer.isEmpty();
            world->dialogs().answerInput(c.answer);
            if (written || c.cancel)
                world->dialogs().answerSave(c.cancel ? std::nullopt : std::optional<QString>(path));
            if (c.refused) {
                world->dialogs().answerMessage();
                refusals << QStringLiteral("Please enter a number of days from 1 to 32767.");
            }
            chooseItem(f, c.item);
            QCOMPARE(world->dialogs().messages(), refusals);
            QCOMPARE(world->printer().documents.size(), 0);
            // An export of no day still writes its file: only the closing line end.
            QFile file(path);
            QCOMPARE(file.exists(), written);
            if (written) {
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), QByteArray("\r\n"));
            }
        }
        // The print asks before it reads the schedule box, which then ends it without a word.
        typeOver(list("cboScheduleNumber"), QStringLiteral("one"));
        world->dialogs().answerInput(QStringLiteral("1"));
        chooseItem(f, "mnuPrint");
        QCOMPARE(world->dialogs().shown().last().title, QStringLiteral("Number of Days - Enter Numbers Only"));
        QCOMPARE(world->dialogs().messages(), refusals);
        QCOMPARE(world->printer().documents.size(), 0);
        QVERIFY(world->dialogs().allAnswered());
    }

    void exportThatCannotBeWrittenIsReportedAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "/no such folder/out.txt" << false << "the folder does not exist";
        QTest::newRow("full disk") << "/out.txt" << true << "the disk is full";
    }
    void exportThatCannotBeWrittenIsReportedAndKeepsTheOldFile() {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        const QString file = world->folder() + name;
        QFile old(file);
        if (diskFull) {
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("last week's schedule");
            old.close();
        }
        storeDay(1, 1, "Morning", {"x"});
        QVERIFY(openPlanner());
        world->dialogs().answerInput(QStringLiteral("1"));
        world->dialogs().answerSave(file);
        world->dialogs().answerMessage();
        std::optional<FullDisk> full;
        if (diskFull)
            full.emplace(0);
        chooseItem(f, "mnuExport");
        full.reset();
        QCOMPARE(world->dialogs().messages(),
                 QStringList{QStringLiteral("The schedule could not be saved to %1: %2.").arg(file, reason)});
        if (diskFull) {
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("last week's schedule"));
        }
    }

    // Each link and reminder picture opens its own window beside the planner,
    // and the shown day is not saved.
    void eachLinkOpensItsWindowBesideThePlanner() {
        const std::pair<const char*, const char*> linkAndWindow[] = {
            {"Label15", "frmParks"},            // Itinerary Suggestions
            {"Label16", "frmFastpass"},         // Fastpass Info
            {"Label17", "frmLines"},            // Line Buster Tips
            {"Label18", "frmScheduleTips"},     // Schedule Tips
            {"Picture6", "frmQuickRestaurant"}, // Restaurant Reminder
            {"Picture7", "frmQuick"},           // Ride Description Reminder
        };
        QVERIFY(openPlanner());
        for (const auto& [control, form] : linkAndWindow) {
            if (QLatin1String(control).startsWith(QLatin1String("Label")))
                must<common::HoverLink>(f, control);
            click(control);
            TestWorld::settle();
            QCOMPARE(Forms::loadedNames(), (QStringList{"frmSchedule", form}));
            QVERIFY(isShown(form) && f->isVisible());
            Forms::unload(form);
        }
        QCOMPARE(rowCount(1, 1), 0);
    }

    void opensWithoutATripProfile() {
        world->exec(platform::Database::contentFileName(), QStringLiteral("DELETE FROM TravelInfo"));
        QVERIFY(openPlanner());
        QCOMPARE(box("txtTSD")->text(), QString());
        QCOMPARE(f->windowTitle(), QStringLiteral("My Trip Plan"));
        notes("txtMorning")->setPlainText(QStringLiteral("no trip yet"));
        click("Picture5");
        QCOMPARE(stored(1, 1, {"Morning"}), QStringList{"no trip yet"});
        QCOMPARE(box("txtTSD")->text(), QString()); // still without a date on day 2
    }
};

QTEST_MAIN(TestFrmSchedule)
#include "tst_frmschedule.moc"
