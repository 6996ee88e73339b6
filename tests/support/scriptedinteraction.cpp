#include "scriptedinteraction.h"

#include <QDialog>

void ScriptedInteraction::answerMessage(MessageAnswer answer) { m_messages.push_back(answer); }
void ScriptedInteraction::answerPrompt(std::optional<QString> answer) { m_prompts.push_back(std::move(answer)); }
void ScriptedInteraction::answerFile(std::optional<QString> path, int filterIndex)
{
    m_files.emplace_back(std::move(path), filterIndex);
}
void ScriptedInteraction::answerPrint(bool confirmed, std::function<void(QPrinter &)> setUp)
{
    m_prints.emplace_back(confirmed, std::move(setUp));
}
void ScriptedInteraction::answerFont(std::optional<QFont> font) { m_fonts.push_back(std::move(font)); }
void ScriptedInteraction::answerColor(std::optional<QColor> color) { m_colors.push_back(std::move(color)); }
void ScriptedInteraction::answerModal(std::function<int(QDialog &)> run) { m_modals.push_back(std::move(run)); }

QList<ScriptedInteraction::Asked> ScriptedInteraction::askedOf(const QString &kind) const
{
    QList<Asked> result;
    for (const Asked &a : m_asked) {
        if (a.kind == kind)
            result << a;
    }
    return result;
}

int ScriptedInteraction::unusedAnswers() const
{
    return int(m_messages.size() + m_prompts.size() + m_files.size() + m_prints.size()
               + m_fonts.size() + m_colors.size() + m_modals.size());
}

void ScriptedInteraction::clear()
{
    *this = ScriptedInteraction();
}

Interaction ScriptedInteraction::interaction()
{
    Interaction i;
    i.message = [this](QWidget *, const MessageRequest &r) {
        Asked a;
        a.kind = QStringLiteral("message");
        a.title = r.title;
        a.text = r.text;
        a.buttons = r.buttons;
        m_asked << a;
        if (m_messages.empty()) {
            m_unexpected << QStringLiteral("message: ") + r.text;
            return r.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        }
        const MessageAnswer answer = m_messages.front();
        m_messages.pop_front();
        return answer;
    };
    i.prompt = [this](QWidget *, const PromptRequest &r) -> std::optional<QString> {
        Asked a;
        a.kind = QStringLiteral("prompt");
        a.title = r.title;
        a.text = r.label;
        a.defaultText = r.defaultText;
        m_asked << a;
        if (m_prompts.empty()) {
            m_unexpected << QStringLiteral("prompt: ") + r.label;
            return std::nullopt;
        }
        const bool answered = m_prompts.front().has_value();
        const QString text = m_prompts.front().value_or(QString());
        m_prompts.pop_front();
        if (!answered)
            return std::nullopt;
        return text;
    };
    i.fileDialog = [this](QWidget *, const FileDialogRequest &r, FileDialogState &state) -> std::optional<QString> {
        Asked a;
        a.kind = QStringLiteral("file");
        a.text = r.filter;
        a.fileMode = r.mode;
        a.fileState = state;
        m_asked << a;
        if (m_files.empty()) {
            m_unexpected << QStringLiteral("file: ") + r.filter;
            return std::nullopt;
        }
        auto [path, filterIndex] = m_files.front();
        m_files.pop_front();
        if (path) {
            state.fileName = *path;
            if (filterIndex >= 0)
                state.filterIndex = filterIndex;
        }
        return path;
    };
    i.printDialog = [this](QWidget *, QPrinter &printer, const PrintDialogRequest &r) {
        Asked a;
        a.kind = QStringLiteral("print");
        a.selectionOffered = r.selectionOffered;
        m_asked << a;
        if (m_prints.empty()) {
            m_unexpected << QStringLiteral("print");
            return false;
        }
        auto [confirmed, setUp] = m_prints.front();
        m_prints.pop_front();
        if (setUp)
            setUp(printer);
        return confirmed;
    };
    i.fontDialog = [this](QWidget *, const QFont &) -> std::optional<QFont> {
        Asked a;
        a.kind = QStringLiteral("font");
        m_asked << a;
        if (m_fonts.empty()) {
            m_unexpected << QStringLiteral("font");
            return std::nullopt;
        }
        auto answer = m_fonts.front();
        m_fonts.pop_front();
        return answer;
    };
    i.colorDialog = [this](QWidget *, const QColor &) -> std::optional<QColor> {
        Asked a;
        a.kind = QStringLiteral("color");
        m_asked << a;
        if (m_colors.empty()) {
            m_unexpected << QStringLiteral("color");
            return std::nullopt;
        }
        auto answer = m_colors.front();
        m_colors.pop_front();
        return answer;
    };
    i.runModal = [this](QDialog &dialog) {
        Asked a;
        a.kind = QStringLiteral("modal");
        a.title = dialog.windowTitle();
        a.text = dialog.objectName();
        m_asked << a;
        if (m_modals.empty()) {
            m_unexpected << QStringLiteral("modal: ") + dialog.objectName();
            return int(QDialog::Rejected);
        }
        auto run = m_modals.front();
        m_modals.pop_front();
        return run(dialog);
    };
    return i;
}
