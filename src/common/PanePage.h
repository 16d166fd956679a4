#pragma once

#include "platform/Forms.h"
#include "platform/Twips.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QVector>
#include <memory>
#include <optional>

namespace platform {
class Database;
}

namespace common {

class RichTextBox;

// The furniture shared by the windows that show a read-only text pane filled
// from a database (guides, tip pages, lists, reviews): where the window's
// families differ in it, they say so here.
struct PanePageFrame {
    enum class Action { Print, Close, Home };
    // A button on the page or an item of the File menu.
    struct Command {
        QString name;
        QString caption;
        Action action = Action::Close;
        platform::TwipsRect rect{}; // on the page; a menu item has none
        bool picture = true;        // a picture button; otherwise a command button
    };

    QString formName;
    QString caption;
    int widthTwips = 9600;
    int heightTwips = 7200;
    QColor backColor;

    QString paneName; // empty: the page has no pane and reads no database
    platform::TwipsRect pane;
    std::optional<QFont> paneFont;   // otherwise the window's font
    std::optional<QColor> paneColor; // otherwise the system's window colour
    bool scrollBar = false;          // VScroll1, a bar without behaviour, takes the right of the pane's place

    QVector<Command> commands;
    QVector<Command> menu;           // the File menu; none: the window has no menu bar
    Action closeBox = Action::Close; // what the title bar's close box does
    bool userDatabase = false;       // the pane is filled from the user database, not the content
    QString printHeader;

    // The usual commands: the pictures Picture1 (Print) and Picture9 (`close`),
    // 1230 x 390 twips, at `top`; a File menu of Print (mnuPrint) and the
    // close item `closeItem`, captioned `closeCaption`.
    void addPictures(int printLeft, int closeLeft, int top, Action close = Action::Close);
    void addFileMenu(const QString& closeItem, const QString& closeCaption = QStringLiteral("Close"));
};

// A window built on the frame above. Load opens the frame's database and lets
// the family fill the page from it; when the database cannot be opened (the
// opening has told the user why) the window unloads instead of showing an
// empty page. Print sends the page's text through PrintContentPane.
class PanePage : public platform::Form {
    Q_OBJECT
public:
    explicit PanePage(PanePageFrame frame);
    ~PanePage() override;

    void Form_Load() override;
    void closeAction() override;

protected:
    RichTextBox* pane() const { return m_pane; }

    // Fills the page from the database Load opened. Runs once per loading.
    virtual void fillPage(platform::Database& db) = 0;
    // What Print prints: by default the frame's header over the pane's whole text.
    virtual QString printHeader() const;
    virtual QString printText() const;
    // The database Load opened, kept until the window unloads; null before.
    platform::Database* database() const { return m_database.get(); }

private:
    void run(PanePageFrame::Action action);
    void printPage();
    void closePage();
    void returnHome();

    const PanePageFrame m_frame;
    RichTextBox* m_pane = nullptr;
    std::unique_ptr<platform::Database> m_database;
};

} // namespace common
