#include "common/WebPageViewer.h"
#include "platform/Forms.h"
#include "shell/Registration.h"

namespace {

// "Help Topics": the program's questions and answers.
common::WebPageKind helpPage() {
    common::WebPageKind kind;
    kind.formName = QStringLiteral("frmHelp");
    kind.caption = QStringLiteral("Help Topics");
    kind.file = QStringLiteral("FAQ.htm");
    return kind;
}

} // namespace

void shell::registerHelp() {
    platform::Forms::registerForm(QStringLiteral("frmHelp"), [] { return new common::WebPageViewer(helpPage()); });
}
