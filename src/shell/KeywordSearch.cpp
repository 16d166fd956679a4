#include "shell/KeywordSearch.h"

#include "platform/Database.h"

#include <QStringList>

namespace shell {

namespace {

// One group of the result: its query, the columns the keyword is looked for
// in, and how a row reads.
struct SearchGroup {
    const char* select;
    QStringList searched;
    QString (*entry)(const platform::Recordset& rs);
};

QString field(const platform::Recordset& rs, const char* name) {
    return rs.text(QLatin1String(name));
}

// Matches the keyword anywhere in `column`. A column without text is never
// a match, not even for the empty keyword.
QString matchCondition(const QString& column) {
    return QStringLiteral("(%1 Like ? ESCAPE '\\' And %1 <> '')").arg(column);
}

const SearchGroup kGroups[] = {
    {"Select Tip from Tips Where Search <> 1 And ",
     {QStringLiteral("Tip")},
     [](const platform::Recordset& rs) { return field(rs, "Tip"); }},
    {"Select Location,Description from Reservations Where ",
     {QStringLiteral("Location"), QStringLiteral("Description")},
     [](const platform::Recordset& rs) {
         return field(rs, "Location") + QStringLiteral(": ") + field(rs, "Description");
     }},
    {"Select Attraction,Description from ParkPlanner Where ",
     {QStringLiteral("Attraction"), QStringLiteral("Description")},
     [](const platform::Recordset& rs) {
         return field(rs, "Attraction") + QStringLiteral(": ") + field(rs, "Description");
     }},
    {"Select Hotel,Cost,Description from Hotels Where ",
     {QStringLiteral("Hotel"), QStringLiteral("Description")},
     [](const platform::Recordset& rs) {
         return field(rs, "Hotel") + QStringLiteral(": ") + field(rs, "Cost") + QStringLiteral(", ") +
                field(rs, "Description");
     }},
    // The phone number is shown, not searched.
    {"Select Contact,ContactPhone,ContactNotes from Contacts Where ",
     {QStringLiteral("Contact"), QStringLiteral("ContactNotes")},
     [](const platform::Recordset& rs) {
         return field(rs, "Contact") + QStringLiteral(": ") + field(rs, "ContactPhone") + QStringLiteral(", ") +
                field(rs, "ContactNotes");
     }},
};

} // namespace

QString searchEntry(qint64 number, const QString& body) {
    return QString::number(number) + QStringLiteral(".  ") + body + QStringLiteral("\r\n\r\n");
}

QString keywordSearchText(platform::Database& db, const QString& keyword) {
    const QString pattern = platform::Database::containsPattern(keyword);
    // Every query runs before any entry is written.
    std::vector<platform::Recordset> results;
    for (const SearchGroup& group : kGroups) {
        QStringList conditions;
        platform::Binds binds;
        for (const QString& column : group.searched) {
            conditions << matchCondition(column);
            binds << pattern;
        }
        const QString where = group.searched.size() > 1
                                  ? QLatin1Char('(') + conditions.join(QStringLiteral(" Or ")) + QLatin1Char(')')
                                  : conditions.join(QString());
        results.push_back(db.query(QLatin1String(group.select) + where, binds));
    }
    // One running number across all groups; the text is built once.
    QString text;
    qint64 n = 1;
    for (size_t g = 0; g < results.size(); ++g)
        for (platform::Recordset& rs = results[g]; !rs.eof(); rs.moveNext())
            text += searchEntry(n++, kGroups[g].entry(rs));
    return text;
}

} // namespace shell
