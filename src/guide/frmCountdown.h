#pragma once

#include "platform/Forms.h"

#include <array>

class QLabel;

namespace common {
class HoverLink;
class PictureButton;
} // namespace common

// "Park Hours": advice on the parks' opening hours, with links to the early
// entry page and to the resort's own park hours.
class frmCountdown : public platform::Form {
    Q_OBJECT
public:
    frmCountdown();

    void Form_Load() override {}

private:
    void Label5_Click();
    void Label6_Click();
    void Picture9_Click();

    std::array<QLabel*, 2> Label4{};
    common::HoverLink* Label5 = nullptr;
    common::HoverLink* Label6 = nullptr;
    common::PictureButton* Picture9 = nullptr;
};
