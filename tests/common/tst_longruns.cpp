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
class TestLongRuns : public WorldTest {
    Q_OBJECT
public:
    TestLongRuns() : WorldTest(true) {}

private:
    template <typename Box> static QTextOption::WrapMode mode(Box* box) { return box->wordWrapMode(); }

    // Puts `text` in the box the way `way` says: set from code, pasted, or
    // typed (its last characters, which make the run too long to word-wrap).
    template <typename Box> static void enter(Box* box, const QString& way, const QString& text) {
        box->moveCursor(QTextCursor::End);
        if (way == QLatin1String("set")) {
            box->setPlainText(box->toPlainText() + text);
        } else if (way == QLatin1String("pasted")) {
            box->insertPlainText(text);
        } else {
            box->insertPlainText(text.chopped(10));
            QCOMPARE(mode(box), QTextOption::WrapAtWordBoundaryOrAnywhere);
            QTest::keyClicks(box, text.right(10));
        }
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

    // Each notes box of the window holds its own long note.
    void storedLongNotesComeBackAndAreSavedBackWhole_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("table"); // with its two key columns and the notes' columns
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("planner") << "frmSchedule" << QStringList{"txtMorning", "txtAfternoon", "txtEvening"}
                                 << "Schedule (ScheduleNum, DayNum" << QStringList{"Morning", "Afternoon", "Evening"};
        QTest::newRow("journal") << "frmDetails" << QStringList{"txtDetails", "txtFavorite", "txtDifferent"}
                                 << "Details (TripNum, DayNum" << QStringList{"Details", "Favorites", "Different"};
    }
    void storedLongNotesComeBackAndAreSavedBackWhole() {
        QFETCH(QString, form);
        QFETCH(QStringList, boxes);
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO TravelInfo (TripDate) VALUES ('2004-06-05')"));
        // Runs too long to word-wrap; the first one longer than any 16-bit length.
        QStringList notes;
        for (const QString& column : columns)
            notes << QStringLiteral("see https://example.com/") +
                         QString(notes.isEmpty() ? 70000 : 2000, QLatin1Char('x')) +
                         QStringLiteral("\nété 🎢 'quoted' \"twice\" in ") + column;
        world->exec(platform::Database::userFileName(),
                    QStringLiteral("INSERT INTO %1, %2) VALUES (1, 1, ?, ?, ?)").arg(table, columns.join(", ")),
                    {notes[0], notes[1], notes[2]});
        QWidget* window = Forms::open(form);
        for (int i = 0; i < 3; ++i) {
            auto* box = must<QPlainTextEdit>(window, boxes[i]);
            QCOMPARE(box->wordWrapMode(), QTextOption::WrapAnywhere);
            QCOMPARE(box->toPlainText(), notes[i]);
        }
        QTest::mouseClick(must<QPushButton>(window, QStringLiteral("cmdUpdate")), Qt::LeftButton);
        auto stored =
            world->user()->query(QStringLiteral("SELECT %1 FROM %2").arg(columns.join(", "), table.section(' ', 0, 0)));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stored.value(i).toString(), notes[i]);
    }
};

QTEST_MAIN(TestLongRuns)
#include "tst_longruns.moc"
