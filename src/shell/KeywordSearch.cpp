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

// Matches the keyword anywhere in `column`: the quick LIKE passes the
// candidates, the exact GLOB decides. A column without text is never a
// match, not even for the empty keyword.
QString matchCondition(const QString& column) {
    return QStringLiteral("(%1 Like ? Escape '\\' And %1 Glob ? And %1 <> '')").arg(column);
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

KeywordPattern keywordPattern(const QString& keyword) {
    // GLOB tells letter cases apart and has no digit wildcard of its own, so
    // each letter becomes the class of its cases and "#" the class of digits;
    // "[" is the one other character GLOB reads as a pattern, and as a class
    // of one it matches itself. LIKE ignores the case of ASCII letters only,
    // so a letter beyond ASCII that has other cases is any one character
    // there: every text the GLOB pattern finds, the LIKE pattern finds too.
    KeywordPattern pattern;
    pattern.like.reserve(keyword.size() * 2 + 2);
    pattern.glob.reserve(keyword.size() * 4 + 2);
    pattern.like += QLatin1Char('%');
    pattern.glob += QLatin1Char('*');
    for (const QChar c : keyword) {
        if (c == QLatin1Char('*')) {
            pattern.like += QLatin1Char('%');
            pattern.glob += c;
        } else if (c == QLatin1Char('?') || c == QLatin1Char('#')) {
            pattern.like += QLatin1Char('_');
            pattern.glob += c == QLatin1Char('#') ? QStringLiteral("[0-9]") : QString(c);
        } else if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) {
            pattern.like += QLatin1Char('\\') + c;
            pattern.glob += c;
        } else if (c == QLatin1Char('[')) {
            pattern.like += c;
            pattern.glob += QStringLiteral("[[]");
        } else {
            QString cases(c);
            for (const QChar other : {c.toLower(), c.toUpper()})
                if (!cases.contains(other))
                    cases += other;
            const bool folded = cases.size() > 1;
            pattern.like += folded && c.unicode() >= 0x80 ? QChar(QLatin1Char('_')) : c;
            pattern.glob += folded ? QLatin1Char('[') + cases + QLatin1Char(']') : cases;
        }
    }
    pattern.like += QLatin1Char('%');
    pattern.glob += QLatin1Char('*');
    return pattern;
}

QString keywordSearchText(platform::Database& db, const QString& keyword, QStringList* failures) {
    const KeywordPattern pattern = keywordPattern(keyword);
    // Every query runs before any entry is written.
    std::vector<platform::Recordset> results;
    for (const SearchGroup& group : kGroups) {
        QStringList conditions;
        platform::Binds binds;
        for (const QString& column : group.searched) {
            conditions << matchCondition(column);
            binds << pattern.like << pattern.glob;
        }
        const QString where = group.searched.size() > 1
                                  ? QLatin1Char('(') + conditions.join(QStringLiteral(" Or ")) + QLatin1Char(')')
                                  : conditions.join(QString());
        results.push_back(db.query(QLatin1String(group.select) + where, binds));
        if (!results.back().ok() && failures)
            *failures << db.failureText();
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
