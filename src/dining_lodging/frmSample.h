#pragma once

#include "common/WebPageViewer.h"

// The resort comparison page: every Load writes Hotels.htm afresh from the
// resort table, then shows it in the browser pane.
class frmSample : public common::WebPageViewer {
    Q_OBJECT
public:
    frmSample();

    void Form_Load() override;
};
