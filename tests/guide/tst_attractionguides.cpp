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
        QTest::newRow("lands in order") << "frmMkAttractions" << QList<int>{1, 1, 2, 7}
                                        << QStringList{"Main Street, U.S.A. Attractions", "Adventureland Attractions",
                                                       "Tomorrowland Attractions"};
        QTest::newRow("a gap keeps each land's heading")
            << "frmMkAttractions" << QList<int>{1, 2, 4}
            << QStringList{"Main Street, U.S.A. Attractions", "Adventureland Attractions",
                           "Liberty Square Attractions"};
        QTest::newRow("rows without a land share one unheaded group")
            << "frmEpcotAttractions" << QList<int>{0, 0, 0, 10} << QStringList{"World Showcase Attractions"};
        QTest::newRow("a land beyond the table repeats no heading")
            << "frmAkAttractions" << QList<int>{6, 7, 7} << QStringList{"DinoLand U.S.A"};
        QTest::newRow("the studios have no headings") << "frmMGMAttractions" << QList<int>{1, 2} << QStringList();
    }
    void eachLandIsHeadedByItsOwnHeading() {
        QFETCH(QString, form);
        QFETCH(QList<int>, lands);
        QFETCH(QStringList, headings);
        QVector<guide::GuideRow> rows;
        QStringList names;
        for (int land : lands) {
            rows.append({QStringLiteral("Ride ß%1").arg(rows.size()), QStringLiteral("About it."), land});
            names << rows.last().attraction.toUpper();
        }
        const guide::GuidePage page = guide::composeGuide(specOf(form), rows);
        QCOMPARE(spanTexts(page.text, page.headings), headings);
        QCOMPARE(spanTexts(page.text, page.names), names);
        // Every attraction is its own paragraph followed by an empty line.
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
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), specOf(form).title);
        QCOMPARE(w->Label1->text(), specOf(form).title);
        QCOMPARE(w->rtParks->text(), text);

        // Headings are red where they stand; each attraction's paragraph is
        // bulleted with its name bold (red on the studios guide).
        const bool redNames = form == QLatin1String("frmMGMAttractions");
        int at = 0;
        int names = 0;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QStringLiteral("  "))) {
                ++names;
                QVERIFY(w->rtParks->isBulleted(at));
                QCOMPARE(w->rtParks->formatAt(at + 2).fontWeight(), int(QFont::Bold));
                QCOMPARE(w->rtParks->formatAt(at + 2).foreground().color() == kRed, redNames);
            } else if (!line.isEmpty()) {
                QVERIFY(!w->rtParks->isBulleted(at));
                QCOMPARE(w->rtParks->formatAt(at).foreground().color(), kRed);
            }
            at += int(line.size()) + 1;
        }
        QCOMPARE(names, 3);
        // A heading's name inside an earlier description keeps the text's colour.
        const qsizetype mention = text.indexOf(QStringLiteral("Asia too"));
        if (mention > 0)
            QVERIFY(w->rtParks->formatAt(int(mention)).foreground().color() != kRed);

        w->mnuPrint->trigger();
        QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(world->printer().documents.size(), 2);
        QCOMPARE(world->printer().words(1, 0).first(), specOf(form).title);
        QVERIFY(world->printer().words(1, 0).contains(QStringLiteral("ROLLER")) == redNames);

        // The links open their pages and the guide stays open.
        QCOMPARE(w->Label2->text(), QStringLiteral("Fastpass Info"));
        QTest::mouseClick(w->Label2, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(w->Label3, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmFastpass")));
        QVERIFY(Forms::isLoaded(QStringLiteral("frmTickets")));
        QVERIFY(Forms::isLoaded(form));

        QTest::mouseClick(w->Picture9, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!Forms::isLoaded(form));
    }

    void theAnimalKingdomLinksOpenAsTheButtonGoesDown() {
        for (const QString& form : {QStringLiteral("frmMkAttractions"), QStringLiteral("frmAkAttractions")}) {
            auto* w = qobject_cast<AttractionGuide*>(Forms::open(form));
            QTest::mousePress(w->Label3, Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(Forms::isLoaded(QStringLiteral("frmTickets")), form == QLatin1String("frmAkAttractions"));
            QTest::mouseRelease(w->Label3, Qt::LeftButton, {}, QPoint(3, 3));
            QVERIFY(Forms::isLoaded(QStringLiteral("frmTickets")));
            world->closeAll();
        }
    }

    void theShippedGuidesHeadEveryLand_data() {
        QTest::addColumn<QString>("form");
        for (const auto& spec : guide::attractionGuideSpecs())
            QTest::newRow(qPrintable(spec.formName)) << spec.formName;
    }
    void theShippedGuidesHeadEveryLand() {
        QFETCH(QString, form);
        world = std::make_unique<TestWorld>(true);
        const guide::AttractionGuideSpec& spec = specOf(form);
        const QString text = qobject_cast<AttractionGuide*>(Forms::open(form))->rtParks->text();
        // Every heading once, in table order, and every attraction of the park.
        qsizetype last = -1;
        for (const QString& heading : spec.headings) {
            const qsizetype at = text.indexOf(heading + QStringLiteral("\n\n  "));
            QVERIFY2(at > last && (at == 0 || text[at - 1] == QLatin1Char('\n')), qPrintable(heading));
            last = at;
        }
        const int rows =
            world->content()
                ->query(QStringLiteral("Select Count(*) As n From ParkPlanner Where ParkId = ?"), {spec.parkId})
                .integer(QStringLiteral("n"));
        QVERIFY(rows > 10);
        QCOMPARE(int(text.count(QStringLiteral("\n\n"))), rows + int(spec.headings.size()));
    }
};

QTEST_MAIN(TestAttractionGuides)
#include "tst_attractionguides.moc"
