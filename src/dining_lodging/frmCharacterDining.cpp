#include "common/WebPageViewer.h"

namespace {

// "2004 Character Dining": the page of restaurants where the characters
// join the meal.
common::WebPageSpec characterDiningPage() {
    common::WebPageSpec spec;
    spec.formName = QStringLiteral("frmCharacterDining");
    spec.caption = QStringLiteral("2004 Character Dining");
    spec.file = QStringLiteral("character.htm");
    spec.printPicture = true;
    return spec;
}

} // namespace

TRAVISTO_REGISTER_FORM_AS(frmCharacterDining, "frmCharacterDining",
                          [] { return new common::WebPageViewer(characterDiningPage()); });
