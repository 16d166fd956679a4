#include "TestSupport.h"

#include "AllForms.h"
#include "common/DropDownList.h"
#include "platform/Timer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QWheelEvent>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace {

// Every test pays for this copy: the standard library's copy takes a fraction
// of the time of a QFile::copy per file.
void copyTree(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::copy(from.toStdString(), to.toStdString(), std::filesystem::copy_options::recursive, error);
    if (error)
        qFatal("cannot copy %s to %s: %s", qPrintable(from), qPrintable(to), error.message().c_str());
}

// The databases a program folder starts with, built with the tests; `withContent`
// false: the schema alone.
QString templateDatabase(const QString& file, bool withContent) {
    const QString path = QStringLiteral(TRAVISTO_TEMPLATE_DIR "/%1/%2").arg(withContent ? "full" : "schema", file);
    if (!QFileInfo::exists(path))
        qFatal("the test database %s is missing: build the tests", qPrintable(path));
    return path;
}

// Test folders live in memory where the system offers it: the tests write
// their databases often, and a write that waits for the disk takes the most
// of their time.
QString folderTemplate() {
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString base = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return base + QStringLiteral("/travisto-test-XXXXXX");
}

// The headless platform says it cannot raise windows or pass size hints;
// that is expected there and only clutters the test output.
QtMessageHandler previousHandler = nullptr;

void quietHeadlessNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

TestWorld::TestWorld(bool withContent) : m_dir(folderTemplate()), m_quits(std::make_shared<int>(0)) {
    static const bool once = [] {
        previousHandler = qInstallMessageHandler(quietHeadlessNotices);
        registerAllForms();
        // Windows are drawn in the program's own fonts, as the user sees them.
        platform::App::installFonts();
        return true;
    }();
    Q_UNUSED(once);
    // An opener whose window is not registered, or a name registered twice,
    // fails the running test.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^Forms: ")));
    platform::Forms::resetForTests();
    resetDatabaseSettings();
    if (!m_dir.isValid())
        qFatal("cannot make a test folder: %s", qPrintable(m_dir.errorString()));
    platform::App::setPath(m_dir.path());
    copyTree(QStringLiteral(TRAVISTO_DATA_DIR "/pages"), m_dir.path());
    for (const QString& f : {platform::Database::contentFileName(), platform::Database::userFileName()}) {
        if (!QFile::copy(templateDatabase(f, withContent), m_dir.filePath(f)))
            qFatal("cannot copy the test database %s to %s", qPrintable(f), qPrintable(m_dir.path()));
        QFile(m_dir.filePath(f)).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    auto dialogs = std::make_unique<platform::ScriptedDialogs>();
    dialogs->setFailureHandler([](const QString& what) { QTest::qFail(qPrintable(what), __FILE__, __LINE__); });
    m_dialogs = dialogs.get();
    platform::Dialogs::install(std::move(dialogs));

    auto printer = std::make_unique<platform::RecordingPrinter>();
    m_printer = printer.get();
    platform::Printer::install(std::move(printer));

    auto shell = std::make_unique<platform::RecordingShell>();
    m_shell = shell.get();
    platform::Shell::install(std::move(shell));

    platform::Clock::setFixed(QDateTime(QDate(2004, 6, 1), QTime(9, 30)));
    platform::Timer::setManual(true);
    platform::Screen::setMetrics(15, 1024 * 15);
    std::weak_ptr<int> quits = m_quits;
    platform::Forms::setQuitHandler([quits] {
        if (auto q = quits.lock())
            ++*q;
    });
}

TestWorld::~TestWorld() {
    closeAll();
    platform::Forms::setQuitHandler([] {});
    resetDatabaseSettings();
}

void TestWorld::resetDatabaseSettings() {
    static const int programsWait = platform::Database::busyTimeout();
    platform::Database::setBusyTimeout(programsWait);
    platform::Database::setOpenReadOnly(false);
}

std::unique_ptr<platform::Database> TestWorld::content() {
    return platform::Database::openContent();
}

std::unique_ptr<platform::Database> TestWorld::user() {
    return platform::Database::openUser();
}

void TestWorld::exec(const QString& file, const QString& sql, const platform::Binds& binds) {
    auto db = platform::Database::open(m_dir.filePath(file));
    QVERIFY(db);
    QVERIFY2(db->execute(sql, binds), qPrintable(db->lastError()));
}

void TestWorld::addTripProfile() {
    exec(platform::Database::contentFileName(),
         QStringLiteral("INSERT INTO TravelInfo (TripDate, Adults, Kids, Daredevel, Lodging, Wet, Show) "
                        "VALUES ('2004-06-20', 2, 1, 0, 0, 0, 0)"));
}

void TestWorld::closeAll() {
    platform::Forms::resetForTests();
    settle();
}

void TestWorld::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void WorldTest::cleanup() {
    const bool answered = !world || world->dialogs().allAnswered();
    world.reset();
    QVERIFY2(answered, "an answer was scripted for a dialog that never came");
}

void failMissingControl(const QObject* window, const QString& name, const char* type, const std::source_location& at) {
    const QString message = window ? QStringLiteral("%1 has no %2 named %3").arg(window->objectName(), type, name)
                                   : QStringLiteral("no window to find the %1 named %2 in").arg(type, name);
    QTest::qFail(qPrintable(message), at.file_name(), int(at.line()));
}

bool isShown(const QString& form) {
    const platform::Form* window = platform::Forms::find(form);
    return window && window->isVisible();
}

void clickOn(QObject* window, const QString& name, const std::source_location& at) {
    QTest::mouseClick(must<QWidget>(window, name, at), Qt::LeftButton);
}

void chooseItem(QObject* window, const QString& name, const std::source_location& at) {
    must<QAction>(window, name, at)->trigger();
}

void pickEntry(common::DropDownList* box, int position) {
    QVERIFY(box);
    box->showPopup();
    box->view()->setCurrentIndex(box->model()->index(position, box->modelColumn()));
    QTest::keyClick(box->view(), Qt::Key_Return);
}

void typeOver(common::DropDownList* box, const QString& text) {
    QVERIFY(box);
    box->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

bool turnWheel(QWidget* over, int delta) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
    return wheel.isAccepted();
}

FullDisk::FullDisk(qint64 room) {
    // Without this the system ends the program at the refused write.
    m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = limit.rlim_cur;
    limit.rlim_cur = rlim_t(room);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("cannot limit the file size");
}

FullDisk::~FullDisk() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousSignal);
}

HeldLock::HeldLock(const QString& path, bool exclusive) {
    static int count = 0;
    m_connection = QStringLiteral("held_lock_%1").arg(++count);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    QSqlQuery q(db);
    if (!db.open() || !q.exec(exclusive ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN IMMEDIATE")))
        qFatal("cannot lock %s", qPrintable(path));
}

HeldLock::~HeldLock() {
    release();
}

void HeldLock::release() {
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

void moveMouseOver(QWidget* widget, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

bool activate(QWidget* window) {
    if (!window)
        return false;
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

QStringList shownTexts(QObject* window, const QStringList& names, const std::source_location& at) {
    QStringList texts;
    for (const QString& name : names) {
        const QWidget* control = must<QWidget>(window, name, at);
        if (const auto* list = qobject_cast<const QComboBox*>(control))
            texts << list->currentText();
        else if (const auto* box = qobject_cast<const QLineEdit*>(control))
            texts << box->text();
        else if (const auto* notes = qobject_cast<const QPlainTextEdit*>(control))
            texts << notes->toPlainText();
        else if (const auto* pane = qobject_cast<const QTextEdit*>(control))
            texts << pane->toPlainText();
        else if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(control))
            texts << spin->text();
        else if (const auto* label = qobject_cast<const QLabel*>(control))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            texts << button->text();
        else
            texts << QStringLiteral("<%1 shows no text>").arg(name);
    }
    return texts;
}

QStringList itemTexts(const QWidget* list) {
    QStringList texts;
    if (const auto* combo = qobject_cast<const QComboBox*>(list))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    if (const auto* box = qobject_cast<const QListWidget*>(list))
        for (int i = 0; i < box->count(); ++i)
            texts << box->item(i)->text();
    return texts;
}

QString paneMarkup(const QTextEdit& pane) {
    QStringList lines;
    for (QTextBlock block = pane.document()->begin(); block.isValid(); block = block.next()) {
        QString line = block.textList() ? QStringLiteral("* ") : QString();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QStringList looks;
            if (format.fontWeight() >= QFont::Bold)
                looks << QStringLiteral("bold");
            if (format.foreground().style() != Qt::NoBrush) {
                const QColor ink = format.foreground().color();
                looks << (ink == QColor(255, 0, 0)       ? QStringLiteral("red")
                          : ink == QColor(255, 255, 255) ? QStringLiteral("white")
                                                         : ink.name());
            }
            line += looks.isEmpty() ? fragment.text()
                                    : QLatin1Char('{') + looks.join(QLatin1Char(',')) + QLatin1Char(':') +
                                          fragment.text() + QLatin1Char('}');
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}
