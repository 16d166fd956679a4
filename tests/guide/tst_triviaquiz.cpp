#include "TestSupport.h"
#include "TextFit.h"

#include "common/RichTextBox.h"

#include <QLabel>
#include <QRadioButton>

using platform::Forms;

namespace {

QRadioButton* option(QObject* quiz, int n) {
    return must<QRadioButton>(quiz, QStringLiteral("Option%1").arg(n));
}
// The answer on option button n as stored: the button shows an ampersand doubled.
QString answerOn(QObject* quiz, int n) {
    return option(quiz, n)->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
}
// Continue: a picture on the resort quiz, a button on the other.
void continueQuiz(QObject* quiz) {
    auto* picture = child<QWidget>(quiz, QStringLiteral("Picture1"));
    QTest::mouseClick(picture ? picture : must<QWidget>(quiz, QStringLiteral("Command1")), Qt::LeftButton);
}
QString shown(QObject* window, const QString& label) {
    return must<QLabel>(window, label)->text();
}
// The verdict on the resort quiz's score window; the other has none.
QString verdictOn(QObject* results) {
    auto* verdict = child<QLabel>(results, QStringLiteral("lblanswer"));
    return verdict ? verdict->text() : QString();
}

} // namespace

class TestTriviaQuiz : public WorldTest {
    Q_OBJECT
public:
    TestTriviaQuiz() : WorldTest(true) {}

private:
    QVariant scalar(const QString& sql, const QVariant& bind) { return world->content()->query(sql, {bind}).value(0); }
    int count(const QString& sql, int type) { return scalar(sql, type).toInt(); }
    void addQuestion(int id, int type, int displayed, const QStringList& a) {
        world->exec(platform::Database::contentFileName(),
                    QStringLiteral("INSERT INTO Trivia VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                    {id, type, QStringLiteral("Question %1?").arg(id), a[0], a[1], a[2], a[3], displayed});
    }
    // Plays a game to its end, answering right where `right` says so; returns the last right answer.
    QString play(const QString& form, const QList<bool>& right) {
        platform::Form* q = Forms::open(form);
        if (!q) {
            QTest::qFail(qPrintable(form + QStringLiteral(" did not open")), __FILE__, __LINE__);
            return {};
        }
        QString correct;
        for (bool r : right) {
            correct = scalar(QStringLiteral("Select CorrectAnswer from Trivia Where QuestionId = ?"),
                             shown(q, "lblId").toInt())
                          .toString();
            int n = 1;
            while (n < 4 && (answerOn(q, n) == correct) != r)
                ++n;
            option(q, n)->click();
            continueQuiz(q);
        }
        world->settle();
        return correct;
    }

private slots:
    void aFolderThatCannotBeWrittenStillPlaysWithoutAMessage() {
        platform::Database::setOpenReadOnly(true);
        play(QStringLiteral("frmTrivia"), QList<bool>(10, true));
        QCOMPARE(world->dialogs().messages(), QStringList());
        QCOMPARE(shown(Forms::find(QStringLiteral("frmResults")), "Label1"), QStringLiteral("You got 10 Out of 10"));
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
        platform::Form* r = Forms::find(results);
        QVERIFY(r && r->isVisible());
        QCOMPARE(shown(r, "Label1"), QStringLiteral("You got 6 Out of 10"));
        QCOMPARE(shown(r, "Label2"), rating);
        QCOMPARE(verdictOn(r), type == 2 ? "Incorrect.  The previous answer was: " + last : QString());

        // A second game ends while the score window is open and overwrites it; then Play Again and Close.
        play(form, QList<bool>(10, true));
        QCOMPARE(Forms::find(results), r);
        QCOMPARE(shown(r, "Label1"), QStringLiteral("You got 10 Out of 10"));
        QCOMPARE(verdictOn(r), type == 2 ? "Correct!!" : QString());
        clickOn(r, "Picture1");
        world->settle();
        platform::Form* q = Forms::find(form);
        QVERIFY(q && q->isVisible() && !Forms::isLoaded(results));
        chooseItem(q, "mnuClose");
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
        platform::Form* q = Forms::open(form);
        QVERIFY(q);
        while (seen.size() < questions) {
            seen << shown(q, "lblId");
            for (int n = 1; n <= 4; ++n)
                if (const QString c = cutCaption(option(q, n)); !c.isEmpty())
                    cut << option(q, n)->text() + QStringLiteral(": ") + c;
            continueQuiz(q);
            if (!Forms::isLoaded(form)) // the tenth answer: play again
                clickOn(Forms::find(type == 2 ? "frmResults2" : "frmResults"), "Picture1");
            q = Forms::find(form);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    void drawsTheLeastShownQuestionAndPlacesItsAnswers() {
        world = std::make_unique<TestWorld>(false);
        addQuestion(1, 2, 3, {"Often shown", "a", "b", "c"});
        addQuestion(2, 2, 1, {"Rock & Roll", "Rock & Roll", "Jazz", "Polka dot"});
        addQuestion(3, 2, 1, {"Third", "x", "y", "z"});
        platform::Clock::setFixed(QDateTime(QDate(2004, 6, 1), QTime(9, 30, 45)));
        platform::Form* q = Forms::open(QStringLiteral("frmDWTrivia"));
        QVERIFY(q);
        auto* question = must<common::RichTextBox>(q, "rtQuestion");
        QCOMPARE(question->text(), QStringLiteral("Question 2?"));
        QCOMPARE(question->formatAt(1).foreground().color(), QColor(255, 0, 0));
        // C is longer than Answer4 only; then s = 45 swaps Option2 and Option4.
        QCOMPARE((QStringList{option(q, 1)->text(), option(q, 2)->text(), option(q, 3)->text(), option(q, 4)->text()}),
                 (QStringList{"Polka dot", "Rock && Roll", "Jazz", "Rock && Roll"}));
        option(q, 4)->click();
        clickOn(q, "Picture1");
        QCOMPARE(shown(q, "lblAnswer"), QStringLiteral("Correct!!"));
        QVERIFY(!option(q, 4)->isChecked()); // the next question comes with no option set
        QCOMPARE(question->text(), QStringLiteral("Question 3?"));
        // With nothing picked, Option4 is judged: s = 45 swaps Option3 and Option4, leaving "y" there.
        QCOMPARE(answerOn(q, 4), QStringLiteral("y"));
        clickOn(q, "Picture1");
        QCOMPARE(shown(q, "lblAnswer"), QStringLiteral("Incorrect.  The previous answer was: Third"));
        QCOMPARE(question->text(), QStringLiteral("Question 2?"));
    }

    void noQuestionLeavesAQuietWindow() {
        world = std::make_unique<TestWorld>(false);
        addQuestion(1, 1, 0, {"Only the other quiz", "a", "b", "c"});
        platform::Form* q = Forms::open(QStringLiteral("frmDWTrivia"));
        QVERIFY(q);
        QCOMPARE(must<common::RichTextBox>(q, "rtQuestion")->text(),
                 QStringLiteral("There are no trivia questions to ask."));
        QVERIFY(!must<QWidget>(q, "Picture1")->isEnabled() && !option(q, 1)->isVisible());
        clickOn(q, "Picture1");
        QCOMPARE(shown(q, "lblAnswer"), QString());
        QCOMPARE(count(QStringLiteral("Select Sum(Displayed) from Trivia Where TriviaType = ?"), 1), 0);
    }
};

QTEST_MAIN(TestTriviaQuiz)
#include "tst_triviaquiz.moc"
