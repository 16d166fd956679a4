#pragma once

#include "organiser/BudgetSheet.h"
#include "platform/Forms.h"

#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace platform {
class Database;
}

namespace common {
class CommandButton;
class DropDownList;
class PictureButton;
class TextBox;
} // namespace common

// The trip budget: the group size, the trip length and eight unit costs give
// each cost line's amount and the grand total, recomputed as the user types.
// The inputs are kept as the one row of the Budget table.
class frmBudget : public platform::Form {
    Q_OBJECT
public:
    frmBudget();
    ~frmBudget() override;

    void Form_Load() override;

private:
    void Command1_Click();
    void mnuPrint_Click();
    void mnuExit_Click();

    // The cost boxes in line order (airfare first, children's park tickets last).
    std::array<common::TextBox*, organiser::kBudgetLineCount> costBoxes() const;
    // The four counts in stored order: adults, children, nights, days.
    std::array<common::DropDownList*, 4> countBoxes() const;

    QLabel* Picture1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    std::array<QLabel*, 4> Label1{};
    common::DropDownList* cboAdults = nullptr;
    common::DropDownList* cboKids = nullptr;
    common::DropDownList* cboNights = nullptr;
    common::DropDownList* cboDays = nullptr;
    // Members 0 to 7 caption the cost lines, member 8 the grand total.
    std::array<QLabel*, organiser::kBudgetLineCount + 1> Label2{};
    common::TextBox* txtAirfare = nullptr;
    common::TextBox* txtAdultFood = nullptr;
    common::TextBox* txtKidsFood = nullptr;
    common::TextBox* txtHotel = nullptr;
    common::TextBox* txtSouvenier = nullptr;
    common::TextBox* txtCarRental = nullptr;
    common::TextBox* txtAdultPark = nullptr;
    common::TextBox* txtKidsPark = nullptr;
    std::array<QLabel*, organiser::kBudgetLineCount> Label3{};
    std::array<QLabel*, organiser::kBudgetLineCount> lblNumber{};
    std::array<QLabel*, organiser::kBudgetLineCount> Label9{};
    std::array<common::TextBox*, organiser::kBudgetLineCount> txtTotal{};
    QLabel* Label5 = nullptr;
    std::array<QLabel*, organiser::kBudgetLineCount> Label6{};
    common::TextBox* txtTotalBudget = nullptr;
    common::CommandButton* Command1 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;

    void buildCountQuestions(QWidget* c);
    void buildCostLines(QWidget* c);

    // A count changed: an emptied box gets "0" back, then everything is recomputed.
    void countChanged(common::DropDownList* box);
    // A cost changed: an emptied box gets "0" back, then its line and the total.
    void costChanged(int line);
    void RecalculateBudget();
    organiser::BudgetInputs inputs() const;
    // Shows the figures in the multiplier, total, amount and heading controls.
    void showFigures();

    std::unique_ptr<platform::Database> m_db;
    organiser::BudgetFigures m_figures;
};
