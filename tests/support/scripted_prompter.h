#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "shell/prompter.h"

namespace quavis::test {

// What a prompt was: the five kinds of the Prompter interface.
enum class TPromptType { Message, YesNo, YesNoCancel, OpenFile, SaveFile };

const char* PromptTypeName(TPromptType type);

// One prompt as it was shown.
struct TPromptRecord {
    TPromptType Type = TPromptType::Message;
    std::string Text;                 // the message or question; empty for file dialogs
    TMessageKind Kind = TMessageKind::Information;  // messages only
    TFileDialogRequest Request;       // file dialogs only
};

// A prompter for tests: answers from a queue of expectations, in order, and records every prompt.
// A prompt that does not match the next expectation (wrong type, wrong text, none left) fails the test;
// a prompt of the wrong type or with none left gets the most cautious answer (Cancel, No, no file). Expectations still queued when the prompter is
// destroyed fail the test too, so a prompt that never came is caught as well.
class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() = default;
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete;
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // Expectations; an expected text, when given, must match exactly.
    ScriptedPrompter& ExpectMessage(std::optional<std::string> text = std::nullopt);
    ScriptedPrompter& ExpectYesNo(TPromptAnswer answer, std::optional<std::string> text = std::nullopt);
    ScriptedPrompter& ExpectYesNoCancel(TPromptAnswer answer, std::optional<std::string> text = std::nullopt);
    ScriptedPrompter& ExpectOpenFile(std::optional<std::string> chosenPath);
    ScriptedPrompter& ExpectSaveFile(std::optional<std::string> chosenPath);

    void ShowMessage(const std::string& text, TMessageKind kind) override;
    TPromptAnswer AskYesNo(const std::string& text) override;
    TPromptAnswer AskYesNoCancel(const std::string& text) override;
    std::optional<std::string> AskOpenFileName(const TFileDialogRequest& request) override;
    std::optional<std::string> AskSaveFileName(const TFileDialogRequest& request) override;

    const std::vector<TPromptRecord>& Records() const { return m_records; }
    // The texts of every message and question, in order.
    std::vector<std::string> Texts() const;
    std::size_t PendingCount() const { return m_expected.size(); }
    // Fails the test for every expectation still queued, then forgets them.
    void VerifyAllAnswered();

private:
    struct TExpectation {
        TPromptType Type;
        std::optional<std::string> Text;
        TPromptAnswer Answer = TPromptAnswer::Ok;
        std::optional<std::string> Path;
    };

    // The next expectation when it fits the prompt; otherwise the failure is reported and nothing returned.
    std::optional<TExpectation> Take(TPromptType type, const std::string& text);

    std::deque<TExpectation> m_expected;
    std::vector<TPromptRecord> m_records;
};

} // namespace quavis::test
