#include "itinerary/frmScheduleTips.h"

#include "common/PictureButton.h"
#include "platform/Twips.h"

using platform::placeTwips;

namespace {

constexpr int kWidth = 9600;
constexpr int kHeight = 7200;

common::WebPageKind scheduleTipsPage() {
    common::WebPageKind kind;
    kind.formName = QStringLiteral("frmScheduleTips");
    kind.caption = QStringLiteral("Schedule Tips");
    kind.file = QStringLiteral("scheduleTips.htm");
    kind.widthTwips = kWidth;
    kind.heightTwips = kHeight;
    kind.closePicture = false; // this page has Print and Close pictures of its own
    return kind;
}

common::PictureButton* pictureButton(QWidget* parent, const QString& name, const QString& caption, int left) {
    return common::PictureButton::create(parent, name, caption, left, kHeight - 510, 1230, 390);
}

} // namespace

frmScheduleTips::frmScheduleTips() : common::WebPageViewer(scheduleTipsPage()) {
    placeTwips(WebBrowser1, 0, 0, kWidth, kHeight - 600);
    Picture1 = pictureButton(client(), QStringLiteral("Picture1"), QStringLiteral("Print"), kWidth - 2880);
    Picture2 = pictureButton(client(), QStringLiteral("Picture2"), QStringLiteral("Close"), kWidth - 1500);
    connect(Picture1, &common::PictureButton::clicked, this, &frmScheduleTips::Picture1_Click);
    connect(Picture2, &common::PictureButton::clicked, this, &frmScheduleTips::Picture2_Click);
}

void frmScheduleTips::Picture1_Click() {
    mnuPrint_Click();
}

void frmScheduleTips::Picture2_Click() {
    mnuClose_Click();
}
