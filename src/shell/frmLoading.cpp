#include "shell/frmLoading.h"

#include "common/WebPageViewer.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

frmLoading::frmLoading() : platform::Form(QStringLiteral("frmLoading")) {
    setWindowTitle(QStringLiteral("Travisto"));
    setClientSizeTwips(6000, 4200);
    WebBrowser1 = new common::WebBrowser(client());
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    platform::placeTwips(WebBrowser1, 0, 0, 6000, 4200);
    Timer1 = new platform::Timer(2000, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &platform::Timer::timeout, this, &frmLoading::Timer1_Timer);
}

void frmLoading::Form_Load() {
    WebBrowser1->navigate(platform::App::file(QStringLiteral("loading.htm")));
    Timer1->start();
}

// Closed early (Exit among others), the page must not go on to the suggestions.
void frmLoading::Form_Unload() {
    Timer1->stop();
}

void frmLoading::Timer1_Timer() {
    // An open suggestions window is only brought forward.
    platform::Forms::open(QStringLiteral("frmParks"));
    platform::Forms::unload(objectName());
}
