#include "platform/Forms.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <map>

namespace platform {

namespace {

struct Registry {
    std::map<QString, Forms::Factory> factories;
    QHash<QString, QPointer<Form>> loaded;
    QStringList loadOrder;
    QSet<QString> unloading;
    QString mainWindow;
    bool exiting = false;
    bool endWhenNoWindow = true;
    std::function<void()> quit = [] { QCoreApplication::quit(); };
};

Registry& registry() {
    static Registry r;
    return r;
}

bool anyWindowVisible() {
    for (const auto& form : registry().loaded)
        if (form && form->isVisible())
            return true;
    return false;
}

// The program never runs on without a window: when the last one goes, it ends.
void endIfNoWindowLeft() {
    if (!registry().endWhenNoWindow)
        return;
    QTimer::singleShot(0, qApp, [] {
        Registry& r = registry();
        if (!r.exiting && !anyWindowVisible())
            Forms::closeAllWindows();
    });
}

} // namespace

Form::Form(const QString& formName, QWidget* parent) : QMainWindow(parent), m_client(new QWidget(this)) {
    setObjectName(formName);
    m_client->setObjectName(formName + QStringLiteral("_client"));
    m_client->setMouseTracking(true);
    m_client->setAutoFillBackground(true);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form() = default;

void Form::closeAction() {
    Forms::unload(objectName());
}

void Form::setClientSizeTwips(int widthTwips, int heightTwips) {
    m_client->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form::setBackColor(const QColor& color) {
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, color);
    m_client->setPalette(pal);
}

void Form::closeEvent(QCloseEvent* event) {
    // Unloading hides the window itself; a close from the title bar instead
    // runs the window's own Close action, which decides what happens.
    event->ignore();
    if (!registry().unloading.contains(objectName()))
        QTimer::singleShot(0, this, [this] { closeAction(); });
}

QMenu* Form::addNamedMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* Form::addNamedItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::MouseMove)
        emit backgroundTouched();
    return QMainWindow::eventFilter(watched, event);
}

void Forms::registerForm(const QString& name, Factory factory) {
    auto& factories = registry().factories;
    // Two windows under one name would leave one of them unreachable.
    if (factories.count(name))
        qWarning("Forms: the window %s is registered twice", qPrintable(name));
    factories[name] = std::move(factory);
}

QStringList Forms::registeredNames() {
    QStringList names;
    for (const auto& entry : registry().factories)
        names << entry.first;
    return names;
}

Form* Forms::find(const QString& name) {
    Registry& r = registry();
    auto it = r.loaded.find(name);
    if (it == r.loaded.end())
        return nullptr;
    if (!it.value()) {
        r.loaded.erase(it);
        r.loadOrder.removeAll(name);
        return nullptr;
    }
    return it.value();
}

bool Forms::isLoaded(const QString& name) {
    return find(name) != nullptr;
}

QStringList Forms::loadedNames() {
    QStringList names;
    for (const QString& name : registry().loadOrder)
        if (find(name))
            names << name;
    return names;
}

Form* Forms::load(const QString& name) {
    if (Form* existing = find(name))
        return existing;
    Registry& r = registry();
    auto it = r.factories.find(name);
    if (it == r.factories.end()) {
        qWarning("Forms: no window is registered as %s", qPrintable(name));
        return nullptr;
    }
    Form* form = it->second();
    r.loaded.insert(name, form);
    r.loadOrder << name;
    form->Form_Load();
    // A Load may unload its own window (for instance after a failure it reported).
    return find(name);
}

Form* Forms::open(const QString& name) {
    Form* form = load(name);
    if (!form)
        return nullptr;
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void Forms::unload(const QString& name) {
    Registry& r = registry();
    Form* form = find(name);
    if (!form || r.unloading.contains(name))
        return;
    r.unloading.insert(name);
    form->Form_Unload();
    form->hide();
    r.loaded.remove(name);
    r.loadOrder.removeAll(name);
    r.unloading.remove(name);
    form->deleteLater();
    if (!r.exiting)
        endIfNoWindowLeft();
}

void Forms::setMainWindow(const QString& name) {
    registry().mainWindow = name;
}

QString Forms::mainWindowName() {
    return registry().mainWindow;
}

void Forms::returnToMainWindow(const QString& callerName) {
    if (registry().exiting)
        return;
    open(mainWindowName());
    if (callerName != mainWindowName())
        unload(callerName);
}

void Forms::closeAllWindows() {
    Registry& r = registry();
    r.exiting = true;
    unload(mainWindowName());
    const QStringList names = r.loadOrder;
    for (const QString& name : names)
        unload(name);
    r.quit();
}

bool Forms::exiting() {
    return registry().exiting;
}

void Forms::setQuitHandler(std::function<void()> handler) {
    registry().quit = std::move(handler);
}

void Forms::setEndWhenNoWindow(bool on) {
    registry().endWhenNoWindow = on;
}

void Forms::resetForTests() {
    Registry& r = registry();
    r.endWhenNoWindow = false;
    r.exiting = true;
    const QStringList names = r.loadOrder;
    for (const QString& name : names)
        unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    r.loaded.clear();
    r.loadOrder.clear();
    r.exiting = false;
}

} // namespace platform
