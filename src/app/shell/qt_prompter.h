#pragma once

#include "shell/prompter.h"

class QWidget;

namespace quavis {

// The core's prompts as the toolkit's message boxes and file dialogs, parented to the main window.
class TQtPrompter : public Prompter {
public:
    explicit TQtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(const std::string& text, TMessageKind kind) override;
    TPromptAnswer AskYesNo(const std::string& text) override;
    TPromptAnswer AskYesNoCancel(const std::string& text) override;
    std::optional<std::string> AskOpenFileName(const TFileDialogRequest& request) override;
    std::optional<std::string> AskSaveFileName(const TFileDialogRequest& request) override;

private:
    std::optional<std::string> AskFileName(const TFileDialogRequest& request, bool save);

    QWidget* m_parent;
};

} // namespace quavis
