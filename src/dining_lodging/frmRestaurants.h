#pragma once

#include "platform/Forms.h"

class QAction;
class QLabel;

namespace common {
class PictureButton;
class RichTextBox;
} // namespace common

// "Eating in Walt Disney World": every park's restaurants in one numbered
// overview. Nothing in the program opens it; it is kept for completeness of
// the guide.
class frmRestaurants : public platform::Form {
    Q_OBJECT
public:
    frmRestaurants();

    void Form_Load() override;
    void mnuPrint_Click();
    void mnuHome_Click();

    QLabel* Label1 = nullptr;
    common::RichTextBox* rtParks = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuHome = nullptr;
};
