#include "TestSupport.h"

#include "common/HoverLink.h"
#include "common/PictureButton.h"
#include "organiser/ReservationRecord.h"
#include "organiser/frmPlane.h"

#include <QAction>
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

QStringList flags(const QString& ten) {
    return ten.split(QLatin1Char(' '));
}

} // namespace

class TestFrmPlane : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    static frmPlane* openPlane() { return qobject_cast<frmPlane*>(Forms::open(QStringLiteral("frmPlane"))); }
    static QStringList shownTexts(frmPlane* w) {
        if (!w)
            return {QStringLiteral("frmPlane did not open")};
        QStringList texts;
        for (QLineEdit* box : w->fieldBoxes())
            texts << box->text();
        return texts;
    }
    static void fillAndSave(frmPlane* w, const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i)
            w->fieldBoxes()[i]->setText(texts[i]);
        QTest::mouseClick(w->Picture3, Qt::LeftButton);
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void firstSaveInsertsOneRowAndLaterSavesKeepTheChecklistFlags() {
        frmPlane* w = openPlane();
        QVERIFY(w);
        QStringList texts;
        for (const QString& column : kColumns)
            texts << column + QStringLiteral(" text");
        fillAndSave(w, texts);
        QCOMPARE(storedRows(*world), QList<QStringList>{texts + flags("0 0 0 0 0 0 0 0 0 0")});

        world->exec(platform::Database::userFileName(),
                    QStringLiteral("UPDATE ArriveInfo SET chk1 = 1, chk3 = 1, chk7 = 1, chk9 = 1, chk10 = 1"));
        texts[0] = QStringLiteral("Wilderness Lodge");
        texts[11] = QStringLiteral("1-800-555-0100");
        fillAndSave(w, texts);
        fillAndSave(w, {});
        QCOMPARE(storedRows(*world), QList<QStringList>{texts + flags("1 0 1 0 0 0 1 0 1 1")});
        QCOMPARE(shownTexts(w), texts);
    }

    void textIsStoredAndShownExactlyAsTyped_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("apostrophe") << "Disney's Wilderness Lodge";
        QTest::addRow("two apostrophes") << "O''Hare";
        QTest::addRow("statement text") << "x'); DELETE FROM ArriveInfo; --";
        QTest::addRow("quotes and accents") << "\"Caf\u00e9\" \u2014 12:30 pm";
        QTest::addRow("pattern characters") << "50% _off_ \\ back";
    }
    void textIsStoredAndShownExactlyAsTyped() {
        QFETCH(QString, text);
        frmPlane* w = openPlane();
        QVERIFY(w);
        fillAndSave(w, {text, text});
        QCOMPARE(shownTexts(w).mid(0, 2), QStringList({text, text}));
        fillAndSave(w, {});
        QCOMPARE(storedRows(*world).size(), 1);
        QCOMPARE(storedRows(*world)[0].mid(0, 2), QStringList({text, text}));
        world->closeAll();
        QCOMPARE(shownTexts(openPlane()).mid(0, 2), QStringList({text, text}));
    }

    void aStoredRowFillsTheBoxesAndNullsLeaveThemEmpty() {
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO ArriveInfo (Hotel, CheckOut, HomeFlightArrive) VALUES (?, ?, ?)"),
                    {QStringLiteral("Polynesian"), QStringLiteral("June 9, 11 am"), QStringLiteral("6:05 pm")});
        QStringList expected(12);
        expected[0] = QStringLiteral("Polynesian");
        expected[4] = QStringLiteral("June 9, 11 am");
        expected[10] = QStringLiteral("6:05 pm");
        QCOMPARE(shownTexts(openPlane()), expected);
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
        frmPlane* w = openPlane();
        QVERIFY(w);
        w->txtHotel->setText(QStringLiteral("Typed Hotel"));
        w->txtToNumbers[0]->setText(QStringLiteral("DL1234"));
        QTest::mouseClick(w->Picture2, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        const QString printed = world->printer().words(0, 0).join(QLatin1Char(' '));
        QVERIFY2(printed.contains(QStringLiteral("Arrival and Departure Information")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("Hotel: Typed Hotel")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("To WDW Flight Numbers: DL1234")), qPrintable(printed));
        QVERIFY(!printed.contains(QStringLiteral("Stored")));
        QCOMPARE(storedRows(*world)[0][0], QStringLiteral("Stored Hotel"));
    }

    void enteringABoxSelectsItsTextExceptTheConfirmationNumber() {
        frmPlane* w = openPlane();
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->txtCheckOut->setText(QStringLiteral("June 9, 11 am"));
        w->txtConfirmation->setText(QStringLiteral("ABC123"));
        w->txtToArrive[1]->setText(QStringLiteral("6:05 pm"));

        w->txtCheckIn->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w->txtCheckIn, Qt::Key_Tab);
        TestWorld::settle();
        QCOMPARE(QApplication::focusWidget(), w->txtCheckOut);
        QCOMPARE(w->txtCheckOut->selectedText(), QStringLiteral("June 9, 11 am"));

        QTest::mouseClick(w->txtToArrive[1], Qt::LeftButton, {}, QPoint(5, 5));
        TestWorld::settle();
        QCOMPARE(QApplication::focusWidget(), w->txtToArrive[1]);
        QCOMPARE(w->txtToArrive[1]->selectedText(), QStringLiteral("6:05 pm"));

        w->txtHotel->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w->txtHotel, Qt::Key_Tab);
        TestWorld::settle();
        QCOMPARE(QApplication::focusWidget(), w->txtConfirmation);
        QVERIFY(!w->txtConfirmation->hasSelectedText());
    }

    void contactNumbersOpensTheContactListOnce() {
        frmPlane* w = openPlane();
        QVERIFY(w);
        auto* link = child<QWidget>(w, QStringLiteral("Label9"));
        QVERIFY(link && link->isEnabled());
        QTest::mouseClick(link, Qt::LeftButton);
        platform::Form* contacts = Forms::find(QStringLiteral("frmContact"));
        QVERIFY(contacts && contacts->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(Forms::find(QStringLiteral("frmContact")), contacts);
        QCOMPARE(Forms::loadedNames(), (QStringList{"frmPlane", "frmContact"}));
    }

    void closeUnloadsWithoutSaving() {
        frmPlane* w = openPlane();
        QVERIFY(w);
        w->txtHotel->setText(QStringLiteral("Unsaved"));
        w->mnuClose->trigger();
        TestWorld::settle();
        QVERIFY(!Forms::isLoaded(QStringLiteral("frmPlane")));
        QVERIFY(storedRows(*world).isEmpty());
    }
};

QTEST_MAIN(TestFrmPlane)
#include "tst_frmplane.moc"
