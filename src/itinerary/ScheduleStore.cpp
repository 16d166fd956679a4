#include "itinerary/ScheduleStore.h"

#include "platform/Database.h"

#include <QStringList>

namespace itinerary {

namespace {

// The thirty text columns in table order.
const QStringList& textColumns() {
    static const QStringList columns = [] {
        QStringList c = {QStringLiteral("Morning"),       QStringLiteral("MorningPark"), QStringLiteral("Afternoon"),
                         QStringLiteral("AfternoonPark"), QStringLiteral("Evening"),     QStringLiteral("EveningPark")};
        for (const char* part : {"Morning", "Afternoon", "Evening"})
            for (int r = 1; r <= 5; ++r)
                c << QStringLiteral("%1Ride%2").arg(QLatin1String(part)).arg(r);
        for (int r = 1; r <= 3; ++r)
            c << QStringLiteral("Reservation%1").arg(r) << QStringLiteral("Time%1").arg(r)
              << QStringLiteral("Confirmation%1").arg(r);
        return c;
    }();
    return columns;
}

// Pointers to a day's thirty texts, in the order of textColumns().
template <typename Day, typename Text = std::conditional_t<std::is_const_v<Day>, const QString, QString>>
std::array<Text*, 30> textFields(Day& day) {
    std::array<Text*, 30> f{};
    size_t i = 0;
    for (auto& part : day.parts) {
        f[i++] = &part.notes;
        f[i++] = &part.park;
    }
    for (auto& part : day.parts)
        for (auto& ride : part.rides)
            f[i++] = &ride;
    for (auto& r : day.reservations) {
        f[i++] = &r.place;
        f[i++] = &r.time;
        f[i++] = &r.confirmation;
    }
    return f;
}

// An empty text is stored as the empty text, never as Null.
QVariant storedText(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

} // namespace

ScheduleDay ScheduleStore::fromRecord(const platform::Recordset& rs) {
    ScheduleDay day;
    day.dayNum = rs.integer(QStringLiteral("DayNum"));
    const QStringList& columns = textColumns();
    auto fields = textFields(day);
    for (int i = 0; i < columns.size(); ++i)
        *fields[size_t(i)] = rs.text(columns[i]);
    return day;
}

std::optional<ScheduleDay> ScheduleStore::read(int scheduleNum, int dayNum) {
    const platform::Recordset rs = m_db.query(
        QStringLiteral("Select * from Schedule Where DayNum = ? And ScheduleNum = ?"), {dayNum, scheduleNum});
    if (rs.eof())
        return std::nullopt;
    return fromRecord(rs);
}

std::optional<QList<ScheduleDay>> ScheduleStore::readUpTo(int scheduleNum, int lastDay) {
    // One query for the whole range; the key allows one row per day.
    platform::Recordset rs = m_db.query(QStringLiteral("Select * from Schedule Where ScheduleNum = ? And DayNum "
                                                       "Between 1 And ? Order By DayNum"),
                                        {scheduleNum, lastDay});
    if (!rs.ok())
        return std::nullopt;
    QList<ScheduleDay> days;
    for (; !rs.eof(); rs.moveNext())
        days.append(fromRecord(rs));
    return days;
}

bool ScheduleStore::write(int scheduleNum, const ScheduleDay& day) {
    static const QString sql = platform::Database::upsertSql(
        QStringLiteral("Schedule"), {QStringLiteral("ScheduleNum"), QStringLiteral("DayNum")}, textColumns());
    platform::Binds values{scheduleNum, day.dayNum};
    for (const QString* text : textFields(day))
        values << storedText(*text);
    return m_db.execute(sql, values);
}

} // namespace itinerary
