#include "common/DayPaging.h"

#include "common/WholeNumber.h"

namespace common {

QString notAKeyMessage(const QString& box) {
    return QStringLiteral("The %1 box must hold a whole number from %2 to %3.")
        .arg(box)
        .arg(kSmallestWholeNumber)
        .arg(kLargestWholeNumber);
}

KeyCheck checkDayKeys(const QString& dayText, const QString& bookText, const DayBook& book) {
    const auto day = readKey(dayText);
    if (!day)
        return {std::nullopt, notAKeyMessage(QStringLiteral("Day #"))};
    const auto bookNum = readKey(bookText);
    if (!bookNum)
        return {std::nullopt, notAKeyMessage(book.bookBox)};
    return {DayKeys{*day, *bookNum}, QString()};
}

DayMove planDayMove(const QString& dayText, const QString& bookText, DayStep step, const DayBook& book) {
    DayMove move{checkDayKeys(dayText, bookText, book), QString(), std::nullopt};
    if (!move.keys)
        return move;
    const int day = move.keys->day;
    if (step == DayStep::Previous) {
        if (day == 1)
            return move;
        if (day > kSmallestWholeNumber)
            move.toDay = day - 1;
        else
            move.notice = QStringLiteral("Day %1 is the first day of a %2.").arg(day).arg(book.bookNoun);
    } else if (day < kLargestWholeNumber) {
        move.toDay = day + 1;
    } else {
        move.notice = QStringLiteral("Day %1 is the last day of a %2.").arg(day).arg(book.bookNoun);
    }
    return move;
}

} // namespace common
