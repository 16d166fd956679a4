#include "TestSupport.h"

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

    int count(const QString& sql, int type) { return world->content()->query(sql, {type}).value(0).toInt(); }
    void addQuestion(int id, int type, int displayed, const QStringList& a) {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Trivia VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                    {id, type, QStringLiteral("Question %1?").arg(id), a[0], a[1], a[2], a[3], displayed});
    }
    // Plays a game to its end, answering right where `right` says so; returns the last right answer.
    QString play(const QString& form, const QList<bool>& right) {
        auto* q = qobject_cast<TriviaQuiz*>(Forms::open(form));
        QString correct;
        for (bool r : right) {
            correct = world->content()
                          ->query(QStringLiteral("Select CorrectAnswer from Trivia Where QuestionId = ?"),
                                  {q->lblId->text().toInt()})
                          .text(QStringLiteral("CorrectAnswer"));
            const std::array<QRadioButton*, 4> options = {q->Option1, q->Option2, q->Option3, q->Option4};
            for (int i = 0; i < 4; ++i)
                if ((q->caption(i) == correct) == r) {
                    options[i]->click();
                    break;
                }
            QTest::mouseClick(q->Picture1 ? static_cast<QWidget*>(q->Picture1) : q->Command1, Qt::LeftButton);
        }
        world->settle();
        return correct;
    }

private slots:
    void init() { world = std::make_unique<TestWorld>(); }
    void cleanup() { world.reset(); }

    void aGameDrawsTenDifferentQuestionsAndScoresThem_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("rating");
        QTest::newRow("resort quiz") << "frmDWTrivia" << 2
                                     << "Your'e not far off now.  You'll be a Disney expert before long!";
        QTest::newRow("Disney quiz") << "frmTrivia" << 1
                                     << "Your'e not far off now.  You'll be a Disney expert before no time";
    }
    void aGameDrawsTenDifferentQuestionsAndScoresThem() {
        QFETCH(QString, form);
        QFETCH(int, type);
        QFETCH(QString, rating);
        const QString last = play(form, {false, true, true, false, true, true, false, true, true, false});
        QCOMPARE(count(QStringLiteral("Select Sum(Displayed) from Trivia Where TriviaType = ?"), type), 10);
        QCOMPARE(count(QStringLiteral("Select Max(Displayed) from Trivia Where TriviaType = ?"), type), 1);
        QVERIFY(!Forms::isLoaded(form));
        auto* r = Forms::findAs<TriviaResults>(type == 2 ? "frmResults2" : "frmResults");
        QVERIFY(r && r->isVisible());
        QCOMPARE(r->Label1->text(), QStringLiteral("You got 6 Out of 10"));
        QCOMPARE(r->Label2->text(), rating);
        QCOMPARE(r->lblanswer ? r->lblanswer->text() : QString(),
                 type == 2 ? "Incorrect.  The previous answer was: " + last : QString());
    }

    // A second game ends while the first one's score window is open, then Play Again and Close.
    void scoreWindowIsOverwrittenAndPlaysAgain() {
        play(QStringLiteral("frmDWTrivia"), QList<bool>(10, false));
        auto* r = Forms::findAs<TriviaResults>(QStringLiteral("frmResults2"));
        QCOMPARE(r->Label1->text(), QStringLiteral("You got 0 Out of 10"));
        play(QStringLiteral("frmDWTrivia"), QList<bool>(10, true));
        QCOMPARE(Forms::findAs<TriviaResults>(QStringLiteral("frmResults2")), r);
        QCOMPARE((QStringList{r->lblanswer->text(), r->Label1->text()}),
                 (QStringList{"Correct!!", "You got 10 Out of 10"}));
        QTest::mouseClick(r->Picture1, Qt::LeftButton);
        world->settle();
        auto* q = Forms::findAs<TriviaQuiz>(QStringLiteral("frmDWTrivia"));
        QVERIFY(q && q->isVisible() && !Forms::isLoaded(QStringLiteral("frmResults2")));
        QCOMPARE(q->score().given, 0);
        q->mnuClose->trigger();
        world->settle();
        QCOMPARE(Forms::loadedNames(), QStringList());
    }

    // The least drawn question, its answers placed and shuffled by the clock, equal answers, an ampersand.
    void drawsTheLeastShownQuestionAndPlacesItsAnswers() {
        world = std::make_unique<TestWorld>(false);
        addQuestion(1, 2, 3, {"Often shown", "a", "b", "c"});
        addQuestion(2, 2, 1, {"Rock & Roll", "Rock & Roll", "Jazz", "Polka dot"});
        addQuestion(3, 2, 1, {"Third", "x", "y", "z"});
        platform::Clock::setFixed(QDateTime(QDate(2004, 6, 1), QTime(9, 30, 45)));
        auto* q = qobject_cast<TriviaQuiz*>(Forms::open(QStringLiteral("frmDWTrivia")));
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
        QCOMPARE(q->rtQuestion->text(), QStringLiteral("There are no trivia questions to ask."));
        QVERIFY(!q->Picture1->isEnabled() && !q->Option1->isVisible());
        q->Command1_Click();
        QCOMPARE(q->score().given, 0);
        QCOMPARE(count(QStringLiteral("Select Sum(Displayed) from Trivia Where TriviaType = ?"), 1), 0);
    }
};

QTEST_MAIN(TestTriviaQuiz)
#include "tst_triviaquiz.moc"
