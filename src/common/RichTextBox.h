#pragma once

#include <QColor>
#include <QTextEdit>

namespace common {

// A read-only rich-text pane driven the way the windows drive it: its whole
// plain text, a selection given by start and length, and formats applied to
// the selection (bold, colour, bulleted paragraph).
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Replaces the whole text; line ends (CR LF, CR or LF) become paragraphs.
    // The new text has the pane's plain format: no colour, weight, size or
    // bullet of the text it replaces is carried over. The pane shows the new
    // text from its first line, with the caret at its start.
    void setText(const QString& text);
    // The plain text, paragraphs separated by LF.
    QString text() const { return toPlainText(); }

    int selStart() const;
    // Moves the caret to `start` and clears the selection. A start outside the
    // text is refused and leaves the selection as it is.
    void setSelStart(int start);
    int selLength() const;
    // Selects `length` characters from the selection start.
    void setSelLength(int length);
    QString selText() const { return textCursor().selectedText(); }

    void setSelBold(bool bold);
    void setSelColor(const QColor& color);
    // Makes every paragraph the selection touches a bulleted paragraph.
    void setSelBullet(bool bullet);

    // Format of the character at `position` (for checks).
    QTextCharFormat formatAt(int position) const;
    bool isBulleted(int position) const;
};

} // namespace common
