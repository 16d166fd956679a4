#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Base of every window of the program. A window is a form with one default
// instance, named by its form name (the objectName). Its controls sit on the
// central widget, the client area, at fixed twips positions.
class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(const QString& formName, QWidget* parent = nullptr);
    ~Form() override;

    // Runs once when the registry loads the default instance.
    virtual void Form_Load() {}
    // Runs when the registry unloads the instance (also during Exit).
    virtual void Form_Unload() {}
    // What the title-bar close box does: the window's own Close action.
    // By default the window unloads itself.
    virtual void closeAction();

    QWidget* client() const { return m_client; }
    // Sets the client area (below the menu bar) to a fixed size in twips.
    void setClientSizeTwips(int widthTwips, int heightTwips);
    // Sets the client area's background colour.
    void setBackColor(const QColor& color);
    // Adds a menu to the window's menu bar, with its control name.
    QMenu* addNamedMenu(const QString& name, const QString& caption);
    // Adds an item with its control name to a menu.
    static QAction* addNamedItem(QMenu* menu, const QString& name, const QString& caption);

signals:
    // The mouse moved over the client area's own background, not over a
    // control on it: controls that change their look under the mouse (the
    // window's links) come back to rest.
    void backgroundTouched();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_client;
};

// The registry of forms: one default instance per form name.
class Forms {
public:
    using Factory = std::function<Form*()>;

    // Registers the window `name`; each name is registered once, at start-up.
    static void registerForm(const QString& name, Factory factory);
    // Registers a window class whose default constructor gives it the name.
    template <typename T> static void registerForm(const QString& name) {
        registerForm(name, [] { return new T(); });
    }
    static QStringList registeredNames();

    // Loads the default instance if it is not loaded (constructs it and runs
    // its Form_Load) and returns it, without showing it. Null when no window of
    // that name is registered, which is reported as a warning: an opener whose
    // target is missing must be found, not greyed out.
    static Form* load(const QString& name);
    // Loads if needed, then shows the window modeless and brings it forward.
    static Form* open(const QString& name);
    // Hides and destroys the instance; the next load builds it afresh.
    static void unload(const QString& name);
    static bool isLoaded(const QString& name);
    static Form* find(const QString& name);
    static QStringList loadedNames();

    template <typename T> static T* findAs(const QString& name) { return qobject_cast<T*>(find(name)); }
    template <typename T> static T* loadAs(const QString& name) { return qobject_cast<T*>(load(name)); }

    // Names the main window, the one Exit closes first and the windows go
    // back to; start-up names it when it registers the windows.
    static void setMainWindow(const QString& name);
    static QString mainWindowName();

    // Loads and shows the main window (its Load runs only when it was not
    // loaded), then unloads the calling window.
    static void returnToMainWindow(const QString& callerName);
    // Exit: unloads the main window, then every other loaded window, and ends
    // the program. No closing step reopens the main window meanwhile.
    static void closeAllWindows();
    // True while closeAllWindows runs or after it has run.
    static bool exiting();

    // Ends the program; tests replace it to observe the end.
    static void setQuitHandler(std::function<void()> handler);
    // When on (the default), the program ends once no window is left visible.
    static void setEndWhenNoWindow(bool on);
    // Clears every loaded window and the exit state (test set-up).
    static void resetForTests();
};

} // namespace platform
