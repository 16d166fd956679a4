#pragma once

#include "dining_lodging/DiningText.h"
#include "platform/Forms.h"

class QAction;
class QLabel;
class QScrollBar;

namespace platform {
class Recordset;
}

namespace common {
class PictureButton;
class RichTextBox;
} // namespace common

namespace dining_lodging {

// What differs between the five restaurant lists.
struct RestaurantListKind {
    QString formName;
    QString caption;
    QString title; // Label1
    QString query;
    // Between name and land in a park list; the resort list (`resort` true)
    // shows the land as a heading above its rows instead.
    QString separator;
    bool resort = false;
    QString printHeader;
};

// The five lists in menu order: Magic Kingdom, Epcot, MGM, Animal Kingdom,
// resorts and Downtown Disney.
const QList<RestaurantListKind>& restaurantListKinds();

// A read-only list of a park's (or the resorts') restaurants with a price
// legend and a reservation note; prints the list.
// The rows of a Reservations query, as the lists read them.
QList<RestaurantRow> readRestaurantRows(platform::Recordset& rs);

class RestaurantList : public platform::Form {
    Q_OBJECT
public:
    explicit RestaurantList(const RestaurantListKind& kind);

    void Form_Load() override;

    void mnuPrint_Click();
    void mnuClose_Click();

    QLabel* Label1 = nullptr;
    QLabel* Picture2 = nullptr;
    common::RichTextBox* rtParks = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;

private:
    const RestaurantListKind& m_kind;
};

} // namespace dining_lodging
