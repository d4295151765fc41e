#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quavis {

class TProject;

// The foundation system form ("Foundation Options") without its widgets: the footing type choice and
// the picture that goes with it. The project is marked modified on leaving the form when the type differs
// from the one it had at activation.
class TLayoutFormLogic {
public:
    static constexpr const char* Caption = "Foundation Options";
    static constexpr const char* LabelCaption = "Footing Type";

    explicit TLayoutFormLogic(TProject& project) : m_project(project) {}

    static const std::vector<std::string>& Items();

    // The choice box's text.
    const std::string& ComboText() const { return m_comboText; }

    void FormActivate();
    // The user picked an item (or typed a text).
    void ComboBox1Change(const std::string& text);
    void FormDeactivate();
    // Never refused: the form has no numeric field.
    void FormClose();

    // FoundationType from FoundationKeyword; any other text leaves it.
    void UpdateFootingType();
    // The picture of the current keyword in the program folder; empty for a text that names no type.
    std::string PictureFile(const std::string& programFolder) const;
    // The picture's left edge that centres it on the form.
    static int PictureLeft(int formWidth, int pictureWidth);
    // The message when the picture file cannot be read.
    static std::string PictureError(const std::string& file);

    // The main window re-enables its Data menu items for the new type.
    std::function<void()> OnTypeCommitted;
    std::function<void()> OnClosed;

private:
    TProject& m_project;
    std::string m_comboText;
    std::string m_keywordAtActivation;
};

} // namespace quavis
