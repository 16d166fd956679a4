#include "TestSupport.h"

#include "common/DropDownList.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/frmBasics.h"

using platform::Forms;

class TestFrmBasics : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmBasics* open() { return dynamic_cast<frmBasics*>(Forms::open(QStringLiteral("frmBasics"))); }
    static void pick(frmBasics* w, int index) { pickEntry(child<common::DropDownList>(w, "Combo1"), index); }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    // Each row is one line ending in a line break, a Null one an empty line; the combo text heads the print.
    void printHeadsThePaneOfTheLastTopicWithTheComboText() {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Basics (IntId, info) VALUES (2, 'Winter''s quiet.'), (3, 'Drive.'), "
                                   "(2, NULL), (2, 'Summer is busy.')"));
        frmBasics* w = open();
        QVERIFY(w);
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        pick(w, 1);
        QCOMPARE(w->rtParks->text(), QStringLiteral("Winter's quiet.\n\nSummer is busy.\n"));
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        pick(w, 2);
        QCOMPARE(w->rtParks->text(), QStringLiteral("Drive.\n"));
        // A topic's exact name, typed, loads nothing.
        auto* combo = child<common::DropDownList>(w, "Combo1");
        typeOver(combo, QStringLiteral("What are Priority Seatings?"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(w->rtParks->text(), QStringLiteral("Drive.\n"));
        typeOver(combo, QStringLiteral("Our trip's notes"));
        QTest::mouseClick(w->Picture1, Qt::LeftButton);

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
        frmBasics* w = open();
        QVERIFY(w);
        pick(w, 0);
        QVERIFY(w->rtParks->text().isEmpty());
        QTest::keyClick(w->rtParks, Qt::Key_Down); // moving shows nothing
        world->dialogs().answerMessage();
        QTest::keyClick(w->rtParks, Qt::Key_A);
        QCOMPARE(world->dialogs().messages().size(), 2);
        QCOMPARE(world->dialogs().messages()[1], QStringLiteral("Add and remove your tips below"));
    }
};

QTEST_MAIN(TestFrmBasics)
#include "tst_frmbasics.moc"
