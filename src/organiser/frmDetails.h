#pragma once

#include "common/DayPaging.h"
#include "organiser/TripJournal.h"
#include "platform/Forms.h"

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace platform {
class Database;
}

namespace common {
class DatePicker;
class CommandButton;
class DropDownList;
class HoverLink;
class PictureButton;
class TextBox;
} // namespace common

// The trip journal: what happened on each day of a trip (the date, the places
// visited, the day's details, attractions and food), one page per trip and
// day, moved through day by day; it prints the stored days and blank pages to
// fill in by hand.
class frmDetails : public platform::Form {
    Q_OBJECT
public:
    frmDetails();
    ~frmDetails() override;

    void Form_Load() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cbDayNum_Click();
    void cbTrip_Click();
    void cmdUpdate_Click();
    void cmdNextDay_Click();
    void Command5_Click();
    void Command1_Click();
    void Label9_Click();
    void mnuPrint_Click();
    void mnuHome_Click();
    void ShowWeekdayCaption();

    // The place boxes in column order: chkMagic, Check1 .. Check7.
    std::array<QCheckBox*, organiser::kJournalPlaceCount> placeBoxes() const;

    QLabel* Label2 = nullptr;
    common::PictureButton* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    common::DatePicker* dtStart = nullptr;
    QLabel* Label6 = nullptr;
    common::TextBox* cbDayNum = nullptr;
    QLabel* Picture6 = nullptr;
    QLabel* Label5 = nullptr;
    common::DropDownList* cbTrip = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QCheckBox* chkMagic = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    common::TextBox* txtOther = nullptr;
    QLabel* Label12 = nullptr;
    QPlainTextEdit* txtDetails = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* txtFavorite = nullptr;
    QLabel* Label4 = nullptr;
    QPlainTextEdit* txtDifferent = nullptr;
    common::HoverLink* Label9 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture4 = nullptr;
    common::PictureButton* Picture5 = nullptr;
    common::PictureButton* Picture2 = nullptr;
    common::CommandButton* cmdUpdate = nullptr;
    common::CommandButton* Command5 = nullptr;
    common::CommandButton* cmdNextDay = nullptr;
    common::CommandButton* Command1 = nullptr;
    common::DropDownList* cbDayNum1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuHome = nullptr;

    void buildPlaces(QWidget* c);
    void buildPanes(QWidget* c);
    void buildButtons(QWidget* c);

    // Empties the panes, unticks the places and names the other place "Other".
    void clearDay();
    void showDay(const organiser::JournalDay& day);
    // Clears the page and shows the stored day; false when it has no row.
    bool LoadJournalDay(int tripNum, int dayNum);
    // Saves the shown day under the keys; false when it could not be stored.
    bool SaveJournalDay(const common::DayKeys& keys);
    // The day and trip boxes as keys; a clear message when one is not a whole number.
    std::optional<common::DayKeys> shownKeys() const;
    std::optional<int> tripBoxNumber() const;
    void moveByOneDay(common::DayStep step);
    // Asks how many; nothing, and no message, when the answer gives none.
    std::optional<int> askPrintCount(const QString& prompt, const QString& title);

    std::unique_ptr<platform::Database> m_db;
};
