#include "common/PanePage.h"

#include "common/CWordWrap.h"
#include "common/CommandButton.h"
#include "common/Controls.h"
#include "common/DatabaseMessages.h"
#include "common/PictureButton.h"
#include "common/RichTextBox.h"
#include "platform/Database.h"

#include <QAction>
#include <QScrollBar>

namespace common {

using platform::placeTwips;

void PanePageFrame::addPictures(int printLeft, int closeLeft, int top, Action close) {
    commands << Command{QStringLiteral("Picture1"), QStringLiteral("Print"), Action::Print, {printLeft, top, 1230, 390}}
             << Command{QStringLiteral("Picture9"), QStringLiteral("Close"), close, {closeLeft, top, 1230, 390}};
}

void PanePageFrame::addFileMenu(const QString& closeItem, const QString& closeCaption) {
    menu << Command{QStringLiteral("mnuPrint"), QStringLiteral("Print"), Action::Print}
         << Command{closeItem, closeCaption, Action::Close};
}

PanePage::PanePage(PanePageFrame frame) : platform::Form(frame.formName), m_frame(std::move(frame)) {
    setWindowTitle(m_frame.caption);
    setBackColor(m_frame.backColor);
    setClientSizeTwips(m_frame.widthTwips, m_frame.heightTwips);
    QWidget* c = client();

    if (!m_frame.paneName.isEmpty()) {
        const platform::TwipsRect& r = m_frame.pane;
        m_pane = new RichTextBox(c);
        m_pane->setObjectName(m_frame.paneName);
        if (m_frame.paneFont)
            m_pane->setFont(*m_frame.paneFont);
        if (m_frame.paneColor)
            setPaletteColor(m_pane, QPalette::Base, *m_frame.paneColor);
        const int barWidth = m_frame.scrollBar ? 255 : 0;
        placeTwips(m_pane, r.left, r.top, r.width - barWidth, r.height);
        if (m_frame.scrollBar) {
            auto* VScroll1 = new QScrollBar(Qt::Vertical, c);
            VScroll1->setObjectName(QStringLiteral("VScroll1"));
            placeTwips(VScroll1, r.left + r.width - barWidth, r.top, barWidth, r.height);
        }
    }

    for (const PanePageFrame::Command& command : m_frame.commands) {
        const PanePageFrame::Action action = command.action;
        const platform::TwipsRect& r = command.rect;
        if (command.picture) {
            auto* picture = PictureButton::create(c, command.name, command.caption, r.left, r.top, r.width, r.height);
            connect(picture, &PictureButton::clicked, this, [this, action] { run(action); });
        } else {
            auto* push = new CommandButton(c, command.name, command.caption);
            placeTwips(push, r);
            connect(push, &CommandButton::clicked, this, [this, action] { run(action); });
        }
    }

    if (!m_frame.menu.isEmpty()) {
        QMenu* mnuFile = addNamedMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
        for (const PanePageFrame::Command& item : m_frame.menu) {
            const PanePageFrame::Action action = item.action;
            connect(addNamedItem(mnuFile, item.name, item.caption), &QAction::triggered, this,
                    [this, action] { run(action); });
        }
    }
}

PanePage::~PanePage() = default;

void PanePage::Form_Load() {
    if (!m_pane)
        return;
    m_database = m_frame.userDatabase ? openUserOrSay() : openContentOrSay();
    if (!m_database) {
        platform::Forms::unload(objectName());
        return;
    }
    fillPage(*m_database);
}

void PanePage::closeAction() {
    run(m_frame.closeBox);
}

QString PanePage::printHeader() const {
    return m_frame.printHeader;
}

QString PanePage::printText() const {
    return m_pane ? m_pane->text() : QString();
}

void PanePage::printPage() {
    PrintContentPane(printHeader(), printText());
}

void PanePage::closePage() {
    platform::Forms::unload(objectName());
}

void PanePage::returnHome() {
    platform::Forms::returnToMainWindow(objectName());
}

void PanePage::run(PanePageFrame::Action action) {
    switch (action) {
    case PanePageFrame::Action::Print:
        printPage();
        break;
    case PanePageFrame::Action::Close:
        closePage();
        break;
    case PanePageFrame::Action::Home:
        returnHome();
        break;
    }
}

} // namespace common
