#include "common/WholeNumber.h"

#include "platform/Services.h"

#include <QLocale>
#include <cmath>

namespace common {

std::optional<int> readKey(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < kSmallestWholeNumber || n > kLargestWholeNumber)
        return std::nullopt;
    return n;
}

std::optional<int> roundToWholeNumber(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the default rounding mode, which sends a half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < kSmallestWholeNumber || rounded > kLargestWholeNumber)
        return std::nullopt;
    return int(rounded);
}

std::optional<int> addWholeNumbers(int a, int b) {
    const qint64 sum = qint64(a) + b;
    if (sum < kSmallestWholeNumber || sum > kLargestWholeNumber)
        return std::nullopt;
    return int(sum);
}

std::optional<int> readWholeNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = platform::programLocale().toDouble(trimmed, &ok);
    // A number in the plain form ("2.5") is read in any locale as well.
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        return std::nullopt;
    return roundToWholeNumber(value);
}

CountAnswer readCountAnswer(const QString& answer) {
    if (answer.isEmpty())
        return {};
    if (const auto n = readWholeNumber(answer))
        return {CountAnswer::Count, *n};
    return {CountAnswer::NotANumber, 0};
}

} // namespace common
