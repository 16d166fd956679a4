#include "organiser/ReservationRecord.h"

namespace organiser {

namespace {

struct FieldInfo {
    const char* column;
    const char* printLabel;
};

constexpr std::array<FieldInfo, kReservationFieldCount> kFields = {{
    {"Hotel", "Hotel: "},
    {"Confirmation", "Confirmation#: "},
    {"HotelPhone", "Hotel Phone: "},
    {"CheckIn", "Check In Date & Time: "},
    {"CheckOut", "Check Out Date & Time: "},
    {"ToFlightNumber", "To WDW Flight Numbers: "},
    {"ToFlightDepart", "To WDW Depart Time: "},
    {"ToFlightArrive", "Arrive at WDW Time: "},
    {"HomeFlightNumber", "Back Home Flight Numbers: "},
    {"HomeFlightDepart", "Back Home Depart Time: "},
    {"HomeFlightArrive", "Arrive Back Home Time: "},
    {"AirlinePhone", "Airline Phone Number: "},
}};

} // namespace

QString reservationColumn(ReservationField field) {
    return QString::fromLatin1(kFields[static_cast<int>(field)].column);
}

QString reservationPrintText(const std::array<QString, kReservationFieldCount>& values) {
    const QString lineBreak = QStringLiteral("\r\n");
    QString text;
    for (int i = 0; i < kReservationFieldCount; ++i)
        text += lineBreak + QString::fromLatin1(kFields[i].printLabel) + values[i] + lineBreak;
    return text;
}

QString reservationInsertSql() {
    QStringList columns;
    QStringList marks;
    for (const FieldInfo& f : kFields) {
        columns << QString::fromLatin1(f.column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("Insert Into ArriveInfo(%1) Values(%2)")
        .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

QString reservationUpdateSql() {
    QStringList assignments;
    for (const FieldInfo& f : kFields)
        assignments << QString::fromLatin1(f.column) + QStringLiteral(" = ?");
    return QStringLiteral("Update ArriveInfo set ") + assignments.join(QLatin1Char(','));
}

} // namespace organiser
