#include "organiser/frmCheckList.h"

namespace {

organiser::ChecklistKind tenStepChecklistKind() {
    const QChar q = QLatin1Char('"');
    organiser::ChecklistKind kind;
    kind.formName = QStringLiteral("frmCheckList");
    kind.caption = QStringLiteral("Your Vacation Checklist");
    kind.instruction = QStringLiteral("Click each items ") + q + QStringLiteral("Finished") + q +
                       QStringLiteral(" button as you complete each item.  Once completed you'll have a complete "
                                      "schedule for your Disney Vacation.");
    kind.steps = {
        QStringLiteral("Complete the ") + q + QStringLiteral("Trip Wizard") + q + QStringLiteral(" Questionaire."),
        QStringLiteral("Decide when to go by reviewing our ") + q + QStringLiteral("Weather While I'm There") + q +
            QStringLiteral(" and ") + q + QStringLiteral("Attendance While I'm There") + q +
            QStringLiteral(" Pages under the General Info heading on the home page.  Make your airline reservation "
                           "and update the Plane And Hotel Reservations Page under Special Features on the home "
                           "page."),
        QStringLiteral("Decide where you will sleep by reviewing our Disney Hotels page under General Info.  We only "
                       "provide details on Walt Disney Resorts in this package.  Once your reservations are complete "
                       "fill out the ") +
            q + QStringLiteral("My Flight and Hotel Reservations Page") + q + QStringLiteral("."),
        QStringLiteral("Decide how many days you will be in the parks while reviewing the Park Tickets page under "
                       "General Info.  Remember if you can't use all of the days on your tickets, they will never "
                       "expire."),
        QStringLiteral("Review the entire General Info section."),
        QStringLiteral("Sit down with your group and review the Itinerary suggestions the Travisto has provided you "
                       "based on your quick questionaire.  Decide what is not to be missed!"),
        QStringLiteral("Review the tips, attractions, food, and maps for each of the 4 theme parks.  (Magic Kingdom, "
                       "Epcot, MGM Studios, and Animal Kingdom).  This will give you a better understanding of each "
                       "park and how the rides are positioned in the parks.  "),
        QStringLiteral("You're ready to put together a schedule.  Make sure you have a copy of the maps next to you, "
                       "and have read the Scheduling Tips Page!"),
        QStringLiteral("Play the Walt Disney World Trivia game until you feel silly all over.  This game will make you "
                       "a Walt Disney World Resort buff!"),
        QStringLiteral("Spend hours reading all the other information that we havn't mentioned in this checklist.  "
                       "You might end up modifying step 8!"),
    };
    kind.stepTextName = QStringLiteral("Label2");
    kind.alternateRedSteps = true;
    kind.clipboardHeader = true;
    return kind;
}

} // namespace

frmCheckList::frmCheckList() : organiser::ChecklistWindow(tenStepChecklistKind()) {}

void frmCheckList::mnuClose_Click() {
    platform::Forms::unload(objectName());
}
