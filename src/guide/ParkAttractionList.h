#pragma once

#include "common/PanePage.h"
#include "guide/PaneSpans.h"

#include <array>

namespace platform {
class Database;
class Recordset;
} // namespace platform

namespace guide {

// One row of a list: its text and how many of its first characters are the
// row's marker or name.
struct ParkListRow {
    QString text;
    int lead = 0;
};

// What differs between the three park attraction lists (Fastpass, height
// limits, favourites).
struct ParkListKind {
    QString formName;
    QString caption;
    QString intro; // Label1
    QString note;  // Label2 (Fastpass only)
    QString query; // one ? for the park's key
    std::array<int, 4> keys{};
    // Written to the pane; a heading's trailing blanks are not coloured.
    std::array<QString, 4> headings;
    ParkListRow (*row)(const platform::Recordset&) = nullptr;
    bool whiteLead = false; // the lead is a marker, whitened; otherwise a name
    QString printHeader;
    enum class Decoration { None, Ruler, Star };
    Decoration picture = Decoration::None; // the decoration picture Picture2
};

const ParkListKind& fastpassKind();
const ParkListKind& heightKind();
const ParkListKind& favoriteKind();

// The pane's text (paragraphs separated by line feeds) and where each park's
// heading and each row's lead stand in it.
struct ParkListPage {
    QString text;
    QVector<TextSpan> headings;
    QVector<TextSpan> leads;
    // What the user is told about each park whose rows could not be read
    // (its heading stands without rows).
    QStringList failures;
};

// Reads the four parks' rows and composes the page: per park its heading and
// an empty line, one line per row, an empty line.
ParkListPage composeParkList(const ParkListKind& kind, platform::Database& content);

// The window of the family: an introduction, one read-only pane with the
// list, Print and Close.
class ParkAttractionList : public common::PanePage {
    Q_OBJECT
public:
    explicit ParkAttractionList(ParkListKind kind);

protected:
    void fillPage(platform::Database& content) override;

private:
    const ParkListKind m_kind;
};

} // namespace guide
