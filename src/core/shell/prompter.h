#pragma once

#include <optional>
#include <string>

namespace quavis {

// The look of a message box; the buttons are given by the call.
enum class TMessageKind { Information, Confirmation, Warning, Error };

// The button that closed a question box. Closing a Yes/No/Cancel box without a button counts as Cancel,
// closing a Yes/No box as No.
enum class TPromptAnswer { Ok, Yes, No, Cancel };

// What a file dialog is preset with. Filters are in Qt syntax: "QUAVIS 3.0.6 (*.vqd);;All Files (*)".
struct TFileDialogRequest {
    std::string Title;
    std::string Filter;
    // Appended (with a ".") by the dialog when the chosen name has no extension.
    std::string DefaultExt;
    // Folder the dialog starts in; empty: the current directory.
    std::string InitialDir;
    // Name (or whole path) shown in the name field.
    std::string FileName;
    bool FileMustExist = false;    // open dialogs
    bool PathMustExist = false;    // save dialogs
    bool OverwritePrompt = false;  // save dialogs: confirm replacing an existing file
    bool HideReadOnly = true;
};

// Everything the command logic asks of the user. The desktop wraps the toolkit's message boxes and file
// dialogs; tests script the answers. Implementations must not throw.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message with one OK button.
    virtual void ShowMessage(const std::string& text, TMessageKind kind) = 0;
    // A confirmation with Yes and No: Yes or No.
    virtual TPromptAnswer AskYesNo(const std::string& text) = 0;
    // A confirmation with Yes, No and Cancel: Yes, No or Cancel.
    virtual TPromptAnswer AskYesNoCancel(const std::string& text) = 0;
    // The path chosen in an open dialog, or nothing when it was cancelled.
    virtual std::optional<std::string> AskOpenFileName(const TFileDialogRequest& request) = 0;
    // The path chosen in a save dialog, or nothing when it was cancelled.
    virtual std::optional<std::string> AskSaveFileName(const TFileDialogRequest& request) = 0;

    // The usual information box with OK.
    void Inform(const std::string& text) { ShowMessage(text, TMessageKind::Information); }
};

} // namespace quavis
