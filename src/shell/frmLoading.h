#pragma once

#include "platform/Forms.h"

namespace common {
class WebBrowser;
}

namespace platform {
class Timer;
}

// The page shown while the itinerary suggestions are on their way: after its
// one interval it opens the suggestions window and closes itself.
class frmLoading : public platform::Form {
    Q_OBJECT
public:
    frmLoading();

    void Form_Load() override;
    void Form_Unload() override;

private:
    void Timer1_Timer();

    common::WebBrowser* WebBrowser1 = nullptr;
    platform::Timer* Timer1 = nullptr;
};
