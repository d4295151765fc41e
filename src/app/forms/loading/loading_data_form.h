#pragma once

#include <functional>
#include <string>
#include <vector>

#include "entry/data_form.h"
#include "forms/harmonic_form.h"

class QPushButton;
class QVBoxLayout;

namespace quavis {

class TDataEdit;

// What the four loading forms share: their numeric fields laid out from the core's descriptions, labels
// to the left and fields aligned in one column, the grouped fields in a box of their own; optionally a
// note and a button that opens a table.
class TLoadingDataForm : public TDataForm {
    Q_OBJECT
public:
    TLoadingDataForm(TMainForm& main, const std::string& formClass, const char* caption,
                     const std::vector<TLoadingField>& fields, const char* groupCaption = nullptr);

protected:
    // A line of text under the fields.
    void AddNote(const char* text);
    // A note with its button at its right ("Enter ... by clicking the right button").
    QPushButton* AddNoteWithButton(const char* note, const char* caption, std::function<void()> onClick);
    // Fixes the window's size once the form is complete.
    void FinishLayout();

private:
    QVBoxLayout* m_layout = nullptr;
    int m_notes = 0;
};

} // namespace quavis
