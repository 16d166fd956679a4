#pragma once

#include <QString>
#include <optional>

// Moving one day forward or back through a numbered book of days (the
// planner's schedules, the journal's trips): the window saves the shown day
// first, then shows the next or previous one. This decides, from the texts of
// the day box and the book's box, what a press of Next Day or Previous Day
// does; the window does the saving and the showing.
namespace common {

// How the window names the book's box and the book in its messages.
struct DayBook {
    QString bookBox;  // "Schedule #", "Trip #"
    QString bookNoun; // "schedule", "trip"
};

// The numbers of the shown page: the day and the book it belongs to.
struct DayKeys {
    int day = 0;
    int book = 0;

    bool operator==(const DayKeys&) const = default;
};

// The message that refuses a box's text as a key, for a box named "Day #", "Trip #" ...
QString notAKeyMessage(const QString& box);

// The keys shown in the day box and the book's box, the day box checked
// first; or, when one of them is no key, the message that says which.
struct KeyCheck {
    std::optional<DayKeys> keys;
    QString refusal;
};
KeyCheck checkDayKeys(const QString& dayText, const QString& bookText, const DayBook& book);

enum class DayStep { Previous, Next };

// What one step does. With a refusal nothing is saved and nothing moves;
// otherwise the shown day is saved under `keys`, the notice (if any) is
// shown, and the window moves to `toDay`, or stays when there is none:
// Previous Day on day 1 stays without a word (from day 0 and below it goes
// on), and a step beyond the smallest or the largest day number stays and
// says so.
struct DayMove : KeyCheck {
    QString notice;
    std::optional<int> toDay;
};
DayMove planDayMove(const QString& dayText, const QString& bookText, DayStep step, const DayBook& book);

} // namespace common
