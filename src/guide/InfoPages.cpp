#include "common/WebPageViewer.h"
#include "guide/Registration.h"
#include "platform/Forms.h"

#include <QVector>

namespace {

using common::WebPageKind;

// The maps are 700 by 500 pixel pictures: their windows are sized to show a
// whole map without scrolling.
constexpr int kMapWidth = 10800;
constexpr int kMapHeight = 8400;

WebPageKind infoPage(const QString& form, const QString& caption, const QString& file) {
    WebPageKind page;
    page.formName = form;
    page.caption = caption;
    page.file = file;
    page.printPicture = true;
    return page;
}

WebPageKind mapPage(const QString& form, const QString& caption, const QString& file,
                    const QString& fileMenu = QStringLiteral("mnuFile")) {
    WebPageKind page = infoPage(form, caption, file);
    page.fileMenuName = fileMenu;
    page.widthTwips = kMapWidth;
    page.heightTwips = kMapHeight;
    return page;
}

// The information pages and maps of the guide, each opened from the main
// window's menu bar. File names keep their case ("epcotmap.GIF"); the Epcot
// map's File menu has a name of its own.
QVector<WebPageKind> infoPages() {
    return {
        infoPage(QStringLiteral("frmWhenYouGo"), QStringLiteral("Weather While I'm There"),
                 QStringLiteral("weather.htm")),
        infoPage(QStringLiteral("frmAttendance"), QStringLiteral("Historical Attendance Levels"),
                 QStringLiteral("attendance.htm")),
        infoPage(QStringLiteral("frmFireworks"), QStringLiteral("Disney Fireworks"), QStringLiteral("fireworks.htm")),
        infoPage(QStringLiteral("frmEarlyEntry"), QStringLiteral("2004 Early Magic Hour Parks"),
                 QStringLiteral("earlymagic.htm")),
        mapPage(QStringLiteral("frmResortMap"), QStringLiteral("Resort Map Overview"), QStringLiteral("resortmap.gif")),
        mapPage(QStringLiteral("frmMkMap"), QStringLiteral("Magic Kingdom Park Overview and Attraction Locations"),
                QStringLiteral("images/mkmap.gif")),
        mapPage(QStringLiteral("frmEpcotMap"), QStringLiteral("Epcot Map Overview"),
                QStringLiteral("images/epcotmap.GIF"), QStringLiteral("mnu")),
        mapPage(QStringLiteral("frmMgmMap"), QStringLiteral("MGM Map Overview"), QStringLiteral("images/mgmmap.gif")),
        mapPage(QStringLiteral("frmAkMap"), QStringLiteral("Animal Kingdom Map Overview"),
                QStringLiteral("images/akmap.gif")),
    };
}

} // namespace

void guide::registerInfoPages() {
    for (const WebPageKind& page : infoPages())
        platform::Forms::registerForm(page.formName, [page] { return new common::WebPageViewer(page); });
}
