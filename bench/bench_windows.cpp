// How long each window of the program takes to open: for every registered
// window, the median time to load it (its Load runs), show it and process the
// events that follow, beside the same for a bare window of the same size.
//
// Runs headless: QT_QPA_PLATFORM=offscreen ./bin/bench_windows [runs]
// It builds its own program folder in a temporary directory (both databases
// from the SQL the program carries, the pages copied from beside the
// executable), answers every dialog, and prints instead of printing.

#include "AllForms.h"
#include "BenchSupport.h"
#include "platform/Database.h"
#include "platform/Forms.h"
#include "platform/Printer.h"
#include "platform/SchemaLoader.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using platform::Forms;

namespace {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void processEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void unloadEverything() {
    Forms::resetForTests();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Forms::setEndWhenNoWindow(false);
}

// The pages and pictures that the build puts beside the program.
int copyPages(const QString& from, const QString& to) {
    int copied = 0;
    QDirIterator it(from, {QStringLiteral("*.htm"), QStringLiteral("*.gif"), QStringLiteral("*.GIF")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        copied += QFile::copy(source, target) ? 1 : 0;
    }
    return copied;
}

bool buildProgramFolder(const QTemporaryDir& dir) {
    platform::App::setPath(dir.path());
    const auto content = platform::SchemaLoader::ensure(dir.filePath(platform::Database::contentFileName()),
                                                        platform::SchemaLoader::contentSqlFolder());
    const auto user = platform::SchemaLoader::ensure(dir.filePath(platform::Database::userFileName()),
                                                     platform::SchemaLoader::userSqlFolder());
    if (!content.ok || !user.ok) {
        fprintf(stderr, "cannot build the databases: %s%s\n", qPrintable(content.error), qPrintable(user.error));
        return false;
    }
    if (copyPages(QCoreApplication::applicationDirPath(), dir.path()) == 0)
        fprintf(stderr, "note: no pages found beside the program; the page windows show their notice instead\n");
    // A trip profile, so that the windows that read it open as a user sees them.
    auto db = platform::Database::openContent();
    return db && db->execute(QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, "
                                            "Wet, Show) VALUES ('2004-06-20', 2, 1, 1, 0, 1, 1)"));
}

// A plain window that only paints its background, and counts its paints.
class BareWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        QWidget::paintEvent(event);
    }
};

struct Measure {
    QString name;
    double window = 0;
    double bare = 0;
    QSize size;
    int dialogs = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(bench::quietHeadlessNotices);
    QApplication app(argc, argv);
    registerAllForms();
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 21;

    QTemporaryDir dir;
    if (!dir.isValid() || !buildProgramFolder(dir))
        return 1;

    // Every dialog is answered: OK, No, an empty input, a cancelled save.
    auto dialogs = std::make_unique<platform::ScriptedDialogs>();
    dialogs->setFailureHandler([](const QString&) {});
    platform::ScriptedDialogs* shown = dialogs.get();
    platform::Dialogs::install(std::move(dialogs));
    platform::Printer::install(std::make_unique<platform::RecordingPrinter>());
    platform::Shell::install(std::make_unique<platform::RecordingShell>());
    platform::Clock::setFixed(QDateTime(QDate(2004, 6, 1), QTime(9, 30)));
    platform::Screen::setMetrics(15, 1024 * 15);
    Forms::setQuitHandler([] {});
    Forms::setEndWhenNoWindow(false);

    std::vector<Measure> results;
    for (const QString& name : Forms::registeredNames()) {
        Measure m;
        m.name = name;
        std::vector<double> windowTimes;
        const qsizetype dialogsBefore = shown->shown().size();
        for (int run = 0; run <= runs; ++run) { // run 0 warms up
            QElapsedTimer clock;
            clock.start();
            platform::Form* form = Forms::open(name);
            processEvents();
            const double ms = clock.nsecsElapsed() / 1e6;
            if (form && Forms::find(name) == form)
                m.size = form->size();
            if (run > 0)
                windowTimes.push_back(ms);
            unloadEverything();
        }
        m.dialogs = int(shown->shown().size() - dialogsBefore) / (runs + 1);
        m.window = median(windowTimes);

        std::vector<double> bareTimes;
        const QSize size = m.size.isValid() ? m.size : QSize(640, 480);
        for (int run = 0; run <= runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            auto* bare = new BareWindow;
            bare->setAutoFillBackground(true);
            bare->setFixedSize(size);
            bare->show();
            processEvents();
            const double ms = clock.nsecsElapsed() / 1e6;
            if (bare->paints == 0)
                fprintf(stderr, "note: the bare window was not painted\n");
            delete bare;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (run > 0)
                bareTimes.push_back(ms);
        }
        m.bare = median(bareTimes);
        results.push_back(m);
    }

    printf("Median over %d runs of load + show + processing its events (ms), against a bare window of the same "
           "size\n\n",
           runs);
    printf("%-22s %10s %10s %8s %11s %s\n", "window", "window ms", "bare ms", "ratio", "size px", "dialogs/run");
    std::vector<double> ratios;
    for (const Measure& m : results) {
        const double ratio = m.bare > 0 ? m.window / m.bare : 0;
        ratios.push_back(ratio);
        printf("%-22s %10.3f %10.3f %8.2f %5dx%-5d %d\n", qPrintable(m.name), m.window, m.bare, ratio, m.size.width(),
               m.size.height(), m.dialogs);
    }
    if (!ratios.empty())
        printf("\n%zu windows; median ratio %.2f, highest %.2f\n", ratios.size(), median(ratios),
               *std::max_element(ratios.begin(), ratios.end()));
    return 0;
}
