#pragma once

#include "platform/Forms.h"

class QAction;

namespace common {
class PictureButton;
}

// The chart of the resort hotels by category: one picture, the window sized
// to it; a click on the picture prints an image of the window.
class frmHotelCategory : public platform::Form {
    Q_OBJECT
public:
    frmHotelCategory();

    void Form_Load() override;

private:
    void mnuPrint_Click();
    void mnuClose_Click();

    common::PictureButton* Picture1 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;
};
