#include "common/WebPageViewer.h"

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

TRAVISTO_REGISTER_FORM_AS(frmHelp, "frmHelp", [] { return new common::WebPageViewer(helpPage()); });
