#pragma once

#include <QString>
#include <array>

// The rules of the trivia quizzes, kept apart from the windows: where the four
// answers of a question go, how the clock shuffles them, which answer counts as
// chosen, the verdict, the score and the rating.
namespace guide::trivia {

// The four option buttons' captions, Option1 to Option4.
using Captions = std::array<QString, 4>;

// The answers of one question: the right one and the three wrong ones.
struct Answers {
    QString correct;
    QString answer2;
    QString answer3;
    QString answer4;
};

// Which draw places the answers: the resort quiz's first question uses one
// more placement line and a milder shuffle than every later question.
enum class Draw { First, Next };

// Places the answers by the lengths of the right answer and the wrong ones
// (more characters, strictly) before any shuffle.
Captions placeAnswers(const Answers& answers, Draw draw);

// Exchanges two captions depending on the seconds of the clock (0 to 59).
void shuffleByClock(Captions& captions, int seconds, Draw draw);

// The caption judged: the first of Option1 to Option3 that is set, otherwise
// Option4's caption, whether Option4 is set or not.
QString chosenAnswer(const Captions& captions, const std::array<bool, 4>& checked);

// True when the chosen caption is the right answer, case included.
bool isCorrect(const QString& chosen, const QString& correct);
// "Correct!!" or the right answer after the word Incorrect.
QString verdict(bool correct, const QString& correctAnswer);

// The counters of one game.
struct Score {
    int right = 0;
    int wrong = 0;
    int given = 0;

    void record(bool correct);
    bool finished() const { return given >= kQuestionsPerGame; }

    static constexpr int kQuestionsPerGame = 10;
};

QString scoreLine(int right);

// The two quizzes rate the same score in words of their own.
enum class Ratings { ResortQuiz, DisneyQuiz };
QString rating(int right, Ratings ratings);

} // namespace guide::trivia
