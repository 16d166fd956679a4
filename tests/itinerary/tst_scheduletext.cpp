#include "itinerary/ScheduleText.h"
#include "platform/Services.h"

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
        const QString expected =
            QStringLiteral("Morning Location: Epcot\r\nMorning Attractions: TEST TRACK\r\nMAELSTROM\r\n\r\n"
                           "Morning Notes:\r\nDad's birthday\r\n\n\n\n\n"
                           "Afternoon Location: \r\nAfternoon Attractions: \r\nAfternoon Notes:\r\n\r\n\n\n\n\n"
                           "Evening Location: typhoon lagoon\r\nEvening Attractions: \r\nCRUSH 'N' GUSHER\r\n\r\n"
                           "Evening Notes:\r\n\r\n\r\n"
                           "Reservation Info \r\n        \r\nLe Cellier    7 pm    A'12\r\n        \r\n");
        QCOMPARE(dayText(sampleDay(), DayTextUse::Print), expected);
    }

    // A value typed or stored on several lines keeps its lines, each ended as every line of the file is.
    void everyLineEndOfTheExportIsCrLf_data() {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("timeExported");
        QTest::newRow("line feeds typed in the notes") << "Swim\nRelax\n\nEat"
                                                       << "7 pm"
                                                       << "7 pm";
        QTest::newRow("notes stored with CR LF") << "Swim\r\nRelax\r\n\r\nEat"
                                                 << "7 pm"
                                                 << "7 pm";
        QTest::newRow("lone carriage returns, a time on two lines") << "Swim\rRelax\r\rEat"
                                                                    << "7\npm"
                                                                    << "7\r\npm";
    }
    void everyLineEndOfTheExportIsCrLf() {
        QFETCH(QString, notes);
        QFETCH(QString, time);
        QFETCH(QString, timeExported);
        ScheduleDay day = sampleDay();
        day.parts[1].notes = notes;
        day.reservations[0].time = time;
        const QString text = exportText({day, sampleDay()});
        QVERIFY(text.contains(QStringLiteral("Afternoon Notes:\r\nSwim\r\nRelax\r\n\r\nEat\r\nEvening")));
        QVERIFY(text.contains("Reservation Info \r\n    " + timeExported + "    \r\n"));
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        QCOMPARE(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));
    }

    // The four exact names are checked through the planner's park lists; here the near misses.
    void onlyExactThemeParkNamesHaveANumber_data() {
        QTest::addColumn<QString>("park");
        QTest::addColumn<int>("number");
        QTest::newRow("MGM Studios") << "MGM Studios" << 3;
        QTest::newRow("other case") << "epcot" << 0;
        QTest::newRow("trailing blank") << "Epcot " << 0;
        QTest::newRow("water park") << "Blizzard Beach" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void onlyExactThemeParkNamesHaveANumber() {
        QFETCH(QString, park);
        QFETCH(int, number);
        QCOMPARE(parkNumber(park), number);
    }

    // The short date keeps the locale's order and always shows four year
    // digits; a system without a locale of its own gets the US form.
    void datesShowAFullYearReadBackAndNameTheirWeekday_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("weekday");
        QTest::newRow("leap day, German") << "de_DE" << QDate(2004, 2, 29) << "29.02.2004"
                                          << "Sunday";
        QTest::newRow("last century, US") << "en_US" << QDate(1999, 12, 31) << "12/31/1999"
                                          << "Friday";
        QTest::newRow("year first, Swedish") << "sv_SE" << QDate(2004, 6, 1) << "2004-06-01"
                                             << "Tuesday";
        QTest::newRow("no locale of the system's own") << "C" << QDate(2004, 6, 1) << "6/1/2004"
                                                       << "Tuesday";
    }
    void datesShowAFullYearReadBackAndNameTheirWeekday() {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, shown);
        QFETCH(QString, weekday);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(platform::shortDate(date), shown);
        QCOMPARE(platform::readShortDate(shown), date);
        QCOMPARE(weekdayName(date), weekday);
        QVERIFY(!platform::readShortDate(QStringLiteral("not a date")).isValid());
        QLocale::setDefault(QLocale::c());
    }

    void withoutATripDateThePrintHeaderNamesTheDayOnly() {
        QCOMPARE(printHeader(3, QDate()), QStringLiteral("My Daily Schedule: Day 3"));
    }
};

QTEST_MAIN(TestScheduleText)
#include "tst_scheduletext.moc"
