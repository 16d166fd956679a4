#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace platform {
class Database;
}

// The trip journal without widgets: one page per trip and day, its printed
// text, and its storage in the Details table.
namespace organiser {

// Seven fixed places and one the user names.
constexpr int kJournalPlaceCount = 8;
constexpr int kJournalFixedPlaceCount = 7;

struct JournalDay {
    int dayNum = 0;
    QDate date;
    QString details;
    QString attractions;
    QString food;
    std::array<bool, kJournalPlaceCount> places{};
    QString otherPlace = QStringLiteral("Other");

    bool operator==(const JournalDay& other) const = default;
};

// "Magic Kingdom" to "Blizzard Beach", in column order.
const QStringList& journalPlaceNames();

// "My Trip Details - " and the weekday of `date`.
QString journalCaption(const QDate& date);

// The page to fill in by hand, printed once per day of the vacation.
QString blankJournalPageText();
QString blankJournalPageHeader();
// The printed text and page title of a stored day.
QString journalDayText(const JournalDay& day);
QString journalDayHeader(int dayNum, const QDate& shownDate);

// Reads and writes journal days of the user database. Every text is bound.
class JournalStore {
public:
    explicit JournalStore(platform::Database& db) : m_db(db) {}

    // The stored day, or nothing when the trip has no such day (or the read failed).
    std::optional<JournalDay> read(int tripNum, int dayNum);
    // The trip's stored days 1 to `lastDay`, in day order; nothing when the read failed.
    std::optional<QList<JournalDay>> readUpTo(int tripNum, int lastDay);
    // Inserts or updates the day; false when it could not be stored (the
    // database tells why).
    bool write(int tripNum, const JournalDay& day);

private:
    platform::Database& m_db;
};

} // namespace organiser
