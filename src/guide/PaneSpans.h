#pragma once

#include <QColor>
#include <QTextCharFormat>
#include <QVector>

class QTextEdit;

namespace guide {

// Where a formatted piece of a pane's text stands.
struct TextSpan {
    int start = 0;
    int length = 0;
};

// Applies `format` to each span of the pane's text; with `bullet`, the
// paragraph that holds a span becomes a bulleted paragraph.
void formatSpans(QTextEdit& pane, const QVector<TextSpan>& spans, const QTextCharFormat& format, bool bullet);

// Bold, in `color` when it is valid and in the pane's own ink otherwise.
QTextCharFormat emphasis(const QColor& color = QColor());

} // namespace guide
