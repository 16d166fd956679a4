#include "common/WebPageViewer.h"

namespace {

// "2004 Character Dining": the page of restaurants where the characters
// join the meal.
common::WebPageKind characterDiningPage() {
    common::WebPageKind page;
    page.formName = QStringLiteral("frmCharacterDining");
    page.caption = QStringLiteral("2004 Character Dining");
    page.file = QStringLiteral("character.htm");
    page.printPicture = true;
    return page;
}

} // namespace

TRAVISTO_REGISTER_FORM_AS(frmCharacterDining, "frmCharacterDining",
                          [] { return new common::WebPageViewer(characterDiningPage()); });
