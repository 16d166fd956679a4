#pragma once

#include "platform/Forms.h"

class QAction;
class QLabel;

namespace common {
class CommandButton;
class PictureButton;
class RichTextBox;
class TextBox;
} // namespace common

// "Search By Keyword": one keyword, and every tip, restaurant, attraction,
// hotel and contact whose text contains it, numbered in one results pane.
class frmSearch : public platform::Form {
    Q_OBJECT
public:
    frmSearch();

private:
    void Command1_Click();
    void Picture3_Click();
    void Picture1_Click();
    void mnuPrint_Click();
    void mnuClose_Click();
    void Picture2_Click();

    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    common::TextBox* txtSearch = nullptr;
    common::CommandButton* Command1 = nullptr;
    common::PictureButton* Picture3 = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture2 = nullptr;
    QLabel* Picture4 = nullptr;
    common::RichTextBox* rtParks = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;
};
