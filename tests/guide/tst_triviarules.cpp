#include "guide/TriviaRules.h"

#include <QTest>

using namespace guide::trivia;

class TestTriviaRules : public QObject {
    Q_OBJECT
    static QString joined(const Captions& c) { return QStringList(c.begin(), c.end()).join(QLatin1Char('|')); }

private slots:
    void answersArePlacedByLength_data() {
        QTest::addColumn<bool>("first");
        QTest::addColumn<QStringList>("answers"); // right answer first
        QTest::addColumn<QString>("placed");
        const QStringList longest = {"Longest", "ab", "abc", "abcd"};
        QTest::newRow("first draw, right answer longest") << true << longest << "ab|Longest|abc|abcd";
        QTest::newRow("later draw, right answer longest") << false << longest << "abcd|ab|abc|Longest";
        QTest::newRow("tie with Answer4 falls to Answer3")
            << true << QStringList{"abcd", "abcdefg", "abc", "wxyz"} << "wxyz|abcdefg|abcd|abc";
        QTest::newRow("longer than Answer2 only")
            << false << QStringList{"abc", "ab", "abcdef", "wxyz"} << "wxyz|abc|abcdef|ab";
        QTest::newRow("all equal") << true << QStringList{"aaa", "bbb", "ccc", "ddd"} << "aaa|bbb|ccc|ddd";
    }
    void answersArePlacedByLength() {
        QFETCH(bool, first);
        QFETCH(QStringList, answers);
        QFETCH(QString, placed);
        const Answers a{answers[0], answers[1], answers[2], answers[3]};
        QCOMPARE(joined(placeAnswers(a, first ? Draw::First : Draw::Next)), placed);
    }

    void clockSecondsSwapTwoAnswers_data() {
        QTest::addColumn<bool>("first");
        QTest::addColumn<QList<int>>("seconds");
        QTest::addColumn<QString>("order");
        QTest::newRow("first, no swap") << true << QList<int>{10, 30} << "1|2|3|4";
        QTest::newRow("first, 2 and 4") << true << QList<int>{0, 9, 31, 59} << "1|4|3|2";
        QTest::newRow("next, no swap") << false << QList<int>{20, 30} << "1|2|3|4";
        QTest::newRow("next, 1 and 4") << false << QList<int>{31, 40} << "4|2|3|1";
        QTest::newRow("next, 3 and 4") << false << QList<int>{10, 19, 41, 50} << "1|2|4|3";
        QTest::newRow("next, 2 and 4") << false << QList<int>{0, 9, 51, 59} << "1|4|3|2";
    }
    void clockSecondsSwapTwoAnswers() {
        QFETCH(bool, first);
        QFETCH(QList<int>, seconds);
        QFETCH(QString, order);
        for (int s : seconds) {
            Captions c = {"1", "2", "3", "4"};
            shuffleByClock(c, s, first ? Draw::First : Draw::Next);
            QVERIFY2(joined(c) == order, qPrintable(QString::number(s)));
        }
    }

    void ratingsChangeAtTheirBoundaries() {
        for (Ratings r : {Ratings::ResortQuiz, Ratings::DisneyQuiz}) {
            QVERIFY(rating(4, r) != rating(5, r) && rating(5, r) == rating(7, r) && rating(7, r) != rating(8, r));
            QVERIFY(rating(8, r) == rating(9, r) && rating(9, r) != rating(10, r) && rating(4, r) != rating(10, r));
        }
        QCOMPARE(rating(4, Ratings::ResortQuiz), QStringLiteral("You've got a long way to go Rookie"));
        QCOMPARE(
            rating(10, Ratings::DisneyQuiz),
            QStringLiteral("Holy Cow.  I must have made this game too Easy!! Or else you must be a Disney Expert!"));
    }
};

QTEST_MAIN(TestTriviaRules)
#include "tst_triviarules.moc"
