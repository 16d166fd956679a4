#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Text composition of the restaurant lists and the guest review viewers:
// plain functions over plain rows, so the windows only read rows and show text.
namespace dining_lodging {

// One restaurant row as the lists read it. Null texts arrive empty; a Null
// price or service arrives as 0.
struct RestaurantRow {
    QString location;
    QString parkLand;
    QString description;
    int expense = 0;
    int serviceType = 0;
    QString cuisine;
};

// "Inexpensive", the moderate word ("Moderately Priced" in the park lists,
// "Moderate" in the resort list) or "Expensive" for any other value.
QString priceWord(int expense, bool resortWording);
// "Counter Service", "Sit Down Meal" or the empty text for any other value.
QString serviceWord(int serviceType);

// A restaurant list's pane text and the entries its formatting needs: the
// names from entry 1 (entry 0 unused), the area headings from entry 0.
struct RestaurantPage {
    QString text;
    QStringList names;
    QStringList headings;
};

// A park's list: each row gives the name, `separator`, the land and the price,
// service and description, followed by a blank line.
RestaurantPage composeParkRestaurants(const QList<RestaurantRow>& rows, const QString& separator);
// The resort list: rows grouped under a heading line per area; a new heading
// starts whenever the area differs from the row before (exact comparison) or
// the row before had no area, so every row without one stands under an empty
// heading line of its own.
RestaurantPage composeResortRestaurants(const QList<RestaurantRow>& rows);

// The all-parks overview: one numbered section per park (park 1 first). The
// Magic Kingdom rows give land, price, service and cuisine; the other parks'
// rows give description and land.
QString composeAllRestaurants(const QList<QList<RestaurantRow>>& parks);

// One guest review; every field as its value reads as text, Null as empty.
struct Review {
    QString title;
    QString date;
    QString details;
    QString pros;
    QString cons;
    QString quality;
    QString friendly;
    QString cleanliness;
    QString atmosphere;
    QString age;
    QString name;
};

// The eleven labelled lines of one review.
QString reviewBlock(const Review& review);
// Every review's block, a line of underscores between two blocks.
QString reviewsText(const QList<Review>& reviews);

} // namespace dining_lodging
