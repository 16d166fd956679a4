// Median times of the print class: PrintText of a 30,000-character text on the
// recording printer and on the PDF printer, and BoldText over a pane of 100
// entries; then the time and the peak memory of printing a picture to PDF (a
// park map, the checklist window's image) beside the program's idle memory.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bin/bench_print
#include "AllForms.h"
#include "BenchSupport.h"
#include "common/CWordWrap.h"
#include "common/RichTextBox.h"
#include "platform/Forms.h"
#include "platform/Printer.h"
#include "platform/SchemaLoader.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using bench::medianMs;

namespace {

QString sampleText(int length) {
    const QString words =
        QStringLiteral("Arrive at the gate half an hour before opening and head straight for the headliners.\r\n"
                       "\tLunch at a counter-service spot away from the hub, then rest at the hotel.\r\n");
    QString text;
    while (text.size() < length)
        text += words;
    return text.left(length);
}

// Resident memory of the process in MB: now ("VmRSS") or at its peak ("VmHWM").
double memoryMb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Starts the peak anew from the present resident memory.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Prints a window through its own File > Print, as the user does: the median
// time, and the highest the peak memory rose above the memory before a print.
struct PictureMeasure {
    double ms = 0;
    double peakMb = 0;
    double peakGrowthMb = 0;
};

PictureMeasure measureWindowPrint(const QString& form, int runs) {
    platform::Form* window = platform::Forms::open(form);
    QAction* print = window ? window->findChild<QAction*>(QStringLiteral("mnuPrint")) : nullptr;
    if (!print) {
        std::fprintf(stderr, "%s could not be opened\n", qPrintable(form));
        return {};
    }
    QCoreApplication::processEvents();
    print->trigger(); // the first print loads fonts and the PDF writer
    PictureMeasure m;
    m.ms = medianMs(runs, [&] {
        const double before = memoryMb("VmRSS:");
        resetPeak();
        print->trigger();
        const double peak = memoryMb("VmHWM:");
        m.peakMb = std::max(m.peakMb, peak);
        m.peakGrowthMb = std::max(m.peakGrowthMb, peak - before);
    });
    platform::Forms::unload(form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return m;
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(bench::quietHeadlessNotices);
    QApplication app(argc, argv);
    registerAllForms();
    platform::Dialogs::install(std::make_unique<platform::ScriptedDialogs>());
    const QString text = sampleText(30000);

    auto printWith = [&](std::unique_ptr<platform::Printer> printer, int runs) {
        platform::Printer::install(std::move(printer));
        return medianMs(runs, [&] { common::PrintContentPane(QStringLiteral("Benchmark"), text); });
    };

    const double recording = printWith(std::make_unique<platform::RecordingPrinter>(), 15);
    QTemporaryDir out;
    auto pdf = std::make_unique<platform::SystemPrinter>();
    pdf->setPdfFolder(out.path());
    pdf->setTellUser(false);
    const double pdfMs = printWith(std::move(pdf), 7);

    common::RichTextBox box;
    QString pane;
    QStringList names = {QString()};
    for (int i = 1; i <= 100; ++i) {
        const QString name = QStringLiteral("Attraction number %1").arg(i);
        names << name;
        pane += QStringLiteral("  ") + name + QStringLiteral("\n") + sampleText(300) + QStringLiteral("\n");
    }
    const double bold = medianMs(15, [&] {
        box.setText(pane);
        QStringList words = names;
        common::CWordWrap().BoldText(box, &words, int(words.size()), {}, 0, QColor(255, 0, 0));
    });

    std::printf("PrintText, 30000 characters, recording printer: %8.2f ms (median of 15)\n", recording);
    std::printf("PrintText, 30000 characters, PDF printer:       %8.2f ms (median of 7)\n", pdfMs);
    std::printf("BoldText, pane of 100 entries (fill + format):   %8.2f ms (median of 15)\n", bold);

    // A program folder with both databases and the Magic Kingdom map.
    QTemporaryDir folder;
    platform::App::setPath(folder.path());
    if (!platform::SchemaLoader::ensureProgramDatabases().ok)
        return 1;
    QDir().mkpath(folder.filePath(QStringLiteral("images")));
    QFile::copy(QStringLiteral(TRAVISTO_DATA_DIR "/pages/images/mkmap.gif"),
                folder.filePath(QStringLiteral("images/mkmap.gif")));
    platform::Forms::setQuitHandler([] {});
    platform::Forms::setEndWhenNoWindow(false);
    auto pictures = std::make_unique<platform::SystemPrinter>();
    pictures->setPdfFolder(out.path());
    pictures->setTellUser(false);
    platform::Printer::install(std::move(pictures));

    const double idle = memoryMb("VmRSS:");
    const PictureMeasure map = measureWindowPrint(QStringLiteral("frmMkMap"), 9);
    const PictureMeasure checklist = measureWindowPrint(QStringLiteral("frmCheckListNew"), 9);
    std::printf("Idle memory before the picture prints:           %8.1f MB\n", idle);
    for (const auto& [what, m] : {std::pair{"Magic Kingdom map to PDF:", map}, {"Checklist window to PDF:", checklist}})
        std::printf("%-48s %8.2f ms (median of 9), peak %.1f MB (+%.1f MB over the memory before a print)\n", what,
                    m.ms, m.peakMb, m.peakGrowthMb);
    return 0;
}
