#include "TestSupport.h"

#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/frmBasics.h"
#include "platform/Database.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using platform::Forms;

class TestFrmBasics : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    frmBasics* openWithRows() {
        // Topic 2 has a Null paragraph between two others; topic 3 one row.
        // Each paragraph ends in a line break, the last one too.
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Basics (IntId, info) VALUES (2, 'Winter''s quiet.'), (3, 'Drive.'), "
                                   "(2, NULL), (2, 'Summer is busy.')"));
        return dynamic_cast<frmBasics*>(Forms::open(QStringLiteral("frmBasics")));
    }
    static void pick(frmBasics* w, int index) {
        w->Combo1->setCurrentIndex(index);
        emit w->Combo1->activated(index);
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(false); }
    void cleanup() { world.reset(); }

    void printHeadsThePaneWithTheComboText_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("nothing picked") << -1 << ""
                                        << "" << QStringList{"Choose a topic."};
        QTest::newRow("picked") << 1 << ""
                                << "Winter's quiet.\n\nSummer is busy.\n"
                                << (QStringList{"When is the best time to visit Walt Disney World?", "Winter's",
                                                "quiet.", "Summer", "is", "busy."});
        QTest::newRow("typed after picking") << 2 << "Our trip's notes"
                                             << "Drive.\n"
                                             << QStringList{"Our trip's notes", "Drive."};
    }
    void printHeadsThePaneWithTheComboText() {
        QFETCH(int, topic);
        QFETCH(QString, typed);
        QFETCH(QString, pane);
        QFETCH(QStringList, words);
        frmBasics* w = openWithRows();
        if (topic >= 0)
            pick(w, topic);
        QCOMPARE(w->rtParks->text(), pane); // a Null paragraph is an empty line
        if (!typed.isEmpty()) {
            w->Combo1->lineEdit()->selectAll();
            QTest::keyClicks(w->Combo1->lineEdit(), typed);
            QTest::keyClick(w->Combo1->lineEdit(), Qt::Key_Return);
            QCOMPARE(w->Combo1->count(), 8); // typed text is no new topic
        }
        QTest::mouseClick(w->Picture1, Qt::LeftButton);
        QCOMPARE(world->printer().documents.size(), 1);
        // Header, footer (date, page number), then the body's words.
        QStringList printed = world->printer().words(0, 0);
        printed.remove(1, 2);
        QCOMPARE(printed, words);
    }

    void typingInThePaneShowsTheHintAndAMissingDatabaseIsReportedOnce() {
        QFile::remove(platform::App::file(platform::Database::contentFileName()));
        world->dialogs().answerMessage();
        auto* w = dynamic_cast<frmBasics*>(Forms::open(QStringLiteral("frmBasics")));
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
