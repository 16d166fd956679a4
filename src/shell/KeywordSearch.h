#pragma once

#include <QString>

namespace platform {
class Database;
}

namespace shell {

// One entry of the search results: its running number, a point and two
// blanks, the entry's text and an empty line after it.
QString searchEntry(qint64 number, const QString& body);

// Searches the tips, restaurants, attractions, hotels and contacts of the
// content database for `keyword`, matched literally and without regard to
// case anywhere in the searched columns, and composes the result: every
// entry numbered in one run across the five groups, in that group order.
QString keywordSearchText(platform::Database& db, const QString& keyword);

} // namespace shell
