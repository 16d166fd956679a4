#pragma once

#include "platform/Forms.h"

#include <QStringList>
#include <memory>

class QLabel;

namespace platform {
class Database;
}

namespace common {
class DropDownList;
class PictureButton;
class RichTextBox;
} // namespace common

namespace dining_lodging {

// What differs between the six guest review viewers.
struct ReviewViewerKind {
    QString formName;
    QString caption;
    QString prompt;    // Label1
    QString comboText; // shown in Combo1 until a choice
    // The resort viewer picks from a fixed list of resorts by position;
    // the restaurant viewers list the reviewed restaurants of `park`.
    bool resorts = false;
    int park = 0;
    bool returnsToMain = false; // its close goes back to the main window
};

// The six viewers: resorts, the four parks' restaurants, the resorts' restaurants.
const QList<ReviewViewerKind>& reviewViewerKinds();
// The resorts of the resort viewer; a resort's reviews carry its position + 1.
const QStringList& reviewResorts();

// A window that lists the guest reviews of a resort or a restaurant picked in
// its combo box, and prints them.
class ReviewViewer : public platform::Form {
    Q_OBJECT
public:
    explicit ReviewViewer(const ReviewViewerKind& kind);
    ~ReviewViewer() override;

    void Form_Load() override;
    void closeAction() override;

    // The user picked the item at `index` of Combo1's list.
    void Combo1_Click(int index);
    void PrintReviews();
    void Picture9_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    common::DropDownList* Combo1 = nullptr;
    QLabel* lblTitle = nullptr;
    common::RichTextBox* rtParks = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;

private:
    const ReviewViewerKind& m_kind;
    std::unique_ptr<platform::Database> m_content;
};

} // namespace dining_lodging
