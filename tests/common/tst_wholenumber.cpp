#include "common/WholeNumber.h"

#include <QLocale>
#include <QTest>

using namespace common;

namespace {

QString shown(const std::optional<int>& n) {
    return n ? QString::number(*n) : QStringLiteral("-");
}

QString shown(const CountAnswer& answer) {
    switch (answer.kind) {
    case CountAnswer::NoAnswer:
        return QStringLiteral("no answer");
    case CountAnswer::NotANumber:
        return QStringLiteral("not a number");
    case CountAnswer::Count:
        break;
    }
    return QString::number(answer.count);
}

} // namespace

// One text read every way the windows read a typed number: as the key of a
// day, trip or schedule; as a whole number (the planner dates its day box
// by it); and as the answer to "how many days or pages". "-" is nothing.
class TestWholeNumber : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Each row: the text, then "key | number | count".
    void everyReadingOfATypedNumber_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readings");
        const auto row = [](const char* name, const QString& text, const QString& readings,
                            const QString& locale = QStringLiteral("en_US")) {
            QTest::newRow(name) << locale << text << readings;
        };
        row("empty", "", "- | - | no answer");
        row("blanks only", "  ", "- | - | not a number");
        row("blanks around", " 5 ", "5 | 5 | 5");
        row("plus sign", "+5", "5 | 5 | 5");
        row("leading zero", "07", "7 | 7 | 7");
        row("zero", "0", "0 | 0 | 0");
        row("minus one", "-1", "-1 | -1 | -1");
        row("largest", "32767", "32767 | 32767 | 32767");
        row("one beyond the largest", "32768", "- | - | not a number");
        row("smallest", "-32768", "-32768 | -32768 | -32768");
        row("one below the smallest", "-32769", "- | - | not a number");
        row("a half goes down to even", "2.5", "- | 2 | 2");
        row("a half goes up to even", "3.5", "- | 4 | 4");
        row("a fraction", "4.6", "- | 5 | 5");
        row("a whole number with decimals", "5.0", "- | 5 | 5");
        row("rounds up out of range", "32767.5", "- | - | not a number");
        row("rounds to even at the bottom", "-32768.5", "- | -32768 | -32768");
        row("exponent", "1e3", "- | 1000 | 1000");
        row("digit grouping", "1,000", "- | 1000 | 1000");
        row("hexadecimal", "0x10", "- | - | not a number");
        row("infinity", "inf", "- | - | not a number");
        row("words", "abc", "- | - | not a number");
        row("number and words", "3 days", "- | - | not a number");
        row("statement", "1 Or 1=1", "- | - | not a number");
        row("Arabic-Indic digit, US", "\u0663", "- | - | not a number");
        row("Arabic-Indic digit, Egypt", "\u0663", "- | 3 | 3", "ar_EG");
        row("decimal comma, German", "2,5", "- | 2 | 2", "de_DE");
        row("plain decimal point, German", "3.5", "- | 4 | 4", "de_DE");
        row("grouping point, German", "1.000", "- | 1000 | 1000", "de_DE");
        row("key in a German locale", "12", "12 | 12 | 12", "de_DE");
    }
    void everyReadingOfATypedNumber() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        const QStringList readings = {shown(readKey(text)), shown(readWholeNumber(text)), shown(readCountAnswer(text))};
        QTEST(readings.join(QStringLiteral(" | ")), "readings");
    }

    // The budget reads its counts itself (currency signs, brackets) and adds them here.
    void countsAndTheirSumStayWithinSixteenBits_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<QString>("sum");
        QTest::newRow("each count rounds before adding") << 2.5 << 0.5 << "2";
        QTest::newRow("sum at the top") << 32766.0 << 1.0 << "32767";
        QTest::newRow("sum beyond the top") << 32767.0 << 1.0 << "-";
        QTest::newRow("sum below the bottom") << -32768.0 << -1.0 << "-";
        QTest::newRow("one count beyond, the sum within") << 40000.0 << -10000.0 << "-";
        QTest::newRow("not a finite number") << qInf() << 0.0 << "-";
    }
    void countsAndTheirSumStayWithinSixteenBits() {
        QFETCH(double, a);
        QFETCH(double, b);
        const auto wholeA = roundToWholeNumber(a);
        const auto wholeB = roundToWholeNumber(b);
        QTEST(shown(wholeA && wholeB ? addWholeNumbers(*wholeA, *wholeB) : std::nullopt), "sum");
    }
};

QTEST_MAIN(TestWholeNumber)
#include "tst_wholenumber.moc"
