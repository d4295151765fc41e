#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <utility>

namespace quavis::test {

const char* PromptTypeName(TPromptType type)
{
    switch (type) {
    case TPromptType::Message: return "message";
    case TPromptType::YesNo: return "Yes/No question";
    case TPromptType::YesNoCancel: return "Yes/No/Cancel question";
    case TPromptType::OpenFile: return "open dialog";
    case TPromptType::SaveFile: return "save dialog";
    }
    return "prompt";
}

ScriptedPrompter::~ScriptedPrompter()
{
    VerifyAllAnswered();
}

ScriptedPrompter& ScriptedPrompter::ExpectMessage(std::optional<std::string> text)
{
    m_expected.push_back({TPromptType::Message, std::move(text), TPromptAnswer::Ok, std::nullopt});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectYesNo(TPromptAnswer answer, std::optional<std::string> text)
{
    m_expected.push_back({TPromptType::YesNo, std::move(text), answer, std::nullopt});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectYesNoCancel(TPromptAnswer answer, std::optional<std::string> text)
{
    m_expected.push_back({TPromptType::YesNoCancel, std::move(text), answer, std::nullopt});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectOpenFile(std::optional<std::string> chosenPath)
{
    m_expected.push_back({TPromptType::OpenFile, std::nullopt, TPromptAnswer::Ok, std::move(chosenPath)});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectSaveFile(std::optional<std::string> chosenPath)
{
    m_expected.push_back({TPromptType::SaveFile, std::nullopt, TPromptAnswer::Ok, std::move(chosenPath)});
    return *this;
}

std::optional<ScriptedPrompter::TExpectation> ScriptedPrompter::Take(TPromptType type, const std::string& text)
{
    if (m_expected.empty()) {
        ADD_FAILURE() << "Unexpected " << PromptTypeName(type) << ": \"" << text << "\"";
        return std::nullopt;
    }
    TExpectation next = m_expected.front();
    // Consumed either way, so that one wrong prompt is one failure and not a cascade.
    m_expected.pop_front();
    if (next.Type != type) {
        ADD_FAILURE() << "Expected a " << PromptTypeName(next.Type) << " but got a " << PromptTypeName(type)
                      << ": \"" << text << "\"";
        return std::nullopt;
    }
    if (next.Text && *next.Text != text) {
        ADD_FAILURE() << "The " << PromptTypeName(type) << " said \"" << text << "\" instead of \"" << *next.Text
                      << "\"";
    }
    return next;
}

void ScriptedPrompter::ShowMessage(const std::string& text, TMessageKind kind)
{
    m_records.push_back({TPromptType::Message, text, kind, {}});
    Take(TPromptType::Message, text);
}

TPromptAnswer ScriptedPrompter::AskYesNo(const std::string& text)
{
    m_records.push_back({TPromptType::YesNo, text, TMessageKind::Confirmation, {}});
    const auto next = Take(TPromptType::YesNo, text);
    return next ? next->Answer : TPromptAnswer::No;
}

TPromptAnswer ScriptedPrompter::AskYesNoCancel(const std::string& text)
{
    m_records.push_back({TPromptType::YesNoCancel, text, TMessageKind::Confirmation, {}});
    const auto next = Take(TPromptType::YesNoCancel, text);
    return next ? next->Answer : TPromptAnswer::Cancel;
}

std::optional<std::string> ScriptedPrompter::AskOpenFileName(const TFileDialogRequest& request)
{
    m_records.push_back({TPromptType::OpenFile, {}, TMessageKind::Information, request});
    const auto next = Take(TPromptType::OpenFile, request.Title);
    return next ? next->Path : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::AskSaveFileName(const TFileDialogRequest& request)
{
    m_records.push_back({TPromptType::SaveFile, {}, TMessageKind::Information, request});
    const auto next = Take(TPromptType::SaveFile, request.Title);
    return next ? next->Path : std::nullopt;
}

std::vector<std::string> ScriptedPrompter::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& record : m_records) {
        if (record.Type != TPromptType::OpenFile && record.Type != TPromptType::SaveFile)
            texts.push_back(record.Text);
    }
    return texts;
}

void ScriptedPrompter::VerifyAllAnswered()
{
    for (const auto& expectation : m_expected) {
        ADD_FAILURE() << "A " << PromptTypeName(expectation.Type) << " was expected but never shown"
                      << (expectation.Text ? ": \"" + *expectation.Text + "\"" : std::string());
    }
    m_expected.clear();
}

} // namespace quavis::test
