#include "common/TripProfile.h"

#include "platform/Database.h"

namespace common {

std::optional<TripProfile> readTripProfile(platform::Database& db) {
    platform::Recordset rs = db.query(QStringLiteral("Select * from TravelInfo"));
    if (rs.eof())
        return std::nullopt;
    TripProfile profile;
    profile.tripDate = QDate::fromString(rs.text(QStringLiteral("TripDate")).left(10), Qt::ISODate);
    profile.adults = rs.integer(QStringLiteral("Adults"), -1);
    profile.kids = rs.integer(QStringLiteral("Kids"), -1);
    profile.daredevel = rs.integer(QStringLiteral("Daredevel"), -1);
    if (rs.isNull(QStringLiteral("Lodging")))
        profile.lodging = std::nullopt;
    else
        profile.lodging = rs.integer(QStringLiteral("Lodging"), -1);
    profile.wet = rs.integer(QStringLiteral("Wet"), -1);
    profile.show = rs.integer(QStringLiteral("Show"), -1);
    return profile;
}

bool writeTripProfile(platform::Database& db, const TripProfile& profile) {
    const QVariant lodging = profile.lodging ? QVariant(*profile.lodging) : QVariant();
    platform::Recordset rs = db.query(QStringLiteral("Select * from TravelInfo"));
    if (!rs.ok())
        return false;
    const QString date = profile.tripDate.toString(Qt::ISODate);
    if (rs.eof())
        return db.execute(QStringLiteral("Insert Into TravelInfo(TripDate,Adults,Kids,Daredevel,Lodging,Wet,Show) "
                                         "Values(?,?,?,?,?,?,?)"),
                          {date, profile.adults, profile.kids, profile.daredevel, lodging, profile.wet, profile.show});
    return db.execute(
        QStringLiteral("Update TravelInfo Set TripDate=?,Adults=?,Kids=?,Daredevel=?,Lodging=?,Show=?,Wet=?"),
        {date, profile.adults, profile.kids, profile.daredevel, lodging, profile.show, profile.wet});
}

} // namespace common
