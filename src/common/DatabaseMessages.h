#pragma once

#include "platform/Database.h"

#include <memory>

namespace common {

// The windows' side of the database: the database returns its failures, and
// these tell the user about them in a message box, in the database's words.

// The content or the user database of the program's folder; null when it
// cannot be opened, after telling the user why (a missing file is named).
std::unique_ptr<platform::Database> openContentOrSay();
std::unique_ptr<platform::Database> openUserOrSay();

// Tells the user why the latest request of `db` failed; says nothing when it
// succeeded. True when something was said.
bool sayDatabaseFailure(const platform::Database& db);

// A query whose failure is told to the user; it then gives an empty record
// set whose ok() is false.
platform::Recordset queryOrSay(platform::Database& db, const QString& sql, const platform::Binds& binds = {});
// A statement whose failure is told to the user; false when it failed.
bool executeOrSay(platform::Database& db, const QString& sql, const platform::Binds& binds = {});

} // namespace common
