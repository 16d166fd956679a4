#include "guide/TriviaRules.h"

#include <utility>

namespace guide::trivia {

Captions placeAnswers(const Answers& a, Draw draw) {
    const auto longer = [&a](const QString& other) { return a.correct.size() > other.size(); };
    if (draw == Draw::First && longer(a.answer2) && longer(a.answer3) && longer(a.answer4))
        return {a.answer2, a.correct, a.answer3, a.answer4};
    if (longer(a.answer4))
        return {a.answer4, a.answer2, a.answer3, a.correct};
    if (longer(a.answer3))
        return {a.answer4, a.answer2, a.correct, a.answer3};
    if (longer(a.answer2))
        return {a.answer4, a.correct, a.answer3, a.answer2};
    return {a.correct, a.answer2, a.answer3, a.answer4};
}

void shuffleByClock(Captions& captions, int s, Draw draw) {
    if (draw == Draw::First) {
        if (s > 30 || s < 10)
            std::swap(captions[1], captions[3]);
        return;
    }
    if (s > 50 || s < 10)
        std::swap(captions[1], captions[3]);
    else if (s > 40 || s < 20)
        std::swap(captions[2], captions[3]);
    else if (s > 30)
        std::swap(captions[0], captions[3]);
}

QString chosenAnswer(const Captions& captions, const std::array<bool, 4>& checked) {
    for (int i = 0; i < 3; ++i)
        if (checked[i])
            return captions[i];
    return captions[3];
}

bool isCorrect(const QString& chosen, const QString& correct) {
    return chosen == correct;
}

QString verdict(bool correct, const QString& correctAnswer) {
    return correct ? QStringLiteral("Correct!!")
                   : QStringLiteral("Incorrect.  The previous answer was: ") + correctAnswer;
}

void Score::record(bool correct) {
    ++(correct ? right : wrong);
    ++given;
}

QString scoreLine(int right) {
    return QStringLiteral("You got %1 Out of 10").arg(right);
}

QString rating(int right, Ratings ratings) {
    const bool resort = ratings == Ratings::ResortQuiz;
    if (right < 5)
        return QStringLiteral("You've got a long way to go Rookie");
    if (right <= 7)
        return resort ? QStringLiteral("Your'e not far off now.  You'll be a Disney expert before long!")
                      : QStringLiteral("Your'e not far off now.  You'll be a Disney expert before no time");
    if (right <= 9)
        return resort ? QStringLiteral("Your'e a Disney Buff.  But we can't call you an expert yet!!")
                      : QStringLiteral("Your'e a Disney Buff.  But i can't call you an expert yet!!");
    return resort ? QStringLiteral("We must have made this game too Easy!! Or else you must be a Disney Expert!")
                  : QStringLiteral(
                        "Holy Cow.  I must have made this game too Easy!! Or else you must be a Disney Expert!");
}

} // namespace guide::trivia
