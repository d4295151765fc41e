#pragma once

#include <memory>

#include "entry/data_form.h"
#include "forms/mass_form.h"

class QPlainTextEdit;
class QPushButton;

namespace quavis {

// The window of the two twin mass forms: the sixteen fields in their four groups, the explanation, the
// button that opens the mass components table and the one that runs the calculator.
class TMassFormWindow : public TDataForm {
    Q_OBJECT
public:
    TMassFormWindow(TMainForm& main, TMassFormKind kind, std::string formClass, QWidget* parent = nullptr);
    ~TMassFormWindow() override;

    TDataEdit* Field(TMassField field) const { return m_fields[field]; }
    QPushButton* TableButton() const { return m_tableButton; }
    QPushButton* CalculateButton() const { return m_calculateButton; }
    const TMassFormSteps& Steps() const { return *m_steps; }

protected:
    void Load() override;
    void Store() override;

private:
    void Calculate();
    void ShowFromStart();

    TMassFormKind m_kind;
    std::array<TDataEdit*, MassFieldCount> m_fields{};
    std::unique_ptr<TMassFormSteps> m_steps;
    QPushButton* m_tableButton = nullptr;
    QPushButton* m_calculateButton = nullptr;
};

} // namespace quavis
