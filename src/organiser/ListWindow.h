#pragma once

#include "common/PanePage.h"
#include "organiser/ListText.h"

#include <QVector>
#include <functional>

namespace platform {
class Database;
class Recordset;
} // namespace platform

namespace common {
class DropDownList;
class TextBox;
} // namespace common

namespace organiser {

// What sets one of the organiser's list windows (contacts, own tips,
// don't-forget list) apart from the others.
struct ListWindowKind {
    using Rect = platform::TwipsRect;
    // A text box for the new entry, with its caption label when it has one.
    struct Entry {
        QString box;
        QString label; // empty: no caption
        QString caption;
        Rect boxRect;
        Rect labelRect;
    };
    struct Button {
        QString name;
        QString caption;
        Rect rect;
        bool pressLook = true;
    };
    enum class Decoration { None, ContactCard, TreasureChest };

    QString formName;
    QString caption;
    int heightTwips = 6840;

    QString title; // Label1; empty: the window has no title label
    double titlePoints = 11.25;
    Rect titleRect;
    QString instruction; // Label2
    Rect instructionRect;
    Decoration decoration = Decoration::None;
    QString decorationName;
    Rect decorationRect;

    QString paneName;
    Rect paneRect;
    QVector<Entry> entries; // the first one must not be empty
    Rect comboRect;
    Button add, remove, print, close;
    QString addCommand, removeCommand; // captions of the hidden buttons

    bool contentDatabase = false; // otherwise the user database
    QString listSql;
    QString insertSql; // binds the entries' texts in order
    QString deleteSql; // binds the removal key
    std::function<ListPage(platform::Recordset&)> compose;

    QString emptyEntryMessage; // empty: an empty entry is ignored silently
    // Every listing (on opening, after an Add and after a Remove) empties the
    // entry boxes; otherwise only a successful Add does.
    bool listingEmptiesEntries = false;
    bool confirmRemoval = false;
    bool focusAfterAdd = false;
    QString hint; // shown on a key press in the pane
    QString printHeader;
};

const ListWindowKind& contactKind();
const ListWindowKind& myTipsKind();
const ListWindowKind& dontForgetKind();

// A list of the user's entries shown in a read-only pane: new entries are
// typed into the entry boxes and added, entries are removed by the text of
// the combo box, and the list is printed. The pane is rebuilt from its table
// after every change.
class ListWindow : public common::PanePage {
    Q_OBJECT
public:
    explicit ListWindow(ListWindowKind kind);

protected:
    void fillPage(platform::Database& db) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click(); // Add
    void Command2_Click(); // Remove
    void relist();

    const ListWindowKind m_kind;
    QVector<common::TextBox*> m_entries;
    common::DropDownList* cbItems = nullptr;
};

} // namespace organiser
