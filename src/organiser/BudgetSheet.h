#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

// The arithmetic of the trip budget, without any widget: eight cost lines,
// each a unit cost times a multiplier taken from the group size or the trip
// length, their amounts in the user's currency format and the grand total.
namespace organiser {

constexpr int kBudgetLineCount = 8;

// The budget's lines in the order they are shown, printed and stored.
enum BudgetLine {
    Airfare,
    AdultFood,
    KidsFood,
    Hotel,
    Souvenirs,
    CarRental,
    AdultPark,
    KidsPark,
};

// What the user typed: the group size, the trip length and the eight unit costs.
struct BudgetInputs {
    QString adults = QStringLiteral("0");
    QString kids = QStringLiteral("0");
    QString nights = QStringLiteral("0");
    QString days = QStringLiteral("0");
    std::array<QString, kBudgetLineCount> costs{"0", "0", "0", "0", "0", "0", "0", "0"};
};

// What the window shows for the inputs. A line whose cost or multiplier does
// not read as a number keeps its previous total, so the figures are updated
// in place rather than computed afresh.
struct BudgetFigures {
    std::array<QString, kBudgetLineCount> multipliers{"0", "0", "0", "0", "0", "0", "0", "0"};
    std::array<QString, kBudgetLineCount> lineTotals{"0", "0", "0", "0", "0", "0", "0", "0"};
    std::array<QString, kBudgetLineCount> amounts{"0", "0", "0", "0", "0", "0", "0", "0"};
    QString grandTotal = QStringLiteral("0");
    // The heading over the amounts ("5 day total:"), once the day count has
    // been above zero; it keeps its last caption afterwards.
    std::optional<QString> dayHeading;
};

// How the airfare head count (adults plus children, as whole numbers) came out.
enum class HeadCount {
    Counted,
    NotANumber, // the adults or children text does not read as a number
    TooLarge,   // a count or the sum lies outside -32768 to 32767
};

// The text shown when the head count does not fit.
QString headCountTooLargeMessage();

// A number typed in the user's locale: digit grouping and the currency sign
// are accepted, an amount in brackets is negative. Nothing for any other text.
std::optional<double> readBudgetNumber(const QString& text, const QLocale& locale);

// Updates the total and amount of one line from its multiplier and cost; the
// food lines' amounts are for all days. The grand total is not touched.
void updateBudgetLine(int line, const BudgetInputs& inputs, BudgetFigures& figures, const QLocale& locale);
// The grand total: the sum of the eight amounts as displayed.
void sumBudget(BudgetFigures& figures, const QLocale& locale);
// Every multiplier, every line, the grand total and the day heading. A head
// count that cannot be taken leaves the airfare multiplier as it was.
HeadCount recalculateBudget(const BudgetInputs& inputs, BudgetFigures& figures, const QLocale& locale);

// The text of the printed budget: each line's label and amount, the total.
QString budgetPrintText(const BudgetFigures& figures);

// The Budget column that stores each input: the four counts, then the costs.
QString budgetColumn(int input);
constexpr int kBudgetInputCount = 4 + kBudgetLineCount;
// The statements that store the inputs; both bind the twelve texts in column order.
QString budgetInsertSql();
QString budgetUpdateSql();

} // namespace organiser
