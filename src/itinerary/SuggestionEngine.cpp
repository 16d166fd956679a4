#include "itinerary/SuggestionEngine.h"

#include <limits>

namespace itinerary {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A children or daredevil answer: none chosen (or Null) passes -1 through,
// the first choice ("no children", "a chicken") becomes 5, which no flag
// holds, and the other choices become 1. Other negative codes pass through.
std::optional<qint16> partyMatch(const QVariant& answer, const QString& question, QString& error) {
    if (answer.isNull())
        return qint16(-1);
    bool ok = false;
    const qlonglong code = answer.toLongLong(&ok);
    if (!ok || code < std::numeric_limits<qint16>::min() || code > std::numeric_limits<qint16>::max()) {
        error = QStringLiteral("The trip profile's answer about %1 (%2) cannot be read. "
                               "Please complete the Start Here Page again.")
                    .arg(question, answer.toString());
        return std::nullopt;
    }
    qint16 value = qint16(code);
    if (value == 0)
        value = 5;
    if (value > 0 && value != 5)
        value = 1;
    return value;
}

// A yes/no answer: "Yes" (the first choice) matches the flag; anything else,
// an unanswered question included, becomes 2, which no flag holds.
qint16 yesMatch(const QVariant& answer) {
    bool ok = false;
    const qlonglong code = answer.isNull() ? -1 : answer.toLongLong(&ok);
    return ok && code == 0 ? 1 : 2;
}

} // namespace

ProfileMatch matchValues(const QVariant& kids, const QVariant& daredevil, const QVariant& wet, const QVariant& show) {
    ProfileMatch result;
    MatchValues values;
    values.show = yesMatch(show);
    values.wet = yesMatch(wet);
    const auto kidsMatch = partyMatch(kids, QStringLiteral("children"), result.error);
    if (!kidsMatch)
        return result;
    const auto wildMatch = partyMatch(daredevil, QStringLiteral("thrill rides"), result.error);
    if (!wildMatch)
        return result;
    values.kids = *kidsMatch;
    values.wild = *wildMatch;
    result.values = values;
    return result;
}

PartQuery partQuery(DayPart part, int park, const MatchValues& match) {
    return {QStringLiteral("Select * from ParkPlanner where TimeToRide = ? AND ParkId = ? AND "
                           "(OnlyKids = ? Or Wild = ? Or Wet = ? Or Show = ? OR FUNFORALL = 1) Order By TimeOrder"),
            {QString::number(int(part)), park, int(match.kids), int(match.wild), int(match.wet), int(match.show)}};
}

ItineraryText composeItinerary(const std::array<QVector<SuggestedAttraction>, 3>& parts, FillRun run) {
    static const std::array<QString, 3> words = {QStringLiteral("MORNING"), QStringLiteral("AFTERNOON"),
                                                 QStringLiteral("EVENING")};
    ItineraryText result;
    result.headings = QStringList(4);
    QString& text = result.text;

    int k = 1;
    for (int part = 0; part < 3; ++part) {
        const QVector<SuggestedAttraction>& rows = parts[size_t(part)];
        const QString heading = words[size_t(part)] + kCrLf + kCrLf;
        // The morning heading opens the text only when the morning has rows;
        // the afternoon heading always follows; the evening heading always
        // when the window opens, and only over rows after a park is chosen.
        bool writeHeading = true;
        if (part == 0)
            writeHeading = !rows.isEmpty();
        else if (part == 2 && run == FillRun::ParkChoice)
            writeHeading = !rows.isEmpty();
        if (writeHeading) {
            text += part == 0 ? heading : kCrLf + heading;
            result.headings[k] = heading;
        }
        int n = 1; // the numbering starts again in each part of the day
        for (const SuggestedAttraction& row : rows) {
            text += QString::number(n) + QStringLiteral(". ") + row.name + QLatin1Char('.');
            if (!row.timeTip.isEmpty())
                text += kCrLf + QStringLiteral("- ") + row.timeTip + kCrLf + kCrLf;
            else
                text += kCrLf;
            ++n;
        }
        ++k;
    }
    result.headingCount = k;
    return result;
}

} // namespace itinerary
