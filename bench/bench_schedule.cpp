// Times the day planner's hot paths and the list windows against a bare Qt
// window with the same number of editable lists. Prints medians in ms.
#include "AllForms.h"
#include "BenchSupport.h"
#include "common/DropDownList.h"
#include "platform/Database.h"
#include "platform/Forms.h"
#include "platform/Printer.h"
#include "platform/SchemaLoader.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using platform::Forms;

using bench::medianMs;

namespace {

// The user picks the entry at `position` from the opened list, as Qt reports it.
void pick(common::DropDownList* list, int position) {
    list->choose(position);
    emit list->activated(position);
}

void report(const char* what, double ms, double baseline) {
    std::printf("%-44s %8.2f ms  (%.1f x bare window)\n", what, ms, ms / baseline);
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(bench::quietHeadlessNotices);
    QApplication app(argc, argv);
    registerAllForms();
    QTemporaryDir dir;
    platform::ScriptedDialogs* script = bench::startProgramIn(dir);
    if (!script)
        return 1;
    {
        auto content = platform::Database::openContent();
        content->execute(QStringLiteral("INSERT INTO TravelInfo (TripDate) VALUES ('2004-06-05')"));
        auto user = platform::Database::openUser();
        for (int day = 1; day <= 21; ++day)
            user->execute(QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, MorningPark, MorningRide1, "
                                         "Morning, EveningPark) VALUES (1, ?, 'Epcot', 'Test Track', ?, "
                                         "'Magic Kingdom')"),
                          {day, QStringLiteral("Notes of day %1").arg(day)});
    }

    const int runs = 21;
    const double bare = medianMs(runs, [] {
        QWidget w;
        for (int i = 0; i < 24; ++i) {
            auto* list = new QComboBox(&w);
            list->setEditable(true);
            list->addItems(QStringList(30, QStringLiteral("An attraction")));
        }
        for (int i = 0; i < 3; ++i)
            new QPlainTextEdit(&w);
        w.show();
        QCoreApplication::processEvents();
    });
    std::printf("%-44s %8.2f ms\n", "bare window, 24 lists of 30 entries", bare);

    report("open the planner (load and show)",
           medianMs(runs,
                    [] {
                        Forms::open(QStringLiteral("frmSchedule"));
                        QCoreApplication::processEvents();
                        Forms::unload(QStringLiteral("frmSchedule"));
                    }),
           bare);

    platform::Form* planner = Forms::open(QStringLiteral("frmSchedule"));
    auto* days = planner->findChild<common::DropDownList*>(QStringLiteral("cbDayNum"));
    auto* nextDay = planner->findChild<QPushButton*>(QStringLiteral("cmdNextDay"));
    auto* save = planner->findChild<QPushButton*>(QStringLiteral("cmdUpdate"));
    auto* exportDays = planner->findChild<QAction*>(QStringLiteral("mnuExport"));
    auto* print = planner->findChild<QAction*>(QStringLiteral("mnuPrint"));
    if (!days || !nextDay || !save || !exportDays || !print)
        return 1;
    int day = 0;
    report("pick a day (LoadDay)", medianMs(runs, [&] { pick(days, day++ % 21); }), bare);
    pick(days, 0);
    report("Next Day (save, then show the next day)", medianMs(runs, [&] { nextDay->click(); }), bare);
    report("Save", medianMs(runs, [&] { save->click(); }), bare);
    const QString file = dir.filePath(QStringLiteral("export.txt"));
    report("export 21 days",
           medianMs(runs,
                    [&] {
                        script->answerInput(QStringLiteral("21"));
                        script->answerSave(file);
                        exportDays->trigger();
                    }),
           bare);
    report("export with 32767 days asked",
           medianMs(5,
                    [&] {
                        script->answerInput(QStringLiteral("32767"));
                        script->answerSave(file);
                        exportDays->trigger();
                    }),
           bare);
    report("print 21 days (recording printer)",
           medianMs(5,
                    [&] {
                        script->answerInput(QStringLiteral("21"));
                        print->trigger();
                    }),
           bare);
    for (const char* form : {"frmFastpass", "frmHeight", "frmFavorite", "frmQuickRestaurant"}) {
        const QString name = QString::fromLatin1(form);
        const QByteArray label = QByteArray("open ") + form;
        report(label.constData(),
               medianMs(runs,
                        [&] {
                            Forms::open(name);
                            QCoreApplication::processEvents();
                            Forms::unload(name);
                        }),
               bare);
    }
    Forms::resetForTests();
    return 0;
}
