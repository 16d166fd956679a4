#include "guide/TriviaQuiz.h"

#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/OptionButton.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "guide/Registration.h"
#include "platform/Database.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

namespace guide {

using platform::placeTwips;
namespace trivia = guide::trivia;

namespace {

const QColor kRed(255, 0, 0);

QFont sansSerif(bool bold = false) {
    return common::makeFont(QStringLiteral("MS Sans Serif"), 8.25, bold);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, bool bold, const QColor& ink, int l,
                  int t, int w, int h) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(sansSerif(bold));
    common::setInk(label, ink);
    placeTwips(label, l, t, w, h);
    return label;
}

common::CommandButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int l, int t, int w,
                                  int h) {
    auto* button = new common::CommandButton(parent, name, caption);
    placeTwips(button, l, t, w, h);
    return button;
}

// A button shows an ampersand only when it is doubled; a lone one would
// underline the next letter instead of showing the answer as stored.
QString buttonText(const QString& answer) {
    QString text = answer;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

const QString kResortQuiz = QStringLiteral("frmDWTrivia");
const QString kResortResults = QStringLiteral("frmResults2");
const QString kDisneyQuiz = QStringLiteral("frmTrivia");
const QString kDisneyResults = QStringLiteral("frmResults");

} // namespace

void registerTriviaQuizzes() {
    using platform::Forms;
    Forms::registerForm(kResortQuiz, [] {
        return new TriviaQuiz({kResortQuiz, QStringLiteral("Disney World only Trivia"),
                               QStringLiteral("These questions are Strictly about the Walt Disney World Resort.  They "
                                              "will be a big help to first time visitors and sharpen the knowledge of "
                                              "all Disney Fans!  Answer 10 questions to become a Walt Disney World "
                                              "Master!"),
                               2, true, kResortResults});
    });
    Forms::registerForm(kDisneyQuiz, [] {
        return new TriviaQuiz({kDisneyQuiz, QStringLiteral("Disney Trivia"),
                               QStringLiteral("Disney Trivia.  Answer 10 Questions correctly to be considered a DISNEY "
                                              "Genius.  There over 100 questions so play more than once!!"),
                               1, false, kDisneyResults});
    });
    Forms::registerForm(kResortResults, [] { return new TriviaResults({kResortResults, kResortQuiz, true}); });
    Forms::registerForm(kDisneyResults, [] { return new TriviaResults({kDisneyResults, kDisneyQuiz, false}); });
}

TriviaQuiz::TriviaQuiz(const TriviaQuizKind& kind) : platform::Form(kind.formName), m_kind(kind) {
    setWindowTitle(kind.caption);
    setBackColor(Qt::white);
    setClientSizeTwips(7920, 5280);
    QWidget* c = client();
    c->setFont(sansSerif());

    Label1 = makeLabel(c, QStringLiteral("Label1"), kind.intro, true, Qt::black, 120, 120, 7680, 900);
    rtQuestion = new common::RichTextBox(c);
    rtQuestion->setObjectName(QStringLiteral("rtQuestion"));
    placeTwips(rtQuestion, 120, 1080, 7680, 1140);

    const QString names[] = {QStringLiteral("Option1"), QStringLiteral("Option2"), QStringLiteral("Option3"),
                             QStringLiteral("Option4")};
    QRadioButton** members[] = {&Option1, &Option2, &Option3, &Option4};
    for (int i = 0; i < 4; ++i) {
        // A long answer wraps onto a second line within the button's place.
        auto* option = new common::OptionButton(names[i], c);
        option->setObjectName(names[i]);
        option->setAutoFillBackground(false);
        // Two rows: Option1 and Option2 above, Option3 and Option4 below.
        placeTwips(option, i % 2 == 0 ? 120 : 4020, i < 2 ? 2340 : 2940, 3780, 480);
        *members[i] = option;
        m_captions[i] = names[i];
    }

    Command1 = makeButton(c, QStringLiteral("Command1"), QStringLiteral("Continue"), 3240, 3600, 1440, 390);
    Command2 = makeButton(c, QStringLiteral("Command2"), QStringLiteral("Next Question"), 3240, 3600, 1440, 390);
    Command2->hide();
    if (kind.resortQuiz) {
        Command1->hide();
        Picture1 = common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Continue"), 3240, 3600,
                                                 1440, 390);
        connect(Picture1, &common::PictureButton::clicked, this, &TriviaQuiz::Command1_Click);
    }
    lblAnswer = makeLabel(c, QStringLiteral("lblAnswer"), QString(), true, kRed, 120, 4200, 7680, 900);
    lblId = makeLabel(c, QStringLiteral("lblId"), QStringLiteral("Label2"), false, Qt::black, 120, 4200, 900, 255);
    lblId->hide();

    mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    mnuClose = addNamedItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("Close"));

    connect(Command1, &common::CommandButton::clicked, this, &TriviaQuiz::Command1_Click);
    connect(Command2, &common::CommandButton::clicked, this, &TriviaQuiz::Command2_Click);
    connect(mnuClose, &QAction::triggered, this, &TriviaQuiz::mnuClose_Click);
}

TriviaQuiz::~TriviaQuiz() = default;

void TriviaQuiz::Form_Load() {
    m_score = {};
    m_db = common::openContentOrSay();
    if (!m_db || !drawQuestion(m_kind.resortQuiz ? trivia::Draw::First : trivia::Draw::Next))
        showNoQuestion();
}

bool TriviaQuiz::drawQuestion(trivia::Draw draw) {
    // The least drawn question first; among equal counts, the table's order.
    platform::Recordset rs =
        common::queryOrSay(*m_db,
                           QStringLiteral("Select QuestionId, Question, CorrectAnswer, Answer2, Answer3, Answer4 "
                                          "from Trivia Where TriviaType = ? order by Displayed, QuestionId limit 1"),
                           {m_kind.triviaType});
    if (rs.eof())
        return false;
    const int id = rs.integer(QStringLiteral("QuestionId"));
    m_questionId = id;
    lblId->setText(QString::number(id));
    rtQuestion->setText(rs.text(QStringLiteral("Question")));
    if (m_kind.resortQuiz) {
        rtQuestion->selectAll();
        rtQuestion->setSelColor(kRed);
        rtQuestion->setSelBold(true);
        rtQuestion->setSelStart(0);
    }

    m_correctAnswer = rs.text(QStringLiteral("CorrectAnswer"));
    m_captions = trivia::placeAnswers({m_correctAnswer, rs.text(QStringLiteral("Answer2")),
                                       rs.text(QStringLiteral("Answer3")), rs.text(QStringLiteral("Answer4"))},
                                      draw);
    if (m_kind.resortQuiz)
        trivia::shuffleByClock(m_captions, platform::Clock::now().time().second(), draw);
    const auto buttons = options();
    for (int i = 0; i < 4; ++i)
        buttons[i]->setText(buttonText(m_captions[i]));

    // The count is the program's own bookkeeping: a folder that cannot be
    // written leaves it as it is without troubling the user (the database logs it).
    m_db->execute(QStringLiteral("Update Trivia Set Displayed = Displayed + 1 Where QuestionId = ?"), {id});
    return true;
}

void TriviaQuiz::showNoQuestion() {
    m_questionId.reset();
    rtQuestion->setText(QStringLiteral("There are no trivia questions to ask."));
    for (QRadioButton* option : options())
        option->hide();
    Command1->setEnabled(false);
    if (Picture1)
        Picture1->setEnabled(false);
}

void TriviaQuiz::Command1_Click() {
    if (!m_questionId)
        return;
    const auto buttons = options();
    const std::array<bool, 4> checked = {buttons[0]->isChecked(), buttons[1]->isChecked(), buttons[2]->isChecked(),
                                         buttons[3]->isChecked()};
    const bool correct = trivia::isCorrect(trivia::chosenAnswer(m_captions, checked), m_correctAnswer);
    lblAnswer->setText(trivia::verdict(correct, m_correctAnswer));
    m_score.record(correct);
    Command2_Click();
}

void TriviaQuiz::Command2_Click() {
    NextQuestion(lblAnswer->text());
}

void TriviaQuiz::NextQuestion(const QString& verdict) {
    if (m_score.finished()) {
        endGame(verdict);
        return;
    }
    if (!m_db || !drawQuestion(trivia::Draw::Next))
        return;
    for (QRadioButton* option : options()) {
        // A group of option buttons keeps one set unless told otherwise.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void TriviaQuiz::endGame(const QString& verdict) {
    const trivia::Ratings ratings = m_kind.resortQuiz ? trivia::Ratings::ResortQuiz : trivia::Ratings::DisneyQuiz;
    if (auto* results = platform::Forms::loadAs<TriviaResults>(m_kind.resultsForm))
        results->showScore(verdict, trivia::scoreLine(m_score.right), trivia::rating(m_score.right, ratings));
    platform::Forms::open(m_kind.resultsForm);
    platform::Forms::unload(objectName());
}

void TriviaQuiz::mnuClose_Click() {
    platform::Forms::unload(objectName());
}

TriviaResults::TriviaResults(const TriviaResultsKind& kind) : platform::Form(kind.formName), m_kind(kind) {
    setWindowTitle(QStringLiteral("Trivia Results"));
    setBackColor(Qt::white);
    const int top = kind.showsVerdict ? 840 : 120;
    setClientSizeTwips(6000, top + 1920);
    QWidget* c = client();
    c->setFont(sansSerif());

    if (kind.showsVerdict)
        lblanswer =
            makeLabel(c, QStringLiteral("lblanswer"), QStringLiteral("Label3"), false, kRed, 120, 120, 5760, 600);
    Label1 = makeLabel(c, QStringLiteral("Label1"), QStringLiteral("Label1"), true, Qt::black, 120, top, 5760, 360);
    Label2 =
        makeLabel(c, QStringLiteral("Label2"), QStringLiteral("Label2"), true, Qt::black, 120, top + 480, 5760, 600);
    Picture1 = common::PictureButton::create(c, QStringLiteral("Picture1"), QStringLiteral("Play Again"), 1200,
                                             top + 1320, 1560, 390);
    Picture9 = common::PictureButton::create(c, QStringLiteral("Picture9"), QStringLiteral("Close"), 3240, top + 1320,
                                             1560, 390);
    Command1 = makeButton(c, QStringLiteral("Command1"), QStringLiteral("Play Again"), 1200, top + 1320, 1560, 390);
    Command1->hide();

    connect(Command1, &common::CommandButton::clicked, this, &TriviaResults::Command1_Click);
    connect(Picture1, &common::PictureButton::clicked, this, &TriviaResults::Command1_Click);
    connect(Picture9, &common::PictureButton::clicked, this, &TriviaResults::Picture9_Click);
}

void TriviaResults::showScore(const QString& verdict, const QString& scoreLine, const QString& rating) {
    if (lblanswer)
        lblanswer->setText(verdict);
    Label1->setText(scoreLine);
    Label2->setText(rating);
}

void TriviaResults::Command1_Click() {
    platform::Forms::open(m_kind.quizForm);
    platform::Forms::unload(objectName());
}

void TriviaResults::Picture9_Click() {
    platform::Forms::unload(objectName());
}

} // namespace guide
