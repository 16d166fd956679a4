#include "dining_lodging/HotelGuide.h"

#include <array>

namespace dining_lodging {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
constexpr int kCategories = 5;
} // namespace

const QStringList& hotelCategoryHeadings() {
    static const QStringList headings = {
        QStringLiteral("Disney Value Resorts:"),  QStringLiteral("Disney Moderate Resorts:"),
        QStringLiteral("Disney Deluxe Resorts:"), QStringLiteral("Disney Home Away From Home Resorts:"),
        QStringLiteral("Disney Campground:"),
    };
    return headings;
}

HotelList composeHotelList(const QVector<HotelRow>& rows) {
    // Sort the rows into their categories in one pass, keeping their order.
    std::array<QVector<const HotelRow*>, kCategories> byType;
    for (const HotelRow& row : rows)
        if (row.type >= 1 && row.type <= kCategories)
            byType[row.type - 1].append(&row);

    HotelList list;
    list.names << QString();
    list.headings << QString();
    for (int c = 0; c < kCategories; ++c) {
        const QString& heading = hotelCategoryHeadings()[c];
        list.headings << heading;
        list.text += heading + kCrLf + kCrLf;
        for (const HotelRow* row : byType[c]) {
            list.names << row->hotel;
            list.text += QStringLiteral("  ") + row->hotel + QStringLiteral(" - ") + row->cost + QStringLiteral(" - ") +
                         row->description + kCrLf + kCrLf;
        }
        // The value, moderate and deluxe groups end with one more blank line;
        // the last two follow one another after a single one.
        if (c < 3)
            list.text += kCrLf + kCrLf;
    }
    return list;
}

QString hotelAdvice(const std::optional<common::TripProfile>& profile) {
    if (!profile)
        return QString();
    if (profile->lodging.value_or(1) == 1)
        return QStringLiteral("Travisto thinks you should reconsider and stay at a Disney resort.  You will receive "
                              "first class customer service and transportation to all things Disney");
    return QStringLiteral("You have made a good choice deciding to stay at a Disney resort.  You will receive first "
                          "class customer service and transportation to all things Disney");
}

QString hotelPrintText(const QString& bookingNote, const QVector<Season>& seasons, const QString& list) {
    QString text = bookingNote + kCrLf + kCrLf;
    for (const Season& season : seasons)
        text += season.name + QStringLiteral("  ") + season.dates + kCrLf;
    if (!seasons.isEmpty())
        text += kCrLf;
    return text + list;
}

} // namespace dining_lodging
