#include "platform/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>

namespace platform {

namespace {

QString& appFolder() {
    static QString folder;
    return folder;
}

std::optional<QDateTime>& fixedClock() {
    static std::optional<QDateTime> fixed;
    return fixed;
}

struct ScreenOverride {
    bool set = false;
    int twipsPerPixelX = 15;
    int widthTwips = 0;
};

ScreenOverride& screenOverride() {
    static ScreenOverride s;
    return s;
}

class DesktopShell : public Shell {
public:
    bool openUrl(const QString& address) override { return QDesktopServices::openUrl(QUrl::fromUserInput(address)); }
};

std::unique_ptr<Shell>& shellInstance() {
    static std::unique_ptr<Shell> shell = std::make_unique<DesktopShell>();
    return shell;
}

class QtDialogs : public Dialogs {
public:
    Answer message(const QString& text, Buttons buttons) override {
        // A plain box: the program's title, the text and the buttons, no icon.
        QMessageBox box(QMessageBox::NoIcon, App::title(), text, QMessageBox::NoButton, QApplication::activeWindow());
        // The text as given, never read as markup.
        box.setTextFormat(Qt::PlainText);
        if (buttons == Buttons::Ok) {
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
            return Answer::Ok;
        }
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

    QString input(const QString& prompt, const QString& title, const QString& defaultText) override {
        bool ok = false;
        const QString answer =
            QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? App::title() : title, prompt,
                                  QLineEdit::Normal, defaultText, &ok);
        return ok ? answer : QString();
    }

    std::optional<QString> save(const SaveRequest& request) override {
        // "Name|pattern|Name|pattern" becomes Qt's "Name;;Name" list; each name carries its pattern.
        const QStringList parts = request.filter.split(QLatin1Char('|'));
        QStringList filters;
        for (int i = 0; i + 1 < parts.size(); i += 2) {
            QString name = parts[i];
            if (!name.contains(QLatin1Char('(')))
                name += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
            filters << name;
        }
        QString selected = filters.value(request.filterIndex - 1);
        const QString start =
            request.fileName.isEmpty() ? QDir::homePath() : QDir(QDir::homePath()).filePath(request.fileName);
        const QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, start,
                                                            filters.join(QStringLiteral(";;")), &selected,
                                                            QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    }
};

std::unique_ptr<Dialogs>& dialogsInstance() {
    static std::unique_ptr<Dialogs> dialogs = Dialogs::makeDesktop();
    return dialogs;
}

} // namespace

QString App::path() {
    if (appFolder().isEmpty())
        appFolder() = QCoreApplication::applicationDirPath();
    return appFolder();
}

void App::installFonts() {
    // Tahoma's metric-compatible remake ships outside the system's font
    // folders (Debian's fonts-wine); the program loads it for itself. Only
    // its regular face: the remake's bold face has the bold widths but the
    // regular strokes, so bold text would not look bold. Without it, bold
    // Tahoma is drawn by thickening the regular strokes.
    static const bool remakeLoaded =
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")) >= 0;
    Q_UNUSED(remakeLoaded);

    // Liberation Sans has Arial's widths, which come within a few per cent of
    // the MS Sans Serif screen font at 8 and 12 points; Liberation Serif has
    // Times New Roman's. DejaVu Sans has the widths of Verdana's Debian remake.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    // Without the remake, the narrow cut of DejaVu Sans comes closest.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});

    QFont controls(QStringLiteral("MS Sans Serif"));
    controls.setPointSizeF(8.25);
    QApplication::setFont(controls);
}

void App::setPath(const QString& folder) {
    appFolder() = folder;
}

QString App::file(const QString& name) {
    return path() + QLatin1Char('/') + name;
}

QDate Clock::today() {
    return now().date();
}

QDateTime Clock::now() {
    return fixedClock() ? *fixedClock() : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& moment) {
    fixedClock() = moment;
}

void Clock::clearFixed() {
    fixedClock().reset();
}

QLocale programLocale() {
    const QLocale current;
    return current.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : current;
}

QString shortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        static const QRegularExpression year(QStringLiteral("y+"));
        format.replace(year, QStringLiteral("yyyy"));
    }
    return format;
}

QString shortDate(const QDate& date) {
    const QLocale locale = programLocale();
    return date.isValid() ? locale.toString(date, shortDateFormat(locale)) : QString();
}

QDate readShortDate(const QString& text) {
    const QLocale locale = programLocale();
    return locale.toDate(text.trimmed(), shortDateFormat(locale));
}

int Screen::twipsPerPixelX() {
    if (screenOverride().set)
        return screenOverride().twipsPerPixelX;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qMax(1, qRound(1440.0 / dpi));
}

int Screen::widthTwips() {
    if (screenOverride().set)
        return screenOverride().widthTwips;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->geometry().width() : 1024;
    return pixels * twipsPerPixelX();
}

void Screen::setMetrics(int twipsPerPixelX, int widthTwips) {
    screenOverride() = ScreenOverride{true, twipsPerPixelX, widthTwips};
}

void Screen::clearMetrics() {
    screenOverride() = ScreenOverride{};
}

void Screen::setBusy(bool busy) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

Shell& Shell::instance() {
    return *shellInstance();
}

void Shell::install(std::unique_ptr<Shell> shell) {
    shellInstance() = std::move(shell);
}

std::unique_ptr<Dialogs> Dialogs::makeDesktop() {
    return std::make_unique<QtDialogs>();
}

Dialogs& Dialogs::instance() {
    return *dialogsInstance();
}

void Dialogs::install(std::unique_ptr<Dialogs> dialogs) {
    dialogsInstance() = std::move(dialogs);
}

} // namespace platform
