#pragma once

#include "common/WebPageViewer.h"

// "Schedule Tips": the page of schedule-making tips, with Print and Close
// pictures beside each other under it.
class frmScheduleTips : public common::WebPageViewer {
    Q_OBJECT
public:
    frmScheduleTips();

private:
    void Picture1_Click();
    void Picture2_Click();

    common::PictureButton* Picture1 = nullptr;
    common::PictureButton* Picture2 = nullptr;
};
