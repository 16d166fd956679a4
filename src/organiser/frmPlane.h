#pragma once

#include "organiser/ReservationRecord.h"
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
class HoverLink;
class PictureButton;
class TextBox;
} // namespace common

// The flight and hotel reservation record: twelve free-text fields kept as
// the one row of ArriveInfo, saved together and printed on one page.
class frmPlane : public platform::Form {
    Q_OBJECT
public:
    frmPlane();
    ~frmPlane() override;

    void Form_Load() override;

private:
    void Command1_Click();
    void mnuPrint_Click();
    void mnuClose_Click();
    void Label9_Click();

    // The boxes in field order (hotel first, airline phone last).
    std::array<common::TextBox*, organiser::kReservationFieldCount> fieldBoxes() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    common::HoverLink* Label9 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 8> Label5{};
    QLabel* Label6 = nullptr;
    common::TextBox* txtHotel = nullptr;
    common::TextBox* txtConfirmation = nullptr;
    common::TextBox* txtPhone = nullptr;
    common::TextBox* txtCheckIn = nullptr;
    common::TextBox* txtCheckOut = nullptr;
    std::array<common::TextBox*, 2> txtToNumbers{};
    std::array<common::TextBox*, 2> txttoDepart{};
    std::array<common::TextBox*, 2> txtToArrive{};
    common::TextBox* txtAirlinePhone = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Label8 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture2 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    common::CommandButton* Command1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;

    void SaveReservationRecord();
    void LoadRecord();

    std::unique_ptr<platform::Database> m_db;
};
