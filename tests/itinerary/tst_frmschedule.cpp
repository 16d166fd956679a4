#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "itinerary/ScheduleText.h"
#include "itinerary/frmSchedule.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

using platform::Forms;

namespace {

const QDate kTripStart(2004, 6, 5); // a Saturday

QStringList entries(QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// The user picks an entry from a list.
void pick(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The user types over a list's text.
void typeInto(QComboBox* list, const QString& text) {
    list->lineEdit()->selectAll();
    list->lineEdit()->del();
    QTest::keyClicks(list->lineEdit(), text);
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

class TestFrmSchedule : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    void setTrip(const QDate& start = kTripStart) {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults) VALUES (?, 2)"),
                    {start.toString(Qt::ISODate)});
    }
    void storeDay(int schedule, int day, const QVariantMap& columns) {
        QStringList names = {QStringLiteral("ScheduleNum"), QStringLiteral("DayNum")};
        QStringList marks = {QStringLiteral("?"), QStringLiteral("?")};
        platform::Binds binds = {schedule, day};
        for (auto it = columns.begin(); it != columns.end(); ++it) {
            names << it.key();
            marks << QStringLiteral("?");
            binds << it.value();
        }
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO Schedule (%1) VALUES (%2)").arg(names.join(','), marks.join(',')),
                    binds);
    }
    QStringList column(const QString& sql, const QString& name, const platform::Binds& binds = {}) {
        auto rs = world->content()->query(sql, binds);
        QStringList values;
        for (; !rs.eof(); rs.moveNext())
            values << rs.text(name);
        return values;
    }
    QStringList attractions(int park) {
        return column(QStringLiteral("SELECT Attraction FROM ParkPlanner WHERE ParkId = ? ORDER BY rowid"),
                      QStringLiteral("Attraction"), {park});
    }
    int rowCount(int schedule, int day) {
        auto rs = world->user()->query(
            QStringLiteral("SELECT COUNT(*) AS n FROM Schedule WHERE ScheduleNum = ? AND DayNum = ?"), {schedule, day});
        return rs.integer(QStringLiteral("n"));
    }
    QVariant stored(int schedule, int day, const QString& name) {
        auto rs = world->user()->query(QStringLiteral("SELECT * FROM Schedule WHERE ScheduleNum = ? AND DayNum = ?"),
                                       {schedule, day});
        return rs.value(name);
    }
    frmSchedule* openPlanner() {
        Forms::open(QStringLiteral("frmSchedule"));
        return Forms::findAs<frmSchedule>(QStringLiteral("frmSchedule"));
    }
    QList<QComboBox*> choices(frmSchedule* f) {
        return {f->cbChoice1,  f->cbChoice2,  f->cbChoice3,  f->cbChoice4,  f->cbChoice5,
                f->cbChoice6,  f->cbChoice7,  f->cbChoice8,  f->cbChoice9,  f->cbChoice10,
                f->cbChoice11, f->cbChoice12, f->cbChoice13, f->cbChoice14, f->cbChoice15};
    }
    static QString dateOf(int day) { return itinerary::shortDate(kTripStart.addDays(day - 1)); }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void opensOnDayOneWithoutAStoredDay() {
        setTrip();
        frmSchedule* f = openPlanner();
        QVERIFY(f);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("1"));
        QCOMPARE(f->cboScheduleNumber->currentText(), QStringLiteral("1"));
        QCOMPARE(f->cbDayNum->currentIndex(), -1);
        QCOMPARE(f->cboScheduleNumber->currentIndex(), -1);
        QCOMPARE(f->txtTSD->text(), dateOf(1));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Saturday"));
        QCOMPARE(entries(f->cbDayNum).size(), 21);
        QCOMPARE(entries(f->cbDayNum).value(9), QStringLiteral("10"));
        QCOMPARE(entries(f->cboScheduleNumber).size(), 100);
        QCOMPARE(entries(f->cboScheduleNumber).last(), QStringLiteral("100"));
        for (QComboBox* park : {f->cbPark1, f->cbPark2, f->cbPark3}) {
            QCOMPARE(park->currentText(), QStringLiteral("Magic Kingdom"));
            QCOMPARE(entries(park), QStringList({"Magic Kingdom", "Epcot", "MGM Studios", "Animal Kingdom",
                                                 "Typhoon Lagoon", "Blizzard Beach"}));
        }
        const QStringList magicKingdom = attractions(1);
        QVERIFY(magicKingdom.size() > 10);
        for (QComboBox* list : choices(f)) {
            QCOMPARE(entries(list), magicKingdom);
            QCOMPARE(list->currentText(), QString());
        }
        QVERIFY(f->cbChoice5->isHidden() && f->cbChoice10->isHidden() && f->cbChoice15->isHidden());
        QVERIFY(f->cbChoice4->isVisible());
        QStringList sorted = column(QStringLiteral("SELECT Location FROM Reservations"), QStringLiteral("Location"));
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        for (QComboBox* place : {f->cbDescription, f->cbDescription2, f->cbDescription3}) {
            QCOMPARE(entries(place), sorted);
            QCOMPARE(place->currentText(), QString());
        }
        QVERIFY(f->txtMorning->toPlainText().isEmpty());
        QVERIFY(f->txtConfirmation3->text().isEmpty());
    }

    void opensOnAStoredDayOneWithWaterParkAndEmptyPark() {
        setTrip();
        storeDay(1, 1,
                 {{"MorningPark", "Epcot"},
                  {"AfternoonPark", ""},
                  {"EveningPark", "Typhoon Lagoon"},
                  {"MorningRide1", "Test Track"},
                  {"MorningRide2", ""},
                  {"MorningRide3", "Grandma's own ride"},
                  {"MorningRide5", "Kept fifth"},
                  {"Morning", "Early start"},
                  {"Evening", QVariant()},
                  {"Reservation2", "Le Cellier"},
                  {"Time2", "7 pm"},
                  {"Confirmation2", "X1"}});
        frmSchedule* f = openPlanner();
        QCOMPARE(f->cbPark1->currentText(), QStringLiteral("Epcot"));
        QCOMPARE(f->cbPark2->currentText(), QString());
        QCOMPARE(f->cbPark3->currentText(), QStringLiteral("Typhoon Lagoon"));
        QCOMPARE(entries(f->cbChoice1), attractions(2));
        QCOMPARE(entries(f->cbChoice5), attractions(2));
        QCOMPARE(f->cbChoice1->currentText(), QStringLiteral("Test Track"));
        QCOMPARE(f->cbChoice2->currentText(), QString());
        QCOMPARE(f->cbChoice3->currentText(), QStringLiteral("Grandma's own ride"));
        QCOMPARE(f->cbChoice5->currentText(), QStringLiteral("Kept fifth"));
        for (int i = 5; i < 15; ++i)
            QCOMPARE(choices(f)[i]->count(), 0);
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("Early start"));
        QCOMPARE(f->txtEvening->toPlainText(), QString());
        QCOMPARE(f->cbDescription2->currentText(), QStringLiteral("Le Cellier"));
        QCOMPARE(f->txtTime2->text(), QStringLiteral("7 pm"));
        QCOMPARE(f->txtConfirmation2->text(), QStringLiteral("X1"));
    }

    void pickingAScheduleShowsTheSameDayOfIt() {
        setTrip();
        storeDay(1, 3, {{"Morning", "Schedule one"}, {"MorningPark", "Epcot"}});
        storeDay(2, 3, {{"Morning", "Schedule two"}, {"MorningPark", "MGM Studios"}});
        frmSchedule* f = openPlanner();
        pick(f->cbDayNum, QStringLiteral("3"));
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("Schedule one"));
        QCOMPARE(f->txtTSD->text(), dateOf(3));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Monday"));
        f->txtMorning->setPlainText(QStringLiteral("unsaved change"));
        pick(f->cboScheduleNumber, QStringLiteral("2"));
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("3"));
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("Schedule two"));
        QCOMPARE(f->cbPark1->currentText(), QStringLiteral("MGM Studios"));
        QCOMPARE(entries(f->cbChoice1), attractions(3));
        QCOMPARE(entries(f->cbChoice6), QStringList());
        // After a pick the places come in table order.
        QCOMPARE(entries(f->cbDescription),
                 column(QStringLiteral("SELECT Location FROM Reservations ORDER BY rowid"), "Location"));
        QCOMPARE(stored(1, 3, "Morning").toString(), QStringLiteral("Schedule one"));
        // A day without a row is shown empty, with its date.
        pick(f->cbDayNum, QStringLiteral("4"));
        QCOMPARE(f->txtMorning->toPlainText(), QString());
        QCOMPARE(f->cbPark1->currentText(), QString());
        QCOMPARE(f->txtTSD->text(), dateOf(4));
    }

    void pickingAParkRefillsOnlyThatPart() {
        setTrip();
        frmSchedule* f = openPlanner();
        f->cbChoice1->setEditText(QStringLiteral("chosen"));
        f->cbChoice6->setEditText(QStringLiteral("afternoon choice"));
        f->txtMorning->setPlainText(QStringLiteral("notes stay"));
        pick(f->cbPark1, QStringLiteral("Typhoon Lagoon"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(choices(f)[i]->count(), 0);
            QCOMPARE(choices(f)[i]->currentText(), QString());
        }
        pick(f->cbPark1, QStringLiteral("Animal Kingdom"));
        QCOMPARE(entries(f->cbChoice4), attractions(4));
        QCOMPARE(f->cbChoice4->currentText(), QString());
        QCOMPARE(f->cbChoice6->currentText(), QStringLiteral("afternoon choice"));
        QCOMPARE(entries(f->cbChoice6), attractions(1));
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("notes stay"));
    }

    void savingInsertsThenUpdatesAndKeepsTextsExactly() {
        setTrip();
        storeDay(2, 1, {{"Morning", "other schedule"}});
        frmSchedule* f = openPlanner();
        const QString note = QStringLiteral("Dad's birthday\nCake at 'Ohana");
        f->txtMorning->setPlainText(note);
        typeInto(f->cbPark2, QStringLiteral("Grandma's house"));
        typeInto(f->cbChoice2, QStringLiteral("Peter Pan's Flight"));
        typeInto(f->cbDescription, QStringLiteral("Cinderella's Royal Table"));
        QTest::keyClicks(f->txtTime, QStringLiteral("8 o'clock"));
        QTest::keyClicks(f->txtConfirmation, QStringLiteral("A'1; DROP TABLE Schedule"));
        click(f->Picture3);
        QCOMPARE(rowCount(1, 1), 1);
        QCOMPARE(stored(1, 1, "Morning").toString(), note);
        QCOMPARE(stored(1, 1, "AfternoonPark").toString(), QStringLiteral("Grandma's house"));
        QCOMPARE(stored(1, 1, "MorningRide2").toString(), QStringLiteral("Peter Pan's Flight"));
        QCOMPARE(stored(1, 1, "Reservation1").toString(), QStringLiteral("Cinderella's Royal Table"));
        QCOMPARE(stored(1, 1, "Time1").toString(), QStringLiteral("8 o'clock"));
        QCOMPARE(stored(1, 1, "Confirmation1").toString(), QStringLiteral("A'1; DROP TABLE Schedule"));
        QCOMPARE(stored(1, 1, "MorningPark").toString(), QStringLiteral("Magic Kingdom"));
        QVERIFY(!stored(1, 1, "Evening").isNull());
        QCOMPARE(stored(1, 1, "Evening").toString(), QString());
        QVERIFY(!stored(1, 1, "MorningRide5").isNull());
        // The window keeps the texts as typed.
        QCOMPARE(f->txtMorning->toPlainText(), note);
        QCOMPARE(f->txtTime->text(), QStringLiteral("8 o'clock"));

        f->txtMorning->setPlainText(QStringLiteral("changed"));
        click(f->Picture3);
        QCOMPARE(rowCount(1, 1), 1);
        QCOMPARE(stored(1, 1, "Morning").toString(), QStringLiteral("changed"));
        QCOMPARE(stored(2, 1, "Morning").toString(), QStringLiteral("other schedule"));
        QVERIFY(world->dialogs().messages().isEmpty());

        // Closed and opened again: the day comes back as saved.
        world->closeAll();
        f = openPlanner();
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("changed"));
        QCOMPARE(f->cbPark2->currentText(), QStringLiteral("Grandma's house"));
        QCOMPARE(f->cbChoice2->currentText(), QStringLiteral("Peter Pan's Flight"));
        QCOMPARE(f->cbDescription->currentText(), QStringLiteral("Cinderella's Royal Table"));
        QCOMPARE(f->txtConfirmation->text(), QStringLiteral("A'1; DROP TABLE Schedule"));
    }

    void nextDayFromTheLastListedDayGoesOnToDay22() {
        setTrip();
        storeDay(1, 22, {{"Evening", "Day 22 notes"}});
        frmSchedule* f = openPlanner();
        pick(f->cbDayNum, QStringLiteral("21"));
        click(f->Picture5);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("22"));
        QCOMPARE(f->txtTSD->text(), dateOf(22));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Saturday"));
        QCOMPARE(f->txtEvening->toPlainText(), QStringLiteral("Day 22 notes"));
        // Day 21 was saved on the way, empty.
        QCOMPARE(rowCount(1, 21), 1);
        QCOMPARE(stored(1, 21, "Morning").toString(), QString());
        QCOMPARE(stored(1, 21, "MorningPark").toString(), QString());
        click(f->Picture5);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("23"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Day of schedule is Sunday"));
        QCOMPARE(stored(1, 22, "Evening").toString(), QStringLiteral("Day 22 notes"));
    }

    void previousDayStepsBackAndStopsAtDayOne() {
        setTrip();
        storeDay(1, 1, {{"Morning", "first day"}});
        frmSchedule* f = openPlanner();
        pick(f->cbDayNum, QStringLiteral("2"));
        f->txtAfternoon->setPlainText(QStringLiteral("second day"));
        click(f->Picture4);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("1"));
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("first day"));
        QCOMPARE(f->txtTSD->text(), dateOf(1));
        QCOMPARE(stored(1, 2, "Afternoon").toString(), QStringLiteral("second day"));

        f->txtMorning->setPlainText(QStringLiteral("first day, edited"));
        click(f->Picture4);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("1"));
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("first day, edited"));
        QCOMPARE(stored(1, 1, "Morning").toString(), QStringLiteral("first day, edited"));
        QCOMPARE(rowCount(1, 0), 0);
    }

    void aTypedDayNumberBecomesTheKeyOfTheSave() {
        setTrip();
        storeDay(1, 2, {{"Morning", "shown day"}, {"MorningPark", "Epcot"}});
        frmSchedule* f = openPlanner();
        pick(f->cbDayNum, QStringLiteral("2"));
        const QString caption = f->windowTitle();
        typeInto(f->cbDayNum, QStringLiteral("5"));
        // Enter in the box picks nothing: the shown day stays.
        QTest::keyClick(f->cbDayNum->lineEdit(), Qt::Key_Return);
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("shown day"));
        click(f->Picture3);
        QCOMPARE(stored(1, 5, "Morning").toString(), QStringLiteral("shown day"));
        QCOMPARE(stored(1, 5, "MorningPark").toString(), QStringLiteral("Epcot"));
        QCOMPARE(f->txtTSD->text(), dateOf(5));
        QCOMPARE(f->windowTitle(), caption);
        click(f->Picture5);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("6"));
        QCOMPARE(f->txtTSD->text(), dateOf(6));
    }

    void aKeyThatIsNotAWholeNumberIsRefused_data() {
        QTest::addColumn<bool>("dayBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString day = QStringLiteral("The Day # box must hold a whole number from 1 to 32767.");
        const QString schedule = QStringLiteral("The Schedule # box must hold a whole number from 1 to 32767.");
        QTest::newRow("day in words") << true << "five" << day;
        QTest::newRow("day zero") << true << "0" << day;
        QTest::newRow("day beyond 16 bits") << true << "40000" << day;
        QTest::newRow("day with statement") << true << "1 Or 1=1" << day;
        QTest::newRow("schedule in words") << false << "two" << schedule;
        QTest::newRow("schedule fraction") << false << "2.5" << schedule;
    }
    void aKeyThatIsNotAWholeNumberIsRefused() {
        QFETCH(bool, dayBox);
        QFETCH(QString, text);
        QFETCH(QString, message);
        setTrip();
        frmSchedule* f = openPlanner();
        f->txtMorning->setPlainText(QStringLiteral("keep me"));
        typeInto(dayBox ? f->cbDayNum : f->cboScheduleNumber, text);
        for (QWidget* button : QList<QWidget*>{f->Picture3, f->Picture5, f->Picture4}) {
            world->dialogs().answerMessage();
            click(button);
        }
        QCOMPARE(world->dialogs().messages(), QStringList(3, message));
        QCOMPARE(f->txtMorning->toPlainText(), QStringLiteral("keep me"));
        QCOMPARE((dayBox ? f->cbDayNum : f->cboScheduleNumber)->currentText(), text);
        auto rs = world->user()->query(QStringLiteral("SELECT COUNT(*) AS n FROM Schedule"));
        QCOMPARE(rs.integer("n"), 0);
    }

    void nextDayStopsAtTheLastDayASchedulesCanHold() {
        setTrip();
        frmSchedule* f = openPlanner();
        typeInto(f->cbDayNum, QStringLiteral("32767"));
        world->dialogs().answerMessage();
        click(f->Picture5);
        QCOMPARE(world->dialogs().messages(), QStringList{"Day 32767 is the last day of a schedule."});
        QCOMPARE(rowCount(1, 32767), 1);
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("32767"));
    }

    void exportWritesTheStoredDaysAsked() {
        setTrip();
        storeDay(1, 1,
                 {{"MorningPark", "Epcot"},
                  {"MorningRide1", "Test Track"},
                  {"MorningRide2", "Mission: SPACE"},
                  {"MorningRide5", "Hidden Ride"},
                  {"Morning", "Fastpass for Test Track"},
                  {"EveningPark", "Typhoon Lagoon"},
                  {"EveningRide2", "Crush 'n' Gusher"},
                  {"Evening", "Swim\nRelax"},
                  {"Reservation1", "Le Cellier"},
                  {"Time1", "7:30"},
                  {"Confirmation1", "A12"}});
        storeDay(1, 3, {{"MorningPark", "Magic Kingdom"}, {"MorningRide1", "space mountain"}, {"Morning", "Café"}});
        storeDay(1, 4, {{"Morning", "beyond the days asked"}});
        storeDay(2, 2, {{"Morning", "another schedule"}});
        frmSchedule* f = openPlanner();
        pick(f->cbDayNum, QStringLiteral("3"));
        f->txtMorning->setPlainText(QStringLiteral("not saved"));
        const QString path = world->folder() + QStringLiteral("/out.txt");
        world->dialogs().answerInput(QStringLiteral("3"));
        world->dialogs().answerSave(path);
        f->mnuExport->trigger();

        const auto& shown = world->dialogs().shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("How many days of your schedule would you like to save to a file?"));
        QCOMPARE(shown[0].title, QStringLiteral("Number of Days"));
        QCOMPARE(shown[1].save.fileName, QStringLiteral("TravistoSchedule"));
        QCOMPARE(shown[1].save.title, QStringLiteral("Save Travisto Schedule"));
        QCOMPARE(shown[1].save.filter,
                 QStringLiteral("All files(*.*)|*.*|Data files (*.dat)|*.dat|Text files (*.txt)|*.txt"));
        QCOMPARE(shown[1].save.filterIndex, 3);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString expected = QStringLiteral("\r\n\r\nMy Daily Schedule: Day 1\r\n\r\n"
                                                "Morning Location: Epcot\r\n"
                                                "Morning Attractions: \r\nTEST TRACK\r\nMISSION: SPACE\r\n"
                                                "\r\n"
                                                "Morning Notes:\r\n"
                                                "Fastpass for Test Track\r\n"
                                                "Afternoon Location: \r\n"
                                                "Afternoon Attractions: \r\n"
                                                "Afternoon Notes:\r\n"
                                                "\r\n"
                                                "Evening Location: Typhoon Lagoon\r\n"
                                                "Evening Attractions: CRUSH 'N' GUSHER\r\n"
                                                "\r\n"
                                                "Evening Notes:\r\n"
                                                "Swim\nRelax\r\n"
                                                "\r\n"
                                                "Reservation Info \r\n"
                                                "Le Cellier    7:30    A12\r\n"
                                                "        \r\n"
                                                "        \r\n"
                                                "\r\n\r\nMy Daily Schedule: Day 3\r\n\r\n"
                                                "Morning Location: Magic Kingdom\r\n"
                                                "Morning Attractions: \r\nSPACE MOUNTAIN\r\n"
                                                "\r\n"
                                                "Morning Notes:\r\n"
                                                "Café\r\n"
                                                "Afternoon Location: \r\n"
                                                "Afternoon Attractions: \r\n"
                                                "Afternoon Notes:\r\n"
                                                "\r\n"
                                                "Evening Location: \r\n"
                                                "Evening Attractions: \r\n"
                                                "Evening Notes:\r\n"
                                                "\r\n"
                                                "\r\n"
                                                "Reservation Info \r\n"
                                                "        \r\n"
                                                "        \r\n"
                                                "        \r\n"
                                                "\r\n");
        QCOMPARE(file.readAll(), expected.toUtf8());
    }

    void exportEndsQuietlyOnCancel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("saveAsked");
        QTest::newRow("no answer") << "" << false;
        QTest::newRow("cancel in the save dialog") << "2" << true;
    }
    void exportEndsQuietlyOnCancel() {
        QFETCH(QString, answer);
        QFETCH(bool, saveAsked);
        setTrip();
        storeDay(1, 1, {{"Morning", "x"}});
        frmSchedule* f = openPlanner();
        world->dialogs().answerInput(answer);
        if (saveAsked)
            world->dialogs().answerSave(std::nullopt);
        f->mnuExport->trigger();
        QCOMPARE(world->dialogs().shown().size(), saveAsked ? 2 : 1);
        QVERIFY(world->dialogs().messages().isEmpty());
    }

    void exportRefusesANumberOfDaysOutOfRangeAndKeepsTheFile_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-1";
        QTest::newRow("words") << "a week";
        QTest::newRow("beyond 16 bits") << "32768";
    }
    void exportRefusesANumberOfDaysOutOfRangeAndKeepsTheFile() {
        QFETCH(QString, answer);
        setTrip();
        frmSchedule* f = openPlanner();
        world->dialogs().answerInput(answer);
        world->dialogs().answerMessage();
        f->mnuExport->trigger();
        QCOMPARE(world->dialogs().messages(), QStringList{"Please enter a number of days from 1 to 32767."});
        QCOMPARE(world->dialogs().shown().size(), 2); // the question and the message: no save dialog
    }

    void exportReportsAFileThatCannotBeWritten() {
        setTrip();
        storeDay(1, 1, {{"Morning", "x"}});
        frmSchedule* f = openPlanner();
        const QString path = world->folder() + QStringLiteral("/no such folder/out.txt");
        world->dialogs().answerInput(QStringLiteral("1"));
        world->dialogs().answerSave(path);
        world->dialogs().answerMessage();
        f->mnuExport->trigger();
        QCOMPARE(world->dialogs().messages().size(), 1);
        QVERIFY(world->dialogs().messages()[0].startsWith(QStringLiteral("The schedule could not be saved to ")));
        QVERIFY(!QFile::exists(path));
    }

    void printMakesOneDocumentPerStoredDay() {
        setTrip();
        storeDay(1, 1, {{"MorningPark", "Epcot"}, {"Morning", "first"}});
        storeDay(1, 3, {{"MorningPark", "Magic Kingdom"}, {"Evening", "third"}});
        storeDay(2, 2, {{"Morning", "other schedule"}});
        frmSchedule* f = openPlanner();
        pick(f->cbDayNum, QStringLiteral("5"));
        world->dialogs().answerInput(QStringLiteral("3"));
        click(f->Picture1);
        QCOMPARE(world->dialogs().shown()[0].text,
                 QStringLiteral("How many days of your schedule would you like to print? Enter numbers only."));
        QCOMPARE(world->dialogs().shown()[0].title, QStringLiteral("Number of Days - Enter Numbers Only"));
        const auto& docs = world->printer().documents;
        QCOMPARE(docs.size(), 2);
        const QString headers[2] = {QStringLiteral("My Daily Schedule: Day 1 - ") + dateOf(1),
                                    QStringLiteral("My Daily Schedule: Day 3 - ") + dateOf(3)};
        for (int d = 0; d < 2; ++d) {
            QVERIFY(docs[d].ended);
            QStringList texts;
            for (const auto& item : docs[d].pages[0].items)
                texts << item.text;
            QVERIFY2(texts.contains(headers[d]), qPrintable(texts.join('|')));
            QCOMPARE(docs[d].pages[0].items.last().fontName, QStringLiteral("Times New Roman"));
            QCOMPARE(docs[d].pages[0].items.last().fontSize, 14.0);
        }
        QVERIFY(world->printer().words(0, 0).contains(QStringLiteral("first")));
        QVERIFY(world->printer().words(1, 0).contains(QStringLiteral("third")));
        QVERIFY(!world->printer().words(1, 0).contains(QStringLiteral("other")));
    }

    void printPrintsNothingWithoutAUsableAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("refused");
        QTest::newRow("cancel") << "" << false;
        QTest::newRow("words") << "three" << true;
        QTest::newRow("zero") << "0" << true;
    }
    void printPrintsNothingWithoutAUsableAnswer() {
        QFETCH(QString, answer);
        QFETCH(bool, refused);
        setTrip();
        storeDay(1, 1, {{"Morning", "x"}});
        frmSchedule* f = openPlanner();
        world->dialogs().answerInput(answer);
        if (refused)
            world->dialogs().answerMessage();
        f->mnuPrint->trigger();
        QCOMPARE(world->printer().documents.size(), 0);
        QCOMPARE(world->dialogs().messages().size(), refused ? 1 : 0);
    }

    void closeReturnsToTheMainWindow_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Close picture") << 0;
        QTest::newRow("File > Close") << 1;
        QTest::newRow("title-bar close box") << 2;
    }
    void closeReturnsToTheMainWindow() {
        QFETCH(int, way);
        setTrip();
        frmSchedule* f = openPlanner();
        if (way == 0)
            click(f->Picture2);
        else if (way == 1)
            f->mnuHome->trigger();
        else
            f->close();
        TestWorld::settle();
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTamble")));
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmSchedule")));
        QCOMPARE(rowCount(1, 1), 0);
    }

    void linksOpenTheirWindowsAndTakeTheHoverLook() {
        setTrip();
        frmSchedule* f = openPlanner();
        const QColor darkBlue(0, 0, 0xC0), blue(0, 0, 0xFF), red(0xFF, 0, 0);
        QCOMPARE(f->Label16->currentColor(), darkBlue);
        QVERIFY(f->Label16->isUnderlined());
        QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f->Label16, &over);
        QCOMPARE(f->Label16->currentColor(), red);
        QVERIFY(!f->Label16->isUnderlined());
        QCOMPARE(f->Label15->currentColor(), darkBlue);
        QMouseEvent back(QEvent::MouseMove, QPointF(2, 700), QPointF(2, 700), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(f->client(), &back);
        for (common::HoverLink* link : {f->Label15, f->Label16, f->Label17, f->Label18}) {
            QCOMPARE(link->currentColor(), blue);
            QVERIFY(link->isUnderlined());
        }

        QTest::mouseClick(f->Label16, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmFastpass")));
        click(f->Picture6);
        QVERIFY(Forms::isLoaded(QStringLiteral("frmQuickRestaurant")));
        // Windows not built into this program yet are simply not opened.
        for (QWidget* w : QList<QWidget*>{f->Label15, f->Label17, f->Label18, f->Picture7})
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmSchedule")));
        QCOMPARE(rowCount(1, 1), 0);
    }

    void opensWithoutATripProfile() {
        frmSchedule* f = openPlanner();
        QVERIFY(f);
        QCOMPARE(f->txtTSD->text(), QString());
        QCOMPARE(f->windowTitle(), QStringLiteral("My Trip Plan"));
        f->txtMorning->setPlainText(QStringLiteral("no trip yet"));
        click(f->Picture5);
        QCOMPARE(stored(1, 1, "Morning").toString(), QStringLiteral("no trip yet"));
        QCOMPARE(f->cbDayNum->currentText(), QStringLiteral("2"));
        QCOMPARE(f->txtTSD->text(), QString());
    }
};

QTEST_MAIN(TestFrmSchedule)
#include "tst_frmschedule.moc"
