#pragma once

#include "itinerary/SuggestionEngine.h"
#include "platform/Forms.h"

#include <array>
#include <memory>

class QAction;
class QLabel;

namespace platform {
class Database;
}

namespace common {
class DropDownList;
class HoverLink;
class PictureButton;
class RichTextBox;
} // namespace common

// The itinerary suggestions: the suggested day in one park, built from the
// trip profile, with the park's advice, its tip page and the ride look-up.
class frmParks : public platform::Form {
    Q_OBJECT
public:
    frmParks();

    void Form_Load() override;

    // The tip page for a position in the park list; -1 (no item chosen) and
    // any other position give the Magic Kingdom page.
    static QString tipPageFor(int listPosition);

private:
    void Combo1_Click();
    void lblTipLink_Click();
    void Picture7_Click();
    void mnuExport1_Click();
    void mnuPrint_Click();
    void mnuHome_Click();
    void Picture2_Click();

    common::PictureButton* Picture7 = nullptr;
    std::array<QLabel*, 2> Label9{};
    common::DropDownList* Combo1 = nullptr;
    QLabel* lblVisit = nullptr;
    QLabel* Label10 = nullptr;
    common::RichTextBox* rtParks2 = nullptr;
    QLabel* Label8 = nullptr;
    common::HoverLink* lblTipLink = nullptr;
    common::PictureButton* Picture2 = nullptr;
    common::PictureButton* Picture1 = nullptr;
    QAction* mnuExport1 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuHome = nullptr;

    void showParkAdvice(int park);
    std::optional<itinerary::MatchValues> readProfile();
    void BuildParkItinerary(int park, itinerary::FillRun run);

    std::unique_ptr<platform::Database> m_db;
};

namespace itinerary {

// The exported file's text: the pane's text with CR LF line ends, and one CR LF more.
QString exportText(const QString& paneText);

} // namespace itinerary
