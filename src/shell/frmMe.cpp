#include "shell/frmMe.h"

#include "common/Controls.h"
#include "common/PictureButton.h"
#include "platform/Twips.h"

#include <QLabel>

using platform::placeTwips;

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height,
              double points, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(common::makeFont(QStringLiteral("Verdana"), points, bold));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(l, left, top, width, height);
    return l;
}

} // namespace

frmMe::frmMe() : platform::Form(QStringLiteral("frmMe")) {
    setWindowTitle(QStringLiteral("About"));
    setBackColor(platform::bgrColor(0x00E0E0E0));
    setClientSizeTwips(6600, 5520);
    QWidget* c = client();

    lblTitle = label(c, QStringLiteral("lblTitle"), QStringLiteral("Travisto 2004"), 240, 240, 6120, 480, 18, true);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblDisclaimer = label(c, QStringLiteral("lblDisclaimer"),
                          QStringLiteral("This software package is unofficial.  It is not affiliated with the Walt "
                                         "Disney company.  All information is deemed accurate but not guaranteed."),
                          240, 900, 6120, 900, 9.75);
    lblReferences =
        label(c, QStringLiteral("lblReferences"), QStringLiteral("References:"), 240, 1980, 6120, 300, 9.75, true);
    const QString references[] = {
        QStringLiteral("1.  Birnbaum's Walt Disney World 2004, a printed guidebook"),
        QStringLiteral("2.  The Unofficial Guide to Walt Disney World 2004, a printed guidebook"),
        QStringLiteral("3.  The official Walt Disney World web site, disneyworld.disney.go.com"),
    };
    for (int i = 0; i < 3; ++i)
        lblReference[i] =
            label(c, QStringLiteral("lblReference_%1").arg(i), references[i], 480, 2340 + i * 420, 5880, 400, 8.25);
    lblCredit[0] = label(c, QStringLiteral("lblCredit_0"), QStringLiteral("Written by the Travisto developers"), 240,
                         3780, 6120, 300, 8.25);
    lblCredit[1] = label(c, QStringLiteral("lblCredit_1"), QStringLiteral("2004"), 240, 4080, 6120, 300, 8.25);

    Picture9 =
        common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 5130, 4920, 1230, 390);
    connect(Picture9, &common::PictureButton::clicked, this, &frmMe::Picture9_Click);
}

void frmMe::Picture9_Click() {
    platform::Forms::unload(objectName());
}
