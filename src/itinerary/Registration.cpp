#include "itinerary/Registration.h"

#include "itinerary/frmParks.h"
#include "itinerary/frmSchedule.h"
#include "itinerary/frmScheduleTips.h"
#include "itinerary/frmWizard.h"

void itinerary::registerForms() {
    using platform::Forms;
    Forms::registerForm<frmWizard>(QStringLiteral("frmWizard"));
    Forms::registerForm<frmParks>(QStringLiteral("frmParks"));
    Forms::registerForm<frmSchedule>(QStringLiteral("frmSchedule"));
    Forms::registerForm<frmScheduleTips>(QStringLiteral("frmScheduleTips"));
}
