#pragma once

class QPlainTextEdit;
class QTextEdit;

namespace common {

// Keeps the time a text box takes to lay out its text in step with the
// text's length.
//
// Wrapping at word boundaries, Qt searches a run of text without any blank
// (a pasted link, a line of data) for a place to break once for every line
// it fills, so a long run takes time that grows with the square of its
// length: 300,000 characters took seconds. While a box holds such a run it
// wraps anywhere instead, which costs one pass; once no such run is left it
// wraps at word boundaries again. The text itself is never changed. The box
// watches every change, so opening, typing and pasting are all covered.
void keepLongRunsFast(QPlainTextEdit* box);
void keepLongRunsFast(QTextEdit* box);

// The longest run of characters without a blank that is still wrapped at
// word boundaries.
constexpr int kLongestWordWrappedRun = 1000;

} // namespace common
