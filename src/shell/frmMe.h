#pragma once

#include "platform/Forms.h"

#include <array>

class QLabel;

namespace common {
class PictureButton;
}

// "About": the program's title, a disclaimer, the sources of the guide's
// information and the credits.
class frmMe : public platform::Form {
    Q_OBJECT
public:
    frmMe();

private:
    void Picture9_Click();

    QLabel* lblTitle = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* lblReferences = nullptr;
    std::array<QLabel*, 3> lblReference{};
    std::array<QLabel*, 2> lblCredit{};
    common::PictureButton* Picture9 = nullptr;
};
