// What the benchmarks share: the median time of a piece of work, a headless
// program folder to open windows in, and quiet headless notices.
#pragma once

#include "platform/Forms.h"
#include "platform/Printer.h"
#include "platform/SchemaLoader.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace bench {

// The median, in ms, of `runs` timings of `work`. `prepare`, when given, runs
// untimed before each timing and its events are processed; windows deleted
// later are deleted after each timing, untimed.
inline double medianMs(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare) {
            prepare();
            QCoreApplication::processEvents();
        }
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The headless platform says it cannot raise windows or pass size hints; those
// notices only clutter a report.
inline void quietHeadlessNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Makes `dir` the program's folder with both databases built from the shipped
// SQL (no pages), scripted dialogs and a recording printer; closing the last
// window does not end the program. Returns the dialogs, or nullptr when the
// databases could not be built.
inline platform::ScriptedDialogs* startProgramIn(const QTemporaryDir& dir) {
    platform::App::setPath(dir.path());
    if (!platform::SchemaLoader::ensureProgramDatabases().ok)
        return nullptr;
    auto dialogs = std::make_unique<platform::ScriptedDialogs>();
    platform::ScriptedDialogs* script = dialogs.get();
    platform::Dialogs::install(std::move(dialogs));
    platform::Printer::install(std::make_unique<platform::RecordingPrinter>());
    platform::Forms::setEndWhenNoWindow(false);
    return script;
}

} // namespace bench
