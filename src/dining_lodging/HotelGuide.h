#pragma once

#include "common/TripProfile.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The text of the resort hotel guide: the advice drawn from the trip
// profile, the hotel list under its category headings, and the printout.
namespace dining_lodging {

// One row of the hotel table; Null columns are read as empty texts.
struct HotelRow {
    int type = 0; // category 1 to 5; any other value is never listed
    QString hotel;
    QString cost;
    QString description;
};

// The hotel list as the guide's pane shows it, with the lists its formatting
// takes: `names` holds the hotel names from entry 1 (entry 0 empty) and
// `headings` the five category headings from entry 1 (entry 0 empty).
struct HotelList {
    QString text;
    QStringList names;
    QStringList headings;
};

// The five category headings, category 1 first.
const QStringList& hotelCategoryHeadings();

// Builds the list: each category's heading, then its hotels in the order
// given, one paragraph each followed by a blank line.
HotelList composeHotelList(const QVector<HotelRow>& rows);

// The advice for the trip profile's answer to "Are you staying at a Disney
// Resort?" (0 yes, 1 no, -1 unanswered): only a "no" or an empty answer asks
// the traveller to reconsider. No trip profile at all gives no advice.
QString hotelAdvice(const std::optional<common::TripProfile>& profile);

struct Season {
    QString name;
    QString dates;
};

// The printout: the booking note, the seasons with their dates, the list.
QString hotelPrintText(const QString& bookingNote, const QVector<Season>& seasons, const QString& list);

} // namespace dining_lodging
