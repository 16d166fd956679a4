#include "TestSupport.h"

#include "itinerary/SuggestionEngine.h"

using namespace itinerary;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The rows a query gives, as "park/part/order name" lines.
QStringList rowsOf(platform::Database& db, const QString& sql, const platform::Binds& binds = {}) {
    QStringList rows;
    platform::Recordset rs = db.query(sql, binds);
    for (; !rs.eof(); rs.moveNext())
        rows << rs.text(QStringLiteral("ParkId")) + QLatin1Char('/') + rs.text(QStringLiteral("TimeToRide")) +
                    QLatin1Char('/') + rs.text(QStringLiteral("TimeOrder")) + QLatin1Char(' ') +
                    rs.text(QStringLiteral("Attraction"));
    return rows;
}

// The queries as the older program wrote them, the values pasted in: the
// bound queries must select exactly their rows.
QString loadRunSql(int part, const MatchValues& m) {
    return QStringLiteral("Select * from ParkPlanner where (TimeToRide = '%1' AND (OnlyKids = %2 Or Wild = %3 Or Wet = "
                          "%4 Or Show = %5 OR FUNFORALL = 1 ) AND ParkId = 1) Order By TimeOrder")
        .arg(part)
        .arg(m.kids)
        .arg(m.wild)
        .arg(m.wet)
        .arg(m.show);
}

QString parkChoiceSql(int part, int park, const MatchValues& m) {
    if (part == 1)
        return QStringLiteral(
                   "Select * from ParkPlanner where (TimeToRide = '1' AND ParkId = %1) And (OnlyKids = %2 Or "
                   "Wild = %3 Or Wet = %4 Or Show = %5 OR FUNFORALL = 1 )  Order By TimeOrder")
            .arg(park)
            .arg(m.kids)
            .arg(m.wild)
            .arg(m.wet)
            .arg(m.show);
    return QStringLiteral("Select * from ParkPlanner where (TimeToRide = '%1' AND (OnlyKids = %2 Or Wild = %3 Or Wet = "
                          "%4 Or Show = %5 OR FUNFORALL = 1 ) AND ParkId = %6) Order By TimeOrder")
        .arg(part)
        .arg(m.kids)
        .arg(m.wild)
        .arg(m.wet)
        .arg(m.show)
        .arg(park);
}

QVector<SuggestedAttraction> rides(const QStringList& namesAndTips) {
    QVector<SuggestedAttraction> rows;
    for (const QString& entry : namesAndTips) {
        const QStringList parts = entry.split(QLatin1Char('|'));
        rows.append({parts[0], parts.value(1)});
    }
    return rows;
}

} // namespace

class TestSuggestionEngine : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void matchValuesFollowTheAnswers_data() {
        QTest::addColumn<QVariant>("kids");
        QTest::addColumn<QVariant>("daredevil");
        QTest::addColumn<QVariant>("wet");
        QTest::addColumn<QVariant>("show");
        QTest::addColumn<QList<int>>("expected");
        const QVariant null;
        QTest::newRow("two children, chicken, wet yes, shows no")
            << QVariant(2) << QVariant(0) << QVariant(0) << QVariant(1) << QList<int>{1, 5, 1, 2};
        QTest::newRow("no children, chicken, no, no")
            << QVariant(0) << QVariant(0) << QVariant(1) << QVariant(1) << QList<int>{5, 5, 2, 2};
        QTest::newRow("thrill-seeking couple")
            << QVariant(0) << QVariant(2) << QVariant(0) << QVariant(0) << QList<int>{5, 1, 1, 1};
        QTest::newRow("one child, daring")
            << QVariant(1) << QVariant(1) << QVariant(0) << QVariant(0) << QList<int>{1, 1, 1, 1};
        QTest::newRow("nothing answered")
            << QVariant(-1) << QVariant(-1) << QVariant(-1) << QVariant(-1) << QList<int>{-1, -1, 2, 2};
        QTest::newRow("empty answers") << null << null << null << null << QList<int>{-1, -1, 2, 2};
        QTest::newRow("other negative code passes")
            << QVariant(-3) << QVariant(3) << QVariant(2) << QVariant(0) << QList<int>{-3, 1, 2, 1};
    }
    void matchValuesFollowTheAnswers() {
        QFETCH(QVariant, kids);
        QFETCH(QVariant, daredevil);
        QFETCH(QVariant, wet);
        QFETCH(QVariant, show);
        QFETCH(QList<int>, expected);
        const ProfileMatch match = matchValues(kids, daredevil, wet, show);
        QVERIFY(match.values);
        QCOMPARE((QList<int>{match.values->kids, match.values->wild, match.values->wet, match.values->show}), expected);
    }

    void answerBeyondSixteenBitsIsReportedNotWrapped_data() {
        QTest::addColumn<QVariant>("kids");
        QTest::addColumn<QVariant>("daredevil");
        QTest::addColumn<QString>("named");
        QTest::newRow("children 40000") << QVariant(40000) << QVariant(0) << "children (40000)";
        QTest::newRow("daredevil -32769") << QVariant(1) << QVariant(-32769) << "thrill rides (-32769)";
    }
    void answerBeyondSixteenBitsIsReportedNotWrapped() {
        QFETCH(QVariant, kids);
        QFETCH(QVariant, daredevil);
        QFETCH(QString, named);
        const ProfileMatch match = matchValues(kids, daredevil, 0, 0);
        QVERIFY(!match.values);
        QVERIFY2(match.error.contains(named), qPrintable(match.error));
    }

    void boundQueriesSelectTheRowsOfTheOlderTexts_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::newRow("example profile") << QList<int>{2, 0, 0, 1};
        QTest::newRow("dry chickens without children") << QList<int>{0, 0, 1, 1};
        QTest::newRow("thrill-seeking couple") << QList<int>{0, 2, 0, 0};
        QTest::newRow("children unanswered") << QList<int>{-1, 1, -1, 0};
    }
    void boundQueriesSelectTheRowsOfTheOlderTexts() {
        QFETCH(QList<int>, answers);
        const MatchValues m = *matchValues(answers[0], answers[1], answers[2], answers[3]).values;
        auto db = world->content();
        for (int part = 1; part <= 3; ++part) {
            const PartQuery load = partQuery(DayPart(part), 1, m);
            const QStringList rows = rowsOf(*db, load.sql, load.binds);
            QVERIFY(!rows.isEmpty());
            QCOMPARE(rows, rowsOf(*db, loadRunSql(part, m)));
            for (int park = 1; park <= 4; ++park) {
                const PartQuery q = partQuery(DayPart(part), park, m);
                QCOMPARE(rowsOf(*db, q.sql, q.binds), rowsOf(*db, parkChoiceSql(part, park, m)));
            }
        }
    }

    void dryChickensWithoutChildrenGetOnlyTheRidesForEveryone() {
        const MatchValues m = *matchValues(0, 0, 1, 1).values;
        auto db = world->content();
        for (int park = 1; park <= 4; ++park)
            for (int part = 1; part <= 3; ++part) {
                const PartQuery q = partQuery(DayPart(part), park, m);
                const QStringList rows = rowsOf(*db, q.sql, q.binds);
                const QStringList forAll = rowsOf(*db,
                                                  QStringLiteral("Select * from ParkPlanner where FUNFORALL = 1 And "
                                                                 "ParkId = ? And TimeToRide = ? Order By TimeOrder"),
                                                  {park, QString::number(part)});
                QCOMPARE(rows, forAll);
            }
    }

    void theDayIsNumberedPerPartWithItsTips() {
        const auto day =
            composeItinerary({rides({"A", "B|Go early", "C"}), rides({"D|Heat", "E"}), rides({"F"})}, FillRun::Load);
        QCOMPARE(day.text, "MORNING" + CRLF + CRLF + "1. A." + CRLF + "2. B." + CRLF + "- Go early" + CRLF + CRLF +
                               "3. C." + CRLF + CRLF + "AFTERNOON" + CRLF + CRLF + "1. D." + CRLF + "- Heat" + CRLF +
                               CRLF + "2. E." + CRLF + CRLF + "EVENING" + CRLF + CRLF + "1. F." + CRLF);
        QCOMPARE(day.headingCount, 4);
        QCOMPARE(day.headings,
                 (QStringList{QString(), "MORNING" + CRLF + CRLF, "AFTERNOON" + CRLF + CRLF, "EVENING" + CRLF + CRLF}));
    }

    void headingsOfEmptyParts_data() {
        QTest::addColumn<int>("run");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("eveningHeading");
        QTest::newRow("window opening") << int(FillRun::Load)
                                        << CRLF + "AFTERNOON" + CRLF + CRLF + "1. D." + CRLF + CRLF + "EVENING" + CRLF +
                                               CRLF
                                        << true;
        QTest::newRow("park chosen") << int(FillRun::ParkChoice) << CRLF + "AFTERNOON" + CRLF + CRLF + "1. D." + CRLF
                                     << false;
    }
    void headingsOfEmptyParts() {
        QFETCH(int, run);
        QFETCH(QString, text);
        QFETCH(bool, eveningHeading);
        const auto day = composeItinerary({rides({}), rides({"D"}), rides({})}, FillRun(run));
        QCOMPARE(day.text, text);
        QCOMPARE(day.headingCount, 4);
        QVERIFY(day.headings[1].isEmpty());
        QCOMPARE(day.headings[2], "AFTERNOON" + CRLF + CRLF);
        QCOMPARE(day.headings[3].isEmpty(), !eveningHeading);
    }
};

QTEST_MAIN(TestSuggestionEngine)
#include "tst_suggestionengine.moc"
