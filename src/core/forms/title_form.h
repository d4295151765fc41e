#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quavis {

class TProject;

// The project title dialog ("Project Title") without its widgets: one memo of at most 80 characters.
// The project is marked modified only when the title really changes.
class TTitleFormLogic {
public:
    static constexpr const char* Caption = "Project Title";
    static constexpr const char* LabelCaption = "Enter text line for project description:";
    static constexpr std::size_t MaxLength = 80;

    explicit TTitleFormLogic(TProject& project) : m_project(project) {}

    const std::string& Memo() const { return m_memo; }
    // What the user types (UTF-8). The title is one line of the project file: line breaks become spaces,
    // and the memo holds no more than MaxLength characters.
    void SetMemo(const std::string& text);

    void FormActivate();
    void FormDeactivate();
    // Never refused: the dialog has no numeric field.
    void FormClose();

    std::function<void()> OnClosed;

private:
    TProject& m_project;
    std::string m_memo;
};

} // namespace quavis
