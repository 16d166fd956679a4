#pragma once

#include "organiser/ReservationRecord.h"
#include "platform/Forms.h"

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace platform {
class Database;
}

namespace common {
class HoverLink;
class PictureButton;
} // namespace common

// The flight and hotel reservation record: twelve free-text fields kept as
// the one row of ArriveInfo, saved together and printed on one page.
class frmPlane : public platform::Form {
    Q_OBJECT
public:
    frmPlane();
    ~frmPlane() override;

    void Form_Load() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void mnuPrint_Click();
    void mnuClose_Click();
    void Label9_Click();

    // The boxes in field order (hotel first, airline phone last).
    std::array<QLineEdit*, organiser::kReservationFieldCount> fieldBoxes() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    common::HoverLink* Label9 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 8> Label5{};
    QLabel* Label6 = nullptr;
    QLineEdit* txtHotel = nullptr;
    QLineEdit* txtConfirmation = nullptr;
    QLineEdit* txtPhone = nullptr;
    QLineEdit* txtCheckIn = nullptr;
    QLineEdit* txtCheckOut = nullptr;
    std::array<QLineEdit*, 2> txtToNumbers{};
    std::array<QLineEdit*, 2> txttoDepart{};
    std::array<QLineEdit*, 2> txtToArrive{};
    QLineEdit* txtAirlinePhone = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Label8 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture2 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QPushButton* Command1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;

    void SaveReservationRecord();
    void LoadRecord();

    std::unique_ptr<platform::Database> m_db;
};
