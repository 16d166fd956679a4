// Median times of the print class: PrintText of a 30,000-character text on the
// recording printer and on the PDF printer, and BoldText over a pane of 100
// entries. Run by hand: QT_QPA_PLATFORM=offscreen build/bin/bench_print
#include "common/CWordWrap.h"
#include "common/RichTextBox.h"
#include "platform/Printer.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString sampleText(int length) {
    const QString words =
        QStringLiteral("Arrive at the gate half an hour before opening and head straight for the headliners.\r\n"
                       "\tLunch at a counter-service spot away from the hub, then rest at the hotel.\r\n");
    QString text;
    while (text.size() < length)
        text += words;
    return text.left(length);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
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
    return 0;
}
