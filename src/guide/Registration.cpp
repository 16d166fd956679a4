#include "guide/Registration.h"

#include "guide/frmBasics.h"
#include "guide/frmCountdown.h"
#include "guide/frmQuick.h"
#include "guide/frmTickets.h"

void guide::registerForms() {
    using platform::Forms;
    registerAttractionGuides();
    registerTipPages();
    registerParkAttractionLists();
    registerInfoPages();
    Forms::registerForm<frmQuick>(QStringLiteral("frmQuick"));
    Forms::registerForm<frmTickets>(QStringLiteral("frmTickets"));
    Forms::registerForm<frmCountdown>(QStringLiteral("frmCountdown"));
    Forms::registerForm<frmBasics>(QStringLiteral("frmBasics"));
    registerTriviaQuizzes();
}
