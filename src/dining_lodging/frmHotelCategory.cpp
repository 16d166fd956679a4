#include "dining_lodging/frmHotelCategory.h"

#include "common/PictureButton.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QDir>
#include <QMenuBar>

namespace {

const QString kChart = QStringLiteral("images/hotelcategory.gif");
// The chart's size in pixels, also kept when the picture cannot be read so
// that the window keeps its shape.
const QSize kChartSize(400, 500);

} // namespace

frmHotelCategory::frmHotelCategory() : platform::Form(QStringLiteral("frmHotelCategory")) {
    setWindowTitle(QStringLiteral("Hotels By Category"));
    Picture1 = new common::PictureButton(client());
    Picture1->setObjectName(QStringLiteral("Picture1"));
    connect(Picture1, &common::PictureButton::clicked, this, &frmHotelCategory::mnuPrint_Click);

    QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuPrint = addNamedItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("Print"));
    mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));
    connect(mnuPrint, &QAction::triggered, this, &frmHotelCategory::mnuPrint_Click);
    connect(mnuClose, &QAction::triggered, this, &frmHotelCategory::mnuClose_Click);
}

void frmHotelCategory::Form_Load() {
    const QString path = platform::App::file(kChart);
    QPixmap chart(path);
    if (chart.isNull())
        platform::msgBox(QStringLiteral("The chart %1 could not be found in the program's folder.")
                             .arg(QDir::toNativeSeparators(kChart)));
    else
        Picture1->setPicture(chart);
    const QSize size = chart.isNull() ? kChartSize : chart.size();
    // The window fits the picture with a narrow border; the title and menu
    // bars lie outside the client area.
    const int border = 50;
    const int width = size.width() * platform::kTwipsPerPixel;
    const int height = size.height() * platform::kTwipsPerPixel;
    platform::placeTwips(Picture1, border, border, width, height);
    setClientSizeTwips(width + 2 * border, height + 2 * border);
}

void frmHotelCategory::mnuPrint_Click() {
    platform::Printer::instance().printImage(client()->grab().toImage(), windowTitle());
}

void frmHotelCategory::mnuClose_Click() {
    platform::Forms::unload(objectName());
}
