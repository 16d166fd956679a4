#pragma once

#include "platform/Forms.h"

#include <array>

class QAction;
class QLabel;
class QScrollBar;

namespace common {
class HoverLink;
class PictureButton;
class RichTextBox;
} // namespace common

// The guide to the resort's own hotels: advice drawn from the trip profile,
// the price seasons, and every hotel listed under its category.
class frmHotels : public platform::Form {
    Q_OBJECT
public:
    frmHotels();

    void Form_Load() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mnuPrint_Click();
    void mnuClose_Click();
    void Label9_MouseDown();

    QLabel* Label1 = nullptr;
    QLabel* Picture2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 2> Label5{};
    std::array<QLabel*, 4> Label6{};
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    common::HoverLink* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    common::RichTextBox* rtParks = nullptr;
    QScrollBar* VScroll1 = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;
};
