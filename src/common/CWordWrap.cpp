#include "common/CWordWrap.h"

#include "common/RichTextBox.h"
#include "platform/Printer.h"
#include "platform/Services.h"

#include <cmath>

namespace common {

using platform::Printer;

namespace {

// The hourglass for as long as a print runs.
struct BusyPointer {
    BusyPointer() { platform::Screen::setBusy(true); }
    ~BusyPointer() { platform::Screen::setBusy(false); }
};

bool aboveBlank(QChar c) {
    return c.unicode() > 32;
}

} // namespace

void CWordWrap::PrintText(const QString& text) {
    Printer& printer = Printer::instance();
    // At the least the text is a command of its own; its end (and any word to
    // the user) comes after the hourglass below has gone.
    const platform::PrintCommand command(printer);
    BusyPointer busy;
    PrintPageFrame(false);

    const qsizetype length = text.size();
    qsizetype p = 0;
    while (p < length) {
        const qsizetype start = p;
        while (p < length && aboveBlank(text[p]))
            ++p;
        const QString word = text.mid(start, p - start);

        if (printer.currentX + printer.textWidth(word) > printer.scaleWidth() - MarginRight)
            endLineAndTestPage();
        printer.print(word);

        while (p < length && !aboveBlank(text[p])) {
            switch (text[p].unicode()) {
            case 32:
                printer.print(QStringLiteral(" "));
                break;
            case 10:
                endLineAndTestPage();
                break;
            case 9: {
                const double digit = printer.textWidth(QStringLiteral("0"));
                // Round half to even, as the stop arithmetic expects.
                int n = int(std::nearbyint((printer.currentX - 720) / digit));
                n = n + (10 - (n % 10));
                printer.currentX = digit * n + 720;
                break;
            }
            default:
                break; // carriage returns and other control characters print nothing
            }
            ++p;
        }
    }
    printer.endDoc();
}

void CWordWrap::endLineAndTestPage() {
    Printer& printer = Printer::instance();
    printer.endLine();
    if (printer.currentY > printer.scaleHeight() - MarginBottom)
        PrintPageFrame(true);
    else
        printer.currentX = MarginLeft;
}

void CWordWrap::PrintPageFrame(bool startNewPage) {
    Printer& printer = Printer::instance();
    if (startNewPage)
        printer.newPage();

    printer.currentY = (MarginTop - printer.textHeight(HeaderText)) / 2;
    printer.currentX = (printer.scaleWidth() - printer.textWidth(HeaderText)) / 2;
    printer.print(HeaderText);

    const QString date = platform::shortDate(platform::Clock::today());
    printer.currentX = MarginLeft;
    printer.currentY = printer.scaleHeight() - MarginBottom / 2;
    printer.print(date);

    const QString page = QStringLiteral("Page ") + QString::number(printer.page());
    printer.currentX = printer.scaleWidth() - (printer.textWidth(page) + MarginRight);
    printer.currentY = printer.scaleHeight() - MarginBottom / 2;
    printer.print(page);

    printer.currentX = MarginLeft;
    printer.currentY = MarginTop;
}

void CWordWrap::BoldText(RichTextBox& box, QStringList* words, int wordCount, const QStringList& words2, int count2,
                         std::optional<QColor> color) {
    // The text does not change while it is formatted: read it once.
    const QString text = box.text();
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);

    int searchStart = 0; // 0-based: the first character
    for (int i = 1; i < wordCount && words; ++i) {
        if (i >= words->size())
            continue; // an entry the caller did not store: nothing to find
        const QString trimmed = (*words)[i].trimmed();
        const QString entry = trimmed.size() > 4 ? QStringLiteral("  ") + trimmed : trimmed;
        (*words)[i] = entry;
        const int pos = int(text.indexOf(entry, searchStart, Qt::CaseInsensitive));
        // A start before the text is refused by the pane, so a missing entry
        // formats whatever selection start the pane keeps.
        box.setSelStart(pos);
        box.setSelLength(int(entry.size()));
        box.setSelBold(true);
        box.setSelBullet(true);
        if (trimmed.size() < 4)
            box.setSelColor(white);
        if (color)
            box.setSelColor(*color);
        searchStart = pos + 1;
    }
    box.setSelStart(0);

    searchStart = 0;
    for (int j = 0; j < count2 && j < words2.size(); ++j) {
        const QString& entry = words2[j];
        int pos = int(text.indexOf(entry, searchStart, Qt::CaseInsensitive));
        if (pos < 0)
            pos = 0;
        box.setSelStart(pos);
        box.setSelLength(int(entry.size()));
        box.setSelColor(red);
        box.setSelBold(true);
        searchStart = pos + 1;
    }
    box.setSelStart(0);
}

PrintRun::PrintRun(double fontSize) {
    Printer& printer = Printer::instance();
    // The blank starts the page without ending its line; the page frame then
    // sets the print position for itself.
    printer.print(QStringLiteral(" "));
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontSize(fontSize);
}

void PrintContentPane(const QString& header, const QString& text, double fontSize) {
    const PrintRun run(fontSize);
    CWordWrap wrap;
    wrap.HeaderText = header;
    wrap.PrintText(text);
}

} // namespace common
