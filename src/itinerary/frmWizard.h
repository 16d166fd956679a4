#pragma once

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
class DatePicker;
class DropDownList;
class PictureButton;
} // namespace common

// The trip wizard: seven questions about the trip whose answers become the
// trip profile; "Continue" stores them and goes on to the checklist.
class frmWizard : public platform::Form {
    Q_OBJECT
public:
    frmWizard();
    ~frmWizard() override;

    void Form_Load() override;
    // The close box leaves like "Return to Home Page": nothing is stored and
    // the main window, closed when the wizard was opened, comes back.
    void closeAction() override;

private:
    void Picture2_Click();
    void mnuReturn_Click();

    QLabel* Picture1 = nullptr;
    std::array<QLabel*, 2> Label1{};
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    common::DatePicker* DTPicker1 = nullptr;
    common::DropDownList* cbAdults = nullptr;
    common::DropDownList* cbChildren = nullptr;
    common::DropDownList* cbWimp = nullptr;
    common::DropDownList* cboWet = nullptr;
    common::DropDownList* cboTheatre = nullptr;
    common::DropDownList* cboResort = nullptr;
    common::PictureButton* Picture2 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuReturn = nullptr;

    void SaveTripProfile();

    std::unique_ptr<platform::Database> m_db;
};
