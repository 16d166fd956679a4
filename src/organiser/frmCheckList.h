#pragma once

#include "organiser/ChecklistWindow.h"

// The ten-step vacation checklist.
class frmCheckList : public organiser::ChecklistWindow {
    Q_OBJECT
public:
    frmCheckList();

private:
    // Close: the window unloads; its Form_Unload shows the main window.
    void mnuClose_Click() override;
};
