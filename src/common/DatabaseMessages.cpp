#include "common/DatabaseMessages.h"

#include "platform/Services.h"

namespace common {

namespace {

std::unique_ptr<platform::Database> sayIfNull(std::unique_ptr<platform::Database> db, const QString& why) {
    if (!db)
        platform::msgBox(why);
    return db;
}

} // namespace

std::unique_ptr<platform::Database> openContentOrSay() {
    QString why;
    auto db = platform::Database::openContent(&why);
    return sayIfNull(std::move(db), why);
}

std::unique_ptr<platform::Database> openUserOrSay() {
    QString why;
    auto db = platform::Database::openUser(&why);
    return sayIfNull(std::move(db), why);
}

bool sayDatabaseFailure(const platform::Database& db) {
    if (db.lastFailure() == platform::DbFailure::None)
        return false;
    platform::msgBox(db.failureText());
    return true;
}

platform::Recordset queryOrSay(platform::Database& db, const QString& sql, const platform::Binds& binds) {
    platform::Recordset rs = db.query(sql, binds);
    if (!rs.ok())
        sayDatabaseFailure(db);
    return rs;
}

bool executeOrSay(platform::Database& db, const QString& sql, const platform::Binds& binds) {
    if (db.execute(sql, binds))
        return true;
    sayDatabaseFailure(db);
    return false;
}

} // namespace common
