#pragma once

#include "guide/TriviaRules.h"
#include "platform/Forms.h"

#include <array>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QRadioButton;

namespace platform {
class Database;
}

namespace common {
class CommandButton;
class PictureButton;
class RichTextBox;
} // namespace common

namespace guide {

// What sets the two quizzes apart.
struct TriviaQuizKind {
    QString formName;
    QString caption;
    QString intro;
    int triviaType = 2;
    // The resort quiz places its first question by its own rule, shuffles every
    // question by the clock, shows the question red and bold and continues with
    // a picture button; the other quiz does none of that.
    bool resortQuiz = true;
    QString resultsForm;
};

// A ten-question multiple-choice quiz: shows the least drawn question with its
// four answers, judges the picked answer on Continue and, after the tenth,
// hands the score to its score window and closes.
class TriviaQuiz : public platform::Form {
    Q_OBJECT
public:
    explicit TriviaQuiz(const TriviaQuizKind& kind);
    ~TriviaQuiz() override;

    void Form_Load() override;

private:
    void Command1_Click();
    void Command2_Click();
    void mnuClose_Click();

    QLabel* Label1 = nullptr;
    common::RichTextBox* rtQuestion = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    common::PictureButton* Picture1 = nullptr; // the resort quiz only
    QLabel* lblAnswer = nullptr;
    QLabel* lblId = nullptr;
    common::CommandButton* Command1 = nullptr;
    common::CommandButton* Command2 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuClose = nullptr;

    std::array<QRadioButton*, 4> options() const { return {Option1, Option2, Option3, Option4}; }
    void NextQuestion(const QString& verdict);
    // Shows the least drawn question and counts the draw; false when there is none.
    bool drawQuestion(trivia::Draw draw);
    void showNoQuestion();
    void endGame(const QString& verdict);

    TriviaQuizKind m_kind;
    std::unique_ptr<platform::Database> m_db;
    trivia::Score m_score;
    trivia::Captions m_captions;
    QString m_correctAnswer;
    std::optional<int> m_questionId;
};

// What sets the two score windows apart.
struct TriviaResultsKind {
    QString formName;
    QString quizForm;
    bool showsVerdict = true;
};

// The score window of a finished game: the last verdict, the score, the rating,
// Play Again and Close.
class TriviaResults : public platform::Form {
    Q_OBJECT
public:
    explicit TriviaResults(const TriviaResultsKind& kind);

    // Written by the quiz before it shows this window.
    void showScore(const QString& verdict, const QString& scoreLine, const QString& rating);

private:
    void Command1_Click();
    void Picture9_Click();

    QLabel* lblanswer = nullptr; // the resort quiz's score window only
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    common::CommandButton* Command1 = nullptr;

    TriviaResultsKind m_kind;
};

} // namespace guide
