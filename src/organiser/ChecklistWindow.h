#pragma once

#include "platform/Forms.h"

#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace platform {
class Database;
}

namespace common {
class PictureButton;
}

namespace organiser {

// What sets one checklist window apart from the other.
struct ChecklistKind {
    QString formName;
    QString caption;
    QString instruction;
    // The visible steps' texts, step 1 first; at most ten.
    QStringList steps;
    // The object name of the step-text label array ("Label4" ...).
    QString stepTextName;
    // Odd steps in bold red, even steps in black.
    bool alternateRedSteps = false;
    // The tops of the step rows in twips; empty: the rows are stacked to fit
    // their texts.
    std::vector<int> rowTops;
    // The clipboard picture at the top left and Start Over at the top right
    // (otherwise Start Over sits at the bottom left).
    bool clipboardHeader = false;
};

// The done flags of the steps, chk1 first, as stored in ArriveInfo: a step is
// done only when its flag is 1. No row means no step is done.
std::array<bool, 10> readStepFlags(platform::Database& db);

// A preparation checklist: each step shows a Finished button until it is
// marked done, then a done mark; the all-done picture shows once every
// visible step is done. The flags live in the one row of ArriveInfo.
class ChecklistWindow : public platform::Form {
    Q_OBJECT
public:
    static constexpr int kMaxSteps = 10;

    explicit ChecklistWindow(ChecklistKind kind);
    ~ChecklistWindow() override;

    void Form_Load() override;
    // However the window closes (except at Exit), the main window is loaded
    // and shown again.
    void Form_Unload() override;

protected:
    virtual void mnuClose_Click() = 0;

private:
    // Marks step `step` (1-based) done and redraws.
    void markStepDone(int step);
    void mnuStartOver_Click();
    void mnuPrint_Click();

    int visibleSteps() const { return int(m_kind.steps.size()); }

    QLabel* Label1 = nullptr;
    std::array<QLabel*, kMaxSteps> Label3{};
    // The step texts; only the visible steps have one.
    std::array<QLabel*, kMaxSteps> stepTexts{};
    // Finished buttons and done marks by step, named after kFinishedNumbers
    // and kDoneMarkNumbers.
    std::array<common::PictureButton*, kMaxSteps> finishedButtons{};
    std::array<QLabel*, kMaxSteps> doneMarks{};

    QLabel* Picture13 = nullptr;
    QLabel* Picture24 = nullptr;
    common::PictureButton* Picture25 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture4 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuStartOver = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;

    void buildRows();
    void redraw();

    ChecklistKind m_kind;
    std::unique_ptr<platform::Database> m_db;
};

} // namespace organiser
