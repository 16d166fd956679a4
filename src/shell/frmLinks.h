#pragma once

#include "platform/Forms.h"

class QLabel;

namespace common {
class HoverLink;
class PictureButton;
} // namespace common

// "Web Links": five links that open web sites in the default browser.
class frmLinks : public platform::Form {
    Q_OBJECT
public:
    frmLinks();

    void Form_Load() override;

    // The address each link opens, by the link's name; it is also its caption.
    static QString address(const QString& linkName);

private:
    void Picture9_Click();

    QLabel* Label5 = nullptr;
    common::HoverLink* Label1 = nullptr;
    common::HoverLink* Label2 = nullptr;
    common::HoverLink* Label3 = nullptr;
    QLabel* Label8 = nullptr;
    common::HoverLink* Label4 = nullptr;
    common::HoverLink* Label6 = nullptr;
    QLabel* Picture2 = nullptr;
    common::PictureButton* Picture9 = nullptr;
};
