#include "shell/dlg_options.h"

#include "components/data_edit_rules.h"
#include "model/program_data.h"
#include "shell/program_settings.h"
#include "shell/prompter.h"

#include <utility>

namespace quavis {

TDlgOptions::TDlgOptions(TProgramSettings& settings, std::function<TProgramData&()> data, Prompter& prompter)
    : m_settings(settings), m_data(std::move(data)), m_prompter(prompter)
{
}

TFileDialogRequest TDlgOptions::BrowserRequest() const
{
    TFileDialogRequest request;
    // Programs carry no extension here, so the program filter shows every file.
    request.Filter = "Programs (*);;All Files (*)";
    request.FileName = EdtWord;
    request.FileMustExist = true;
    request.HideReadOnly = true;
    return request;
}

void TDlgOptions::FormActivate()
{
    m_settings.ApplyDefaultWordProcessor();
    EdtWord = m_settings.WordProcessorPath;
    CheckBox1 = m_data().WriteMatrix == 1;
}

void TDlgOptions::FormDeactivate()
{
    m_settings.WordProcessorPath = EdtWord;
    m_data().WriteMatrix = CheckBox1 ? 1 : 0;
}

void TDlgOptions::CheckBox1Click(bool checked)
{
    CheckBox1 = checked;
    m_data().WriteMatrix = checked ? 1 : 0;
}

void TDlgOptions::BtnBrowseClick()
{
    if (const auto chosen = m_prompter.AskOpenFileName(BrowserRequest()))
        EdtWord = *chosen;
}

bool TDlgOptions::FormClose(TDataEditRules* focusedNumericField)
{
    if (focusedNumericField && !focusedNumericField->Validate(m_prompter))
        return false;
    FormDeactivate();
    if (OnClosed)
        OnClosed();
    return true;
}

} // namespace quavis
