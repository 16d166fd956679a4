#include "shell/frmLoading.h"

#include "common/WebPageViewer.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QTimer>

TRAVISTO_REGISTER_FORM(frmLoading);

frmLoading::frmLoading() : platform::Form(QStringLiteral("frmLoading")) {
    setWindowTitle(QStringLiteral("Travisto"));
    setClientSizeTwips(6000, 4200);
    WebBrowser1 = new common::WebBrowser(client());
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    platform::placeTwips(WebBrowser1, 0, 0, 6000, 4200);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmLoading::Timer1_Timer);
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
