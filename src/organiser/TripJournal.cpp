#include "organiser/TripJournal.h"

#include "platform/Database.h"
#include "platform/Services.h"

namespace organiser {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

JournalDay dayFrom(const platform::Recordset& rs) {
    JournalDay day;
    day.dayNum = rs.integer(QStringLiteral("DayNum"));
    day.date = QDate::fromString(rs.text(QStringLiteral("TSD")), Qt::ISODate);
    day.details = rs.text(QStringLiteral("Details"));
    day.attractions = rs.text(QStringLiteral("Favorites"));
    day.food = rs.text(QStringLiteral("Different"));
    for (int i = 0; i < kJournalPlaceCount; ++i)
        day.places[size_t(i)] = rs.integer(QStringLiteral("Park%1").arg(i + 1)) == 1;
    day.otherPlace = rs.text(QStringLiteral("Park8Name"));
    return day;
}

} // namespace

const QStringList& journalPlaceNames() {
    static const QStringList names = {"Magic Kingdom",   "Epcot",          "MGM Studios",   "Animal Kingdom",
                                      "Downtown Disney", "Typhoon Lagoon", "Blizzard Beach"};
    return names;
}

QString journalCaption(const QDate& date) {
    static const std::array<QString, 7> names = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                 "Friday", "Saturday", "Sunday"};
    return QStringLiteral("My Trip Details - ") + (date.isValid() ? names[size_t(date.dayOfWeek() - 1)] : QString());
}

QString blankJournalPageText() {
    QString text = QStringLiteral("Fill out this form while on vacation.  When you return home record your trips "
                                  "details into Travisto's \"Write About My Vaction\" page for safe keeping.") +
                   kCrLf + kCrLf + QStringLiteral("We were at the following places today: (Circle those that apply)") +
                   kCrLf + journalPlaceNames().join(kCrLf) + kCrLf + QStringLiteral("Other:") + kCrLf + kCrLf;
    const QString tenLines = kCrLf.repeated(10);
    text += QStringLiteral("Todays Details:") + tenLines + QStringLiteral("Todays Attractions:") + tenLines +
            QStringLiteral("Todays Food:");
    return text;
}

QString blankJournalPageHeader() {
    return QStringLiteral("My Trip Details: Day #");
}

QString journalDayText(const JournalDay& day) {
    QString text = QStringLiteral("We were at the following locations today:") + kCrLf;
    for (int i = 0; i < kJournalFixedPlaceCount; ++i)
        if (day.places[size_t(i)])
            text += journalPlaceNames()[i] + kCrLf;
    if (day.places[kJournalFixedPlaceCount])
        text += day.otherPlace + kCrLf;
    text += kCrLf + QStringLiteral("Today's details:") + kCrLf + day.details;
    text += kCrLf + kCrLf + QStringLiteral("Today's attractions") + kCrLf + day.attractions;
    text += kCrLf + kCrLf + QStringLiteral("Today's food") + kCrLf + day.food;
    return text;
}

QString journalDayHeader(int dayNum, const QDate& shownDate) {
    return QStringLiteral("My Trip Details: Day %1, %2").arg(dayNum).arg(platform::shortDate(shownDate));
}

std::optional<JournalDay> JournalStore::read(int tripNum, int dayNum) {
    platform::Recordset rs =
        m_db.query(QStringLiteral("Select * from Details Where DayNum = ? and TripNum = ?"), {dayNum, tripNum});
    if (rs.eof())
        return std::nullopt;
    return dayFrom(rs);
}

std::optional<QList<JournalDay>> JournalStore::readUpTo(int tripNum, int lastDay) {
    platform::Recordset rs =
        m_db.query(QStringLiteral("Select * from Details Where TripNum = ? and DayNum Between 1 and ? Order By DayNum"),
                   {tripNum, lastDay});
    if (!rs.ok())
        return std::nullopt;
    QList<JournalDay> days;
    for (; !rs.eof(); rs.moveNext())
        days << dayFrom(rs);
    return days;
}

bool JournalStore::write(int tripNum, const JournalDay& day) {
    static const QString sql = platform::Database::upsertSql(
        QStringLiteral("Details"), {QStringLiteral("TripNum"), QStringLiteral("DayNum")},
        QStringLiteral("TSD,Details,Favorites,Different,Park1,Park2,Park3,Park4,Park5,Park6,Park7,Park8,Park8Name")
            .split(QLatin1Char(',')));
    platform::Binds values{tripNum, day.dayNum, day.date.toString(Qt::ISODate), day.details, day.attractions, day.food};
    for (bool place : day.places)
        values << (place ? 1 : 0);
    values << day.otherPlace;
    return m_db.execute(sql, values);
}

} // namespace organiser
