#pragma once

#include "platform/Printer.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

namespace common {

class RichTextBox;

// The print class: word-wrapped, paginated printing of a text with a centred
// header and a date and page-number footer on every page, and the formatting
// of given entries of a rich-text pane on screen.
class CWordWrap {
public:
    QString HeaderText = QStringLiteral("CWordWrap Class");
    float MarginLeft = 720;
    float MarginTop = 1440;
    float MarginRight = 720;
    float MarginBottom = 1440;

    // Prints `text` on the current printer page and ends the document.
    // Words (runs of characters above the blank) wrap at the right margin and
    // are never split; blanks print one by one; a line feed ends the line; a
    // tab moves to the next stop (every ten digit widths from 720 twips);
    // other control characters, carriage returns among them, print nothing.
    void PrintText(const QString& text);

    // Formats entries of `box`: first-list entries 1 to wordCount - 1 (each
    // trimmed; longer than 4 characters it is searched with two blanks before
    // it) are found in text order, set bold, their paragraphs bulleted, short
    // markers whitened and, when given, coloured `color`; second-list entries
    // 0 to count2 - 1 are found from the start and coloured red. `words`, when
    // given, gets the trimmed and prefixed entries written back.
    void BoldText(RichTextBox& box, QStringList* words, int wordCount, const QStringList& words2, int count2,
                  std::optional<QColor> color = std::nullopt);

private:
    void PrintPageFrame(bool startNewPage);
    void endLineAndTestPage();
};

// A window's print command, for as long as the object lives: it starts with
// one blank on the printer and the printer's font set to Times New Roman at
// `fontSize` points. Everything printed meanwhile is one user command (one
// file and one message when there is no printer).
class PrintRun {
public:
    explicit PrintRun(double fontSize = 14);

private:
    platform::PrintCommand m_command;
};

// The usual way a window prints its text: one blank on the printer, the
// printer's font set to Times New Roman at `fontSize` points, then one
// CWordWrap with `header` prints `text`.
void PrintContentPane(const QString& header, const QString& text, double fontSize = 14);

} // namespace common
