#pragma once

#include <functional>
#include <string>

namespace quavis {

class Prompter;
class TDataEditRules;
class TProgramSettings;
struct TProgramData;
struct TFileDialogRequest;

// The control options dialog ("Control Options"): the word processor path and the stiffness-matrix
// option of the project. The desktop shows EdtWord and CheckBox1 and forwards the handlers; the dialog's
// state lives here. Changing the options does not mark the project modified.
class TDlgOptions {
public:
    static constexpr const char* Caption = "Control Options";
    static constexpr const char* Label5Caption = "&Text Editor:";
    static constexpr const char* BtnBrowseCaption = "&Browse...";
    static constexpr const char* CheckBox1Caption = "Generate Foundation Stiffness Matrix";
    static constexpr int ClientWidth = 396;
    static constexpr int ClientHeight = 193;

    // `data` returns the current model (the main window replaces it on New and Open).
    TDlgOptions(TProgramSettings& settings, std::function<TProgramData&()> data, Prompter& prompter);

    // The controls' contents.
    std::string EdtWord;
    bool CheckBox1 = false;

    // The browse dialog, preset with the path of EdtWord.
    TFileDialogRequest BrowserRequest() const;

    void FormActivate();
    void FormDeactivate();
    // The check box was clicked; `checked` is its new state.
    void CheckBox1Click(bool checked);
    void BtnBrowseClick();
    // Writes the fields back and reports closing (OnClosed clears the main window's open flag). Returns
    // whether the dialog closes: a focused numeric entry field (none: nullptr) whose exit check fails
    // keeps it open, with the field's message shown and nothing written.
    bool FormClose(TDataEditRules* focusedNumericField = nullptr);

    // Run by FormClose once the dialog is done.
    std::function<void()> OnClosed;

private:
    TProgramSettings& m_settings;
    std::function<TProgramData&()> m_data;
    Prompter& m_prompter;
};

} // namespace quavis
