#include "organiser/BudgetSheet.h"

#include "common/WholeNumber.h"

#include <QStringList>
#include <cmath>

namespace organiser {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

constexpr std::array<const char*, kBudgetInputCount> kColumns = {"Adults",      "Kids",       "Nights",    "Days",
                                                                 "AirfareCost", "AdultsFood", "KidsFood",  "HotelCost",
                                                                 "Souvenier",   "CarRental",  "AdultPark", "KidsPark"};

constexpr std::array<const char*, kBudgetLineCount> kPrintLabels = {
    "Airfare: ",   "Adult Food: ", "Kids Food: ",          "Hotel: ",
    "Souvenirs: ", "Car Rental: ", "Adult Park Tickets: ", "Kids Park Tickets: "};

// The grand total is kept in ten-thousandths, as a 64-bit fixed-point amount.
constexpr double kCurrencyScale = 10000.0;
constexpr double kCurrencyLimit = 922337203685477.0;

bool isFoodLine(int line) {
    return line == AdultFood || line == KidsFood;
}

// A number in its plain form: no grouping, no currency sign, and only the
// decimals it needs (up to fifteen significant digits).
QString plainNumber(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0)
        value = 0; // no "-0"
    return plain.toString(value, 'g', 15);
}

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

QString headCountTooLargeMessage() {
    return QStringLiteral("The numbers of adults and children, and their sum, must lie between -32768 and 32767.");
}

std::optional<double> readBudgetNumber(const QString& text, const QLocale& locale) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(t, &ok);
    if (ok)
        return finite(value);

    // An amount as the currency format writes it: a sign, brackets, the symbol.
    bool negative = false;
    if (t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    const QString symbol = locale.currencySymbol();
    if (symbol.isEmpty() || !t.contains(symbol))
        return std::nullopt;
    t.remove(symbol);
    t = t.trimmed();
    if (t.startsWith(locale.negativeSign())) {
        negative = !negative;
        t = t.mid(locale.negativeSign().size()).trimmed();
    }
    if (t.startsWith(locale.negativeSign()) || t.startsWith(locale.positiveSign()) || t.isEmpty())
        return std::nullopt;
    value = locale.toDouble(t, &ok);
    if (!ok)
        return std::nullopt;
    return finite(negative ? -value : value);
}

void updateBudgetLine(int line, const BudgetInputs& inputs, BudgetFigures& figures, const QLocale& locale) {
    const size_t i = size_t(line);
    const auto multiplier = readBudgetNumber(figures.multipliers[i], locale);
    const auto cost = readBudgetNumber(inputs.costs[i], locale);
    if (multiplier && cost)
        if (const auto total = finite(*multiplier * *cost))
            figures.lineTotals[i] = plainNumber(*total, locale);

    const auto total = readBudgetNumber(figures.lineTotals[i], locale);
    if (!total)
        return;
    if (!isFoodLine(line)) {
        figures.amounts[i] = locale.toCurrencyString(*total);
        return;
    }
    const auto days = readBudgetNumber(inputs.days, locale);
    if (!days)
        return;
    if (const auto amount = finite(*total * *days))
        figures.amounts[i] = locale.toCurrencyString(*amount);
}

void sumBudget(BudgetFigures& figures, const QLocale& locale) {
    qint64 sum = 0;
    for (const QString& amount : figures.amounts) {
        const auto value = readBudgetNumber(amount, locale);
        if (!value)
            continue;
        const bool fits = std::fabs(*value) < kCurrencyLimit;
        if (!fits || __builtin_add_overflow(sum, qint64(std::llround(*value * kCurrencyScale)), &sum)) {
            figures.grandTotal = QStringLiteral("Too large to add up");
            return;
        }
    }
    figures.grandTotal = locale.toCurrencyString(double(sum) / kCurrencyScale);
}

HeadCount recalculateBudget(const BudgetInputs& inputs, BudgetFigures& figures, const QLocale& locale) {
    HeadCount count = HeadCount::Counted;
    const auto adults = readBudgetNumber(inputs.adults, locale);
    const auto kids = readBudgetNumber(inputs.kids, locale);
    if (!adults || !kids) {
        count = HeadCount::NotANumber;
    } else {
        // Each count is taken as a whole number first: 2.5 adults fly as 2.
        const auto wholeAdults = common::roundToWholeNumber(*adults);
        const auto wholeKids = common::roundToWholeNumber(*kids);
        const auto people = wholeAdults && wholeKids ? common::addWholeNumbers(*wholeAdults, *wholeKids) : std::nullopt;
        if (people)
            figures.multipliers[Airfare] = QString::number(*people);
        else
            count = HeadCount::TooLarge;
    }

    figures.multipliers[AdultFood] = inputs.adults;
    figures.multipliers[KidsFood] = inputs.kids;
    figures.multipliers[Hotel] = inputs.nights;
    figures.multipliers[Souvenirs] = inputs.days;
    figures.multipliers[CarRental] = inputs.days;
    figures.multipliers[AdultPark] = inputs.adults;
    figures.multipliers[KidsPark] = inputs.kids;

    for (int line = 0; line < kBudgetLineCount; ++line)
        updateBudgetLine(line, inputs, figures, locale);
    sumBudget(figures, locale);

    const auto days = readBudgetNumber(inputs.days, locale);
    if (days && *days > 0)
        figures.dayHeading = inputs.days + QStringLiteral(" day total:");
    return count;
}

QString budgetPrintText(const BudgetFigures& figures) {
    QString text;
    for (size_t i = 0; i < kPrintLabels.size(); ++i)
        text += QString::fromLatin1(kPrintLabels[i]) + figures.amounts[i] + kCrLf + kCrLf;
    return text + kCrLf + QStringLiteral("Total Disney World Budget: ") + figures.grandTotal;
}

QString budgetColumn(int input) {
    return QString::fromLatin1(kColumns[size_t(input)]);
}

QString budgetInsertSql() {
    QStringList columns;
    QStringList marks;
    for (const char* column : kColumns) {
        columns << QString::fromLatin1(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("Insert into Budget(%1) Values (%2)")
        .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

QString budgetUpdateSql() {
    QStringList assignments;
    for (const char* column : kColumns)
        assignments << QString::fromLatin1(column) + QStringLiteral(" = ?");
    // The table holds one row: the update has no WHERE clause.
    return QStringLiteral("Update Budget Set ") + assignments.join(QLatin1Char(','));
}

} // namespace organiser
