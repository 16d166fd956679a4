#pragma once

#include "platform/Forms.h"

#include <memory>

class QLabel;
class QPlainTextEdit;

namespace platform {
class Database;
}

namespace common {
class ListBox;
class PictureButton;
} // namespace common

// The quick restaurant look-up: every place of the restaurant table by name;
// clicking a name shows its description and where it lies.
class frmQuickRestaurant : public platform::Form {
    Q_OBJECT
public:
    frmQuickRestaurant();
    ~frmQuickRestaurant() override;

    void Form_Load() override;

private:
    void lstRides_Click();
    void Picture1_Click();

    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    common::ListBox* lstRides = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* txtRide = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    common::PictureButton* Picture1 = nullptr;

    std::unique_ptr<platform::Database> m_content;
};
