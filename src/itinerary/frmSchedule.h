#pragma once

#include "common/DayPaging.h"
#include "itinerary/ScheduleText.h"
#include "platform/Forms.h"

#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QPlainTextEdit;

namespace platform {
class Database;
}

namespace common {
class CommandButton;
class DropDownList;
class HoverLink;
class PictureButton;
class TextBox;
} // namespace common

// The day planner: one day of one numbered schedule at a time, with a park,
// attractions and notes for the morning, the afternoon and the evening, and
// three reservations. Days are kept in the user database's Schedule table.
class frmSchedule : public platform::Form {
    Q_OBJECT
public:
    frmSchedule();
    ~frmSchedule() override;

    void Form_Load() override;
    // The title-bar close box does what Close does: back to the main window.
    void closeAction() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Showing a day.
    void cbDayNum_Click();
    void cboScheduleNumber_Click();
    void cbPark1_Click();
    void cbPark2_Click();
    void cbPark3_Click();
    void LoadDay();
    // Adds the attractions of the park named `parkText` to the five lists of a
    // part of the day (0 morning, 1 afternoon, 2 evening).
    void FillAttractionLists(int part, const QString& parkText);
    void ShowWeekdayCaption();

    // Saving and moving between days.
    void cmdUpdate_Click();
    void cmdNextDay_Click();
    void Command5_Click();
    void Command1_Click();

    // The File menu.
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuHome_Click();

    // The links and the reminder pictures.
    void Label15_Click();
    void Label16_Click();
    void Label17_Click();
    void Label18_Click();
    void Picture6_Click();
    void Picture7_Click();

    QLabel* Label2 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label10 = nullptr;
    std::array<QLabel*, 3> Label7{};
    std::array<QLabel*, 3> Label12{};

    common::DropDownList* cboScheduleNumber = nullptr;
    common::TextBox* txtTSD = nullptr;
    common::DropDownList* cbDayNum = nullptr;
    common::DropDownList* cbPark1 = nullptr;
    common::DropDownList* cbPark2 = nullptr;
    common::DropDownList* cbPark3 = nullptr;
    QPlainTextEdit* txtMorning = nullptr;
    QPlainTextEdit* txtAfternoon = nullptr;
    QPlainTextEdit* txtEvening = nullptr;
    common::DropDownList* cbDescription = nullptr;
    common::DropDownList* cbDescription2 = nullptr;
    common::DropDownList* cbDescription3 = nullptr;
    common::TextBox* txtTime = nullptr;
    common::TextBox* txtTime2 = nullptr;
    common::TextBox* txtTime3 = nullptr;
    common::TextBox* txtConfirmation = nullptr;
    common::TextBox* txtConfirmation2 = nullptr;
    common::TextBox* txtConfirmation3 = nullptr;

    common::HoverLink* Label15 = nullptr;
    common::HoverLink* Label16 = nullptr;
    common::HoverLink* Label17 = nullptr;
    common::HoverLink* Label18 = nullptr;

    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture2 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture4 = nullptr;
    common::PictureButton* Picture5 = nullptr;
    common::PictureButton* Picture6 = nullptr;
    common::PictureButton* Picture7 = nullptr;

    common::CommandButton* cmdUpdate = nullptr;
    common::CommandButton* Command5 = nullptr;
    common::CommandButton* cmdNextDay = nullptr;
    common::CommandButton* Command1 = nullptr;

    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuHome = nullptr;

    // A part of the day's controls. Its five attraction lists are cbChoice1 to
    // cbChoice5 for the morning, cbChoice6 to cbChoice10 for the afternoon and
    // cbChoice11 to cbChoice15 for the evening; the fifth is never shown.
    struct PartControls {
        common::DropDownList* park = nullptr;
        std::array<common::DropDownList*, 5> rides{};
        QPlainTextEdit* notes = nullptr;
    };
    struct ReservationControls {
        common::DropDownList* place = nullptr;
        common::TextBox* time = nullptr;
        common::TextBox* confirmation = nullptr;
    };

    void buildControls();
    void buildLinksAndPictures();
    void arrangeTabOrder();

    // The clearing step of showing a day.
    void clearDay();
    // Sets the day's controls from a stored day.
    void showStoredDay(const itinerary::ScheduleDay& day);
    // Shows the stored row of a day, when it has one.
    void showDayRow(int scheduleNum, int dayNum);
    // Shows the day named by the day and schedule boxes, from the query of its row on.
    void showDayFromStore();
    // Reads the day's controls.
    itinerary::ScheduleDay shownDay(int dayNum) const;
    void fillReservationLists(const QStringList& places);
    // The day and schedule boxes as keys; a clear message when one is not a whole number.
    std::optional<common::DayKeys> shownKeys() const;
    std::optional<int> scheduleBoxNumber() const;
    // Saves the shown day under the keys; false when it could not be stored (already reported).
    bool saveDay(const common::DayKeys& keys);
    // The date box shows the trip's date of day `dayNum`.
    void showDateOfDay(int dayNum);
    // Saves the shown day, then shows the next or previous one.
    void moveOneDay(common::DayStep step);
    void moveToDay(int dayNum);

    QDate tripDate();
    const QStringList& attractionsOf(int park);
    const QStringList& reservationPlaces();
    void openLinked(const QString& formName);

    std::unique_ptr<platform::Database> m_content;
    std::unique_ptr<platform::Database> m_user;
    std::array<PartControls, 3> m_parts;
    std::array<ReservationControls, 3> m_reservations;
    // The guide's content does not change while the planner is open: each
    // park's attractions and the reservation places are read once.
    std::array<std::optional<QStringList>, 5> m_attractions;
    std::optional<QStringList> m_places;
};
