// How long the planner and the journal take to show a day whose note is one
// run of 300,000 characters without a blank (a pasted link or data), beside
// a day with empty notes. Prints medians in ms and checks that the note
// comes back, and is saved back, whole.
//
// Runs headless: QT_QPA_PLATFORM=offscreen ./bin/bench_longnotes [runs]
#include "AllForms.h"
#include "BenchSupport.h"
#include "common/DropDownList.h"
#include "platform/Database.h"
#include "platform/Forms.h"
#include "platform/Printer.h"
#include "platform/SchemaLoader.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using platform::Forms;

using bench::medianMs;

namespace {

constexpr int kNoteLength = 300000;

// The window drawn as it appears, so that its text is laid out.
void showFully(QWidget* window) {
    QCoreApplication::processEvents();
    window->grab();
}

// A control of a window by name; the benchmark stops when it is missing.
template <typename T> T* control(QObject* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found) {
        std::printf("FAILED: %s has no control %s\n", qPrintable(window->objectName()), name);
        std::exit(1);
    }
    return found;
}

int failures = 0;

void check(bool ok, const char* what) {
    if (!ok) {
        std::printf("FAILED: %s\n", what);
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(bench::quietHeadlessNotices);
    QApplication app(argc, argv);
    registerAllForms();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    if (!bench::startProgramIn(dir))
        return 1;

    const QString note = QStringLiteral("https://example.com/") + QString(kNoteLength - 20, QLatin1Char('x'));
    {
        auto content = platform::Database::openContent();
        content->execute(QStringLiteral("INSERT INTO TravelInfo (TripDate) VALUES ('2004-06-05')"));
        auto user = platform::Database::openUser();
        // Day 1 holds the long note, days 2 and 3 are empty.
        for (int day = 1; day <= 3; ++day) {
            user->execute(QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, Morning) VALUES (1, ?, ?)"),
                          {day, day == 1 ? note : QString()});
            user->execute(QStringLiteral("INSERT INTO Details (TripNum, DayNum, Details) VALUES (1, ?, ?)"),
                          {day, day == 1 ? note : QString()});
        }
    }

    std::printf("%d-character note without a blank, median of %d runs\n", kNoteLength, runs);
    // Times showing an empty day and the day with the note, each coming from another empty day.
    auto compare = [&](const char* window, const std::function<void(int)>& showDay) {
        const double empty = medianMs(
            runs, [&] { showDay(2); }, [&] { showDay(3); });
        const double withNote = medianMs(
            runs, [&] { showDay(1); }, [&] { showDay(3); });
        std::printf("%-12s show an empty day %19.2f ms\n%-12s show the day with the note %10.2f ms  (+%.2f ms)\n",
                    window, empty, window, withNote, withNote - empty);
    };

    // Days are picked from the planner's day list, as Qt reports the user's
    // choice, and typed into the journal's day box, then clicked.
    platform::Form* planner = Forms::open(QStringLiteral("frmSchedule"));
    auto* plannerDays = control<common::DropDownList>(planner, "cbDayNum");
    compare("planner:", [&](int day) {
        plannerDays->choose(day - 1);
        emit plannerDays->activated(day - 1);
        showFully(planner);
    });
    check(control<QPlainTextEdit>(planner, "txtMorning")->toPlainText() == note, "the planner shows the whole note");
    control<QPushButton>(planner, "cmdUpdate")->click();

    platform::Form* journal = Forms::open(QStringLiteral("frmDetails"));
    auto* journalDay = control<QLineEdit>(journal, "cbDayNum");
    compare("journal:", [&](int day) {
        journalDay->setText(QString::number(day));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), journalDay->mapToGlobal(QPointF(2, 2)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(journalDay, &release);
        showFully(journal);
    });
    check(control<QPlainTextEdit>(journal, "txtDetails")->toPlainText() == note, "the journal shows the whole note");
    control<QPushButton>(journal, "cmdUpdate")->click();

    const double opening = medianMs(
        runs, [] { showFully(Forms::open(QStringLiteral("frmSchedule"))); }, [] { Forms::resetForTests(); });
    std::printf("%-12s open on the day with the note %7.2f ms\n", "planner:", opening);

    auto user = platform::Database::openUser();
    check(
        user->query(QStringLiteral("SELECT Morning FROM Schedule WHERE DayNum = 1")).text(QStringLiteral("Morning")) ==
            note,
        "the planner saves the whole note back");
    check(user->query(QStringLiteral("SELECT Details FROM Details WHERE DayNum = 1")).text(QStringLiteral("Details")) ==
              note,
          "the journal saves the whole note back");
    Forms::resetForTests();
    return failures ? 1 : 0;
}
