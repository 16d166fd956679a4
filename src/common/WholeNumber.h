#pragma once

#include <QString>
#include <optional>

// Whole numbers read from what the user typed. The program keeps day, trip
// and schedule numbers, counts of days and pages and the budget's head count
// in 16 bits, so every reading here ends in the range -32768 to 32767.
namespace common {

constexpr int kSmallestWholeNumber = -32768;
constexpr int kLargestWholeNumber = 32767;

// The text of a day, trip or schedule box as the key of a stored page: plain
// digits with an optional sign and blanks around them, from -32768 to 32767
// (day 0 and negative days are stored like any other). A fraction, digit
// grouping or an exponent is no key.
std::optional<int> readKey(const QString& text);

// A value already read as a number, rounded to the nearest whole number with
// a half going to the even neighbour (2.5 gives 2, 3.5 gives 4); nothing when
// the rounded value lies outside -32768 to 32767 or the value is not finite.
std::optional<int> roundToWholeNumber(double value);

// The sum of two whole numbers; nothing when it leaves -32768 to 32767.
std::optional<int> addWholeNumbers(int a, int b);

// A text taken as a whole number the way the program converts any typed
// number: written in the user's locale or in the plain form ("2.5", "1e3"),
// then rounded as roundToWholeNumber rounds. Zero and negative numbers are
// numbers too; nothing for any other text.
std::optional<int> readWholeNumber(const QString& text);

// The answer to a "how many days" or "how many pages" question.
struct CountAnswer {
    enum Kind {
        NoAnswer,   // the empty text: the user gave none or pressed Cancel
        Count,      // a whole number as readWholeNumber reads it; 0 and below ask for nothing
        NotANumber, // any other text, a number beyond the 16-bit range included
    } kind = NoAnswer;
    int count = 0;

    bool operator==(const CountAnswer&) const = default;
};
CountAnswer readCountAnswer(const QString& answer);

} // namespace common
