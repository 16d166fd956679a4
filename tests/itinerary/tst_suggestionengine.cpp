#include "TestSupport.h"

#include "itinerary/SuggestionEngine.h"

using namespace itinerary;

namespace {

const QString CRLF = QStringLiteral("\r\n");

// The rows a query gives, as "park/part/order name" lines.
QStringList rowsOf(platform::Database& db, const QString& sql, const platform::Binds& binds = {}) {
    QStringList rows;
    for (platform::Recordset rs = db.query(sql, binds); !rs.eof(); rs.moveNext())
        rows << QStringLiteral("%1/%2/%3 %4")
                    .arg(rs.text(QStringLiteral("ParkId")), rs.text(QStringLiteral("TimeToRide")),
                         rs.text(QStringLiteral("TimeOrder")), rs.text(QStringLiteral("Attraction")));
    return rows;
}

// The query as the older program wrote it, the values pasted in.
QString olderSql(int part, int park, const MatchValues& m) {
    return QStringLiteral("Select * from ParkPlanner where (TimeToRide = '%1' AND (OnlyKids = %2 Or Wild = %3 Or Wet = "
                          "%4 Or Show = %5 OR FUNFORALL = 1 ) AND ParkId = %6) Order By TimeOrder")
        .arg(part)
        .arg(m.kids)
        .arg(m.wild)
        .arg(m.wet)
        .arg(m.show)
        .arg(park);
}

// Each part as "name|tip" entries separated by commas.
std::array<QVector<SuggestedAttraction>, 3> day(const QStringList& parts) {
    std::array<QVector<SuggestedAttraction>, 3> day;
    for (int i = 0; i < 3; ++i)
        for (const QString& entry : parts[i].split(QLatin1Char(','), Qt::SkipEmptyParts))
            day[i].append({entry.section(QLatin1Char('|'), 0, 0), entry.section(QLatin1Char('|'), 1)});
    return day;
}

} // namespace

class TestSuggestionEngine : public WorldTest {
    Q_OBJECT
public:
    TestSuggestionEngine() : WorldTest(true) {}

private slots:
    void matchValuesFollowTheAnswers_data() {
        QTest::addColumn<QVariantList>("answers"); // Kids, Daredevel, Wet, Show
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<QString>("error");
        const QVariant null;
        QTest::newRow("two children, chicken, wet yes, shows no")
            << QVariantList{2, 0, 0, 1} << QList<int>{1, 5, 1, 2} << QString();
        QTest::newRow("no children, chicken, no, no")
            << QVariantList{0, 0, 1, 1} << QList<int>{5, 5, 2, 2} << QString();
        QTest::newRow("thrill-seeking couple") << QVariantList{0, 2, 0, 0} << QList<int>{5, 1, 1, 1} << QString();
        QTest::newRow("one child, daring") << QVariantList{1, 1, 0, 0} << QList<int>{1, 1, 1, 1} << QString();
        QTest::newRow("nothing answered") << QVariantList{-1, -1, -1, -1} << QList<int>{-1, -1, 2, 2} << QString();
        QTest::newRow("empty answers") << QVariantList{null, null, null, null} << QList<int>{-1, -1, 2, 2} << QString();
        QTest::newRow("other negative code passes")
            << QVariantList{-3, 3, 2, 0} << QList<int>{-3, 1, 2, 1} << QString();
        QTest::newRow("children 40000") << QVariantList{40000, 0, 0, 0} << QList<int>{} << "children (40000)";
        QTest::newRow("daredevil -32769") << QVariantList{1, -32769, 0, 0} << QList<int>{} << "thrill rides (-32769)";
    }
    void matchValuesFollowTheAnswers() {
        QFETCH(QVariantList, answers);
        QFETCH(QList<int>, expected);
        QFETCH(QString, error);
        const ProfileMatch match = matchValues(answers[0], answers[1], answers[2], answers[3]);
        if (!error.isEmpty()) {
            QVERIFY(!match.values);
            QVERIFY2(match.error.contains(error), qPrintable(match.error));
            return;
        }
        QVERIFY(match.values);
        QCOMPARE((QList<int>{match.values->kids, match.values->wild, match.values->wet, match.values->show}), expected);
    }

    void boundQueriesSelectTheRowsOfTheOlderTexts_data() {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("onlyForAll");
        QTest::newRow("example profile") << QList<int>{2, 0, 0, 1} << false;
        QTest::newRow("dry chickens without children: only the rides for everyone") << QList<int>{0, 0, 1, 1} << true;
        QTest::newRow("thrill-seeking couple") << QList<int>{0, 2, 0, 0} << false;
        QTest::newRow("children unanswered") << QList<int>{-1, 1, -1, 0} << false;
    }
    void boundQueriesSelectTheRowsOfTheOlderTexts() {
        QFETCH(QList<int>, answers);
        QFETCH(bool, onlyForAll);
        const MatchValues m = *matchValues(answers[0], answers[1], answers[2], answers[3]).values;
        auto db = world->content();
        for (int part = 1; part <= 3; ++part)
            for (int park = 1; park <= 4; ++park) {
                const PartQuery q = partQuery(DayPart(part), park, m);
                const QStringList rows = rowsOf(*db, q.sql, q.binds);
                QVERIFY(park != 1 || !rows.isEmpty());
                QCOMPARE(rows, rowsOf(*db, olderSql(part, park, m)));
                if (onlyForAll)
                    QCOMPARE(rows, rowsOf(*db,
                                          QStringLiteral("Select * from ParkPlanner where FUNFORALL = 1 And ParkId = ? "
                                                         "And TimeToRide = ? Order By TimeOrder"),
                                          {park, QString::number(part)}));
            }
    }

    void theDayIsNumberedPerPartWithTipsAndHeadings_data() {
        QTest::addColumn<int>("run");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("headings");
        const QString morning = "MORNING" + CRLF + CRLF, afternoon = "AFTERNOON" + CRLF + CRLF,
                      evening = "EVENING" + CRLF + CRLF;
        QTest::newRow("full day") << int(FillRun::Load) << QStringList{"A,B|Go early,C", "D|Heat,E", "F"}
                                  << morning + "1. A." + CRLF + "2. B." + CRLF + "- Go early" + CRLF + CRLF + "3. C." +
                                         CRLF + CRLF + afternoon + "1. D." + CRLF + "- Heat" + CRLF + CRLF + "2. E." +
                                         CRLF + CRLF + evening + "1. F." + CRLF
                                  << QStringList{QString(), morning, afternoon, evening};
        QTest::newRow("no morning or evening, window opening")
            << int(FillRun::Load) << QStringList{"", "D", ""} << CRLF + afternoon + "1. D." + CRLF + CRLF + evening
            << QStringList{QString(), QString(), afternoon, evening};
        QTest::newRow("no morning or evening, park chosen")
            << int(FillRun::ParkChoice) << QStringList{"", "D", ""} << CRLF + afternoon + "1. D." + CRLF
            << QStringList{QString(), QString(), afternoon, QString()};
    }
    void theDayIsNumberedPerPartWithTipsAndHeadings() {
        QFETCH(int, run);
        QFETCH(QStringList, parts);
        QFETCH(QString, text);
        QFETCH(QStringList, headings);
        const ItineraryText result = composeItinerary(day(parts), FillRun(run));
        QCOMPARE(result.text, text);
        QCOMPARE(result.headings, headings);
        QCOMPARE(result.headingCount, 4);
    }
};

QTEST_MAIN(TestSuggestionEngine)
#include "tst_suggestionengine.moc"
