#pragma once

#include "platform/Database.h"
#include "platform/Forms.h"
#include "platform/Printer.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Services.h"

#include <QPointF>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>
#include <source_location>

class QTextEdit;

// One test's world: a program folder of its own (both databases copied from
// those built from the shipped SQL with the tests, the pages and pictures
// copied), scripted dialogs, a recording
// printer and shell, a fixed clock and screen, and timers that wait for
// `platform::Timer::advance`. Every window of the program is registered. The
// database settings a test changes (read-only opening, the wait for a lock)
// are the program's own again when the next world is built and when this one
// is dropped.
class TestWorld {
public:
    // `withContent` false gives databases with the schema only (no rows), for
    // tests that bring their own rows.
    explicit TestWorld(bool withContent = true);
    ~TestWorld();

    QString folder() const { return m_dir.path(); }
    platform::ScriptedDialogs& dialogs() { return *m_dialogs; }
    platform::RecordingPrinter& printer() { return *m_printer; }
    platform::RecordingShell& shell() { return *m_shell; }
    int quitCount() const { return *m_quits; }

    std::unique_ptr<platform::Database> content();
    std::unique_ptr<platform::Database> user();
    // Runs statements on a database of the folder (fixture rows).
    void exec(const QString& file, const QString& sql, const platform::Binds& binds = {});
    // A trip profile (a family of three, no preferences), so that the windows
    // that need one open without a message.
    void addTripProfile();

    // Unloads every window and drains deferred deletes.
    void closeAll();
    // Processes pending events (timers of 0 ms, deferred deletes).
    static void settle();

private:
    static void resetDatabaseSettings();

    QTemporaryDir m_dir;
    platform::ScriptedDialogs* m_dialogs;
    platform::RecordingPrinter* m_printer;
    platform::RecordingShell* m_shell;
    std::shared_ptr<int> m_quits;
};

// A test class each of whose tests runs in a world of its own, built before
// the test and dropped after it; an answer scripted for a dialog that never
// came fails the test. The world's tables are empty unless the class asks for
// the shipped content.
class WorldTest : public QObject {
    Q_OBJECT
public:
    explicit WorldTest(bool withContent = false) : m_withContent(withContent) {}

protected:
    std::unique_ptr<TestWorld> world;

protected slots:
    void init() { world = std::make_unique<TestWorld>(m_withContent); }
    void cleanup();

private:
    bool m_withContent;
};

// While it lives, the test program cannot make a file longer than `room`
// bytes: the system refuses the write just as a full disk does. Databases
// are not written meanwhile (their writes would be refused too).
class FullDisk {
public:
    explicit FullDisk(qint64 room = 0);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    quint64 m_previous;
    void (*m_previousSignal)(int);
};

// A second connection to a database file holding its write lock, as another
// copy of the program does while it saves. `exclusive` keeps readers out too,
// as in the last moment of a save.
class HeldLock {
public:
    HeldLock(const QString& path, bool exclusive);
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    void release();

private:
    QString m_connection;
};

template <typename T> T* child(QObject* parent, const QString& name) {
    return parent ? parent->findChild<T*>(name) : nullptr;
}

// Fails the running test: `window` has no control `name` of `type`.
void failMissingControl(const QObject* window, const QString& name, const char* type, const std::source_location& at);

// The control `name` of `window`, found as the user knows it. When there is
// none of that kind, the running test fails naming it and goes on with a
// hidden stand-in owned by the window, so that it stops at its next check
// instead of ending the test program.
template <typename T>
T* must(QObject* window, const QString& name, const std::source_location& at = std::source_location::current()) {
    if (T* found = child<T>(window, name))
        return found;
    failMissingControl(window, name, T::staticMetaObject.className(), at);
    if constexpr (std::is_base_of_v<QWidget, T>) {
        T* standIn;
        if constexpr (std::is_constructible_v<T, QWidget*>)
            standIn = new T(qobject_cast<QWidget*>(window));
        else
            standIn = new T(QString(), qobject_cast<QWidget*>(window));
        standIn->hide();
        return standIn;
    } else {
        return new T(window);
    }
}

// True when the window `form` is loaded and visible.
bool isShown(const QString& form);

// The user clicks the control `name` of `window` (a picture, a link, a button).
void clickOn(QObject* window, const QString& name, const std::source_location& at = std::source_location::current());
// The user chooses the menu item `name` of `window`.
void chooseItem(QObject* window, const QString& name, const std::source_location& at = std::source_location::current());

namespace common {
class DropDownList;
}

// The user opens the list, moves to the entry at `position` and presses Enter.
void pickEntry(common::DropDownList* box, int position);
// The user types `text` over the whole text of the box.
void typeOver(common::DropDownList* box, const QString& text);
// Turns the wheel one notch (up for a positive `delta`) over a control; true
// when the control took the turn itself.
bool turnWheel(QWidget* over, int delta = -120);
// The mouse moves over `widget` with no button held.
void moveMouseOver(QWidget* widget, QPointF at = QPointF(3, 3));
// Makes `window` the active window, as the user's click on it does; false when it did not become so.
bool activate(QWidget* window);

// What the controls `names` of `window` show, in that order: the text of a
// box, list, pane or date box, the caption of a label or button.
QStringList shownTexts(QObject* window, const QStringList& names,
                       const std::source_location& at = std::source_location::current());
// The entries of a drop-down list or a list box, in their order.
QStringList itemTexts(const QWidget* list);
// A rich-text pane as the user sees it, one line per paragraph: "* " before a
// bulleted paragraph, and every run in bold or in a colour of its own written
// as {bold,colour:text} (the colour "red", "white" or its name).
QString paneMarkup(const QTextEdit& pane);
