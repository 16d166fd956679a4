#include "platform/ScriptedDialogs.h"

#include <QGuiApplication>

namespace platform {

namespace {

bool waitCursorShown() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && QGuiApplication::overrideCursor();
}

} // namespace

void ScriptedDialogs::fail(const QString& what) {
    m_unexpected << what;
    if (m_onFailure)
        m_onFailure(what);
}

Answer ScriptedDialogs::message(const QString& text, Buttons buttons) {
    m_shown.append(Shown{QStringLiteral("message"), text, App::title(), buttons, {}, waitCursorShown()});
    if (m_messages.empty()) {
        fail(QStringLiteral("unexpected message box: ") + text);
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    const Answer answer = m_messages.front();
    m_messages.pop_front();
    return answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    Q_UNUSED(defaultText);
    m_shown.append(Shown{QStringLiteral("input"), prompt, title, Buttons::Ok, {}, waitCursorShown()});
    if (m_inputs.empty()) {
        fail(QStringLiteral("unexpected input box: ") + prompt);
        return QString();
    }
    const QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::save(const SaveRequest& request) {
    m_shown.append(
        Shown{QStringLiteral("save"), request.fileName, request.title, Buttons::Ok, request, waitCursorShown()});
    if (m_saves.empty()) {
        fail(QStringLiteral("unexpected save dialog: ") + request.title);
        return std::nullopt;
    }
    const auto [chosen, file] = m_saves.front();
    m_saves.pop_front();
    if (!chosen)
        return std::nullopt;
    return file;
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Shown& s : m_shown)
        if (s.kind == QLatin1String("message"))
            texts << s.text;
    return texts;
}

} // namespace platform
