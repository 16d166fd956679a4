#include "itinerary/ScheduleText.h"

#include <QLocale>
#include <QTest>

using namespace itinerary;

class TestScheduleText : public QObject {
    Q_OBJECT

    static ScheduleDay sampleDay() {
        ScheduleDay day;
        day.dayNum = 4;
        day.parts[0].park = QStringLiteral("Epcot");
        day.parts[0].rides = {QString(), QStringLiteral("Test Track"), QString(), QStringLiteral("maelstrom"),
                              QStringLiteral("Fifth Ride")};
        day.parts[0].notes = QStringLiteral("Dad's birthday");
        day.parts[2].park = QStringLiteral("typhoon lagoon");
        day.parts[2].rides[0] = QStringLiteral("Crush 'n' Gusher");
        day.reservations[1] = {QStringLiteral("Le Cellier"), QStringLiteral("7 pm"), QStringLiteral("A'12")};
        return day;
    }

private slots:
    void printTextHasNoHeadingAndFourLineFeedsBetweenParts() {
        const QString expected = QStringLiteral("Morning Location: Epcot\r\n"
                                                "Morning Attractions: TEST TRACK\r\n"
                                                "MAELSTROM\r\n"
                                                "\r\n"
                                                "Morning Notes:\r\n"
                                                "Dad's birthday\r\n"
                                                "\n\n\n\n"
                                                "Afternoon Location: \r\n"
                                                "Afternoon Attractions: \r\n"
                                                "Afternoon Notes:\r\n"
                                                "\r\n"
                                                "\n\n\n\n"
                                                "Evening Location: typhoon lagoon\r\n"
                                                "Evening Attractions: \r\n"
                                                "CRUSH 'N' GUSHER\r\n"
                                                "\r\n"
                                                "Evening Notes:\r\n"
                                                "\r\n"
                                                "\r\n"
                                                "Reservation Info \r\n"
                                                "        \r\n"
                                                "Le Cellier    7 pm    A'12\r\n"
                                                "        \r\n");
        QCOMPARE(dayText(sampleDay(), DayTextUse::Print), expected);
    }

    void parkNumbers_data() {
        QTest::addColumn<QString>("park");
        QTest::addColumn<int>("number");
        QTest::newRow("Magic Kingdom") << "Magic Kingdom" << 1;
        QTest::newRow("Epcot") << "Epcot" << 2;
        QTest::newRow("MGM Studios") << "MGM Studios" << 3;
        QTest::newRow("Animal Kingdom") << "Animal Kingdom" << 4;
        QTest::newRow("other case") << "epcot" << 0;
        QTest::newRow("trailing blank") << "Epcot " << 0;
        QTest::newRow("water park") << "Typhoon Lagoon" << 0;
        QTest::newRow("Blizzard Beach") << "Blizzard Beach" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void parkNumbers() {
        QFETCH(QString, park);
        QFETCH(int, number);
        QCOMPARE(parkNumber(park), number);
    }

    void dayCounts_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("count"); // 0: refused
        QTest::newRow("three") << "3" << 3;
        QTest::newRow("blanks around") << " 7 " << 7;
        QTest::newRow("half rounds to even down") << "2.5" << 2;
        QTest::newRow("half rounds to even up") << "3.5" << 4;
        QTest::newRow("fraction") << "4.6" << 5;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("16-bit overflow") << "32768" << 0;
        QTest::newRow("far too many") << "100000" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("rounds to zero") << "0.4" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("words") << "three" << 0;
        QTest::newRow("number and words") << "3 days" << 0;
    }
    void dayCounts() {
        QFETCH(QString, answer);
        QFETCH(int, count);
        QCOMPARE(dayCount(answer).value_or(0), count);
    }

    void keyNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number"); // 0: refused
        QTest::newRow("five") << "5" << 5;
        QTest::newRow("blanks") << " 12 " << 12;
        QTest::newRow("leading zero") << "07" << 7;
        QTest::newRow("decimal") << "5.0" << 0;
        QTest::newRow("letters") << "five" << 0;
        QTest::newRow("sql") << "1 Or 1=1" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("overflow") << "32768" << 0;
    }
    void keyNumbers() {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(keyNumber(text).value_or(0), number);
    }

    void datesReadBackAndNameTheirWeekday_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("weekday");
        QTest::newRow("Saturday") << "C" << QDate(2004, 6, 5) << "Saturday";
        QTest::newRow("Sunday") << "C" << QDate(2004, 6, 6) << "Sunday";
        QTest::newRow("new year, US") << "en_US" << QDate(2005, 1, 1) << "Saturday";
        QTest::newRow("leap day, German") << "de_DE" << QDate(2004, 2, 29) << "Sunday";
        QTest::newRow("last century, US") << "en_US" << QDate(1999, 12, 31) << "Friday";
    }
    void datesReadBackAndNameTheirWeekday() {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, weekday);
        QLocale::setDefault(QLocale(locale));
        const QString text = shortDate(date);
        QCOMPARE(readShortDate(text), date);
        QCOMPARE(weekdayName(date), weekday);
        QLocale::setDefault(QLocale::c());
    }

    void printHeaderNamesTheDayAndItsDate() {
        const QDate start(2004, 6, 5);
        QCOMPARE(dayDate(start, 1), start);
        QCOMPARE(dayDate(start, 22), QDate(2004, 6, 26));
        QCOMPARE(printHeader(3, start), QStringLiteral("My Daily Schedule: Day 3 - ") + shortDate(QDate(2004, 6, 7)));
        QCOMPARE(printHeader(3, QDate()), QStringLiteral("My Daily Schedule: Day 3"));
        QVERIFY(!readShortDate(QStringLiteral("not a date")).isValid());
    }
};

QTEST_MAIN(TestScheduleText)
#include "tst_scheduletext.moc"
