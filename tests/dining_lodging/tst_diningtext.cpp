#include "dining_lodging/DiningText.h"

#include <QTest>

using namespace dining;

class TestDiningText : public QObject {
    Q_OBJECT

private slots:
    void resortListStartsAHeadingWhereverTheAreaChanges_data() {
        QTest::addColumn<QStringList>("areas");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("headings");
        const QString row = QStringLiteral("  X - Moderate - Sit Down Meal - d\r\n\r\n");
        QTest::newRow("adjacent same area")
            << QStringList{"BoardWalk", "BoardWalk"} << "BoardWalk\r\n" + row + row + "\r\n"
            << QStringList{"BoardWalk"};
        QTest::newRow("area again later")
            << QStringList{"A", "B", "A"} << "A\r\n" + row + "B\r\n" + row + "A\r\n" + row + "\r\n"
            << QStringList{"A", "B", "A"};
        QTest::newRow("case differs") << QStringList{"Boardwalk", "BoardWalk"}
                                      << "Boardwalk\r\n" + row + "BoardWalk\r\n" + row + "\r\n"
                                      << QStringList{"Boardwalk", "BoardWalk"};
        // Rows without an area share one empty heading line, which is not coloured.
        QTest::newRow("no area") << QStringList{"", "", "C"} << "\r\n" + row + row + "C\r\n" + row + "\r\n"
                                 << QStringList{"C"};
        QTest::newRow("no rows") << QStringList{} << "\r\n" << QStringList{};
    }
    void resortListStartsAHeadingWhereverTheAreaChanges() {
        QFETCH(QStringList, areas);
        QFETCH(QString, text);
        QFETCH(QStringList, headings);
        QList<RestaurantRow> rows;
        for (const QString& area : areas)
            rows.append({"X", area, "d", 2, 2});
        const RestaurantPage page = composeResortRestaurants(rows);
        QCOMPARE(page.text, text);
        QCOMPARE(page.headings, headings);
        QCOMPARE(page.names.size(), areas.size() + 1);
        if (!areas.isEmpty())
            QCOMPARE(page.names.last(), QStringLiteral("  X"));
    }

    void reviewsShowElevenLabelledLinesWithSeparatorsOnlyBetween() {
        Review r{"Nice", "3/22/2004", "Body", QString(), "Cons", "8", "9", QString(), "10", "40, 38", "Tom"};
        const QString block = "Title: Nice\r\n\r\nDate: 3/22/2004\r\n\r\nDetails: Body\r\n\r\nPros: \r\n\r\n"
                              "Cons: Cons\r\n\r\nAccomodations: 8/10\r\nFriendlieness of Staff: 9/10\r\n"
                              "Cleanliness: /10\r\nAtmosphere: 10/10\r\n\r\nAges of group: 40, 38\r\n\r\n"
                              "Name: Tom\r\n\r\n";
        QCOMPARE(reviewsText({r}), block);
        const QString separator = QString(43, QLatin1Char('_')) + "\r\n\r\n";
        QCOMPARE(reviewsText({r, r, r}), block + separator + block + separator + block);
        QCOMPARE(reviewsText({}), QString());
    }
};

QTEST_MAIN(TestDiningText)
#include "tst_diningtext.moc"
