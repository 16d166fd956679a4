#include "TestSupport.h"

#include "organiser/ReservationRecord.h"

#include <QApplication>
#include <QLineEdit>

using platform::Forms;

namespace {

const QStringList kColumns = {
    "Hotel",          "Confirmation",   "HotelPhone",       "CheckIn",          "CheckOut",         "ToFlightNumber",
    "ToFlightDepart", "ToFlightArrive", "HomeFlightNumber", "HomeFlightDepart", "HomeFlightArrive", "AirlinePhone"};

// Every ArriveInfo row: the twelve texts ("<null>" for none), then chk1 to chk10.
QList<QStringList> storedRows(TestWorld& world) {
    QList<QStringList> rows;
    for (auto rs = world.user()->query(QStringLiteral("SELECT * FROM ArriveInfo")); !rs.eof(); rs.moveNext()) {
        QStringList row;
        for (const QString& column : kColumns)
            row << (rs.isNull(column) ? QStringLiteral("<null>") : rs.text(column));
        for (int n = 1; n <= 10; ++n)
            row << rs.text(QStringLiteral("chk%1").arg(n));
        rows << row;
    }
    return rows;
}

// The boxes in field order, as kColumns names them.
const QStringList kBoxes = {"txtHotel",       "txtConfirmation", "txtPhone",      "txtCheckIn",
                            "txtCheckOut",    "txtToNumbers_0",  "txttoDepart_0", "txtToArrive_0",
                            "txtToNumbers_1", "txttoDepart_1",   "txtToArrive_1", "txtAirlinePhone"};

QStringList flags(const QString& ten) {
    return ten.split(QLatin1Char(' '));
}

} // namespace

class TestFrmPlane : public WorldTest {
    Q_OBJECT
    platform::Form* w = nullptr; // the reservation record
    platform::Form* openPlane() { return w = Forms::open(QStringLiteral("frmPlane")); }
    QLineEdit* box(const QString& name) { return must<QLineEdit>(w, name); }
    QStringList shownTexts() { return ::shownTexts(w, kBoxes); }
    void fillAndSave(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i)
            box(kBoxes[i])->setText(texts[i]);
        clickOn(w, "Picture3");
    }

private slots:
    // Texts are kept exactly as typed: a leading blank, apostrophes, a
    // statement, quotes and accents, pattern characters.
    void firstSaveInsertsOneRowAndLaterSavesKeepTheChecklistFlags() {
        QVERIFY(openPlane());
        QStringList texts;
        for (const QString& column : kColumns)
            texts << column + QStringLiteral(" text");
        texts[1] =
            QStringLiteral(" Disney's O''Hare x'); DELETE FROM ArriveInfo; -- \"Caf\u00e9\" \u2014 50% _off_ \\");
        fillAndSave(texts);
        QCOMPARE(storedRows(*world), QList<QStringList>{texts + flags("0 0 0 0 0 0 0 0 0 0")});

        world->exec(platform::Database::userFileName(),
                    QStringLiteral("UPDATE ArriveInfo SET chk1 = 1, chk3 = 1, chk7 = 1, chk9 = 1, chk10 = 1"));
        texts[0] = QStringLiteral("Wilderness Lodge");
        texts[11] = QStringLiteral("1-800-555-0100");
        fillAndSave(texts);
        fillAndSave({});
        QCOMPARE(storedRows(*world), QList<QStringList>{texts + flags("1 0 1 0 0 0 1 0 1 1")});
        QCOMPARE(shownTexts(), texts);
        world->closeAll();
        QVERIFY(openPlane());
        QCOMPARE(shownTexts(), texts);
    }

    void aStoredRowFillsTheBoxesAndNullsLeaveThemEmpty() {
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO ArriveInfo (Hotel, CheckOut, HomeFlightArrive) VALUES (?, ?, ?)"),
                    {QStringLiteral("Polynesian"), QStringLiteral("June 9, 11 am"), QStringLiteral("6:05 pm")});
        QStringList expected(12);
        expected[0] = QStringLiteral("Polynesian");
        expected[4] = QStringLiteral("June 9, 11 am");
        expected[10] = QStringLiteral("6:05 pm");
        QVERIFY(openPlane());
        QCOMPARE(shownTexts(), expected);
    }

    void printTextOfEmptyFieldsListsTheTwelveLabels() {
        QCOMPARE(organiser::reservationPrintText({}),
                 QStringLiteral("\r\nHotel: \r\n\r\nConfirmation#: \r\n\r\nHotel Phone: \r\n"
                                "\r\nCheck In Date & Time: \r\n\r\nCheck Out Date & Time: \r\n"
                                "\r\nTo WDW Flight Numbers: \r\n\r\nTo WDW Depart Time: \r\n"
                                "\r\nArrive at WDW Time: \r\n\r\nBack Home Flight Numbers: \r\n"
                                "\r\nBack Home Depart Time: \r\n\r\nArrive Back Home Time: \r\n"
                                "\r\nAirline Phone Number: \r\n"));
    }

    void printTakesTheBoxesAsShownSavedOrNot() {
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO ArriveInfo (Hotel) VALUES ('Stored Hotel')"));
        QVERIFY(openPlane());
        box("txtHotel")->setText(QStringLiteral("Typed Hotel"));
        box("txtToNumbers_0")->setText(QStringLiteral("DL1234"));
        clickOn(w, "Picture2");
        QCOMPARE(world->printer().documents.size(), 1);
        const QString printed = world->printer().words(0, 0).join(QLatin1Char(' '));
        QVERIFY2(printed.contains(QStringLiteral("Arrival and Departure Information")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("Hotel: Typed Hotel")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("To WDW Flight Numbers: DL1234")), qPrintable(printed));
        QVERIFY(!printed.contains(QStringLiteral("Stored")));
        QCOMPARE(storedRows(*world)[0][0], QStringLiteral("Stored Hotel"));
    }

    void enteringABoxSelectsItsTextExceptTheConfirmationNumber() {
        QVERIFY(activate(openPlane()));
        box("txtCheckOut")->setText(QStringLiteral("June 9, 11 am"));
        box("txtConfirmation")->setText(QStringLiteral("ABC123"));
        box("txtToArrive_1")->setText(QStringLiteral("6:05 pm"));

        box("txtCheckIn")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(box("txtCheckIn"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("txtCheckOut"));
        QCOMPARE(box("txtCheckOut")->selectedText(), QStringLiteral("June 9, 11 am"));

        QTest::mouseClick(box("txtToArrive_1"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), box("txtToArrive_1"));
        QCOMPARE(box("txtToArrive_1")->selectedText(), QStringLiteral("6:05 pm"));

        box("txtHotel")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(box("txtHotel"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box("txtConfirmation"));
        QVERIFY(!box("txtConfirmation")->hasSelectedText());
        QCOMPARE(box("txtConfirmation")->cursorPosition(), 0);
    }

    void contactNumbersOpensTheContactListOnce() {
        QVERIFY(openPlane());
        auto* link = must<QWidget>(w, QStringLiteral("Label9"));
        QVERIFY(link->isEnabled());
        QTest::mouseClick(link, Qt::LeftButton);
        platform::Form* contacts = Forms::find(QStringLiteral("frmContact"));
        QVERIFY(contacts && contacts->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(Forms::find(QStringLiteral("frmContact")), contacts);
        QCOMPARE(Forms::loadedNames(), (QStringList{"frmPlane", "frmContact"}));
    }
};

QTEST_MAIN(TestFrmPlane)
#include "tst_frmplane.moc"
