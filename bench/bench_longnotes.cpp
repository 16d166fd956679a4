// How long the planner and the journal take to show a day whose note is one
// run of 300,000 characters without a blank (a pasted link or data), beside
// a day with empty notes. Prints medians in ms and checks that the note
// comes back, and is saved back, whole.
//
// Runs headless: QT_QPA_PLATFORM=offscreen ./bin/bench_longnotes [runs]
#include "common/DropDownList.h"
#include "itinerary/frmSchedule.h"
#include "organiser/frmDetails.h"
#include "platform/Database.h"
#include "platform/Printer.h"
#include "platform/SchemaLoader.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using platform::Forms;

namespace {

constexpr int kNoteLength = 300000;

double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The window drawn as it appears, so that its text is laid out.
void showFully(QWidget* window) {
    QCoreApplication::processEvents();
    window->grab();
}

void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtWarningMsg || !message.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
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
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    platform::App::setPath(dir.path());
    if (!platform::SchemaLoader::ensureProgramDatabases().ok)
        return 1;
    platform::Dialogs::install(std::make_unique<platform::ScriptedDialogs>());
    platform::Printer::install(std::make_unique<platform::RecordingPrinter>());
    Forms::setEndWhenNoWindow(false);

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
            runs, [&] { showDay(3); }, [&] { showDay(2); });
        const double withNote = medianMs(
            runs, [&] { showDay(3); }, [&] { showDay(1); });
        std::printf("%-12s show an empty day %19.2f ms\n%-12s show the day with the note %10.2f ms  (+%.2f ms)\n",
                    window, empty, window, withNote, withNote - empty);
    };

    auto* planner = Forms::loadAs<frmSchedule>(QStringLiteral("frmSchedule"));
    planner->show();
    compare("planner:", [&](int day) {
        planner->cbDayNum->setEditText(QString::number(day));
        planner->cbDayNum_Click();
        showFully(planner);
    });
    check(planner->txtMorning->toPlainText() == note, "the planner shows the whole note");
    planner->cmdUpdate_Click();

    auto* journal = Forms::loadAs<frmDetails>(QStringLiteral("frmDetails"));
    journal->show();
    compare("journal:", [&](int day) {
        journal->cbDayNum->setText(QString::number(day));
        journal->cbDayNum_Click();
        showFully(journal);
    });
    check(journal->txtDetails->toPlainText() == note, "the journal shows the whole note");
    journal->cmdUpdate_Click();

    const double opening = medianMs(
        runs, [] { Forms::resetForTests(); }, [] { showFully(Forms::open(QStringLiteral("frmSchedule"))); });
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
