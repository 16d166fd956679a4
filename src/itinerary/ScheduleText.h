#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <array>

namespace itinerary {

// One part of a planned day: the park, five attractions (the fifth is kept but
// never shown, exported or printed) and free notes.
struct SchedulePart {
    QString park;
    std::array<QString, 5> rides;
    QString notes;
};

struct ScheduleReservation {
    QString place;
    QString time;
    QString confirmation;
};

// One stored day of one schedule: morning, afternoon and evening, then three reservations.
struct ScheduleDay {
    int dayNum = 0;
    std::array<SchedulePart, 3> parts;
    std::array<ScheduleReservation, 3> reservations;

    bool operator==(const ScheduleDay& other) const;
};

enum class DayTextUse {
    Export, // with the day heading
    Print,  // without heading (the page title carries it), four extra line feeds between parts
};

// The text of one day as the export file and the printed page show it.
QString dayText(const ScheduleDay& day, DayTextUse use);
// The whole export file: every day's text in the given order, then one CR LF.
QString exportText(const QList<ScheduleDay>& days);
// The page title of a printed day; without a trip date it names the day only.
QString printHeader(int dayNum, const QDate& tripDate);

// The park number a park list's text stands for: exact names of the four
// theme parks give 1 to 4, anything else (a water park, a typed text) 0.
int parkNumber(const QString& parkText);

// The calendar date of a day of the trip: day 1 is the trip start date.
QDate dayDate(const QDate& tripDate, int dayNum);
// The date the planner shows for the text of its day box: for any whole
// number N, 0 and below included, the trip start date plus N - 1 days; for a
// text that is not a number, the trip start date.
QDate dayBoxDate(const QDate& tripDate, const QString& dayText);
// "Sunday" to "Saturday".
QString weekdayName(const QDate& date);

} // namespace itinerary
