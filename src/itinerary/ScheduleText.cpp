#include "itinerary/ScheduleText.h"

#include "common/WholeNumber.h"
#include "platform/Services.h"

namespace itinerary {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct PartLabels {
    const char* location;
    const char* attractions;
    const char* notes;
};

constexpr std::array<PartLabels, 3> kPartLabels = {{
    {"Morning Location: ", "Morning Attractions: ", "Morning Notes:"},
    {"Afternoon Location: ", "Afternoon Attractions: ", "Afternoon Notes:"},
    {"Evening Location: ", "Evening Attractions: ", "Evening Notes:"},
}};

// The value with each line end it holds (CR LF, a lone LF, a lone CR) written
// as CR LF, the line end of the whole text: a note typed on several lines.
QString crLfLines(const QString& value) {
    if (!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString text = value;
    text.replace(kCrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), kCrLf);
}

} // namespace

bool ScheduleDay::operator==(const ScheduleDay& other) const {
    if (dayNum != other.dayNum)
        return false;
    for (size_t i = 0; i < parts.size(); ++i)
        if (parts[i].park != other.parts[i].park || parts[i].rides != other.parts[i].rides ||
            parts[i].notes != other.parts[i].notes)
            return false;
    for (size_t i = 0; i < reservations.size(); ++i)
        if (reservations[i].place != other.reservations[i].place ||
            reservations[i].time != other.reservations[i].time ||
            reservations[i].confirmation != other.reservations[i].confirmation)
            return false;
    return true;
}

QString dayText(const ScheduleDay& day, DayTextUse use) {
    QString text;
    if (use == DayTextUse::Export)
        text += kCrLf + kCrLf + QStringLiteral("My Daily Schedule: Day ") + QString::number(day.dayNum) + kCrLf + kCrLf;

    for (size_t p = 0; p < day.parts.size(); ++p) {
        const SchedulePart& part = day.parts[p];
        const PartLabels& labels = kPartLabels[p];
        text += QLatin1String(labels.location) + crLfLines(part.park) + kCrLf;
        text += QLatin1String(labels.attractions);
        if (!part.rides[0].isEmpty())
            text += kCrLf + crLfLines(part.rides[0].toUpper()) + kCrLf;
        // The fifth attraction is kept in the table but left out here.
        for (int r = 1; r < 4; ++r)
            if (!part.rides[r].isEmpty())
                text += crLfLines(part.rides[r].toUpper()) + kCrLf;
        text += kCrLf;
        text += QLatin1String(labels.notes) + kCrLf;
        text += crLfLines(part.notes) + kCrLf;
        if (use == DayTextUse::Print && p < 2)
            text += QStringLiteral("\n\n\n\n");
    }

    text += kCrLf;
    text += QStringLiteral("Reservation Info ") + kCrLf;
    const QString gap = QStringLiteral("    ");
    for (const ScheduleReservation& r : day.reservations)
        text += crLfLines(r.place) + gap + crLfLines(r.time) + gap + crLfLines(r.confirmation) + kCrLf;
    return text;
}

QString exportText(const QList<ScheduleDay>& days) {
    QString text;
    for (const ScheduleDay& day : days)
        text += dayText(day, DayTextUse::Export);
    return text + kCrLf;
}

QString printHeader(int dayNum, const QDate& tripDate) {
    QString header = QStringLiteral("My Daily Schedule: Day ") + QString::number(dayNum);
    if (tripDate.isValid())
        header += QStringLiteral(" - ") + platform::shortDate(dayDate(tripDate, dayNum));
    return header;
}

int parkNumber(const QString& parkText) {
    static const std::array<QString, 4> names = {QStringLiteral("Magic Kingdom"), QStringLiteral("Epcot"),
                                                 QStringLiteral("MGM Studios"), QStringLiteral("Animal Kingdom")};
    for (size_t i = 0; i < names.size(); ++i)
        if (parkText == names[i])
            return int(i) + 1;
    return 0;
}

QDate dayDate(const QDate& tripDate, int dayNum) {
    return tripDate.isValid() ? tripDate.addDays(qint64(dayNum) - 1) : QDate();
}

QDate dayBoxDate(const QDate& tripDate, const QString& dayText) {
    const std::optional<int> n = common::readWholeNumber(dayText);
    return n ? dayDate(tripDate, *n) : tripDate;
}

QString weekdayName(const QDate& date) {
    static const std::array<QString, 7> names = {
        QStringLiteral("Monday"), QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
        QStringLiteral("Friday"), QStringLiteral("Saturday"), QStringLiteral("Sunday")};
    return date.isValid() ? names[size_t(date.dayOfWeek() - 1)] : QString();
}

} // namespace itinerary
