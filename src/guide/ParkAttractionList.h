#pragma once

#include "platform/Forms.h"

#include <QStringList>
#include <array>

class QAction;
class QLabel;
class QFrame;

namespace platform {
class Database;
class Recordset;
} // namespace platform

namespace common {
class PictureButton;
class RichTextBox;
} // namespace common

namespace guide {

// What differs between the three park attraction lists (Fastpass, height
// limits, favourites).
struct ParkListKind {
    QString formName;
    QString caption;
    QString intro; // Label1
    QString note;  // Label2 (Fastpass only)
    QString query; // one ? for the park's key
    std::array<int, 4> keys{};
    std::array<QString, 4> paneHeadings; // written to the pane
    std::array<QString, 4> listHeadings; // handed to BoldText (coloured red)
    QString (*rowText)(const platform::Recordset&) = nullptr;
    QString (*rowEntry)(const platform::Recordset&) = nullptr;
    QString printHeader;
    enum class Decoration { None, Ruler, Star };
    Decoration picture = Decoration::None; // the decoration picture Picture2
};

const ParkListKind& fastpassKind();
const ParkListKind& heightKind();
const ParkListKind& favoriteKind();

// The pane's text and the two lists that BoldText formats: rows from entry 1
// (entry 0 unused), headings from entry 0.
struct ParkListPage {
    QString text;
    QStringList rowEntries;
    QStringList headingEntries;
};

// Reads the four parks' rows and composes the page.
ParkListPage composeParkList(const ParkListKind& kind, platform::Database& content);

// The window of the family: an introduction, one read-only pane with the
// list, Print and Close.
class ParkAttractionList : public platform::Form {
    Q_OBJECT
public:
    explicit ParkAttractionList(const ParkListKind& kind);

    void Form_Load() override;

    void mnuPrint_Click();
    void mnuHome_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Picture2 = nullptr;
    common::RichTextBox* rtParks = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuHome = nullptr;

private:
    const ParkListKind& m_kind;
};

} // namespace guide
