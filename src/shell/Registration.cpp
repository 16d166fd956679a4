#include "shell/Registration.h"

#include "shell/frmLinks.h"
#include "shell/frmLoading.h"
#include "shell/frmMe.h"
#include "shell/frmSearch.h"
#include "shell/frmTamble.h"

void shell::registerForms() {
    using platform::Forms;
    Forms::registerForm<frmTamble>(QStringLiteral("frmTamble"));
    Forms::setMainWindow(QStringLiteral("frmTamble"));
    Forms::registerForm<frmSearch>(QStringLiteral("frmSearch"));
    Forms::registerForm<frmMe>(QStringLiteral("frmMe"));
    Forms::registerForm<frmLinks>(QStringLiteral("frmLinks"));
    Forms::registerForm<frmLoading>(QStringLiteral("frmLoading"));
    registerHelp();
}
