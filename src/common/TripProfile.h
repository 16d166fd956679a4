#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace platform {
class Database;
}

namespace common {

// The trip profile: the one row of TravelInfo. Every answer is the position
// of the chosen item in its question's list, -1 when nothing was chosen; the
// readers compare against these positions, so they are the stored format.
// The resort answer keeps an empty (Null) value apart from -1: the hotel
// guide advises differently on the two.
struct TripProfile {
    QDate tripDate;
    int adults = -1;
    int kids = -1;
    int daredevel = -1;
    std::optional<int> lodging = -1;
    int wet = -1;
    int show = -1;
};

// The first row of TravelInfo, or nothing when the table is empty or cannot
// be read (the database then tells why). A date that is not an ISO date comes
// back invalid; an answer that is not a number comes back as -1, and so does
// an empty one, except the resort answer, which comes back as nothing.
std::optional<TripProfile> readTripProfile(platform::Database& db);

// Stores the profile: inserts the row when the table is empty, otherwise
// rewrites every row (the table holds one). DaysOfTrip is never named, so a
// new row takes the column's default and a rewrite leaves it alone. False
// when a statement failed (the database tells why).
bool writeTripProfile(platform::Database& db, const TripProfile& profile);

} // namespace common
