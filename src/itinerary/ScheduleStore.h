#pragma once

#include "itinerary/ScheduleText.h"

#include <optional>

namespace platform {
class Database;
class Recordset;
} // namespace platform

namespace itinerary {

// The Schedule table of the user database: one row per day of each numbered
// schedule, keyed by (ScheduleNum, DayNum). Every value is bound, so texts are
// stored exactly as typed.
class ScheduleStore {
public:
    explicit ScheduleStore(platform::Database& user) : m_db(user) {}

    // The stored day, or nothing when the day has no row (or cannot be read).
    std::optional<ScheduleDay> read(int scheduleNum, int dayNum);
    // The stored days 1 to lastDay of a schedule, in day order; days without a
    // row are left out. Nothing when the table cannot be read (the database
    // tells why).
    std::optional<QList<ScheduleDay>> readUpTo(int scheduleNum, int lastDay);
    // Inserts the day's row, or rewrites it when it exists. False when the
    // database refused (it tells why).
    bool write(int scheduleNum, const ScheduleDay& day);

    // The current row of a record set on Schedule; Null reads as the empty text.
    static ScheduleDay fromRecord(const platform::Recordset& rs);

private:
    platform::Database& m_db;
};

} // namespace itinerary
