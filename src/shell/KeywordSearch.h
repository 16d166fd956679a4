#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class Database;
}

namespace shell {

// One entry of the search results: its running number, a point and two
// blanks, the entry's text and an empty line after it.
QString searchEntry(qint64 number, const QString& body);

// The patterns that find `keyword` anywhere in a text, letters in either
// case. In the keyword "*" stands for any run of characters, "?" for one
// character and "#" for one digit; "[...]" for one character of a list such
// as "[ae]" or "[a-z]", or, as "[!...]", one character not in it ("[]" for
// no character at all). A "[" without a "]" after it, and every other
// character, matches itself. `glob` is exact; `like` (with Escape '\') finds
// at least what it finds, and quicker.
struct KeywordPattern {
    QString like;
    QString glob;
};
KeywordPattern keywordPattern(const QString& keyword);

// Searches the tips, restaurants, attractions, hotels and contacts of the
// content database for `keyword` (its wildcards as above), without regard to
// case anywhere in the searched columns, and composes the result: every
// entry numbered in one run across the five groups, in that group order.
// A group that cannot be searched adds no entry; `failures` (when given)
// receives what the user is told about each such group, in group order.
QString keywordSearchText(platform::Database& db, const QString& keyword, QStringList* failures = nullptr);

} // namespace shell
