#include "shell/KeywordSearch.h"

#include "platform/Database.h"

#include <QStringList>

#include <algorithm>
#include <vector>

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

QString codePoint(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

// A run of characters by code, lo to hi, both included.
struct CodeRange {
    char32_t lo;
    char32_t hi;
};

// The ranges in order, those that touch or overlap joined into one.
std::vector<CodeRange> joined(std::vector<CodeRange> ranges) {
    std::sort(ranges.begin(), ranges.end(), [](CodeRange a, CodeRange b) { return a.lo < b.lo; });
    std::vector<CodeRange> out;
    for (const CodeRange r : ranges) {
        if (!out.empty() && r.lo <= out.back().hi + 1)
            out.back().hi = std::max(out.back().hi, r.hi);
        else
            out.push_back(r);
    }
    return out;
}

// The ranges and the other cases of every letter in them.
std::vector<CodeRange> withOtherCases(std::vector<CodeRange> ranges) {
    const size_t given = ranges.size();
    for (size_t i = 0; i < given; ++i) {
        const CodeRange r = ranges[i];
        for (char32_t c = r.lo; c <= r.hi; ++c)
            for (const char32_t other : {QChar::toLower(c), QChar::toUpper(c)})
                if (other < r.lo || other > r.hi)
                    ranges.push_back({other, other});
    }
    return joined(std::move(ranges));
}

// A GLOB class of the ranges (at least one). "]", "-" and "^" mean something
// inside a class depending on where they stand, so they are taken out of the
// ranges and put where they stand for themselves: "]" and "-" first, "^"
// last; a class of "^" alone is the character itself.
QString classPattern(const std::vector<CodeRange>& ranges, bool negated) {
    bool bracket = false;
    bool dash = false;
    bool caret = false;
    QString body;
    for (CodeRange r : ranges) {
        for (const char32_t special : {U'-', U']', U'^'}) {
            if (special < r.lo || special > r.hi)
                continue;
            (special == '-' ? dash : special == ']' ? bracket : caret) = true;
            if (special > r.lo)
                body += codePoint(r.lo) + (special - 1 > r.lo ? QLatin1Char('-') + codePoint(special - 1) : QString());
            r.lo = special + 1;
        }
        if (r.lo <= r.hi)
            body += codePoint(r.lo) + (r.hi > r.lo ? QLatin1Char('-') + codePoint(r.hi) : QString());
    }
    if (caret && !negated && !bracket && !dash && body.isEmpty())
        return QStringLiteral("^");
    return QLatin1Char('[') + (negated ? QStringLiteral("^") : QString()) +
           (bracket ? QStringLiteral("]") : QString()) + (dash ? QStringLiteral("-") : QString()) + body +
           (caret ? QStringLiteral("^") : QString()) + QLatin1Char(']');
}

// The GLOB class for the characters listed between "[" and "]": single
// characters and ranges such as "a-z" (ends given the wrong way round are
// swapped), letters in either case; a leading "!" lists the characters that
// do not match. "-" first or last stands for itself, as does "!" when it is
// all the list holds. An empty list ("[]") stands for no character at all,
// so the pattern is empty.
QString listPattern(const QList<uint>& list) {
    if (list.isEmpty())
        return QString();
    const bool negated = list.size() > 1 && list.front() == '!';
    std::vector<CodeRange> ranges;
    for (qsizetype k = negated ? 1 : 0; k < list.size();) {
        char32_t lo = list[k];
        if (k + 2 < list.size() && list[k + 1] == '-') {
            char32_t hi = list[k + 2];
            if (hi < lo)
                std::swap(lo, hi);
            ranges.push_back({lo, hi});
            k += 3;
        } else {
            ranges.push_back({lo, lo});
            ++k;
        }
    }
    return classPattern(withOtherCases(std::move(ranges)), negated);
}

} // namespace

QString searchEntry(qint64 number, const QString& body) {
    return QString::number(number) + QStringLiteral(".  ") + body + QStringLiteral("\r\n\r\n");
}

KeywordPattern keywordPattern(const QString& keyword) {
    // GLOB tells letter cases apart and has no digit wildcard of its own, so
    // each letter becomes the class of its cases and "#" the class of digits.
    // LIKE ignores the case of ASCII letters only and has no classes, so a
    // class, and a letter beyond ASCII that has other cases, is any one
    // character there: every text the GLOB pattern finds, the LIKE pattern
    // finds too.
    const QList<uint> chars = keyword.toUcs4();
    const qsizetype n = chars.size();
    const qsizetype lastClose = chars.lastIndexOf(uint(']'));
    KeywordPattern pattern;
    pattern.like.reserve(n * 2 + 2);
    pattern.glob.reserve(n * 4 + 2);
    pattern.like += QLatin1Char('%');
    pattern.glob += QLatin1Char('*');
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = chars[i];
        if (c == '*') {
            pattern.like += QLatin1Char('%');
            pattern.glob += QLatin1Char('*');
        } else if (c == '?') {
            pattern.like += QLatin1Char('_');
            pattern.glob += QLatin1Char('?');
        } else if (c == '#') {
            pattern.like += QLatin1Char('_');
            pattern.glob += QStringLiteral("[0-9]");
        } else if (c == '[' && i < lastClose) {
            const qsizetype close = chars.indexOf(uint(']'), i + 1);
            const QString list = listPattern(chars.mid(i + 1, close - i - 1));
            if (!list.isEmpty()) {
                pattern.like += QLatin1Char('_');
                pattern.glob += list;
            }
            i = close;
        } else {
            if (c == '%' || c == '_' || c == '\\')
                pattern.like += QLatin1Char('\\');
            const std::vector<CodeRange> cases = withOtherCases({{c, c}});
            const bool folded = cases.size() > 1 || cases.front().lo != cases.front().hi;
            pattern.like += folded && c >= 0x80 ? QString(QLatin1Char('_')) : codePoint(c);
            pattern.glob += folded || c == '[' ? classPattern(cases, false) : codePoint(c);
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
