#pragma once

#include <QString>
#include <QVector>

// The resort comparison page: one HTML table row per resort, written as
// Hotels.htm in the program's folder and shown in a browser pane.
namespace dining_lodging {

// One resort as the comparison table lists it; Null columns are empty texts.
// Values go into the page as stored: the content is the program's own and may
// carry markup of its own.
struct ResortInfo {
    QString name;
    QString setting;
    QString dining;
    QString category;
    QString numPeople;
    QString roomSize;
    QString closestTo;
};

// The page text, without any line break of its own; rows alternate white and
// yellow, starting with white.
QString resortComparisonPage(const QVector<ResortInfo>& resorts);

// Replaces the file at `path` with the page as one line (text and CR LF). The
// old file stays whole unless the new one is written completely. On failure
// gives false and, when asked, the reason.
bool writeResortComparisonPage(const QString& path, const QString& page, QString* error = nullptr);

} // namespace dining_lodging
