#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// Everything the program asks of the machine goes through these services, so
// that tests can put fixed answers in their place.
namespace platform {

// The program's folder: where the databases, pages and pictures live.
class App {
public:
    static QString path();
    static void setPath(const QString& folder);
    // The folder, a separator, the file name.
    static QString file(const QString& name);
    static QString title() { return QStringLiteral("Travisto"); }
    // The windowing runtime's fonts: every control without a font of its own
    // uses MS Sans Serif 8.25 points, and each Windows font name the windows
    // ask for maps to an installed font of the same widths, so that captions
    // fit the boxes laid out for them. Call once the application exists.
    static void installFonts();
};

class Clock {
public:
    static QDate today();
    static QDateTime now();
    static void setFixed(const QDateTime& moment);
    static void clearFixed();
};

// The locale the program shows, prints and reads dates, numbers and
// amounts in: the user's own, or the United States' where the system names
// none (the C or POSIX locale), since the resort, its prices and the
// program's data are American.
QLocale programLocale();

// The short date form, wherever the program shows or prints a date: the
// locale's short form, in its order of day, month and year, with the year
// always in four digits ("6/1/2004" in the United States), so that a date
// never reads in the wrong century.
QString shortDateFormat(const QLocale& locale = programLocale());
// The date in that form in the program's locale; empty for an invalid date.
QString shortDate(const QDate& date);
// A date typed or shown in that form; invalid when the text is none.
QDate readShortDate(const QString& text);

// Screen metrics in twips, as the start-up checks read them.
class Screen {
public:
    static int twipsPerPixelX();
    static int widthTwips();
    // Replaces the real metrics (tests, or a machine that wants to pretend).
    static void setMetrics(int twipsPerPixelX, int widthTwips);
    static void clearMetrics();
    // The hourglass while a long step runs; calls nest.
    static void setBusy(bool busy);
};

// Opens web addresses in the system's default browser.
class Shell {
public:
    virtual ~Shell() = default;
    // False when the browser could not be started.
    virtual bool openUrl(const QString& address) = 0;

    static Shell& instance();
    static void install(std::unique_ptr<Shell> shell);
};

// Records the addresses instead of opening them; can pretend to fail.
class RecordingShell : public Shell {
public:
    bool openUrl(const QString& address) override {
        opened << address;
        return succeed;
    }
    QStringList opened;
    bool succeed = true;
};

// The message, input and save dialogs.
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct SaveRequest {
    QString fileName;
    QString title;
    // As the common dialog takes it: "Name|pattern|Name|pattern".
    QString filter;
    int filterIndex = 1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box titled with the program's title.
    virtual Answer message(const QString& text, Buttons buttons) = 0;
    // An input box; Cancel and an empty answer both give the empty text.
    virtual QString input(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // A save dialog; no value when the user cancelled.
    virtual std::optional<QString> save(const SaveRequest& request) = 0;

    static Dialogs& instance();
    static void install(std::unique_ptr<Dialogs> dialogs);
    // The desktop's own modal dialogs, the ones installed at start.
    static std::unique_ptr<Dialogs> makeDesktop();
};

// Shortcuts for the current dialogs.
inline Answer msgBox(const QString& text, Buttons buttons = Buttons::Ok) {
    return Dialogs::instance().message(text, buttons);
}
inline QString inputBox(const QString& prompt, const QString& title = QString(), const QString& def = QString()) {
    return Dialogs::instance().input(prompt, title, def);
}

} // namespace platform
