#pragma once

#include "platform/Services.h"

#include <deque>
#include <functional>

namespace platform {

// Dialogs for tests: every dialog is answered from a queue and recorded.
// A dialog with no answer queued is unexpected: it is recorded in
// unexpected() and reported through the failure handler.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // "message", "input" or "save"
        QString text; // the message, the prompt, or the proposed file name
        QString title;
        Buttons buttons = Buttons::Ok;
        SaveRequest save;
        bool waitCursor = false; // the hourglass was showing when the dialog came up
    };

    // Queues the answer of the next message box.
    void answerMessage(Answer answer = Answer::Ok) { m_messages.push_back(answer); }
    // Queues the text typed into the next input box ("" for Cancel).
    void answerInput(const QString& text) { m_inputs.push_back(text); }
    // Queues the file chosen in the next save dialog; nullopt for Cancel.
    void answerSave(std::optional<QString> file) { m_saves.push_back({file.has_value(), file.value_or(QString())}); }

    Answer message(const QString& text, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> save(const SaveRequest& request) override;

    const QList<Shown>& shown() const { return m_shown; }
    QStringList messages() const;
    const QStringList& unexpected() const { return m_unexpected; }
    bool allAnswered() const { return m_messages.empty() && m_inputs.empty() && m_saves.empty(); }

    void setFailureHandler(std::function<void(const QString&)> handler) { m_onFailure = std::move(handler); }

private:
    void fail(const QString& what);

    std::deque<Answer> m_messages;
    std::deque<QString> m_inputs;
    std::deque<std::pair<bool, QString>> m_saves; // chosen?, file
    QList<Shown> m_shown;
    QStringList m_unexpected;
    std::function<void(const QString&)> m_onFailure;
};

} // namespace platform
