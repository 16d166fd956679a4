// Opening times of a tip page and of the itinerary suggestions as their
// content grows, against a bare QTextEdit given the same amount of text.
// Run by hand: QT_QPA_PLATFORM=offscreen ./bench_tips_suggestions
#include "AllForms.h"
#include "BenchSupport.h"
#include "common/RichTextBox.h"
#include "common/TipPageViewer.h"
#include "itinerary/frmParks.h"
#include "platform/Database.h"
#include "platform/Forms.h"
#include "platform/SchemaLoader.h"
#include "platform/Services.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>

using bench::medianMs;

namespace {

void fill(platform::Database& db, int rows) {
    db.execute(QStringLiteral("DELETE FROM Tips WHERE ParkId = 15"));
    db.execute(QStringLiteral("DELETE FROM ParkPlanner WHERE ParkId = 1"));
    db.transaction([&] {
        for (int i = 0; i < rows; ++i) {
            db.execute(QStringLiteral("INSERT INTO Tips (ParkId, Tip) VALUES (15, ?)"),
                       {QStringLiteral("Line tip number %1: arrive early and use Fastpass where you can.").arg(i)});
            db.execute(QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, TimeToRide, TimeOrder, TimeTip, "
                                      "FUNFORALL) VALUES (1, ?, ?, ?, ?, 1)"),
                       {QStringLiteral("Attraction %1").arg(i), QString::number(i % 3 + 1), i,
                        i % 2 ? QVariant(QStringLiteral("Ride early.")) : QVariant()});
        }
        return true;
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    registerAllForms();
    QTemporaryDir dir;
    platform::App::setPath(dir.path());
    platform::Forms::setEndWhenNoWindow(false);
    const QString content = dir.filePath(platform::Database::contentFileName());
    if (!platform::SchemaLoader::ensure(content, platform::SchemaLoader::contentSqlFolder()).ok)
        return 1;
    auto db = platform::Database::open(content);
    db->execute(QStringLiteral("INSERT INTO TravelInfo (Kids, Daredevel, Wet, Show) VALUES (2, 0, 0, 1)"));

    std::printf("%8s %12s %12s %12s\n", "rows", "tips ms", "parks ms", "bare ms");
    for (int rows : {100, 1000, 4000}) {
        fill(*db, rows);
        const double tips = medianMs(5, [] {
            platform::Forms::open(QStringLiteral("frmLines"));
            platform::Forms::unload(QStringLiteral("frmLines"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        const double parks = medianMs(5, [] {
            platform::Forms::open(QStringLiteral("frmParks"));
            platform::Forms::unload(QStringLiteral("frmParks"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        QString text;
        for (int i = 0; i < rows; ++i)
            text += QStringLiteral("--Line tip number %1: arrive early and use Fastpass where you can.\n\n").arg(i);
        const double bare = medianMs(5, [&] {
            QTextEdit edit;
            edit.setPlainText(text);
            edit.show();
            QCoreApplication::processEvents();
        });
        std::printf("%8d %12.1f %12.1f %12.1f\n", rows, tips, parks, bare);
    }
    return 0;
}
