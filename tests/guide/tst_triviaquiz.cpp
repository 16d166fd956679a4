#include "TestSupport.h"
#include "TextFit.h"

#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/TriviaQuiz.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using guide::TriviaQuiz;
using guide::TriviaResults;
using platform::Forms;

class TestTriviaQuiz : public QObject {
    Q_OBJECT
    std::unique_ptr<TestWorld> world;

    QVariant scalar(const QString& sql, const QVariant& bind) { return world->content()->query(sql, {bind}).value(0); }
    int count(const QString& sql, int type) { return scalar(sql, type).toInt(); }
    void addQuestion(int id, int type, int displayed, const QStringList& a) {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Trivia VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                    {id, type, QStringLiteral("Question %1?").arg(id), a[0], a[1], a[2], a[3], displayed});
    }
    // Plays a game to its end, answering right where `right` says so; returns the last right answer.
    QString play(const QString& form, const QList<bool>& right) {
        auto* q = qobject_cast<TriviaQuiz*>(Forms::open(form));
        if (!q) {
            QTest::qFail(qPrintable(form + QStringLiteral(" did not open")), __FILE__, __LINE__);
            return {};
        }
        QString correct;
        for (bool r : right) {
            correct = scalar(QStringLiteral("Select CorrectAnswer from Trivia Where QuestionId = ?"),
                             q->lblId->text().toInt())
                          .toString();
            int i = 0;
            while ((q->caption(i) == correct) != r)
                ++i;
            std::array{q->Option1, q->Option2, q->Option3, q->Option4}[i]->click();
            QTest::mouseClick(q->Picture1 ? static_cast<QWidget*>(q->Picture1) : q->Command1, Qt::LeftButton);
        }
        world->settle();
        return correct;
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void aFolderThatCannotBeWrittenStillPlaysWithoutAMessage() {
        platform::Database::setOpenReadOnly(true);
        play(QStringLiteral("frmTrivia"), QList<bool>(10, true));
        platform::Database::setOpenReadOnly(false);
        QCOMPARE(world->dialogs().messages(), QStringList());
        QCOMPARE(Forms::findAs<TriviaResults>(QStringLiteral("frmResults"))->Label1->text(),
                 QStringLiteral("You got 10 Out of 10"));
        QCOMPARE(count(QStringLiteral("Select Sum(Displayed) from Trivia Where TriviaType = ?"), 1), 0);
    }

    void aGameDrawsTenDifferentQuestionsScoresThemAndPlaysAgain_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("rating");
        QTest::newRow("resort quiz") << "frmDWTrivia" << 2
                                     << "Your'e not far off now.  You'll be a Disney expert before long!";
        QTest::newRow("Disney quiz") << "frmTrivia" << 1
                                     << "Your'e not far off now.  You'll be a Disney expert before no time";
    }
    void aGameDrawsTenDifferentQuestionsScoresThemAndPlaysAgain() {
        QFETCH(QString, form);
        QFETCH(int, type);
        QFETCH(QString, rating);
        const QString results = type == 2 ? "frmResults2" : "frmResults";
        const QString last = play(form, {false, true, true, false, true, true, false, true, true, false});
        QCOMPARE(count(QStringLiteral("Select Sum(Displayed) from Trivia Where TriviaType = ?"), type), 10);
        QCOMPARE(count(QStringLiteral("Select Max(Displayed) from Trivia Where TriviaType = ?"), type), 1);
        QVERIFY(!Forms::isLoaded(form));
        auto* r = Forms::findAs<TriviaResults>(results);
        QVERIFY(r && r->isVisible());
        QCOMPARE(r->Label1->text(), QStringLiteral("You got 6 Out of 10"));
        QCOMPARE(r->Label2->text(), rating);
        QCOMPARE(r->lblanswer ? r->lblanswer->text() : QString(),
                 type == 2 ? "Incorrect.  The previous answer was: " + last : QString());

        // A second game ends while the score window is open and overwrites it; then Play Again and Close.
        play(form, QList<bool>(10, true));
        QCOMPARE(Forms::findAs<TriviaResults>(results), r);
        QCOMPARE(r->Label1->text(), QStringLiteral("You got 10 Out of 10"));
        QCOMPARE(r->lblanswer ? r->lblanswer->text() : QString(), type == 2 ? "Correct!!" : QString());
        QTest::mouseClick(r->Picture1, Qt::LeftButton);
        world->settle();
        auto* q = Forms::findAs<TriviaQuiz>(form);
        QVERIFY(q && q->isVisible() && !Forms::isLoaded(results));
        QCOMPARE(q->score().given, 0);
        q->mnuClose->trigger();
        world->settle();
        QCOMPARE(Forms::loadedNames(), QStringList());
    }

    // Question after question, game after game, until every shipped question has been on screen.
    void everyShippedAnswerCanBeReadWholeOnItsButton_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("type");
        QTest::newRow("resort quiz") << "frmDWTrivia" << 2;
        QTest::newRow("Disney quiz") << "frmTrivia" << 1;
    }
    void everyShippedAnswerCanBeReadWholeOnItsButton() {
        QFETCH(QString, form);
        QFETCH(int, type);
        const int questions = count(QStringLiteral("Select Count(*) from Trivia Where TriviaType = ?"), type);
        QSet<QString> seen;
        QStringList cut;
        auto* q = qobject_cast<TriviaQuiz*>(Forms::open(form));
        while (seen.size() < questions) {
            seen << q->lblId->text();
            for (QRadioButton* option : {q->Option1, q->Option2, q->Option3, q->Option4})
                if (const QString c = cutCaption(option); !c.isEmpty())
                    cut << option->text() + QStringLiteral(": ") + c;
            QTest::mouseClick(q->Picture1 ? static_cast<QWidget*>(q->Picture1) : q->Command1, Qt::LeftButton);
            if (!Forms::isLoaded(form)) // the tenth answer: play again
                QTest::mouseClick(
                    Forms::find(type == 2 ? "frmResults2" : "frmResults")->findChild<QWidget*>("Picture1"),
                    Qt::LeftButton);
            q = Forms::findAs<TriviaQuiz>(form);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void drawsTheLeastShownQuestionAndPlacesItsAnswers() {
        world = std::make_unique<TestWorld>(false);
        addQuestion(1, 2, 3, {"Often shown", "a", "b", "c"});
        addQuestion(2, 2, 1, {"Rock & Roll", "Rock & Roll", "Jazz", "Polka dot"});
        addQuestion(3, 2, 1, {"Third", "x", "y", "z"});
        platform::Clock::setFixed(QDateTime(QDate(2004, 6, 1), QTime(9, 30, 45)));
        auto* q = qobject_cast<TriviaQuiz*>(Forms::open(QStringLiteral("frmDWTrivia")));
        QVERIFY(q);
        QCOMPARE(q->rtQuestion->text(), QStringLiteral("Question 2?"));
        QCOMPARE(q->rtQuestion->formatAt(1).foreground().color(), QColor(255, 0, 0));
        // C is longer than Answer4 only; then s = 45 swaps Option2 and Option4.
        QCOMPARE((QStringList{q->caption(0), q->caption(1), q->caption(2), q->caption(3)}),
                 (QStringList{"Polka dot", "Rock & Roll", "Jazz", "Rock & Roll"}));
        QCOMPARE(q->Option2->text(), QStringLiteral("Rock && Roll"));
        q->Option4->click();
        QTest::mouseClick(q->Picture1, Qt::LeftButton);
        QCOMPARE(q->lblAnswer->text(), QStringLiteral("Correct!!"));
        QVERIFY(!q->Option4->isChecked()); // the next question comes with no option set
        QCOMPARE(q->rtQuestion->text(), QStringLiteral("Question 3?"));
        // With nothing picked, Option4 is judged: s = 45 swaps Option3 and Option4, leaving "y" there.
        QCOMPARE(q->caption(3), QStringLiteral("y"));
        QTest::mouseClick(q->Picture1, Qt::LeftButton);
        QCOMPARE(q->lblAnswer->text(), QStringLiteral("Incorrect.  The previous answer was: Third"));
        QCOMPARE(q->rtQuestion->text(), QStringLiteral("Question 2?"));
    }

    void noQuestionLeavesAQuietWindow() {
        world = std::make_unique<TestWorld>(false);
        addQuestion(1, 1, 0, {"Only the other quiz", "a", "b", "c"});
        auto* q = qobject_cast<TriviaQuiz*>(Forms::open(QStringLiteral("frmDWTrivia")));
        QVERIFY(q);
        QCOMPARE(q->rtQuestion->text(), QStringLiteral("There are no trivia questions to ask."));
        QVERIFY(!q->Picture1->isEnabled() && !q->Option1->isVisible());
        q->Command1_Click();
        QCOMPARE(q->score().given, 0);
        QCOMPARE(count(QStringLiteral("Select Sum(Displayed) from Trivia Where TriviaType = ?"), 1), 0);
    }
};

QTEST_MAIN(TestTriviaQuiz)
#include "tst_triviaquiz.moc"
