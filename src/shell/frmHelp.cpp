#include "common/WebPageViewer.h"

namespace {

// "Help Topics": the program's questions and answers.
common::WebPageSpec helpPage() {
    common::WebPageSpec spec;
    spec.formName = QStringLiteral("frmHelp");
    spec.caption = QStringLiteral("Help Topics");
    spec.file = QStringLiteral("FAQ.htm");
    return spec;
}

} // namespace

TRAVISTO_REGISTER_FORM_AS(frmHelp, "frmHelp", [] { return new common::WebPageViewer(helpPage()); });
