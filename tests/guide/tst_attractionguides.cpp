#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/AttractionGuide.h"

#include <QAction>
#include <QLabel>

using guide::AttractionGuide;
using platform::Forms;

namespace {

const QColor kRed(255, 0, 0);

const guide::AttractionGuideSpec& specOf(const QString& form) {
    for (const auto& spec : guide::attractionGuideSpecs())
        if (spec.formName == form)
            return spec;
    qFatal("no guide %s", qPrintable(form));
}

QStringList spanTexts(const QString& text, const QVector<guide::TextSpan>& spans) {
    QStringList list;
    for (const guide::TextSpan& s : spans)
        list << text.mid(s.start, s.length);
    return list;
}

} // namespace

class TestAttractionGuides : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void eachLandIsHeadedByItsOwnHeading_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QList<int>>("lands");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("a gap keeps each land's heading")
            << "frmMkAttractions" << QList<int>{1, 2, 4}
            << QStringList{"Main Street, U.S.A. Attractions", "Adventureland Attractions",
                           "Liberty Square Attractions"};
        QTest::newRow("rows without a land share one unheaded group")
            << "frmEpcotAttractions" << QList<int>{0, 0, 0, 10} << QStringList{"World Showcase Attractions"};
        QTest::newRow("a land beyond the table repeats no heading")
            << "frmAkAttractions" << QList<int>{6, 7, 7} << QStringList{"DinoLand U.S.A"};
    }
    void eachLandIsHeadedByItsOwnHeading() {
        QFETCH(QString, form);
        QFETCH(QList<int>, lands);
        QFETCH(QStringList, headings);
        QVector<guide::GuideRow> rows;
        for (int land : lands)
            rows.append({QStringLiteral("Ride ß%1").arg(rows.size()), QStringLiteral("About it."), land});
        const guide::GuidePage page = guide::composeGuide(specOf(form), rows);
        QCOMPARE(spanTexts(page.text, page.headings), headings);
        QCOMPARE(spanTexts(page.text, page.names).last(), QStringLiteral("RIDE SS%1").arg(lands.size() - 1));
        QCOMPARE(page.text.count(QStringLiteral(" - About it.\n\n")), lands.size());
    }

    void eachGuideShowsFormatsPrintsAndLinks_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("text");
        QTest::newRow("Magic Kingdom") << "frmMkAttractions"
                                       << "Main Street, U.S.A. Attractions\n\n  TRAIN - Round the park.\n\n"
                                          "Adventureland Attractions\n\n  JUNGLE CRUISE - A boat ride.\n\n"
                                          "  PIRATES - \n\n";
        QTest::newRow("Animal Kingdom") << "frmAkAttractions"
                                        << "Africa\n\n  SAFARI - Animals, as seen in Asia too.\n\n"
                                           "Asia\n\n  RAPIDS - Wet.\n\n  TREK - Walk.\n\n";
        QTest::newRow("Studios by name") << "frmMGMAttractions"
                                         << "  ROCK 'N' ROLLER - Loud.\n\n  STAR TOURS - Space.\n\n"
                                            "  THE GREAT MOVIE RIDE - Films.\n\n";
    }
    void eachGuideShowsFormatsPrintsAndLinks() {
        QFETCH(QString, form);
        QFETCH(QString, text);
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO ParkPlanner (ParkId, Attraction, Description, land) VALUES "
                                   "(1, 'Jungle Cruise', 'A boat ride.', 2), (1, 'Train', 'Round the park.', 1), "
                                   "(1, 'Pirates', NULL, 2), (4, 'Rapids', 'Wet.', 5), (4, 'Trek', 'Walk.', 5), "
                                   "(4, 'Safari', 'Animals, as seen in Asia too.', 3), "
                                   "(3, 'The Great Movie Ride', 'Films.', 1), (3, 'star tours', 'Space.', 4), "
                                   "(3, 'Rock ''n'' Roller', 'Loud.', 6), (2, 'Elsewhere', 'Not here.', 1)"));
        auto* w = qobject_cast<AttractionGuide*>(Forms::open(form));
        QCOMPARE(w->windowTitle(), specOf(form).title);
        QCOMPARE(w->rtParks->text(), text);

        // Headings red on their own lines only; each attraction's paragraph
        // bulleted with its name bold (red on the studios guide).
        const bool redNames = form == QLatin1String("frmMGMAttractions");
        int at = 0;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const bool attraction = line.startsWith(QStringLiteral("  "));
            const QTextCharFormat format = w->rtParks->formatAt(attraction ? at + 2 : at);
            if (!line.isEmpty()) {
                QCOMPARE(w->rtParks->isBulleted(at), attraction);
                QCOMPARE(format.foreground().color() == kRed, !attraction || redNames);
                QCOMPARE(format.fontWeight(), int(QFont::Bold));
            }
            if (line.contains(QStringLiteral("Asia too")))
                QVERIFY(w->rtParks->formatAt(at + int(line.indexOf(QStringLiteral("Asia")))).foreground() !=
                        QBrush(kRed));
            at += int(line.size()) + 1;
        }

        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().documents.size(), 2);
        QCOMPARE(world->printer().words(1, 0).first(), specOf(form).title);

        // The links open their pages and the guide stays open.
        QTest::mouseClick(w->Label2, Qt::LeftButton, {}, QPoint(3, 3));
        // The Animal Kingdom guide's links open their page as the button goes down.
        QTest::mousePress(w->Label3, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(Forms::isLoaded(QStringLiteral("frmTickets")), form == QLatin1String("frmAkAttractions"));
        QTest::mouseRelease(w->Label3, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(Forms::loadedNames(), (QStringList{form, "frmFastpass", "frmTickets"}));
        QTest::mouseClick(w->Picture9, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }
};

QTEST_MAIN(TestAttractionGuides)
#include "tst_attractionguides.moc"
