#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/RichTextBox.h"

using platform::Forms;

class TestFrmBasics : public WorldTest {
    Q_OBJECT
    static platform::Form* open() { return Forms::open(QStringLiteral("frmBasics")); }
    static void pick(QObject* w, int index) { pickEntry(must<common::DropDownList>(w, "Combo1"), index); }
    static common::RichTextBox* pane(QObject* w) { return must<common::RichTextBox>(w, "rtParks"); }

private slots:
    // Each row is one line ending in a line break, a Null one an empty line; the combo text heads the print.
    void printHeadsThePaneOfTheLastTopicWithTheComboText() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Basics (IntId, info) VALUES (2, 'Winter''s quiet.'), (3, 'Drive.'), "
                                   "(2, NULL), (2, 'Summer is busy.')"));
        platform::Form* w = open();
        QVERIFY(w);
        clickOn(w, "Picture1");
        pick(w, 1);
        QCOMPARE(pane(w)->text(), QStringLiteral("Winter's quiet.\n\nSummer is busy.\n"));
        clickOn(w, "Picture1");
        pick(w, 2);
        QCOMPARE(pane(w)->text(), QStringLiteral("Drive.\n"));
        // A topic's exact name, typed, loads nothing.
        auto* combo = must<common::DropDownList>(w, "Combo1");
        typeOver(combo, QStringLiteral("What are Priority Seatings?"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(pane(w)->text(), QStringLiteral("Drive.\n"));
        typeOver(combo, QStringLiteral("Our trip's notes"));
        clickOn(w, "Picture1");

        QCOMPARE(world->printer().documents.size(), 3);
        QList<QStringList> printed;
        for (int doc = 0; doc < 3; ++doc) {
            printed << world->printer().words(doc, 0);
            printed.last().remove(1, 2); // the footer's date and page number
        }
        QCOMPARE(printed, (QList<QStringList>{{"Choose a topic."},
                                              {"When is the best time to visit Walt Disney World?", "Winter's",
                                               "quiet.", "Summer", "is", "busy."},
                                              {"Our trip's notes", "Drive."}}));
    }

    void typingInThePaneShowsTheHintAndAMissingDatabaseIsReportedOnce() {
        QFile::remove(platform::App::file(platform::Database::contentFileName()));
        world->dialogs().answerMessage();
        platform::Form* w = open();
        QVERIFY(w);
        pick(w, 0);
        QVERIFY(pane(w)->text().isEmpty());
        QTest::keyClick(pane(w), Qt::Key_Down); // moving shows nothing
        world->dialogs().answerMessage();
        QTest::keyClick(pane(w), Qt::Key_A);
        QCOMPARE(world->dialogs().messages().size(), 2);
        QCOMPARE(world->dialogs().messages()[1], QStringLiteral("Add and remove your tips below"));
    }
};

QTEST_MAIN(TestFrmBasics)
#include "tst_frmbasics.moc"
