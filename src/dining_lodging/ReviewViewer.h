#pragma once

#include "common/PanePage.h"

#include <QStringList>

class QLabel;

namespace platform {
class Database;
}

namespace common {
class DropDownList;
}

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
class ReviewViewer : public common::PanePage {
    Q_OBJECT
public:
    explicit ReviewViewer(ReviewViewerKind kind);

protected:
    void fillPage(platform::Database& content) override;
    // The printout is headed by the combo box's text.
    QString printHeader() const override;

private:
    // The user picked the item at `index` of Combo1's list.
    void Combo1_Click(int index);

    const ReviewViewerKind m_kind;
    common::DropDownList* Combo1 = nullptr;
    QLabel* lblTitle = nullptr;
};

} // namespace dining_lodging
