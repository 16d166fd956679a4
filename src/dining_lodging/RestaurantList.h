#pragma once

#include "common/PanePage.h"
#include "dining_lodging/DiningText.h"

namespace platform {
class Recordset;
}

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

// The rows of a Reservations query, as the lists read them.
QList<RestaurantRow> readRestaurantRows(platform::Recordset& rs);

// The frame the restaurant windows share: a dark blue page whose pane, of
// `paneHeight`, stands below the title, the Print and Close pictures under it
// and a File menu of Print and the close item `closeItem` (`closeCaption`).
common::PanePageFrame restaurantFrame(const QString& formName, const QString& caption, int paneHeight,
                                      const QString& closeItem, const QString& closeCaption,
                                      const QString& printHeader);

// A read-only list of a park's (or the resorts') restaurants with a price
// legend and a reservation note; prints the list.
class RestaurantList : public common::PanePage {
    Q_OBJECT
public:
    explicit RestaurantList(RestaurantListKind kind);

protected:
    void fillPage(platform::Database& content) override;

private:
    const RestaurantListKind m_kind;
};

} // namespace dining_lodging
