#include "organiser/Registration.h"

#include "organiser/frmBudget.h"
#include "organiser/frmCheckList.h"
#include "organiser/frmCheckListNew.h"
#include "organiser/frmDetails.h"
#include "organiser/frmPlane.h"

void organiser::registerForms() {
    using platform::Forms;
    Forms::registerForm<frmBudget>(QStringLiteral("frmBudget"));
    Forms::registerForm<frmPlane>(QStringLiteral("frmPlane"));
    Forms::registerForm<frmCheckListNew>(QStringLiteral("frmCheckListNew"));
    Forms::registerForm<frmCheckList>(QStringLiteral("frmCheckList"));
    Forms::registerForm<frmDetails>(QStringLiteral("frmDetails"));
    registerListWindows();
}
