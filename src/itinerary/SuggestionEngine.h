#pragma once

#include "platform/Database.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <array>
#include <optional>

// The itinerary suggestions: from the trip profile's answers and the
// attractions of one park to the text of the suggested day, without widgets.
namespace itinerary {

// The values the attraction query compares with the flag columns OnlyKids,
// Wild, Wet and Show. 5 and 2 are values no flag holds: a "no" answer drops
// that criterion instead of selecting the attractions without the flag.
struct MatchValues {
    qint16 kids = -1;
    qint16 wild = -1;
    qint16 wet = 2;
    qint16 show = 2;
};

// The match values, or the message telling why the profile cannot be used.
struct ProfileMatch {
    std::optional<MatchValues> values;
    QString error;
};

// Turns the stored answers (the position of the chosen item, -1 for none) into
// match values. Children and daredevil answers must fit a 16-bit whole number;
// an empty (Null) answer counts as unanswered.
ProfileMatch matchValues(const QVariant& kids, const QVariant& daredevil, const QVariant& wet, const QVariant& show);

// The three parts of a day, in the order they are listed.
enum class DayPart { Morning = 1, Afternoon = 2, Evening = 3 };

struct PartQuery {
    QString sql;
    platform::Binds binds;
};

// The attractions of `park` suggested for one part of the day, in TimeOrder:
// those with a flag equal to the party's match value, and those for everyone.
PartQuery partQuery(DayPart part, int park, const MatchValues& match);

struct SuggestedAttraction {
    QString name;
    QString timeTip; // empty: no tip line
};

// The window fills the list when it opens, and again for each park chosen;
// the two differ in whether an evening without attractions keeps its heading.
enum class FillRun { Load, ParkChoice };

struct ItineraryText {
    QString text; // line ends are CR LF
    // Entries 0 to headingCount - 1: entry 0 stays empty, entries 1 to 3 hold
    // the morning, afternoon and evening headings that were written (heading
    // word, CR LF CR LF), an empty text for one that was not.
    QStringList headings;
    int headingCount = 0;
};

// Composes the suggested day from the attractions of the three parts of the day.
ItineraryText composeItinerary(const std::array<QVector<SuggestedAttraction>, 3>& parts, FillRun run);

} // namespace itinerary
