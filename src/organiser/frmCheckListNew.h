#pragma once

#include "organiser/ChecklistWindow.h"

// The seven-step preparation checklist that follows the trip wizard.
class frmCheckListNew : public organiser::ChecklistWindow {
    Q_OBJECT
public:
    frmCheckListNew();

private:
    // Home Page: the main window is rebuilt (a new tip of the day, a fresh
    // countdown) and this window closes.
    void mnuClose_Click() override;
};
