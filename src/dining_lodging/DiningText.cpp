#include "dining_lodging/DiningText.h"

namespace dining_lodging {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");
const QString kDash = QStringLiteral(" - ");

} // namespace

QString priceWord(int expense, bool resortWording) {
    switch (expense) {
    case 1:
        return QStringLiteral("Inexpensive");
    case 2:
        return resortWording ? QStringLiteral("Moderate") : QStringLiteral("Moderately Priced");
    default:
        return QStringLiteral("Expensive");
    }
}

QString serviceWord(int serviceType) {
    switch (serviceType) {
    case 1:
        return QStringLiteral("Counter Service");
    case 2:
        return QStringLiteral("Sit Down Meal");
    default:
        return QString();
    }
}

QString composeAllRestaurants(const QList<QList<RestaurantRow>>& parks) {
    static const QString titles[] = {QStringLiteral("Magic Kingdom Restaurants:"), QStringLiteral("Epcot Restaurants:"),
                                     QStringLiteral("MGM Restaurants:"), QStringLiteral("Animal Kingdom Restaurants:")};
    QString text;
    for (int park = 0; park < parks.size() && park < 4; ++park) {
        text += titles[park] + kBlankLine;
        int n = 1;
        for (const RestaurantRow& row : parks[park]) {
            text += QString::number(n++) + QStringLiteral(".  ") + row.location + kDash;
            if (park == 0)
                text += row.parkLand + kDash + priceWord(row.expense, true) + kDash + serviceWord(row.serviceType) +
                        kDash + row.cuisine;
            else
                text += row.description + kDash + row.parkLand;
            text += kCrLf;
        }
        text += kCrLf;
    }
    return text;
}

RestaurantPage composeParkRestaurants(const QList<RestaurantRow>& rows, const QString& separator) {
    RestaurantPage page;
    page.names << QString(); // entry 0 is not used
    for (const RestaurantRow& row : rows) {
        page.names << row.location;
        page.text += QStringLiteral("  ") + row.location + separator + row.parkLand + kDash +
                     priceWord(row.expense, false) + kDash + serviceWord(row.serviceType) + kDash + row.description +
                     kBlankLine;
    }
    page.text += kCrLf;
    return page;
}

RestaurantPage composeResortRestaurants(const QList<RestaurantRow>& rows) {
    RestaurantPage page;
    page.names << QString(); // entry 0 is not used
    // An empty heading is never carried on: each row without an area starts
    // a heading line of its own, an empty one.
    QString heading;
    for (const RestaurantRow& row : rows) {
        if (heading.isEmpty() || row.parkLand != heading) {
            heading = row.parkLand;
            page.text += heading + kCrLf;
            page.headings << heading;
        }
        page.names << QStringLiteral("  ") + row.location;
        page.text += QStringLiteral("  ") + row.location + kDash + priceWord(row.expense, true) + kDash +
                     serviceWord(row.serviceType) + kDash + row.description + kBlankLine;
    }
    page.text += kCrLf;
    return page;
}

QString reviewBlock(const Review& r) {
    const QString outOfTen = QStringLiteral("/10");
    return QStringLiteral("Title: ") + r.title + kBlankLine + QStringLiteral("Date: ") + r.date + kBlankLine +
           QStringLiteral("Details: ") + r.details + kBlankLine + QStringLiteral("Pros: ") + r.pros + kBlankLine +
           QStringLiteral("Cons: ") + r.cons + kBlankLine + QStringLiteral("Accomodations: ") + r.quality + outOfTen +
           kCrLf + QStringLiteral("Friendlieness of Staff: ") + r.friendly + outOfTen + kCrLf +
           QStringLiteral("Cleanliness: ") + r.cleanliness + outOfTen + kCrLf + QStringLiteral("Atmosphere: ") +
           r.atmosphere + outOfTen + kBlankLine + QStringLiteral("Ages of group: ") + r.age + kBlankLine +
           QStringLiteral("Name: ") + r.name + kBlankLine;
}

QString reviewsText(const QList<Review>& reviews) {
    const QString separator = QString(43, QLatin1Char('_')) + kBlankLine;
    QString text;
    for (qsizetype i = 0; i < reviews.size(); ++i) {
        if (i > 0)
            text += separator;
        text += reviewBlock(reviews[i]);
    }
    return text;
}

} // namespace dining_lodging
