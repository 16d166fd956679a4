#include "organiser/frmCheckListNew.h"

namespace {

organiser::ChecklistKind newChecklistKind() {
    const QChar q = QLatin1Char('"');
    organiser::ChecklistKind kind;
    kind.formName = QStringLiteral("frmCheckListNew");
    kind.caption = QStringLiteral("Your Travisto Checklist");
    kind.instruction = QStringLiteral("Click each items ") + q + QStringLiteral("Finished") + q +
                       QStringLiteral(" button as you complete each item.  Once completed you'll have a complete "
                                      "schedule for your Disney Vacation.  Click the ") +
                       q + QStringLiteral("Home Page") + q +
                       QStringLiteral(" button at the bottom of this form to get started.");
    kind.steps = {
        QStringLiteral("Click the ") + q + QStringLiteral("Start Here") + q +
            QStringLiteral(" button on the home page. This will let the Travisto know your preferences.  Next "
                           "review ") +
            q + QStringLiteral("The Basics") + q + QStringLiteral(" information under the General Info heading."),
        QStringLiteral("Decide where you will stay while in Walt Disney World. Review the Hotels information under "
                       "the General Info heading.  After you have decided, consult the Contact Numbers page and make "
                       "a reservation.  Next fill out your ") +
            q + QStringLiteral("Flight and Hotel") + q + QStringLiteral(" reservations page."),
        QStringLiteral("Time to decide how many days you will be visiting the parks and if you will be doing any park "
                       "hopping. (Visiting more than one of the 4 theme parks a day).  Reviewing the Park Tickets "
                       "page under General Info might help make your decision."),
        QStringLiteral("After you have reviewed the entire General Info section, check out the Travisto's suggested "
                       "itinerary. This itinerary is based on your answers from the ") +
            q + QStringLiteral("Start Here") + q +
            QStringLiteral(" page.  Sit down with your family and review the Travisto's suggestions."),
        QStringLiteral("Review all information under the Park Name headings.  There are some great tips here for "
                       "avoiding the lines and finding the best restaurants, as well as details on all attractions "
                       "you will find."),
        QStringLiteral("You're ready to put together a Schedule.  Hit the My Daily Schedule button on the home page.  "
                       "This will walk you through choosing attractions by park, and picking some restaurants for "
                       "your days.  Don't forget to make some Priority Seatings.  The My Schedule form has quick "
                       "reference links for ride and restaurant descriptions."),
        QStringLiteral("Review the rest of the Travisto's information and play the Walt Disney World trivia game.  "
                       "This is a 10 question game with 100's of questions...so play way more than once."),
    };
    kind.stepTextName = QStringLiteral("Label4");
    kind.rowTops = {720, 1440, 2280, 3120, 3960, 4800, 5880};
    return kind;
}

} // namespace

frmCheckListNew::frmCheckListNew() : organiser::ChecklistWindow(newChecklistKind()) {}

void frmCheckListNew::mnuClose_Click() {
    const QString main = platform::Forms::mainWindowName();
    platform::Forms::unload(main);
    // Unloading runs Form_Unload, which loads the main window afresh.
    platform::Forms::unload(objectName());
    platform::Forms::open(main);
}
