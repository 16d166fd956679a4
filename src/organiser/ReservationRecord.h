#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace organiser {

// The twelve texts of the reservation record, in the order they are printed.
enum class ReservationField {
    Hotel,
    Confirmation,
    HotelPhone,
    CheckIn,
    CheckOut,
    ToFlightNumber,
    ToFlightDepart,
    ToFlightArrive,
    HomeFlightNumber,
    HomeFlightDepart,
    HomeFlightArrive,
    AirlinePhone,
};
constexpr int kReservationFieldCount = 12;

// The ArriveInfo column that stores a field.
QString reservationColumn(ReservationField field);

// The text printed for the record: for each field in order, an empty line,
// its label and the field's text.
QString reservationPrintText(const std::array<QString, kReservationFieldCount>& values);

// The statements that store the record; both bind the twelve texts in
// field order. The update has no WHERE clause: the table holds one row, and
// the checklist's flags stay as they are.
QString reservationInsertSql();
QString reservationUpdateSql();

} // namespace organiser
