#include "dining_lodging/frmSample.h"

#include "common/DatabaseMessages.h"
#include "dining_lodging/ResortComparison.h"
#include "platform/Database.h"
#include "platform/Services.h"

#include <QDir>

namespace {

common::WebPageKind sampleWindow() {
    common::WebPageKind window;
    window.formName = QStringLiteral("frmSample");
    window.caption = QStringLiteral("Travisto Sample Walt Disney World Schedules");
    window.file = QStringLiteral("Hotels.htm");
    window.widthTwips = 12000;
    window.heightTwips = 8400;
    return window;
}

} // namespace

frmSample::frmSample() : common::WebPageViewer(sampleWindow()) {}

void frmSample::Form_Load() {
    auto db = common::openContentOrSay();
    if (!db) {
        // The user has been told why; an empty page would only look printable.
        platform::Forms::unload(objectName());
        return;
    }
    QVector<dining_lodging::ResortInfo> resorts;
    platform::Recordset rs = common::queryOrSay(*db, QStringLiteral("Select * from HotelInfo order by Category,Name"));
    for (; !rs.eof(); rs.moveNext())
        resorts.append({rs.text(QStringLiteral("Name")), rs.text(QStringLiteral("Setting")),
                        rs.text(QStringLiteral("Dining")), rs.text(QStringLiteral("Category")),
                        rs.text(QStringLiteral("NumPeople")), rs.text(QStringLiteral("RoomSize")),
                        rs.text(QStringLiteral("ClosestTo"))});
    const QString page = dining_lodging::resortComparisonPage(resorts);

    const QString path = platform::App::file(m_kind.file);
    QString error;
    if (dining_lodging::writeResortComparisonPage(path, page, &error)) {
        WebBrowser1->navigate(path);
        return;
    }
    // An older page left in the folder would show out-of-date rows: show the
    // page just built instead, after telling the user it was not saved.
    platform::msgBox(QStringLiteral("The resort comparison page could not be saved as %1 (%2). It is shown, but "
                                    "not kept in the program's folder.")
                         .arg(QDir::toNativeSeparators(path), error));
    WebBrowser1->setHtml(page);
}
