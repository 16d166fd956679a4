#include "common/WebPageViewer.h"
#include "dining_lodging/Registration.h"
#include "platform/Forms.h"

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

void dining_lodging::registerCharacterDining() {
    platform::Forms::registerForm(QStringLiteral("frmCharacterDining"),
                                  [] { return new common::WebPageViewer(characterDiningPage()); });
}
