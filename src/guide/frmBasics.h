#pragma once

#include "platform/Forms.h"

#include <memory>

namespace platform {
class Database;
}

namespace common {
class DropDownList;
class PictureButton;
class RichTextBox;
} // namespace common

class QAction;

// "Disney World Basic Facts": answers to a first-time visitor's questions,
// one topic at a time, picked from a list.
class frmBasics : public platform::Form {
    Q_OBJECT
public:
    frmBasics();

    void Form_Load() override;

    // The paragraphs of one topic, each ending in a line break, in the order
    // they were stored.
    static QString topicText(platform::Database& content, int topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Combo1_Click(int index);
    void mnuPrint_Click();
    void mnuClose_Click();
    void Picture1_Click();
    void Picture9_Click();
    void Picture2_Click() {}
    void rtParks_KeyPress();

    common::PictureButton* Picture2 = nullptr;
    common::DropDownList* Combo1 = nullptr;
    common::RichTextBox* rtParks = nullptr;
    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture9 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuClose = nullptr;

    std::unique_ptr<platform::Database> m_db;
};
