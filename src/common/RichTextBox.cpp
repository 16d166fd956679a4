#include "common/RichTextBox.h"

#include "common/LongRuns.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

namespace common {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    keepLongRunsFast(this);
}

void RichTextBox::setText(const QString& text) {
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // QTextEdit::setPlainText would give the whole new text the format at the
    // caret (after a formatting pass, that of the first marked word). The
    // document's own setPlainText starts from its plain format, and so does
    // the caret; only a formatting pass that follows marks anything.
    document()->setPlainText(normalized);
    // The new text opens at its first line, the caret before its first character.
    setTextCursor(QTextCursor(document()));
    setCurrentCharFormat(QTextCharFormat());
}

int RichTextBox::selStart() const {
    return textCursor().selectionStart();
}

void RichTextBox::setSelStart(int start) {
    if (start < 0 || start > document()->characterCount() - 1)
        return;
    QTextCursor c = textCursor();
    c.setPosition(start);
    setTextCursor(c);
}

int RichTextBox::selLength() const {
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void RichTextBox::setSelLength(int length) {
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    const int end = qBound(start, start + qMax(0, length), document()->characterCount() - 1);
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void RichTextBox::setSelBold(bool bold) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    textCursor().mergeCharFormat(f);
}

void RichTextBox::setSelColor(const QColor& color) {
    QTextCharFormat f;
    f.setForeground(color);
    textCursor().mergeCharFormat(f);
}

void RichTextBox::setSelBullet(bool bullet) {
    const QTextCursor sel = textCursor();
    QTextBlock block = document()->findBlock(sel.selectionStart());
    const QTextBlock last = document()->findBlock(sel.selectionEnd());
    while (block.isValid()) {
        QTextCursor c(block);
        if (bullet && !block.textList()) {
            // Join the list of the paragraph just above, so a run of bullets is one list.
            const QTextBlock previous = block.previous();
            if (previous.isValid() && previous.textList())
                previous.textList()->add(block);
            else
                c.createList(QTextListFormat::ListDisc);
        } else if (!bullet && block.textList()) {
            block.textList()->remove(block);
            QTextBlockFormat f = block.blockFormat();
            f.setIndent(0);
            c.setBlockFormat(f);
        }
        if (block == last)
            break;
        block = block.next();
    }
}

QTextCharFormat RichTextBox::formatAt(int position) const {
    QTextCursor c(document());
    c.setPosition(position);
    c.setPosition(position + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
}

bool RichTextBox::isBulleted(int position) const {
    return document()->findBlock(position).textList() != nullptr;
}

} // namespace common
