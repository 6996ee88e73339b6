#pragma once

#include "interaction.h"

#include <QList>
#include <QPrinter>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// A test double for Interaction: each request takes the next scripted answer of its
// kind and is recorded. A request with no answer left is recorded as unexpected and
// answered as if cancelled, so a test never blocks on a real window.
class ScriptedInteraction {
public:
    struct Asked {
        QString kind;           // "message", "prompt", "file", "print", "font", "color", "modal"
        QString title;
        QString text;           // message text, prompt label, file filter
        MessageButtons buttons = MessageButtons::Ok;
        FileDialogMode fileMode = FileDialogMode::Open;
        FileDialogState fileState; // the state the dialog started with
        bool selectionOffered = false;
        QString defaultText;
    };

    void answerMessage(MessageAnswer answer);
    void answerPrompt(std::optional<QString> answer);
    void answerFile(std::optional<QString> path, int filterIndex = -1);
    void answerPrint(bool confirmed, std::function<void(QPrinter &)> setUp = {});
    void answerFont(std::optional<QFont> font);
    void answerColor(std::optional<QColor> color);
    void answerModal(std::function<int(QDialog &)> run);

    Interaction interaction();

    const QList<Asked> &asked() const { return m_asked; }
    QList<Asked> askedOf(const QString &kind) const;
    const QStringList &unexpected() const { return m_unexpected; }
    int unusedAnswers() const;
    void clear();

private:
    QList<Asked> m_asked;
    QStringList m_unexpected;
    std::deque<MessageAnswer> m_messages;
    std::deque<std::optional<QString>> m_prompts;
    std::deque<std::pair<std::optional<QString>, int>> m_files;
    std::deque<std::pair<bool, std::function<void(QPrinter &)>>> m_prints;
    std::deque<std::optional<QFont>> m_fonts;
    std::deque<std::optional<QColor>> m_colors;
    std::deque<std::function<int(QDialog &)>> m_modals;
};
