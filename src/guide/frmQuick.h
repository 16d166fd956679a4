#pragma once

#include "platform/Forms.h"

#include <memory>

class QLabel;
class QTextEdit;

namespace platform {
class Database;
}

namespace common {
class ListBox;
class PictureButton;
} // namespace common

// The quick ride look-up: every attraction of the four parks by name; a click
// shows the attraction's description and its park.
class frmQuick : public platform::Form {
    Q_OBJECT
public:
    frmQuick();

    void Form_Load() override;

    // The park's name for a ParkId; empty for any other number.
    static QString parkName(int parkId);

private:
    void lstRides_Click();
    void Picture1_Click();

    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    common::ListBox* lstRides = nullptr;
    QLabel* Label2 = nullptr;
    QTextEdit* txtRide = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    common::PictureButton* Picture1 = nullptr;

    std::unique_ptr<platform::Database> m_db;
};
