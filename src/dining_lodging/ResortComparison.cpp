#include "dining_lodging/ResortComparison.h"

#include "platform/SafeFile.h"

namespace dining_lodging {

namespace {

QString cell(const QString& value) {
    return QStringLiteral("<td>") + value + QStringLiteral("</td>");
}

} // namespace

QString resortComparisonPage(const QVector<ResortInfo>& resorts) {
    QString page = QStringLiteral("<html><body><center><h3>Walt Disney World Resort Comparison</h3></center>"
                                  "<table width='100%' align='center' border = '0' cellspacing='0' cellpadding='0'>"
                                  "<tr><td width='15%'><b>Hotel Name</b></td><td width='15%'><b>Theme</b></td>"
                                  "<td width='15%'><b>Dining Options</b></td><td width='20%'><b>Amenities</b></td>"
                                  "<td width='10%'><b>Category</b></td><td width='10%'><b>Holds</b></td>"
                                  "<td width='5%'><b>Room Size</b></td><td width='10%'><b>Closest To</b></td></tr>"
                                  "<tr><td width='15%'><hr/></td><td width='15%'><hr/></td><td width='15%'><hr/></td>"
                                  "<td width='20%'><hr/></td><td width='10%'><hr/></td><td width='10%'><hr/></td>"
                                  "<td width='5%'><hr/></td><td width='10%'><hr/></td></tr>");
    bool white = false;
    for (const ResortInfo& r : resorts) {
        white = !white;
        page += QStringLiteral("<tr bgcolor = ") + (white ? QStringLiteral("white") : QStringLiteral("yellow")) +
                QStringLiteral(">") + cell(r.name) + cell(r.setting) + cell(r.dining) +
                QStringLiteral("<td><a href=''>View Amenities</a></td>") + cell(r.category) + cell(r.numPeople) +
                cell(r.roomSize) + cell(r.closestTo) + QStringLiteral("</tr>");
    }
    page += QStringLiteral("</table></body></html>");
    return page;
}

bool writeResortComparisonPage(const QString& path, const QString& page, QString* error) {
    return platform::saveWholeFile(path, (page + QStringLiteral("\r\n")).toUtf8(), error);
}

} // namespace dining_lodging
