#include "guide/PaneSpans.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

namespace guide {

void formatSpans(QTextEdit& pane, const QVector<TextSpan>& spans, const QTextCharFormat& format, bool bullet) {
    // One edit block on the document: the pane lays its text out once, afterwards.
    QTextCursor c(pane.document());
    c.beginEditBlock();
    for (const TextSpan& span : spans) {
        if (span.length == 0)
            continue;
        c.setPosition(span.start);
        c.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
        c.mergeCharFormat(format);
        if (bullet && !c.block().textList())
            c.createList(QTextListFormat::ListDisc);
    }
    c.endEditBlock();
}

QTextCharFormat emphasis(const QColor& color) {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

} // namespace guide
