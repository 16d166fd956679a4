#include "TestSupport.h"

#include "common/DayPaging.h"
#include "common/DropDownList.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using namespace common;

namespace {

const DayBook kSchedules{QStringLiteral("Schedule #"), QStringLiteral("schedule")};
const DayBook kTrips{QStringLiteral("Trip #"), QStringLiteral("trip")};

// What the window does, in words: refuse, or save and then move or stay.
QString outcome(const DayMove& move) {
    if (!move.keys)
        return QStringLiteral("refuse: ") + move.refusal;
    QString text = QStringLiteral("save day %1 of %2, ").arg(move.keys->day).arg(move.keys->book);
    text += move.toDay ? QStringLiteral("show day %1").arg(*move.toDay) : QStringLiteral("stay");
    if (!move.notice.isEmpty())
        text += QStringLiteral(": ") + move.notice;
    return text;
}

} // namespace

// Next Day and Previous Day of the planner and the journal: what a press
// does for the texts in the day box and the schedule or trip box.
class TestDayPaging : public WorldTest {
    Q_OBJECT
private slots:
    void aStepSavesThenMovesOrStays_data() {
        QTest::addColumn<bool>("journal");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("book");
        QTest::addColumn<bool>("next");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, bool journal, const char* day, const char* book, bool next,
                            const QString& outcome) {
            QTest::newRow(name) << journal << day << book << next << outcome;
        };
        const QString dayRefused =
            QStringLiteral("refuse: The Day # box must hold a whole number from -32768 to 32767.");
        row("next", false, "2", "1", true, "save day 2 of 1, show day 3");
        row("previous", true, "2", "4", false, "save day 2 of 4, show day 1");
        row("previous on day 1 saves and stays", false, "1", "1", false, "save day 1 of 1, stay");
        row("next beyond the listed days", false, "21", "1", true, "save day 21 of 1, show day 22");
        row("next on the last day of a schedule", false, "32767", "1", true,
            "save day 32767 of 1, stay: Day 32767 is the last day of a schedule.");
        row("typed negative day and schedule with blanks", false, " -3 ", "-1", true, "save day -3 of -1, show day -2");
        row("book beyond its list", true, "3", "101", true, "save day 3 of 101, show day 4");
        row("previous from day 0", false, "0", "1", false, "save day 0 of 1, show day -1");
        row("previous on the first day of a trip", true, "-32768", "2", false,
            "save day -32768 of 2, stay: Day -32768 is the first day of a trip.");
        row("day with a fraction", true, "2.5", "1", true, dayRefused);
        row("day beyond 16 bits", false, "32768", "1", true, dayRefused);
        row("day and book in words: the day is named", true, "abc", "abc", true, dayRefused);
        row("empty schedule", false, "3", "", true,
            "refuse: The Schedule # box must hold a whole number from -32768 to 32767.");
        row("trip with a statement", true, "3", "1 Or 1=1", false,
            "refuse: The Trip # box must hold a whole number from -32768 to 32767.");
    }
    void aStepSavesThenMovesOrStays() {
        QFETCH(bool, journal);
        QFETCH(QString, day);
        QFETCH(QString, book);
        QFETCH(bool, next);
        const DayMove move =
            planDayMove(day, book, next ? DayStep::Next : DayStep::Previous, journal ? kTrips : kSchedules);
        QTEST(outcome(move), "outcome");
        // Update This Day checks the same keys and refuses with the same message.
        const KeyCheck check = checkDayKeys(day, book, journal ? kTrips : kSchedules);
        QCOMPARE(check.keys, move.keys);
        QCOMPARE(check.refusal, move.refusal);
    }

    // In the windows, such a refusal stops Update This Day, Next Day and
    // Previous Day alike; nothing is saved and nothing typed is lost.
    void eachWindowRefusesAKeyThatIsNoWholeNumber_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named"); // in the message
        QTest::newRow("planner, day with a statement") << "frmSchedule"
                                                       << "cbDayNum"
                                                       << "1 Or 1=1"
                                                       << "Day";
        QTest::newRow("planner, schedule in words") << "frmSchedule"
                                                    << "cboScheduleNumber"
                                                    << "two"
                                                    << "Schedule";
        QTest::newRow("journal, day with a fraction") << "frmDetails"
                                                      << "cbDayNum"
                                                      << "2.5"
                                                      << "Day";
        QTest::newRow("journal, trip in words") << "frmDetails"
                                                << "cbTrip"
                                                << "two"
                                                << "Trip";
    }
    void eachWindowRefusesAKeyThatIsNoWholeNumber() {
        QFETCH(QString, form);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, named);
        const bool planner = form == QLatin1String("frmSchedule");
        const QString notes = planner ? QStringLiteral("txtMorning") : QStringLiteral("txtDetails");
        platform::Form* w = platform::Forms::open(form);
        QVERIFY(w);
        must<QPlainTextEdit>(w, notes)->setPlainText(QStringLiteral("Keep me"));
        if (auto* list = child<common::DropDownList>(w, box))
            typeOver(list, text);
        else
            must<QLineEdit>(w, box)->setText(text);
        for (const char* button : {"Picture3", "Picture5", "Picture4"}) {
            world->dialogs().answerMessage();
            clickOn(w, button);
        }
        QCOMPARE(
            world->dialogs().messages(),
            QStringList(3, QStringLiteral("The %1 # box must hold a whole number from -32768 to 32767.").arg(named)));
        QCOMPARE(shownTexts(w, {notes, box}), QStringList({"Keep me", text}));
        auto stored = world->user()->query(planner ? QStringLiteral("SELECT COUNT(*) FROM Schedule")
                                                   : QStringLiteral("SELECT COUNT(*) FROM Details"));
        QCOMPARE(stored.value(0).toInt(), 0);
    }
};

QTEST_MAIN(TestDayPaging)
#include "tst_daypaging.moc"
