#pragma once

#include <array>
#include <memory>

#include "entry/data_form.h"
#include "forms/pile_properties_form.h"

class QComboBox;
class QGridLayout;

namespace quavis {

// The window of the pile and multilayer property forms: the ten foundation constants, stored back into
// the model as soon as they are shown; the pile form adds its three choice boxes.
class TPilePropertiesWindow : public TDataForm {
    Q_OBJECT
public:
    TPilePropertiesWindow(TMainForm& main, TPilePropertiesKind kind, std::string formClass,
                          QWidget* parent = nullptr);
    ~TPilePropertiesWindow() override;

    // DataEdit1 .. DataEdit10 by index 0 .. 9.
    TDataEdit* Field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }
    // ComboBox1 .. ComboBox3 by index 0 .. 2 (pile form only).
    QComboBox* ComboBox(int index) const { return m_combos[static_cast<std::size_t>(index)]; }

protected:
    void Load() override;
    void Store() override;

private:
    QComboBox* AddChoice(QGridLayout* grid, int row, const char* name, const char* label,
                         const std::vector<std::string>& items, void (TPileChoices::*change)(const std::string&));

    TPilePropertiesKind m_kind;
    std::array<TDataEdit*, PilePropertiesFieldCount> m_fields{};
    std::array<QComboBox*, 3> m_combos{};
    std::unique_ptr<TPileChoices> m_choices;
};

} // namespace quavis
