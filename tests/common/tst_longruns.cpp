#include "TestSupport.h"

#include "common/LongRuns.h"
#include "common/RichTextBox.h"

#include <QPlainTextEdit>
#include <QPushButton>

using common::kLongestWordWrappedRun;
using platform::Forms;

// A text box holding a run without blanks longer than a few lines lays its
// text out wrapping anywhere (in one pass), and word-wraps again once the
// run is gone; the text is never changed.
class TestLongRuns : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    template <typename Box> static QTextOption::WrapMode mode(Box* box) { return box->wordWrapMode(); }

    // Puts `text` in the box the way `way` says: set from code, pasted, typed.
    template <typename Box> static void enter(Box* box, const QString& way, const QString& text) {
        box->moveCursor(QTextCursor::End);
        if (way == QLatin1String("set"))
            box->setPlainText(box->toPlainText() + text);
        else if (way == QLatin1String("pasted"))
            box->insertPlainText(text);
        else
            QTest::keyClicks(box, text);
    }

    template <typename Box> void wrapsAnywhereOnlyWhileTheRunIsThere(Box* box, const QString& way) {
        const QString words = QStringLiteral("Fastpass for Space Mountain at noon, then lunch. ");
        box->setPlainText(words);
        QCOMPARE(mode(box), QTextOption::WrapAtWordBoundaryOrAnywhere);
        const QString run(kLongestWordWrappedRun + 1, QLatin1Char('x'));
        enter(box, way, run);
        QCOMPARE(mode(box), QTextOption::WrapAnywhere);
        QCOMPARE(box->toPlainText(), words + run);
        // A blank typed into the middle breaks the run into two short ones.
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(words.size() + run.size() / 2);
        cursor.insertText(QStringLiteral(" "));
        QCOMPARE(mode(box), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QCOMPARE(box->toPlainText().size(), words.size() + run.size() + 1);
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() {
        QVERIFY(world->dialogs().allAnswered());
        world.reset();
    }

    void aBoxWrapsAnywhereOnlyWhileItHoldsALongRun_data() {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<QString>("way");
        for (const char* way : {"set", "pasted", "typed"}) {
            QTest::newRow(qPrintable(QStringLiteral("notes box, %1").arg(way))) << false << way;
            QTest::newRow(qPrintable(QStringLiteral("rich-text pane, %1").arg(way))) << true << way;
        }
    }
    void aBoxWrapsAnywhereOnlyWhileItHoldsALongRun() {
        QFETCH(bool, rich);
        QFETCH(QString, way);
        if (rich) {
            common::RichTextBox box;
            box.setReadOnly(false);
            wrapsAnywhereOnlyWhileTheRunIsThere(&box, way);
        } else {
            QPlainTextEdit box;
            common::keepLongRunsFast(&box);
            wrapsAnywhereOnlyWhileTheRunIsThere(&box, way);
        }
    }

    void aStoredLongNoteComesBackAndIsSavedBackWhole_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("select");
        const QString schedule = QStringLiteral("INSERT INTO Schedule (ScheduleNum, DayNum, %1) VALUES (1, 1, ?)");
        const QString journal = QStringLiteral("INSERT INTO Details (TripNum, DayNum, %1) VALUES (1, 1, ?)");
        for (const char* column : {"Morning", "Afternoon", "Evening"})
            QTest::newRow(column) << "frmSchedule" << QStringLiteral("txt%1").arg(column) << schedule.arg(column)
                                  << QStringLiteral("SELECT %1 FROM Schedule").arg(column);
        for (const auto& [column, box] : {std::pair{"Details", "txtDetails"}, std::pair{"Favorites", "txtFavorite"},
                                          std::pair{"Different", "txtDifferent"}})
            QTest::newRow(column) << "frmDetails" << box << journal.arg(column)
                                  << QStringLiteral("SELECT %1 FROM Details").arg(column);
    }
    void aStoredLongNoteComesBackAndIsSavedBackWhole() {
        QFETCH(QString, form);
        QFETCH(QString, box);
        QFETCH(QString, insert);
        QFETCH(QString, select);
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate) VALUES ('2004-06-05')"));
        const QString note = QStringLiteral("see https://example.com/") + QString(300000, QLatin1Char('x')) +
                             QStringLiteral("\nété 🎢 'quoted' \"twice\"");
        world->exec(platform::Database::userFileName(), insert, {note});
        QWidget* window = Forms::open(form);
        auto* notes = must<QPlainTextEdit>(window, box);
        QCOMPARE(notes->wordWrapMode(), QTextOption::WrapAnywhere);
        QCOMPARE(notes->toPlainText(), note);
        QTest::mouseClick(must<QPushButton>(window, QStringLiteral("cmdUpdate")), Qt::LeftButton);
        QCOMPARE(world->user()->query(select).value(0).toString(), note);
    }
};

QTEST_MAIN(TestLongRuns)
#include "tst_longruns.moc"
