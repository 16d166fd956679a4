#pragma once

#include "common/PanePage.h"

#include <array>

class QLabel;

namespace common {
class HoverLink;
} // namespace common

// The guide to the resort's own hotels: advice drawn from the trip profile,
// the price seasons, and every hotel listed under its category.
class frmHotels : public common::PanePage {
    Q_OBJECT
public:
    frmHotels();

protected:
    void fillPage(platform::Database& db) override;
    // The seasons and the reservation line over the list.
    QString printText() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
};
